#pragma once

#include <QRect>
#include <QSize>

#include <vector>

namespace tezaurel {

// A test paper is laid out in twips on A4 portrait sheets, like the single
// page the print dialog composes, so both land alike on paper and in a PDF.
namespace PaginaLucrare {
constexpr int MarimeText = 240;  // 12 points, at 20 twips to the point
constexpr int MarimeTitlu = 280; // 14 points
constexpr int RandText = 360;
constexpr int RandTitlu = 480;
constexpr int SpatiuDupaAntet = 240;
constexpr int SpatiuIntreProbleme = 240;
constexpr int InaltimeSubsol = 360;
// A problem whose picture cannot be shown still keeps its number and a line saying why.
constexpr int InaltimeLipsa = 720;
} // namespace PaginaLucrare

// The print dialog's margins, in centimetres.
struct MarginiLucrare
{
    float Stanga = 2;
    float Dreapta = 2;
    float Sus = 1;
    float Jos = 1;
};

struct LocProblema
{
    int Pagina = 0;         // from 0
    QRect Eticheta;         // "1. (2p)"
    QRect Poza;             // scaled to the width between the margins
    bool Micsorata = false; // taller than a page: scaled down to fit one
};

struct AsezareLucrare
{
    QRect Zona;   // between the margins
    QRect Antet;  // on the first page, at the top of Zona
    QRect Subsol; // "Pagina 1 din 2", at the bottom of Zona on every page
    std::vector<LocProblema> Locuri;
    int NrPagini = 1;
};

// Stacks the problems top to bottom under the header, each preceded by its
// number line, and starts a new page rather than split a problem. A problem
// taller than the room a page has is scaled down to fit that room. An empty
// size stands for a picture that cannot be shown. Margins that leave no room
// fall back to the print dialog's defaults.
AsezareLucrare AseazaLucrarea(const MarginiLucrare &margini, int inaltimeAntet,
                              const std::vector<QSize> &poze);

} // namespace tezaurel
