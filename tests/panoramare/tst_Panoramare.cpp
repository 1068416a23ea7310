#include "panoramare/Panoramare.h"

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
