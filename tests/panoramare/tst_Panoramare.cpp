#include "panoramare/Panoramare.h"
#include "panoramare/PozaPanoramata.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PanzaInregistrata.h"

#include <gtest/gtest.h>

namespace {

// Press (P), move (M), release (E), activation (A) and the corner each gives.
TEST(Panoramare, TragerileSeAduna)
{
    const struct
    {
        char pas;
        double x, y;
        std::optional<QPoint> la;
    } pasi[] = {{'M', 10, 10, {}}, {'E', 12, 5, QPoint(12, 5)}, // release without press
                {'P', 100, 100, {}}, {'M', 130, 90, QPoint(42, -5)},
                {'E', 150, 80, QPoint(62, -15)}, {'P', 300, 300, {}},
                {'E', 290, 300, QPoint(52, -15)}, {'P', 20, 20, {}},
                {'A', 0, 0, {}}, {'M', 40, 40, {}}, // activation ends the drag uncommitted
                {'E', 20, 20, QPoint(52, -15)}, {'P', 0, 0, {}},
                {'E', -5000, 4000, QPoint(-4948, 3985)}, {'P', 2.5, 3.5, {}}, // halves to even
                {'M', 3.5, 4.5, QPoint(-4946, 3986)}};
    Panoramare p;
    for (const auto &s : pasi) {
        SCOPED_TRACE(testing::Message() << s.pas << " " << s.x << "," << s.y);
        if (s.pas == 'P')
            p.Apasa(s.x, s.y);
        else if (s.pas == 'A')
            p.Activare();
        else if (s.pas == 'M')
            EXPECT_EQ(p.Misca(s.x, s.y), s.la);
        else
            EXPECT_EQ(p.Elibereaza(s.x, s.y), *s.la);
    }
}

// Steps: + - 0 (natural) L (fit to 900 pixels) N (the next picture, noua).
TEST(Scara, Trepte)
{
    const QSize A4(2480, 3508), Mica(100, 100);
    const struct
    {
        QSize poza;
        const char *pasi;
        QSize noua;
        double factor;
    } cazuri[] = {{Mica, "+", {}, 1.25},
                  {Mica, "++++++", {}, 4},
                  {A4, "++", {}, 1.25}, // 1.5 would hold 19.6 million pixels
                  {Mica, "+++N", A4, 1.25},
                  {A4, "-", {}, 0.75},
                  {A4, "---------", {}, 0.1},
                  {A4, "L", {}, 900.0 / 2480},
                  {A4, "LN", QSize(1240, 10), 900.0 / 1240},
                  {A4, "LN+", QSize(1240, 10), 0.75},
                  {A4, "L0N", QSize(1240, 10), 1},
                  {Mica, "L", {}, 4}};
    for (const auto &c : cazuri) {
        Scara s;
        QSize poza = c.poza;
        for (const char *p = c.pasi; *p; ++p)
            (void)(*p == '+'   ? s.Mareste(poza)
                   : *p == '-' ? s.Micsoreaza(poza)
                   : *p == '0' ? s.MarimeNaturala()
                   : *p == 'L' ? s.PotrivesteLaLatime(poza, 900)
                               : s.PozaNoua(poza = c.noua));
        EXPECT_DOUBLE_EQ(s.Factor(), c.factor) << c.pasi;
    }
    // The point under the pointer stays put.
    EXPECT_EQ(Scara::Colt(QPoint(0, 0), QPointF(100, 50), 1, 2), QPoint(-100, -50));
    EXPECT_EQ(Scara::Colt(QPoint(-100, -50), QPointF(0, 0), 2, 1), QPoint(-50, -25));
}

// A drag step clears and copies the picture as shown; the release copies
// without clearing; the next picture starts at the corner at the zoom chosen.
TEST(PozaPanoramata, TragereaSiZoomul)
{
    PanzaInregistrata panza{QSize(300, 200), QColor(Qt::gray)};
    PozaPanoramata poza(panza);
    poza.Arata(PozaModel(60, 40));
    poza.Mareste();
    poza.Apasa(10, 10);
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
