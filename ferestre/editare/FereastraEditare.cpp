#include "ferestre/editare/FereastraEditare.h"

#include "ferestre/comune/Ecran.h"
#include "ferestre/comune/Iconite.h"
#include "ferestre/comune/MeniuZoom.h"
#include "ferestre/comune/PanzaQt.h"
#include "interfete/Ferestre.h"
#include "interfete/Platforma.h"
#include "logica/editare/EditareProbleme.h"
#include "model/Colectie.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

namespace tezaurel {

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
    setWindowIcon(IconitaFerestrei("editare"));
    setCentralWidget(m_panza);

    auto adauga = [this](const QString &titlu, auto handler) {
        QAction *a = menuBar()->addAction(titlu);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    m_deschideFisier =
        adauga(QStringLiteral("Deschide fisier"), &FereastraEditare::LaDeschideFisier);
    m_salveaza = adauga(QStringLiteral("Salveaza problema"), &FereastraEditare::LaSalvare);
    m_stergeProblema = adauga(QStringLiteral("Sterge problema"), &FereastraEditare::LaStergere);
    m_revenire = adauga(QStringLiteral("Revenire"), &FereastraEditare::LaRevenire);
    // The later commands follow the original four, which keep their places.
    m_repuneProblema =
        adauga(QStringLiteral("Anulează ștergerea"), [this] { m_editare->RepuneProblema(); });
    m_repuneProblema->setShortcut(Qt::CTRL | Qt::Key_U);
    // The three ways in share one menu, so that the bar keeps the width of the
    // designed window.
    m_importa = menuBar()->addMenu(QStringLiteral("Importă"));
    // Keys rather than mnemonics: an "&" would change the captions.
    m_deschideFisier->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    m_salveaza->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    m_stergeProblema->setShortcut(QKeySequence(QStringLiteral("Ctrl+Del")));
    m_revenire->setShortcut(QKeySequence(QStringLiteral("Esc")));

    m_vedere = menuBar()->addMenu(QStringLiteral("Vedere"));
    AdaugaZoom(*m_vedere, *m_panza, m_editare->Poza(), [this] { return m_panza->width(); });

    connect(m_panza, &PanzaQt::Apasat, this, &FereastraEditare::LaApasare);
    connect(m_panza, &PanzaQt::Miscat, this, &FereastraEditare::LaMiscare);
    connect(m_panza, &PanzaQt::Eliberat, this, &FereastraEditare::LaEliberare);

    m_panza->setMinimumSize(1, 1);
    resize(LatimeClient, InaltimeClient + menuBar()->sizeHint().height());
}

FereastraEditare::~FereastraEditare() = default;

bool FereastraEditare::event(QEvent *eveniment)
{
    if (eveniment->type() == QEvent::WindowActivate)
        Activeaza();
    return FereastraFixa::event(eveniment);
}

void FereastraEditare::LaDeschideFisier()
{
    m_editare->DeschideFisier();
}

void FereastraEditare::LaSalvare()
{
    m_editare->SalveazaProblema();
}

void FereastraEditare::LaStergere()
{
    m_editare->StergeProblema();
}

QMenu *FereastraEditare::MeniuDe(Meniu meniu) const
{
    return meniu == Meniu::Importa ? m_importa : m_vedere;
}

void FereastraEditare::LaRevenire()
{
    m_editare->Revenire();
    hide();
    m_ferestre.ArataPrincipala();
}

void FereastraEditare::Activeaza()
{
    m_editare->Activare();
}

void FereastraEditare::LaApasare(QMouseEvent *eveniment)
{
    m_editare->Apasa(eveniment->position().x(), eveniment->position().y());
}

void FereastraEditare::LaMiscare(QMouseEvent *eveniment)
{
    m_editare->Misca(eveniment->position().x(), eveniment->position().y());
}

void FereastraEditare::LaEliberare(QMouseEvent *eveniment)
{
    m_editare->Elibereaza(eveniment->position().x(), eveniment->position().y());
}

} // namespace tezaurel
