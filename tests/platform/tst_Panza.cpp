#include "platform/Panza.h"
#include "tests/common/DosarTest.h"

#include <gtest/gtest.h>

namespace {

TEST(Panza, CopiaDecupataInlocuiestePixeliiSiClsIiSterge)
{
    Panza panza;
    panza.SeteazaFundal(QColor(10, 20, 30));
    panza.resize(50, 40);
    panza.Cls();
    const QImage poza = PozaModel(30, 30);
    panza.Copiaza(poza, QPoint(-10, 25));

    const QImage &img = panza.Imagine();
    ASSERT_EQ(img.size(), QSize(50, 40));
    EXPECT_EQ(img.pixel(0, 25), poza.pixel(10, 0));
    EXPECT_EQ(img.pixel(19, 39), poza.pixel(29, 14));
    EXPECT_EQ(img.pixel(20, 25), qRgb(10, 20, 30));
    EXPECT_EQ(img.pixel(0, 24), qRgb(10, 20, 30));

    panza.Cls();
    EXPECT_EQ(panza.Imagine().pixel(0, 25), qRgb(10, 20, 30));
}

TEST(Panza, MarireaPastreazaDesenul)
{
    Panza panza;
    panza.resize(20, 20);
    panza.Cls();
    panza.Copiaza(PozaModel(5, 5), QPoint(2, 2));
    const QRgb pixel = panza.Imagine().pixel(3, 3);
    panza.resize(60, 30);
    EXPECT_EQ(panza.Imagine().size(), QSize(60, 30));
    EXPECT_EQ(panza.Imagine().pixel(3, 3), pixel);
}

} // namespace
