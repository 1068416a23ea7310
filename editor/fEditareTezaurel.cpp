#include "editor/fEditareTezaurel.h"

#include "app/Ferestre.h"
#include "editor/EditareProbleme.h"
#include "editor/SuprafataPanza.h"
#include "platform/Ecran.h"
#include "platform/Panza.h"
#include "store/mDefinitii.h"

#include <QMenuBar>
#include <QMouseEvent>

namespace {
constexpr int LatimeClient = Pixeli(13515);
constexpr int InaltimeClient = Pixeli(9810);
} // namespace

fEditareTezaurel::fEditareTezaurel(mDefinitii &definitii, Ferestre &ferestre, QWidget *parent)
    : FereastraFixa(parent)
    , m_definitii(definitii)
    , m_ferestre(ferestre)
    , m_suprafata(new Panza(this))
    , m_panza(std::make_unique<SuprafataPanza>(*m_suprafata))
    , m_editare(std::make_unique<EditareProbleme>(m_definitii, *m_panza))
{
    setWindowTitle(QStringLiteral("Personalizare Tezaurel"));
    setCentralWidget(m_suprafata);

    auto adauga = [this](const QString &titlu, void (fEditareTezaurel::*handler)()) {
        QAction *a = menuBar()->addAction(titlu);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    mIntroduceProblema = adauga(QStringLiteral("Deschide fisier"),
                                &fEditareTezaurel::fEditareTezaurel_mIntroduceProblema_Click);
    mSalveaza = adauga(QStringLiteral("Salveaza problema"),
                       &fEditareTezaurel::fEditareTezaurel_mSalveaza_Click);
    mStergeProblema = adauga(QStringLiteral("Sterge problema"),
                             &fEditareTezaurel::fEditareTezaurel_mStergeProblema_Click);
    mRevenire =
        adauga(QStringLiteral("Revenire"), &fEditareTezaurel::fEditareTezaurel_mRevenire_Click);

    connect(m_suprafata, &Panza::Apasat, this, &fEditareTezaurel::fEditareTezaurel_Form_MouseDown);
    connect(m_suprafata, &Panza::Miscat, this, &fEditareTezaurel::fEditareTezaurel_Form_MouseMove);
    connect(m_suprafata, &Panza::Eliberat, this, &fEditareTezaurel::fEditareTezaurel_Form_MouseUp);

    m_suprafata->setMinimumSize(1, 1);
    resize(LatimeClient, InaltimeClient + menuBar()->sizeHint().height());
}

fEditareTezaurel::~fEditareTezaurel() = default;

bool fEditareTezaurel::event(QEvent *eveniment)
{
    if (eveniment->type() == QEvent::WindowActivate)
        fEditareTezaurel_Form_Activate();
    return FereastraFixa::event(eveniment);
}

void fEditareTezaurel::fEditareTezaurel_mIntroduceProblema_Click()
{
    m_editare->DeschideFisier();
}

void fEditareTezaurel::fEditareTezaurel_mSalveaza_Click()
{
    m_editare->SalveazaProblema();
    m_ferestre.ColectieSchimbata();
}

void fEditareTezaurel::fEditareTezaurel_mStergeProblema_Click()
{
    m_editare->StergeProblema();
}

void fEditareTezaurel::fEditareTezaurel_mRevenire_Click()
{
    m_editare->Revenire();
    hide();
    m_ferestre.ArataMain();
}

void fEditareTezaurel::fEditareTezaurel_Form_Activate()
{
    m_editare->Activare();
}

void fEditareTezaurel::fEditareTezaurel_Form_MouseDown(QMouseEvent *eveniment)
{
    m_editare->Apasa(eveniment->position().x(), eveniment->position().y());
}

void fEditareTezaurel::fEditareTezaurel_Form_MouseMove(QMouseEvent *eveniment)
{
    m_editare->Misca(eveniment->position().x(), eveniment->position().y());
}

void fEditareTezaurel::fEditareTezaurel_Form_MouseUp(QMouseEvent *eveniment)
{
    m_editare->Elibereaza(eveniment->position().x(), eveniment->position().y());
}
