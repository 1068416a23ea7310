#include "ferestre/editare/FereastraEditare.h"

#include "interfete/Ferestre.h"
#include "logica/editare/EditareProbleme.h"
#include "ferestre/comune/MeniuZoom.h"
#include "ferestre/comune/Ecran.h"
#include "ferestre/comune/PanzaQt.h"
#include "interfete/Platforma.h"
#include "model/Colectie.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

namespace {
constexpr int LatimeClient = Pixeli(13515);
constexpr int InaltimeClient = Pixeli(9810);
} // namespace

FereastraEditare::FereastraEditare(Colectie &definitii, Ferestre &ferestre, QWidget *parent)
    : FereastraFixa(parent)
    , m_definitii(definitii)
    , m_ferestre(ferestre)
    , m_panza(new PanzaQt(this))
    , m_editare(std::make_unique<EditareProbleme>(m_definitii, *m_panza))
{
    setWindowTitle(QStringLiteral("Personalizare Tezaurel"));
    setCentralWidget(m_panza);

    auto adauga = [this](const QString &titlu, auto handler) {
        QAction *a = menuBar()->addAction(titlu);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    mIntroduceProblema = adauga(QStringLiteral("Deschide fisier"),
                                &FereastraEditare::fEditareTezaurel_mIntroduceProblema_Click);
    mSalveaza = adauga(QStringLiteral("Salveaza problema"),
                       &FereastraEditare::fEditareTezaurel_mSalveaza_Click);
    mStergeProblema = adauga(QStringLiteral("Sterge problema"),
                             &FereastraEditare::fEditareTezaurel_mStergeProblema_Click);
    mRepuneProblema = adauga(QStringLiteral("Anulează ștergerea"),
                             [this] { m_editare->RepuneProblema(); });
    mRepuneProblema->setShortcut(Qt::CTRL | Qt::Key_U);
    // The three ways in share one menu, so that "Revenire" stays on a bar
    // the width of the designed window.
    m_importa = menuBar()->addMenu(QStringLiteral("Importă"));
    mRevenire =
        adauga(QStringLiteral("Revenire"), &FereastraEditare::fEditareTezaurel_mRevenire_Click);
    // Keys rather than mnemonics: an "&" would change the captions.
    mIntroduceProblema->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    mSalveaza->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    mStergeProblema->setShortcut(QKeySequence(QStringLiteral("Ctrl+Del")));
    mRevenire->setShortcut(QKeySequence(QStringLiteral("Esc")));

    m_vedere = menuBar()->addMenu(QStringLiteral("Vedere"));
    AdaugaZoom(*m_vedere, *m_panza, m_editare->Poza(),
               [this] { return m_panza->width(); });

    connect(m_panza, &PanzaQt::Apasat, this, &FereastraEditare::fEditareTezaurel_Form_MouseDown);
    connect(m_panza, &PanzaQt::Miscat, this, &FereastraEditare::fEditareTezaurel_Form_MouseMove);
    connect(m_panza, &PanzaQt::Eliberat, this, &FereastraEditare::fEditareTezaurel_Form_MouseUp);

    m_panza->setMinimumSize(1, 1);
    resize(LatimeClient, InaltimeClient + menuBar()->sizeHint().height());
}

FereastraEditare::~FereastraEditare() = default;

bool FereastraEditare::event(QEvent *eveniment)
{
    if (eveniment->type() == QEvent::WindowActivate)
        fEditareTezaurel_Form_Activate();
    return FereastraFixa::event(eveniment);
}

void FereastraEditare::fEditareTezaurel_mIntroduceProblema_Click()
{
    m_editare->DeschideFisier();
}

void FereastraEditare::fEditareTezaurel_mSalveaza_Click()
{
    m_editare->SalveazaProblema();
    m_ferestre.ColectieSchimbata();
}

void FereastraEditare::fEditareTezaurel_mStergeProblema_Click()
{
    m_editare->StergeProblema();
}

QMenu *FereastraEditare::MeniuDe(Meniu meniu) const
{
    return meniu == Meniu::Importa ? m_importa : m_vedere;
}

void FereastraEditare::fEditareTezaurel_mRevenire_Click()
{
    m_editare->Revenire();
    hide();
    m_ferestre.ArataPrincipala();
}

void FereastraEditare::fEditareTezaurel_Form_Activate()
{
    m_editare->Activare();
}

void FereastraEditare::fEditareTezaurel_Form_MouseDown(QMouseEvent *eveniment)
{
    m_editare->Apasa(eveniment->position().x(), eveniment->position().y());
}

void FereastraEditare::fEditareTezaurel_Form_MouseMove(QMouseEvent *eveniment)
{
    m_editare->Misca(eveniment->position().x(), eveniment->position().y());
}

void FereastraEditare::fEditareTezaurel_Form_MouseUp(QMouseEvent *eveniment)
{
    m_editare->Elibereaza(eveniment->position().x(), eveniment->position().y());
}
