#include "store/BazaDate.h"
#include "tests/common/DosarTest.h"

#include <QFile>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

int Randuri(BazaDate &baza)
{
    QSqlQuery q(baza.Conexiune());
    return q.exec("SELECT count(*) FROM t") && q.next() ? q.value(0).toInt() : -1;
}

// Missing, not a database, or a header cut short: a damaged file is set aside
// and a fresh one started; a refused transaction leaves nothing, an accepted
// one stays after reopening.
TEST(BazaDate, DeschidePuneDeoparteSiPastreazaTranzactiile)
{
    const QByteArray cazuri[] = {{}, QByteArray(4096, 'x'),
                                 QByteArray("SQLite format 3\0", 16) + QByteArray(200, '\x7f')};
    for (const QByteArray &continut : cazuri) {
        DosarTest dosar;
        const QString cale = dosar.Cale() + "/Tezaurel.db";
        if (!continut.isEmpty())
            dosar.ScrieOcteti("Tezaurel.db", continut);
        for (int deschidere = 0; deschidere < 2; ++deschidere) {
            BazaDate baza(cale);
            baza.AdaugaSchema([](QSqlDatabase &db) {
                return QSqlQuery(db).exec("CREATE TABLE IF NOT EXISTS t (x INTEGER)");
            });
            ASSERT_TRUE(baza.Deschide());
            EXPECT_EQ(Randuri(baza), deschidere);
            if (deschidere == 1)
                break;
            EXPECT_EQ(baza.Raport().contains("deteriorat"), !continut.isEmpty());
            EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.db.deteriorat"), continut);
            const auto insereaza = [](QSqlDatabase &db) {
                return QSqlQuery(db).exec("INSERT INTO t VALUES (1)");
            };
            EXPECT_FALSE(baza.Tranzactie([&](QSqlDatabase &db) { return !insereaza(db); }));
            EXPECT_TRUE(baza.Tranzactie(insereaza));
        }
    }
}

} // namespace
