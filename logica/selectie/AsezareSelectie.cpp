#include "logica/selectie/AsezareSelectie.h"

#include <cmath>

namespace tezaurel {

namespace {
// Int() of a quotient: rounds down, also below zero.
int Int(double valoare)
{
    return static_cast<int>(std::floor(valoare));
}
} // namespace

AsezareSelectie CalculeazaAsezare(int latimeEcran, int inaltimeEcran, int ramaLatime,
                                  int ramaInaltime)
{
    using A = AsezareSelectie;
    A a;
    const int W = latimeEcran;
    const int SW = latimeEcran - ramaLatime;
    const int SH = inaltimeEcran - ramaInaltime;

    const int latimeCadru = Int(SW / 2.27);
    const int inaltimeCadru = Int(SH / 3.18);
    const int latimeLista = Int(SW / 5.0);
    const int inaltimeLista = Int(2.0 * SH / 5.0);
    const int y0 = Int(SH / 2.0);
    a.LinieSubListe = QLine(0, y0, SW, y0);

    const int stanga1 = Int((SW - 4.0 * latimeLista) / 5.0);
    const int stanga2 = Int(SW / 2.0) - stanga1 - latimeLista;
    const int stanga3 = Int(SW / 2.0) + stanga1;
    const int stanga4 = Int(SW / 2.0) + stanga2;
    a.EtichetaCapitole = QRect(stanga1, 0, latimeLista, A::InaltimeEticheta);
    a.EtichetaCapitoleAlese = QRect(stanga2, 0, latimeLista, A::InaltimeEticheta);
    a.EtichetaDiscipline = QRect(stanga3, 0, latimeLista, A::InaltimeEticheta);
    a.EtichetaDisciplineAlese = QRect(stanga4, 0, latimeLista, A::InaltimeEtichetaDisciplineAlese);

    const int susListe = a.EtichetaCapitole.height() + 50;
    a.Capitole = QRect(stanga1, susListe, latimeLista, inaltimeLista);
    a.CapitoleAlese = QRect(stanga2, susListe, latimeLista, inaltimeLista);
    a.Discipline = QRect(stanga3, susListe, latimeLista, inaltimeLista);
    a.DisciplineAlese = QRect(stanga4, susListe, latimeLista, inaltimeLista);

    const int susButoane = y0 - A::InaltimeButon - 100;
    auto subLista = [&](const QRect &lista, int latimeButon) {
        return QRect(Int((lista.width() - latimeButon) / 2.0) + lista.left(), susButoane,
                     latimeButon, A::InaltimeButon);
    };
    a.ButonAlegeCapitol = subLista(a.Capitole, A::LatimeButonAlegeCapitol);
    a.ButonLasaCapitol = subLista(a.CapitoleAlese, A::LatimeButonLasaCapitol);
    a.ButonAlegeDisciplina = subLista(a.Discipline, A::LatimeButonAlegeDisciplina);
    a.ButonLasaDisciplina = subLista(a.DisciplineAlese, A::LatimeButonLasaDisciplina);

    const int susCadre = Int(SH / 2.0) + 100;
    a.CadruClase = QRect(stanga1, susCadre, latimeCadru, inaltimeCadru);
    a.CadruNiveluri = QRect(stanga3, susCadre, latimeCadru, inaltimeCadru);

    const int y2 = inaltimeCadru + susCadre + 100;
    a.LinieSubCadre = QLine(0, y2, SW, y2);
    a.LinieMijloc = QLine(Int(W / 2.0), 0, Int(W / 2.0), y2);

    a.ButonVizualizare = QRect(Int((SW - A::LatimeButonVizualizare) / 2.0), y2 + 300,
                               A::LatimeButonVizualizare, A::InaltimeButon);

    a.LatimeClient = SW;
    a.InaltimeClient = a.ButonVizualizare.top() + a.ButonVizualizare.height() + 300;
    a.LatimeFixa = W;
    a.InaltimeFixa = a.InaltimeClient + ramaInaltime;
    return a;
}

QRect AsezareOptiuneClasa(int index)
{
    return QRect(index < 4 ? 720 : 4800, 600 * (index % 4 + 1), 2055, 495);
}

QRect AsezareOptiuneNivel(int index)
{
    return QRect(index < 3 ? 720 : 5040, 600 + 960 * (index % 3), 2175, 495);
}

} // namespace tezaurel
