#include "platform/DosareAplicatie.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Paths under a temporary root; the program folder "P" holds the assets beside it.
TEST(DosareAplicatie, DecisionTable)
{
    const struct
    {
        const char *nume, *program;
        bool scriere;
        const char *xdg, *date, *resurse;
    } cazuri[] = {{"portable folder", "P", true, "/x", "P", "P"},
                  {"read-only portable folder", "P", false, "X", "X/Tezaurel", "P"},
                  {"packaged", "usr/lib/tezaurel", false, "X", "X/Tezaurel", "usr/share/tezaurel"},
                  {"packaged, run by root", "usr/lib/tezaurel", true, "X", "X/Tezaurel",
                   "usr/share/tezaurel"},
                  {"no XDG_DATA_HOME", "usr/lib/tezaurel", false, "", "H/.local/share/Tezaurel",
                   "usr/share/tezaurel"},
                  {"relative XDG_DATA_HOME", "P", false, "rel", "H/.local/share/Tezaurel", "P"}};
    QTemporaryDir radacina;
    const QString r = radacina.path() + QLatin1Char('/');
    QDir(r).mkpath(QStringLiteral("P/help"));
    QFile(r + QStringLiteral("P/help/index.html")).open(QIODevice::WriteOnly);
    for (const auto &c : cazuri) {
        SCOPED_TRACE(c.nume);
        const QString xdg = *c.xdg == 'X' ? r + QLatin1String(c.xdg) : QLatin1String(c.xdg);
        const DosareAplicatie d =
            AlegeDosare(r + QLatin1String(c.program), c.scriere, xdg, r + 'H');
        EXPECT_EQ(d, DosareAplicatie(r + QLatin1String(c.date), r + QLatin1String(c.resurse)));
    }
    // A user folder from before keeps its collection; a file in the folder's way is reported.
    QFile stn(r + QStringLiteral("X/Tezaurel/Tezaurel.stn"));
    ASSERT_TRUE(QDir(r).mkpath(QStringLiteral("X/Tezaurel")) && stn.open(QIODevice::WriteOnly));
    stn.write(QByteArray(1024, 'x'));
    stn.close();
    EXPECT_EQ(PregatesteDosarDate(DosareAplicatie(r + QStringLiteral("X/Tezaurel"))), QString());
    EXPECT_EQ(stn.size(), 1024);
    EXPECT_TRUE(QFileInfo(r + QStringLiteral("X/Tezaurel/teste")).isDir());
    EXPECT_NE(PregatesteDosarDate(DosareAplicatie(stn.fileName())), QString());
}
