#include "ferestre/comune/PanzaQt.h"
#include "tests/comune/DosarTest.h"

#include <gtest/gtest.h>

using namespace tezaurel;

namespace {

// Every drag step copies this way: clipped to both pictures whatever the offset.
TEST(CopiazaDreptunghi, DecupeazaLaTintaSiLaSursaInOriceDirectie)
{
    const QImage sursa = PozaModel(30, 20);
    QImage tinta(25, 15, QImage::Format_RGB32);
    for (const QPoint la : {QPoint(-10, -5), QPoint(20, 10), QPoint(-29, 14), QPoint(0, 0),
                            QPoint(2147483000, -2147483000)}) {
        tinta.fill(Qt::black);
        CopiazaDreptunghi(tinta, sursa, QSize(1000, 1000), la); // larger than the source
        for (int y = 0; y < tinta.height(); ++y)
            for (int x = 0; x < tinta.width(); ++x) {
                const QPoint s(x - la.x(), y - la.y());
                ASSERT_EQ(tinta.pixel(x, y),
                          sursa.rect().contains(s) ? sursa.pixel(s) : qRgb(0, 0, 0))
                    << la.x() << "," << la.y();
            }
    }
}

TEST(PanzaQt, MarireaPastreazaDesenul)
{
    PanzaQt panza;
    panza.resize(20, 20);
    panza.Cls();
    panza.Copiaza(PozaModel(5, 5), QSize(5, 5), QPoint(2, 2));
    panza.resize(60, 30);
    EXPECT_EQ(panza.Imagine().pixel(3, 3), PozaModel(5, 5).pixel(1, 1));
    EXPECT_EQ(panza.Imagine().pixel(40, 25), panza.Fundal().rgb());
}

} // namespace
