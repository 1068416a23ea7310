#include "viewer/CachePoze.h"

#include "tests/common/DosarTest.h"

#include <gtest/gtest.h>

namespace {

TEST(CachePoze, VeciniiCititiInainteCelMultTreiSiFisierulSchimbatRecitit)
{
    DosarTest dosar;
    auto cale = [&](char nume) { return dosar.Cale() + "/Probleme/" + nume; };
    for (int i = 0; i < 4; ++i)
        dosar.ScriePoza(QString(QChar('a' + i)), PozaModel(10 + i, 10));
    CachePoze cache;
    auto latime = [&](char nume) { return cache.Ia(cale(nume)).Citita.Poza.width(); };

    EXPECT_EQ(latime('a'), 10);
    cache.Pregateste(cale('a'), {cale('b')});
    EXPECT_TRUE(cache.Tine(cale('b')));
    EXPECT_EQ(latime('b'), 11); // the read ahead
    cache.Pregateste(cale('b'), {cale('c'), cale('a')});
    cache.Pregateste(cale('c'), {cale('d'), cale('b')});
    EXPECT_EQ(cache.Tinute(), CachePoze::Capacitate);
    EXPECT_FALSE(cache.Tine(cale('a')));

    // A jump away keeps only the picture last shown beside the new one.
    EXPECT_EQ(latime('a'), 10);
    EXPECT_EQ(cache.Tinute(), 2);

    // Replaced on disk, shown or read ahead: read again.
    dosar.ScriePoza("a", PozaModel(20, 10));
    dosar.ScriePoza("c", PozaModel(30, 10));
    EXPECT_EQ(latime('a'), 20);
    cache.Pregateste(cale('a'), {cale('c')});
    EXPECT_EQ(latime('c'), 30);
}

} // namespace
