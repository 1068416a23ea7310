// The fuzzer's seed files, and any input it ever found failing (kept in the
// same folder), loaded from disk: each loaded record encodes back to exactly
// the bytes it was read from.
#include "store/CitirePoza.h"
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(CorpusFuzz, FiecareFisierSeIncarcaSiSeRescrieIdentic)
{
    const QDir corpus(QStringLiteral(TEZAUREL_CORPUS_FUZZ));
    const QStringList fisiere = corpus.entryList(QDir::Files);
    ASSERT_FALSE(fisiere.isEmpty());
    for (const QString &nume : fisiere) {
        SCOPED_TRACE(nume.toStdString());
        QFile f(corpus.filePath(nume));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray octeti = f.readAll();

        DosarTest dosar;
        dosar.ScrieOcteti(QStringLiteral("Tezaurel.stn"), octeti);
        PlatformaScriptata platforma;
        mDefinitii definitii(dosar.Cale(), platforma);
        definitii.IncarcaColectie();

        ASSERT_GE(definitii.NrProbleme, 1);
        ASSERT_LE(definitii.NrProbleme, mDefinitii::UltimulSlot);
        for (int i = 2; i <= definitii.NrProbleme; ++i) {
            const auto inregistrare = definitii.TabelProbleme[size_t(i)].Codifica();
            EXPECT_EQ(QByteArray(inregistrare.data(), 512), octeti.mid((i - 1) * 512, 512)) << i;
        }
        // Loading never changes the file.
        EXPECT_EQ(dosar.CitesteOcteti(QStringLiteral("Tezaurel.stn")), octeti);
    }
}

// The picture reader's seeds and findings: a picture only when read, never over the limit.
TEST(CorpusFuzz, FiecarePozaSeCitesteSauSeRefuza)
{
    const QDir corpus(QStringLiteral(TEZAUREL_CORPUS_POZA));
    ASSERT_FALSE(corpus.isEmpty());
    for (const QString &nume : corpus.entryList(QDir::Files)) {
        const PozaCitita citita = CitestePoza(corpus.filePath(nume));
        const bool citit = citita.Rezultat == PozaCitita::Stare::Citita;
        EXPECT_EQ(citit, !citita.Poza.isNull()) << nume.toStdString();
        EXPECT_TRUE(!citit || (citita.Marime == citita.Poza.size() && MarimeAcceptata(citita.Marime)))
            << nume.toStdString();
    }
}

} // namespace
