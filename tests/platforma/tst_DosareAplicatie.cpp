#include "model/ColectieAleasa.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tezaurel;

// Paths under a temporary root; the program folder "P" holds the assets beside it.
TEST(DosareAplicatie, DecisionTable)
{
    // Case, program folder, may write there, XDG_DATA_HOME, data and asset folders
    // (X: the temporary XDG folder, H: the home folder), read-only.
    const std::tuple<const char *, const char *, bool, const char *, const char *, const char *,
                     bool>
        cazuri[] = {
            {"portable folder", "P", true, "/x", "P", "P", false},
            {"read-only portable folder", "P", false, "X", "X/Tezaurel", "P", false},
            {"packaged", "usr/lib/tezaurel", false, "X", "X/Tezaurel", "usr/share/tezaurel", false},
            {"packaged, run by root", "usr/lib/tezaurel", true, "X", "X/Tezaurel",
             "usr/share/tezaurel", false},
            {"no XDG_DATA_HOME", "usr/lib/tezaurel", false, "", "H/.local/share/Tezaurel",
             "usr/share/tezaurel", false},
            {"relative XDG_DATA_HOME", "P", false, "rel", "H/.local/share/Tezaurel", "P", false},
            {"collection copied beside", "c/W", true, "X", "c/W", "share/tezaurel", false},
            {"collection on a disc", "c/W", false, "X", "c/W", "share/tezaurel", true}};
    QTemporaryDir radacina;
    const QString r = radacina.path() + QLatin1Char('/');
    QDir(r).mkpath(QStringLiteral("P/help"));
    QDir(r).mkpath(QStringLiteral("c/W"));
    QFile(r + QStringLiteral("P/help/index.html")).open(QIODevice::WriteOnly);
    QFile(r + QStringLiteral("c/W/Tezaurel.stn")).open(QIODevice::WriteOnly);
    for (const auto &[nume, program, scriere, xdg, date, resurse, citire] : cazuri)
        EXPECT_EQ(
            AlegeColectia(r + program, scriere, *xdg == 'X' ? r + xdg : QString(xdg), r + 'H'),
            ColectieAleasa({r + date, r + resurse}, citire))
            << nume;
    EXPECT_EQ(ColectiaDin(r + "c/W/", r + "P"), ColectieAleasa({r + "c/W", r + "P"}));
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
