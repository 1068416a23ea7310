#include "ferestre/editare/FereastraEditare.h"

#include "interfete/Ferestre.h"
#include "logica/editare/EditareProbleme.h"
#include "ferestre/import/ImportQt.h"
#include "logica/schimb/ImportProbleme.h"
#include "logica/schimb/SursaProbleme.h"
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
    QMenu *importa = menuBar()->addMenu(QStringLiteral("Importă"));
    mImportaDosar = importa->addAction(QStringLiteral("Dosar cu imagini…"), this,
                                       &FereastraEditare::fEditareTezaurel_mImportaDosar_Click);
    mImportaDosar->setShortcut(Qt::CTRL | Qt::Key_I);
    importa->addAction(QStringLiteral("Pachet primit de la un coleg…"), this,
                       [this] { ImportaSchimb(false); })
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+I")));
    importa->addAction(QStringLiteral("Altă colecție Tezaurel…"), this,
                       [this] { ImportaSchimb(true); })
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+D")));
    mRevenire =
        adauga(QStringLiteral("Revenire"), &FereastraEditare::fEditareTezaurel_mRevenire_Click);
    // Keys rather than mnemonics: an "&" would change the captions.
    mIntroduceProblema->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    mSalveaza->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    mStergeProblema->setShortcut(QKeySequence(QStringLiteral("Ctrl+Del")));
    mRevenire->setShortcut(QKeySequence(QStringLiteral("Esc")));

    AdaugaZoom(*menuBar()->addMenu(QStringLiteral("Vedere")), *m_panza, m_editare->Poza(),
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

void FereastraEditare::fEditareTezaurel_mImportaDosar_Click()
{
    ImportQt interfata(m_definitii.platforma(), this);
    const auto raport = ImportDosar(m_definitii, interfata)
                            .Importa(m_definitii.platforma().AlegeDosar(QDir::homePath()));
    if (raport)
        ImportQt::ArataRaport(*raport, this);
}

void FereastraEditare::ImportaSchimb(bool dinDosar)
{
    Platforma &platforma = m_definitii.platforma();
    const QString cale = dinDosar ? platforma.AlegeDosar(QDir::homePath())
                                  : platforma.AlegeFisier(QDir::homePath());
    if (cale.isEmpty())
        return;
    QString motiv;
    const auto sursa = DeschideSursa(cale, motiv);
    if (!sursa) {
        platforma.Mesaj(motiv);
        return;
    }
    ImportQt interfata(platforma, this);
    ImportQt::ArataRaport(ImportaProbleme(m_definitii, *sursa, interfata), this);
    m_ferestre.ColectieSchimbata();
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
