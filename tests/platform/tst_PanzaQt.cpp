#include "platform/PanzaQt.h"
#include "tests/common/DosarTest.h"

#include <gtest/gtest.h>

namespace {

TEST(PanzaQt, MarireaPastreazaDesenul)
{
    PanzaQt panza;
    panza.resize(20, 20);
    panza.Cls();
    panza.Copiaza(PozaModel(5, 5), QSize(5, 5), QPoint(2, 2));
    const QRgb pixel = panza.Imagine().pixel(3, 3);
    panza.resize(60, 30);
    EXPECT_EQ(panza.Imagine().size(), QSize(60, 30));
    EXPECT_EQ(panza.Imagine().pixel(3, 3), pixel);
}

} // namespace
