#include "selection/AsezareDefSel.h"

#include <gtest/gtest.h>

namespace {

// One screen, worked out by hand from the layout steps (twips).
struct Rand
{
    const char *nume;
    int ecranW, ecranH, ramaW, ramaH;
    int cadruW, cadruH, listaW, listaH, y0;
    int stanga[4];
    int butoaneSus;
    int butoaneStanga[4]; // Command1, Command4, Command2, Command5
    int cadreSus, y2, line1X, command3Stanga, command3Sus;
    int inaltimeClient, inaltimeFixa;
};

// clang-format off
const Rand Ecrane[] = {
    {"Ecran1024x768", 15360, 11520, 0, 0,
     6766, 3622, 3072, 4608, 5760, {614, 3994, 8294, 11674},
     5165, {942, 4322, 8502, 11822},
     5860, 9582, 7680, 6652, 9882, 10677, 10677},
    // With a border the client is smaller, but the vertical separator
    // still halves the outer width.
    {"Ecran1366x768CuRama", 20490, 11520, 120, 450,
     8973, 3481, 4074, 4428, 5535, {814, 5297, 10999, 15482},
     4940, {1643, 6126, 11708, 16131},
     5635, 9216, 10245, 9157, 9516, 10311, 10761}};
// clang-format on

TEST(Asezare, PasCuPas)
{
    for (const Rand &r : Ecrane) {
        SCOPED_TRACE(r.nume);
        const AsezareDefSel a = CalculeazaAsezare(r.ecranW, r.ecranH, r.ramaW, r.ramaH);
        const int sw = r.ecranW - r.ramaW;

        const QRect etichete[] = {a.Label1, a.Label2, a.Label3, a.Label4};
        const QRect liste[] = {a.llCapitole, a.lSelCaps, a.LDomenii, a.lSelDomenii};
        const QRect butoane[] = {a.Command1, a.Command4, a.Command2, a.Command5};
        const int latimiButoane[] = {2415, 2415, 2655, 2775};
        for (int k = 0; k < 4; ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(etichete[k], QRect(r.stanga[k], 0, r.listaW, k == 3 ? 495 : 375));
            EXPECT_EQ(liste[k], QRect(r.stanga[k], 425, r.listaW, r.listaH));
            EXPECT_EQ(butoane[k], QRect(r.butoaneStanga[k], r.butoaneSus, latimiButoane[k], 495));
        }
        EXPECT_EQ(a.Frame1, QRect(r.stanga[0], r.cadreSus, r.cadruW, r.cadruH));
        EXPECT_EQ(a.Frame2, QRect(r.stanga[2], r.cadreSus, r.cadruW, r.cadruH));
        EXPECT_EQ(a.Line2_0, QLine(0, r.y0, sw, r.y0));
        EXPECT_EQ(a.Line2_1, QLine(0, r.y2, sw, r.y2));
        EXPECT_EQ(a.Line1, QLine(r.line1X, 0, r.line1X, r.y2));
        EXPECT_EQ(a.Command3, QRect(r.command3Stanga, r.command3Sus, 2055, 495));
        EXPECT_EQ(a.LatimeClient, sw);
        EXPECT_EQ(a.InaltimeClient, r.inaltimeClient);
        EXPECT_EQ(a.LatimeFixa, r.ecranW);
        EXPECT_EQ(a.InaltimeFixa, r.inaltimeFixa);
    }
}

TEST(AsezareOptiuni, PozitiiInCadre)
{
    EXPECT_EQ(AsezareOptiuneClasa(0), QRect(720, 600, 2055, 495));
    EXPECT_EQ(AsezareOptiuneClasa(3), QRect(720, 2400, 2055, 495));
    EXPECT_EQ(AsezareOptiuneClasa(4), QRect(4800, 600, 2055, 495));
    EXPECT_EQ(AsezareOptiuneClasa(6), QRect(4800, 1800, 2055, 495));
    EXPECT_EQ(AsezareOptiuneNivel(1), QRect(720, 1560, 2175, 495));
    EXPECT_EQ(AsezareOptiuneNivel(2), QRect(720, 2520, 2175, 495));
    EXPECT_EQ(AsezareOptiuneNivel(3), QRect(5040, 600, 2175, 495));
    EXPECT_EQ(AsezareOptiuneNivel(5), QRect(5040, 2520, 2175, 495));
}

} // namespace
