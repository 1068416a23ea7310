#include "platform/DosareAplicatie.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct Caz
{
    const char *nume;
    const char *program; // under the temporary root; "P" holds the assets beside it
    bool scriere;
    const char *xdg;
    const char *date;    // expected, under the root
    const char *resurse; // expected, under the root
};

const Caz Cazuri[] = {
    {"portable folder", "P", true, "/x", "P", "P"},
    {"read-only portable folder", "P", false, "X", "X/Tezaurel", "P"},
    {"packaged layout", "usr/lib/tezaurel", false, "X", "X/Tezaurel", "usr/share/tezaurel"},
    {"packaged layout run by root", "usr/lib/tezaurel", true, "X", "X/Tezaurel", "usr/share/tezaurel"},
    {"no XDG_DATA_HOME", "usr/lib/tezaurel", false, "", "H/.local/share/Tezaurel", "usr/share/tezaurel"},
    {"relative XDG_DATA_HOME", "P", false, "rel", "H/.local/share/Tezaurel", "P"},
};

TEST(DosareAplicatie, DecisionTable)
{
    QTemporaryDir radacina;
    const QString r = radacina.path() + QLatin1Char('/');
    QDir(r).mkpath(QStringLiteral("P/help"));
    QFile(r + QStringLiteral("P/help/index.html")).open(QIODevice::WriteOnly);
    for (const Caz &c : Cazuri) {
        SCOPED_TRACE(c.nume);
        const QString xdg = *c.xdg == 'X' ? r + QLatin1String(c.xdg) : QLatin1String(c.xdg);
        const DosareAplicatie d =
            AlegeDosare(r + QLatin1String(c.program), c.scriere, xdg, r + QStringLiteral("H"));
        EXPECT_EQ(d.Date, r + QLatin1String(c.date));
        EXPECT_EQ(d.Resurse, r + QLatin1String(c.resurse));
    }
}

TEST(DosareAplicatie, UserFolderFromBeforeIsKept)
{
    QTemporaryDir radacina;
    const DosareAplicatie d(radacina.path() + QStringLiteral("/Tezaurel"), radacina.path());
    QDir().mkpath(d.Date + QStringLiteral("/Probleme"));
    QFile stn(d.Date + QStringLiteral("/Tezaurel.stn"));
    ASSERT_TRUE(stn.open(QIODevice::WriteOnly));
    stn.write(QByteArray(1024, 'x'));
    stn.close();
    EXPECT_EQ(PregatesteDosarDate(d), QString());
    EXPECT_EQ(QFileInfo(stn).size(), 1024);
    EXPECT_TRUE(QFileInfo(d.Date + QStringLiteral("/teste")).isDir());
    // A file where the folder should be: a reason, not a silent failure.
    EXPECT_NE(PregatesteDosarDate(DosareAplicatie(stn.fileName())), QString());
}
} // namespace
