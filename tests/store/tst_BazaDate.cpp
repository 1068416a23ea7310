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

// A file SQLite cannot use is put aside whole and a fresh database started;
// a refused transaction leaves nothing, an accepted one stays after a reopen.
TEST(BazaDate, DeschideSauPuneDeoparteSiTranzactiileRaman)
{
    const std::pair<QByteArray, bool> cazuri[] = {
        {{}, false}, {QByteArray(4096, 'x'), true},
        {QByteArray("SQLite format 3\0", 16) + QByteArray(200, '\x7f'), true}};
    for (const auto &[continut, deoparte] : cazuri) {
        DosarTest dosar;
        const QString cale = dosar.Cale() + "/Tezaurel.db";
        if (!continut.isEmpty())
            dosar.ScrieOcteti("Tezaurel.db", continut);
        for (int deschidere = 0; deschidere < 2; ++deschidere) {
            BazaDate baza(cale);
            baza.AdaugaSchema([](QSqlDatabase &db) { return QSqlQuery(db).exec("CREATE TABLE IF NOT EXISTS t (x)"); });
            ASSERT_TRUE(baza.Deschide());
            EXPECT_EQ(Randuri(baza), deschidere);
            EXPECT_EQ(baza.Raport().contains("deteriorat"), deoparte && deschidere == 0);
            if (deschidere > 0)
                break;
            const auto insereaza = [](QSqlDatabase &db) { return QSqlQuery(db).exec("INSERT INTO t VALUES (1)"); };
            EXPECT_FALSE(baza.Tranzactie([&](QSqlDatabase &db) { return !insereaza(db); }));
            EXPECT_TRUE(baza.Tranzactie(insereaza));
        }
        EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.db.deteriorat"), deoparte ? continut : QByteArray());
    }
}

} // namespace
