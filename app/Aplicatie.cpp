#include "app/Aplicatie.h"

#include "app/fMain.h"
#include "cautare/Cautare.h"
#include "editor/fEditareTezaurel.h"
#include "platform/Ecran.h"
#include "platform/Platforma.h"
#include "printing/frmTipareste.h"
#include "selection/fDefSel.h"
#include "store/mDefinitii.h"
#include "viewer/fVizualizare.h"

#include <QCoreApplication>

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

Aplicatie::Aplicatie(const QString &dosarAplicatie, Platforma &platforma,
                     std::function<void()> iesire, MotorRecunoastere recunoastere)
    : m_definitii(std::make_unique<mDefinitii>(dosarAplicatie, platforma)),
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
    if (nou)
        m_cautare->Leaga(*m_vizualizare);
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

void Aplicatie::Porneste()
{
    Main().fMain_Form_Load();
    ArataMain();
    // The collection works without the database: a damaged one is set aside
    // and the user told once the main window is there to be told over.
    BazaDate &baza = m_definitii->Baza();
    baza.Deschide();
    if (!baza.Raport().isEmpty())
        m_definitii->platforma().Mesaj(baza.Raport());
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
