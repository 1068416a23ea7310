#pragma once

#include <QLine>
#include <QRect>

namespace tezaurel {

// The selection dialog's geometry, in twips, worked out once from the screen:
// two halves (chapters, disciplines) of an available and a chosen list each,
// the class and level frames below, "Vizualizare" at the bottom.
struct AsezareSelectie
{
    // Design sizes of the controls the computation does not size.
    static constexpr int InaltimeEticheta = 375;
    static constexpr int InaltimeEtichetaDisciplineAlese = 495;
    static constexpr int InaltimeButon = 495;
    static constexpr int LatimeButonAlegeCapitol = 2415;
    static constexpr int LatimeButonLasaCapitol = 2415;
    static constexpr int LatimeButonAlegeDisciplina = 2655;
    static constexpr int LatimeButonLasaDisciplina = 2775;
    static constexpr int LatimeButonVizualizare = 2055;

    QRect EtichetaCapitole, EtichetaCapitoleAlese, EtichetaDiscipline, EtichetaDisciplineAlese;
    QRect Capitole, CapitoleAlese, Discipline, DisciplineAlese;
    QRect ButonAlegeCapitol, ButonLasaCapitol, ButonAlegeDisciplina, ButonLasaDisciplina,
        ButonVizualizare;
    QRect CadruClase, CadruNiveluri;
    QLine LinieSubListe, LinieSubCadre, LinieMijloc;

    int LatimeClient = 0;   // SW at layout time
    int InaltimeClient = 0; // the client area after the height is fitted
    int LatimeFixa = 0;     // the window's outer size, held from then on
    int InaltimeFixa = 0;
};

// ramaLatime/ramaInaltime: what the window's border and caption add to its
// client area. The window starts as large as the screen.
AsezareSelectie CalculeazaAsezare(int latimeEcran, int inaltimeEcran, int ramaLatime = 0,
                                  int ramaInaltime = 0);

// An option of a class or level array: its rectangle inside its frame.
QRect AsezareOptiuneClasa(int index);
QRect AsezareOptiuneNivel(int index);

} // namespace tezaurel
