#include "model/PozaPanoramata.h"
#include "tests/comune/DosarTest.h"
#include "tests/comune/PanzaInregistrata.h"

#include <gtest/gtest.h>

using namespace tezaurel;

namespace {

// Steps: + - 0 (natural) L (fit to 900 pixels) N (the next picture, noua).
TEST(Scara, Trepte)
{
    const QSize A4(2480, 3508), Mica(100, 100);
    // The picture, the steps, the next picture, the factor reached. Two steps up
    // from A4: 1.5 would hold 19.6 million pixels.
    // clang-format off
    const std::tuple<QSize, const char *, QSize, double> cazuri[] = {
        {Mica, "+", {}, 1.25}, {Mica, "++++++", {}, 4}, {Mica, "+++N", A4, 1.25},
        {A4, "++", {}, 1.25}, {A4, "-", {}, 0.75}, {A4, "---------", {}, 0.1},
        {A4, "L", {}, 900.0 / 2480}, {A4, "LN", QSize(1240, 10), 900.0 / 1240},
        {A4, "LN+", QSize(1240, 10), 0.75}, {A4, "L0N", QSize(1240, 10), 1}, {Mica, "L", {}, 4}};
    // clang-format on
    for (auto [poza, pasi, noua, factor] : cazuri) {
        Scara s;
        for (const char *p = pasi; *p; ++p)
            (void)(*p == '+'   ? s.Mareste(poza)
                   : *p == '-' ? s.Micsoreaza(poza)
                   : *p == '0' ? s.MarimeNaturala()
                   : *p == 'L' ? s.PotrivesteLaLatime(poza, 900)
                               : s.PozaNoua(poza = noua));
        EXPECT_DOUBLE_EQ(s.Factor(), factor) << pasi;
    }
}

// A drag step clears and copies the picture as shown; the release copies
// without clearing; the next picture starts at the corner at the zoom chosen.
TEST(PozaPanoramata, TragereaSiZoomul)
{
    PanzaInregistrata panza{QSize(300, 200), QColor(Qt::gray)};
    PozaPanoramata poza(panza);
    poza.Arata(PozaModel(60, 40));
    poza.Mareste();
    poza.Apasa(10.5, 9.5); // halves to even: (10, 10)
    poza.Misca(20, 30);
    poza.Elibereaza(20, 30);
    EXPECT_EQ(panza.Operatii.mid(3), QStringList({"Cls", "Copiaza 75x50 la 0,0", "Refresh", "Cls",
                                                  "Copiaza 75x50 la 10,20", "Refresh",
                                                  "Copiaza 75x50 la 10,20", "Refresh"}));
    EXPECT_EQ(panza.Imagine.pixel(10, 20), poza.Afisata().pixel(0, 0));
    poza.Arata(PozaModel(80, 40));
    EXPECT_EQ(panza.Operatii.last(2), QStringList({"Copiaza 100x50 la 0,0", "Refresh"}));
    poza.Rotita(-120, QPointF(50, 0)); // back to natural about the pointer
    EXPECT_EQ(panza.Operatii.last(2), QStringList({"Copiaza 80x40 la 10,0", "Refresh"}));
    poza.Albeste();
    EXPECT_EQ(poza.Afisata().pixel(5, 5), QColor(Qt::gray).rgb());
}

} // namespace
