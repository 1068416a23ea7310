#include "store/BazaDate.h"
#include "tests/common/DosarTest.h"

#include <QFile>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

bool CreeazaTabel(QSqlDatabase &db)
{
    return QSqlQuery(db).exec(QStringLiteral("CREATE TABLE IF NOT EXISTS t (x INTEGER)"));
}

int Randuri(BazaDate &baza)
{
    QSqlQuery q(baza.Conexiune());
    q.exec(QStringLiteral("SELECT count(*) FROM t"));
    return q.next() ? q.value(0).toInt() : -1;
}

struct CazDeschidere
{
    const char *nume;
    QByteArray continutInitial; // empty: no file
    bool pusDeoparte;
};

class Deschidere : public ::testing::TestWithParam<CazDeschidere>
{};

TEST_P(Deschidere, DeschideSauPuneDeoparteSiIncepeAlta)
{
    const CazDeschidere &caz = GetParam();
    DosarTest dosar;
    const QString cale = dosar.Cale() + QStringLiteral("/Tezaurel.db");
    if (!caz.continutInitial.isEmpty())
        dosar.ScrieOcteti(QStringLiteral("Tezaurel.db"), caz.continutInitial);

    BazaDate baza(cale);
    baza.AdaugaSchema(CreeazaTabel);
    ASSERT_TRUE(baza.Deschide());
    EXPECT_EQ(Randuri(baza), 0);
    EXPECT_EQ(QFile::exists(cale + QStringLiteral(".deteriorat")), caz.pusDeoparte);
    EXPECT_EQ(baza.Raport().contains(QStringLiteral("deteriorat")), caz.pusDeoparte);
    if (caz.pusDeoparte)
        EXPECT_EQ(dosar.CitesteOcteti(QStringLiteral("Tezaurel.db.deteriorat")),
                  caz.continutInitial);
}

INSTANTIATE_TEST_SUITE_P(
    Cazuri, Deschidere,
    ::testing::Values(CazDeschidere{"Lipsa", {}, false},
                      CazDeschidere{"Text", QByteArray(4096, 'x'), true},
                      CazDeschidere{"AntetTaiat", QByteArray("SQLite format 3\0", 16) + QByteArray(200, '\x7f'), true}),
    [](const auto &info) { return std::string(info.param.nume); });

TEST(BazaDate, TranzactieRefuzataNuLasaNimicIarCeaAcceptataRamaneLaRedeschidere)
{
    DosarTest dosar;
    const QString cale = dosar.Cale() + QStringLiteral("/Tezaurel.db");
    {
        BazaDate baza(cale);
        baza.AdaugaSchema(CreeazaTabel);
        ASSERT_TRUE(baza.Deschide());
        auto insereaza = [](QSqlDatabase &db) {
            return QSqlQuery(db).exec(QStringLiteral("INSERT INTO t VALUES (1)"));
        };
        EXPECT_FALSE(baza.Tranzactie([&](QSqlDatabase &db) { insereaza(db); return false; }));
        EXPECT_TRUE(baza.Tranzactie(insereaza));
    }
    BazaDate redeschisa(cale);
    redeschisa.AdaugaSchema(CreeazaTabel);
    ASSERT_TRUE(redeschisa.Deschide());
    EXPECT_EQ(Randuri(redeschisa), 1);
}

} // namespace
