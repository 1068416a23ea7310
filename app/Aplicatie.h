#pragma once

#include "app/Ferestre.h"
#include "platform/DosareAplicatie.h"
#include "cautare/RecunoastereTesseract.h"

#include <QString>

#include <functional>
#include <memory>

class Cautare;
class Platforma;
class fDefSel;
class fEditareTezaurel;
class fMain;
class fVizualizare;
class frmTipareste;
class fLucrare;
class mDefinitii;

// Owns the shared state and the five windows, and carries out the roads
// between them. Each window is created on its first showing and kept.
class Aplicatie final : public Ferestre
{
public:
    // iesire ends the run; by default it leaves Qt's event loop.
    Aplicatie(const DosareAplicatie &dosare, Platforma &platforma,
              std::function<void()> iesire = {},
              MotorRecunoastere recunoastere = MotorTesseract());
    ~Aplicatie() override;

    // Loads the collection and shows the main window centred on the screen.
    void Porneste();

    void ArataMain() override;
    void ArataEditor() override;
    void ArataVizualizare() override;
    void ArataDefSel() override;
    void ArataTipareste() override;
    void Iesire() override;
    void ColectieSchimbata() override;

    mDefinitii &Definitii() { return *m_definitii; }
    fMain &Main();
    fEditareTezaurel &Editor();
    fVizualizare &Vizualizare();
    fDefSel &DefSel();
    frmTipareste &Tipareste();
    fLucrare &Lucrare();
    Cautare &CautareCuvinte() { return *m_cautare; }

private:
    std::unique_ptr<mDefinitii> m_definitii;
    std::unique_ptr<Cautare> m_cautare;
    std::function<void()> m_iesire;
    std::unique_ptr<fMain> m_main;
    std::unique_ptr<fEditareTezaurel> m_editor;
    std::unique_ptr<fVizualizare> m_vizualizare;
    std::unique_ptr<fDefSel> m_defSel;
    std::unique_ptr<frmTipareste> m_tipareste;
    std::unique_ptr<fLucrare> m_lucrare;
};
