#include "panoramare/Panoramare.h"
#include "panoramare/PozaPanoramata.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PanzaInregistrata.h"

#include <gtest/gtest.h>

namespace {

TEST(Panoramare, TragerileSeAdunaIarApasareaPeLocNuMutaPoza)
{
    Panoramare p;
    p.Apasa(100, 100);
    EXPECT_EQ(p.Misca(130, 90), QPoint(30, -10));
    EXPECT_EQ(p.Elibereaza(150, 80), QPoint(50, -20));
    p.Apasa(300, 300);
    EXPECT_EQ(p.Elibereaza(290, 300), QPoint(40, -20));
    EXPECT_EQ(QPoint(p.DeplasareX, p.DeplasareY), QPoint(40, -20));
    p.Apasa(20, 20);
    EXPECT_EQ(p.Elibereaza(20, 20), QPoint(40, -20));
    EXPECT_FALSE(p.Tragere);

    // Taken out of view, the picture can be brought back.
    p.Apasa(0, 0);
    p.Elibereaza(-5000, 4000);
    p.Apasa(100, 100);
    EXPECT_EQ(p.Elibereaza(5100, -3900), QPoint(40, -20));
}

TEST(Panoramare, InRepausMiscareaNuDeseneaza)
{
    Panoramare p;
    EXPECT_EQ(p.Misca(10, 10), std::nullopt);
    p.Apasa(0, 0);
    p.Activare();
    EXPECT_EQ(p.Misca(10, 10), std::nullopt);
    EXPECT_EQ(p.DeplasareX, 0);
}

TEST(Panoramare, EliberareFaraApasarePleacaDeLaUltimaApasare)
{
    Panoramare p;
    EXPECT_EQ(p.Elibereaza(12, 5), QPoint(12, 5));
    p.Apasa(10, 10);
    p.Elibereaza(10, 10);
    EXPECT_EQ(p.Elibereaza(15, 10), QPoint(17, 5));
}

TEST(Panoramare, JumatatileSeRotunjescLaPar)
{
    Panoramare p;
    p.Apasa(2.5, 3.5);
    EXPECT_EQ(QPoint(p.XStart, p.YStart), QPoint(2, 4));
    EXPECT_EQ(p.Pozitie(3.5, 4.5), QPoint(2, 0));
    EXPECT_EQ(p.Pozitie(2.5, 4.5), QPoint(0, 0));
}

} // namespace

namespace {

const QSize A4(2480, 3508);
const QSize Mica(100, 100);

// Steps: + - 0 (natural) L (fit to 900 pixels) N (the next picture, noua).
TEST(Scara, Trepte)
{
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
        for (const char *p = c.pasi; *p; ++p) {
            switch (*p) {
            case '+':
                s.Mareste(poza);
                break;
            case '-':
                s.Micsoreaza(poza);
                break;
            case '0':
                s.MarimeNaturala();
                break;
            case 'L':
                s.PotrivesteLaLatime(poza, 900);
                break;
            case 'N':
                s.PozaNoua(poza = c.noua);
                break;
            }
        }
        EXPECT_DOUBLE_EQ(s.Factor(), c.factor) << c.pasi;
    }
    // The point under the pointer stays put.
    EXPECT_EQ(Scara::Colt(QPoint(0, 0), QPointF(100, 50), 1, 2), QPoint(-100, -50));
    EXPECT_EQ(Scara::Colt(QPoint(-100, -50), QPointF(0, 0), 2, 1), QPoint(-50, -25));
}

TEST(PozaPanoramata, ZoomulRamaneLaPozaUrmatoareSiTragereaCopiazaCeSeVede)
{
    PanzaInregistrata panza{QSize(300, 200), QColor(Qt::gray)};
    PozaPanoramata poza(panza);
    poza.Arata(PozaModel(60, 40));
    poza.Mareste();
    EXPECT_EQ(panza.Operatii.last(2), QStringList({"Copiaza 75x50 la 0,0", "Refresh"}));
    poza.Arata(PozaModel(80, 40));
    EXPECT_EQ(poza.Afisata().size(), QSize(100, 50));
    poza.Apasa(10, 10);
    poza.Misca(20, 30);
    EXPECT_EQ(panza.Operatii.last(2), QStringList({"Copiaza 100x50 la 10,20", "Refresh"}));
    EXPECT_EQ(panza.Imagine.pixel(10, 20), poza.Afisata().pixel(0, 0));
    poza.Elibereaza(20, 30);
    poza.Rotita(-120, QPointF(10, 20)); // back to natural about the picture's corner
    EXPECT_EQ(panza.Operatii.last(2), QStringList({"Copiaza 80x40 la 10,20", "Refresh"}));
    poza.Albeste();
    EXPECT_EQ(poza.Afisata().pixel(5, 5), QColor(Qt::gray).rgb());
}

} // namespace
