// The fuzzer's seed files, and any input it ever found failing (kept in the
// same folder), loaded from disk: each loaded record encodes back to exactly
// the bytes it was read from, and loading never changes the file.
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(CorpusFuzz, FiecareFisierSeIncarcaSiSeRescrieIdentic)
{
    const QDir corpus(QStringLiteral(TEZAUREL_CORPUS_FUZZ));
    ASSERT_FALSE(corpus.entryList(QDir::Files).isEmpty());
    for (const QString &nume : corpus.entryList(QDir::Files)) {
        SCOPED_TRACE(nume.toStdString());
        QFile f(corpus.filePath(nume));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray octeti = f.readAll();
        DosarTest dosar;
        dosar.ScrieOcteti("Tezaurel.stn", octeti);
        PlatformaScriptata platforma;
        mDefinitii d(dosar.Cale(), platforma);
        d.IncarcaColectie();
        ASSERT_GE(d.NrProbleme, 1);
        ASSERT_LE(d.NrProbleme, mDefinitii::UltimulSlot);
        for (int i = 2; i <= d.NrProbleme; ++i)
            EXPECT_EQ(Octeti(d.TabelProbleme[i]), octeti.mid((i - 1) * 512, 512)) << i;
        EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn"), octeti);
    }
}
