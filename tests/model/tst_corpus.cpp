// The fuzzers' seed files, and any input they ever found failing (kept in the
// same folders), replayed from disk.
#include "model/CitirePoza.h"
#include "tests/model/AccesJurnal.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace tezaurel;

// Each loaded record encodes back to exactly the bytes it was read from, and
// loading never changes the file.
TEST(CorpusFuzz, FiecareFisierSeIncarcaSiSeRescrieIdentic)
{
    const QDir corpus(TEZAUREL_CORPUS_FUZZ);
    ASSERT_FALSE(corpus.isEmpty());
    for (const QString &nume : corpus.entryList(QDir::Files)) {
        SCOPED_TRACE(nume.toStdString());
        ColectieTest k;
        QFile f(corpus.filePath(nume));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray octeti = f.readAll();
        k.dosar.ScrieOcteti("Tezaurel.stn", octeti);
        k.d.IncarcaColectie();
        for (int i = 2; i <= k.d.NrProbleme(); ++i)
            EXPECT_EQ(Octeti(k.d.ProblemaDin(i)), octeti.mid((i - 1) * 512, 512)) << i;
        EXPECT_EQ(k.Fisier(), octeti);
    }
}

// A picture only when read, never over the limit.
TEST(CorpusFuzz, FiecarePozaSeCitesteSauSeRefuza)
{
    const QDir corpus(TEZAUREL_CORPUS_POZA);
    ASSERT_FALSE(corpus.isEmpty());
    for (const QString &nume : corpus.entryList(QDir::Files)) {
        const PozaCitita citita = CitestePoza(corpus.filePath(nume));
        const bool citit = citita.Rezultat == PozaCitita::Stare::Citita;
        EXPECT_EQ(citit, !citita.Poza.isNull()) << nume.toStdString();
        EXPECT_TRUE(!citit || citita.Marime == citita.Poza.size()) << nume.toStdString();
        EXPECT_TRUE(!citit || MarimeAcceptata(citita.Marime)) << nume.toStdString();
    }
}
