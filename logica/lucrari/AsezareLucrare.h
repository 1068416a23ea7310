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
// "10. (1,5p)" in bold fits; the scans stand to its right.
constexpr int ColoanaNumar = 1350;
} // namespace PaginaLucrare

// The print dialog's margins, in centimetres.
struct MarginiLucrare
{
    float Stanga = 2;
    float Dreapta = 2;
    float Sus = 1;
    float Jos = 1;
};

// What the layout needs to know of one problem.
struct ProblemaDeAsezat
{
    QSize Poza;          // in twips, as printed; empty: the picture cannot be shown
    int PrimulRand = -1; // twips from the picture's top to the middle of its first line; -1: none
    int Spatiu = 0;      // twips of room to work below it
};

struct LocProblema
{
    int Pagina = 0;         // from 0
    QRect Eticheta;         // "1. (2p)", left of the picture, on its first line
    QRect Poza;             // right of the number column
    QRect Spatiu;           // the room to work below; empty when none is asked
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

// The room between the margins; margins that leave less than 5 cm each way
// fall back to the print dialog's defaults.
QRect ZonaLucrare(const MarginiLucrare &margini);

// Stacks the problems top to bottom under the header, each with its number
// in the column at the left, level with its first line, and its room to work
// below it; starts a new page rather than split a problem from its room. A
// problem taller than the room a page has is scaled down to fit that room.
AsezareLucrare AseazaLucrarea(const MarginiLucrare &margini, int inaltimeAntet,
                              const std::vector<ProblemaDeAsezat> &probleme);

} // namespace tezaurel
