#include "app/Aplicatie.h"

#include "app/fMain.h"
#include "cautare/Cautare.h"
#include "editor/fEditareTezaurel.h"
#include "lucrari/fLucrare.h"
#include "platform/Ecran.h"
#include "platform/Platforma.h"
#include "printing/ImprimantaQt.h"
#include "printing/VerificareTipareste.h"
#include "printing/frmTipareste.h"
#include "store/AdaugareProbleme.h"
#include "selection/fDefSel.h"
#include "store/mDefinitii.h"
#include "viewer/fVizualizare.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace {
// A window is placed at the centre of the screen on its first showing only;
// afterwards it reappears where the user left it.
void ArataModeless(QWidget &fereastra)
{
    const bool primaData = !fereastra.testAttribute(Qt::WA_WState_ExplicitShowHide);
    if (primaData)
        CentreazaPeEcran(fereastra);
    fereastra.show();
    fereastra.raise();
    fereastra.activateWindow();
}
} // namespace

Aplicatie::Aplicatie(const DosareAplicatie &dosare, Platforma &platforma,
                     std::function<void()> iesire, MotorRecunoastere recunoastere)
    : m_definitii(std::make_unique<mDefinitii>(dosare, platforma)),
      m_cautare(std::make_unique<Cautare>(*m_definitii, std::move(recunoastere))),
      m_iesire(iesire ? std::move(iesire) : [] { QCoreApplication::exit(0); })
{
}

Aplicatie::~Aplicatie() = default;

template <typename F, typename... A>
static F &Creeaza(std::unique_ptr<F> &fereastra, A &...argumente)
{
    if (!fereastra)
        fereastra = std::make_unique<F>(argumente...);
    return *fereastra;
}

fMain &Aplicatie::Main() { return Creeaza(m_main, *m_definitii, static_cast<Ferestre &>(*this)); }
fEditareTezaurel &Aplicatie::Editor()
{
    return Creeaza(m_editor, *m_definitii, static_cast<Ferestre &>(*this));
}
fVizualizare &Aplicatie::Vizualizare()
{
    const bool nou = !m_vizualizare;
    Creeaza(m_vizualizare, *m_definitii, static_cast<Ferestre &>(*this));
    if (nou) {
        fLucrare::LeagaDeVizualizare(*m_vizualizare, *m_definitii,
                                     [this] { ArataModeless(Lucrare()); });
        m_cautare->Leaga(*m_vizualizare);
    }
    return *m_vizualizare;
}

fDefSel &Aplicatie::DefSel()
{
    const bool nou = !m_defSel;
    Creeaza(m_defSel, *m_definitii, static_cast<Ferestre &>(*this));
    if (nou)
        m_cautare->Leaga(*m_defSel);
    return *m_defSel;
}
frmTipareste &Aplicatie::Tipareste() { return Creeaza(m_tipareste, *m_definitii); }

fLucrare &Aplicatie::Lucrare()
{
    // A paper is laid out within the print dialog's margins as they stand.
    auto margini = [this] {
        frmTipareste &t = Tipareste();
        MarginiLucrare m;
        float *campuri[] = {&m.Stanga, &m.Dreapta, &m.Sus, &m.Jos};
        const auto texte = t.TexteMargini();
        for (int i = 0; i < 4; ++i)
            if (const auto cm = CitesteNumar(texte[i]); cm && *cm >= 0)
                *campuri[i] = float(*cm);
        return m;
    };
    if (!m_lucrare)
        m_lucrare = std::make_unique<fLucrare>(*m_definitii, margini,
                                               std::make_unique<ImprimantaQt>());
    return *m_lucrare;
}

void Aplicatie::Porneste()
{
    Main().fMain_Form_Load();
    ArataMain();
    // What the load found wrong is told over the window, not before any is there.
    if (!m_definitii->RaportIncarcare().isEmpty())
        m_definitii->platforma().Mesaj(m_definitii->RaportIncarcare());
    // The collection works without the database: a damaged one is set aside
    // and the user told once the main window is there to be told over.
    BazaDate &baza = m_definitii->Baza();
    baza.Deschide();
    if (!baza.Raport().isEmpty())
        m_definitii->platforma().Mesaj(baza.Raport());
    RecupereazaPozeleJurnalizate(*m_definitii);
    m_cautare->Actualizeaza();
}

void Aplicatie::ArataMain() { ArataModeless(Main()); }
void Aplicatie::ArataEditor() { ArataModeless(Editor()); }
void Aplicatie::ArataVizualizare() { ArataModeless(Vizualizare()); }
void Aplicatie::ArataDefSel() { ArataModeless(DefSel()); }

void Aplicatie::ArataTipareste()
{
    frmTipareste &dialog = Tipareste();
    dialog.setWindowModality(Qt::ApplicationModal);
    const bool primaData = !dialog.testAttribute(Qt::WA_WState_ExplicitShowHide);
    if (primaData)
        CentreazaPeEcran(dialog);
    dialog.exec();
}

void Aplicatie::Iesire() { m_iesire(); }

void Aplicatie::ColectieSchimbata() { m_cautare->Actualizeaza(); }
