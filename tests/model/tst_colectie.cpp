#include "model/StergereFizica.h"
#include "tests/model/AccesJurnal.h"

#include <QDir>
#include <QSqlQuery>
#include <QThread>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace tezaurel;

TEST(Inregistrare, CampurileLaDeplasareaLorSiCodulPaginii)
{
    const Problema p = FaProblema(9, -2, "Algebra", "Funcții", "p1.jpg", true, "usor");
    EXPECT_EQ(Octeti(p), QByteArray("\x09\x00\xFE\xFF", 4) +
                             QByteArray("Algebra").leftJustified(50) +
                             QByteArray("Func\xFEii").leftJustified(100) +
                             QByteArray("usor").leftJustified(100) +
                             QByteArray("p1.jpg").leftJustified(256) + "\xFF\xFF");
    EXPECT_EQ(Octeti(Problema()), QByteArray(512, '\0')); // a field never assigned
    TextFix<50> camp; // cut to the field's length, padded with blanks; only those trimmed
    camp.Atribuie("  Ecuatii  de grad 2 " + QString(60, 'x'));
    EXPECT_EQ(camp.FaraBlancuri(), "  Ecuatii  de grad 2 " + QString(29, 'x'));
    camp.Atribuie("  Ecuatii  de grad 2 ");
    EXPECT_EQ(camp.FaraBlancuri(), "  Ecuatii  de grad 2");
    // Windows-1250, comma-below letters as their cedilla twins; every byte comes back.
    EXPECT_EQ(CodificaAnsi("ăâîĂÂÎşţŞŢșțȘȚ€Łž日"),
              "\xE3\xE2\xEE\xC3\xC2\xCE\xBA\xFE\xAA\xDE\xBA\xFE\xAA\xDE\x80\xA3\x9E?");
    QByteArray toti;
    for (int b = 0; b < 256; ++b)
        toti.append(char(b));
    EXPECT_EQ(DecodificaAnsi(toti.constData(), 256).mid(0xAA, 1), "Ş");
    EXPECT_EQ(CodificaAnsi(DecodificaAnsi(toti.constData(), 256)), toti);
}

// The header's count decides, whatever the file holds after it; a count beyond
// the end is an append cut short after its header; a full table refuses an
// append but may still be emptied; above 2000 the first 1999 load and nothing
// may be written.
TEST(Incarcare, AntetulDecideCateInregistrariSeCitesc)
{
    const QString plin = "Tezaurelul este plin: nu mai este loc pentru inca o problema (cel mult "
                         "1999). Stergeti mai intai problemele de care nu mai aveti nevoie.";
    // header, whole records, bytes after them, problems loaded
    const std::tuple<int16_t, int, int, int> cazuri[] = {
        {3, 4, 0, 3},   {-5, 1, 0, 1},         {0, 1, 0, 1},
        {4, 2, 100, 3}, {2000, 1999, 0, 2000}, {2500, 2100, 0, 2000}};
    for (const auto &[antet, inregistrari, rest, asteptat] : cazuri) {
        SCOPED_TRACE(antet);
        ColectieTest k;
        QByteArray o = Antet(antet);
        for (int i = 0; i < inregistrari; ++i)
            o += Octeti(FaProblema(6, 6, "D", QString("C%1").arg(i), "f.jpg"));
        k.dosar.ScrieOcteti("Tezaurel.stn", o += QByteArray(rest, 'x'));
        k.d.IncarcaColectie();
        const bool blocata = antet > 2000, plina = asteptat == 2000;
        EXPECT_EQ(k.d.NrProbleme(), asteptat);
        EXPECT_TRUE(asteptat < 3 || k.d.ProblemaDin(3).Capitol.FaraBlancuri() == "C1");
        EXPECT_TRUE(plina ? k.d.ProblemaDin(2000).Capitol.FaraBlancuri() == "C1998"
                          : k.d.ProblemaDin(asteptat + 1) == Problema());
        EXPECT_EQ(k.d.RaportIncarcare().isEmpty(), !blocata);
        EXPECT_EQ(k.d.PoateAdauga(), !plina); // asked before the editor asks anything
        const QString refuz = !plina ? "" : blocata ? k.d.RaportIncarcare() : plin;
        EXPECT_EQ(k.d.IaAnunturile().join(""), refuz); // the load itself shows nothing
        EXPECT_EQ(Adauga(k.d, FaProblema(8, 8, "D", "C", "nou.jpg")), !plina);
        EXPECT_EQ(k.d.MarcheazaStearsa(2), !blocata);
        EXPECT_EQ(k.Fisier() == o, blocata);
    }
}

// An append goes after the whole records the file holds, the count rewritten;
// a mark rewrites only the last two bytes of its record. Fields full to their
// last byte, and bytes 0x80-0xFF as a Windows machine wrote them, come back unchanged.
TEST(Incarcare, AdaugareaSiMarcareaScriuDoarCeTrebuie)
{
    ColectieTest k;
    const Problema a = FaProblema(6, 6, "D", "C", "a.jpg"), b = FaProblema(7, 7, "E", "F", "b.jpg");
    Problema c = FaProblema(-32768, 32767, QString(49, 'D') + 'd', QString(99, 'C') + 'c',
                            QString(251, 'f') + ".jpg", false, QString(99, 'O') + 'o');
    c.Fisier.Octeti[255] = 'x';
    for (int i = 0; i < 100; ++i)
        c.Capitol.Octeti[i] = char(0x80 + i);
    k.dosar.ScrieOcteti("Tezaurel.stn", Antet(4) + Octeti(a) + Octeti(b) + "xx");
    k.d.IncarcaColectie();
    ASSERT_TRUE(Adauga(k.d, c));
    ASSERT_TRUE(k.d.MarcheazaStearsa(3));
    EXPECT_EQ(k.Fisier(), Antet(4) + Octeti(a) + Octeti(b).chopped(2) + "\xFF\xFF" + Octeti(c));
    k.d.IncarcaColectie();
    EXPECT_EQ(k.d.SlotProblema(QString(251, 'f') + ".jpgx") + k.d.SlotProblema("b.jpg"), 4);
    EXPECT_EQ(k.d.ProblemaDin(4), c);
}

const QString EroareDeschidere = "Nu am reusit sa deschid fisierul colectiei: %1. Colectia este "
                                 "goala si nu poate fi modificata.";
const QString DoarCitire = "Fisierul colectiei poate fi doar citit: %1. Problemele pot fi "
                           "vizualizate, dar colectia nu poate fi modificata.";
const QString nimic = "Nu sunt probleme de sters";

// Where permissions bind (run as an ordinary user): a read-only folder holds no
// new collection, and one already there changes in place (its lock on the file
// itself), but the purge, which writes beside it, refuses; a read-only
// collection is shown, never changed, and its reader makes no lock file that
// would bar its owner; a folder in its place is left alone.
TEST(IntrariGresiteColectie, DosarulSauColectiaDoarCitire)
{
    CaUtilizatorObisnuit([] {
        const struct
        {
            char colectie; // '-' none, 'f' a file, 'd' a folder
            bool dosarScris, colectieScrisa, adaugata, purjata;
            QString raport, ultimul; // %1: the collection; no last message: the report again
        } cazuri[] = {{'-', false, true, false, false, EroareDeschidere, nimic},
                      {'f', false, true, true, false, "", EroareScriere("%1")},
                      {'f', true, false, false, false, DoarCitire, ""},
                      {'d', true, true, false, false, EroareDeschidere, nimic},
                      {'f', true, true, true, true, "", "Am sters:  1 fisiere"}};
        for (const auto &c : cazuri) {
            SCOPED_TRACE(testing::Message() << c.colectie << c.dosarScris << c.colectieScrisa);
            ColectieTest k;
            if (c.colectie == 'f')
                k.dosar.ScrieColectie({FaProblema(9, 7, "A", "F", "a.jpg", true)});
            if (c.colectie == 'd')
                QDir(k.dosar.Cale()).mkpath("Tezaurel.stn/a.jpg");
            k.dosar.ScriePoza("a.jpg", PozaModel(4, 3));
            // The owner's r(-x), and w when written.
            if (c.colectie == 'f')
                QFile::setPermissions(k.dosar.Colectie(),
                                      QFile::Permissions(c.colectieScrisa ? 0x6000 : 0x4000));
            QFile::setPermissions(k.dosar.Cale(),
                                  QFile::Permissions(c.dosarScris ? 0x7000 : 0x5000));
            k.d.IncarcaColectie();
            EXPECT_EQ(k.d.RaportIncarcare(), QString(c.raport).replace("%1", k.dosar.Colectie()));
            const bool zavor = QFile::exists(k.dosar.Colectie() + ".lock");
            EXPECT_EQ(zavor, c.dosarScris && c.colectieScrisa);
            EXPECT_EQ(Adauga(k.d, FaProblema(10, 8, "A", "E", "b.jpg")), c.adaugata);
            const QByteArray adaugata = k.Fisier();
            EXPECT_EQ(adaugata.size(), c.colectie == 'f' ? (c.adaugata ? 3 : 2) * 512 : 0);
            EXPECT_EQ(StergereFizica(k.d), c.purjata);
            QString ultimul = c.ultimul.isEmpty() ? c.raport : c.ultimul;
            EXPECT_EQ(k.d.IaAnunturile().last(), ultimul.replace("%1", k.dosar.Colectie()));
            EXPECT_EQ(QFile::exists(k.d.CaleProbleme() + "a.jpg"), !c.purjata);
            EXPECT_TRUE(c.purjata || k.Fisier() == adaugata);
            EXPECT_EQ(QFileInfo(k.dosar.Cale() + "/Tezaurel.stn/a.jpg").isDir(), c.colectie == 'd');
            QFile::setPermissions(k.dosar.Cale(), QFile::Permissions(0x7000));
        }
    });
}

// A file SQLite finds damaged is put aside whole, never over an earlier one,
// and a fresh database started; a refused transaction leaves nothing, an
// accepted one stays.
TEST(BazaDate, DeschideSauPuneDeoparteSiTranzactiileRaman)
{
    const auto insereaza = [](QSqlDatabase &db) {
        return QSqlQuery(db).exec("INSERT INTO t VALUES (1)");
    };
    const QByteArray antetSqlite("SQLite format 3\0", 16), vechi("o copie mai veche");
    for (const QByteArray &continut : {QByteArray(), QByteArray(4096, 'x'), antetSqlite + "\x7f"}) {
        DosarTest dosar;
        if (!continut.isEmpty())
            dosar.ScrieOcteti("Tezaurel.db", continut);
        dosar.ScrieOcteti("Tezaurel.db.deteriorat", vechi);
        BazaDate baza(dosar.Cale() + "/Tezaurel.db");
        baza.AdaugaSchema(
            [](QSqlDatabase &db) { return QSqlQuery(db).exec("CREATE TABLE t (x)"); });
        ASSERT_TRUE(baza.Deschide());
        EXPECT_EQ(baza.Raport().contains("deteriorat"), !continut.isEmpty());
        EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.db.deteriorat"), vechi);
        EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.db.deteriorat.2"), continut);
        EXPECT_FALSE(baza.Tranzactie([&](QSqlDatabase &db) { return !insereaza(db); }));
        EXPECT_TRUE(baza.Tranzactie(insereaza));
        QSqlQuery q(baza.Conexiune());
        ASSERT_TRUE(q.exec("SELECT count(*) FROM t") && q.next());
        EXPECT_EQ(q.value(0), 1);
        // The statement that failed is named, not the connection's empty error.
        EXPECT_FALSE(baza.Tranzactie([](QSqlDatabase &db) {
            QSqlQuery r(db);
            return BazaDate::Executa(r, "INSERT INTO u VALUES (1)");
        }));
        EXPECT_TRUE(baza.Raport().contains("no such table: u")) << baza.Raport().toStdString();
    }
}

// Another program holds the file in a write transaction (an import) while
// this one starts (d) or writes (s): it waits; past the bound it says the
// database is busy and leaves the file alone. Once the other has committed,
// what both wrote is there.
TEST(BazaDate, OcupataDeAltProgramNuEsteDeteriorata)
{
    const auto scrie = [](QSqlDatabase &db) {
        return QSqlQuery(db).exec("INSERT INTO t VALUES (1)");
    };
    for (const auto &[tineMs, cand, deschisa] :
         {std::tuple(700, 'd', true), std::tuple(3000, 'd', false), std::tuple(100, 's', true)}) {
        SCOPED_TRACE(tineMs);
        DosarTest dosar;
        const QString cale = dosar.Cale() + "/Tezaurel.db";
        BazaDate baza(cale, 400); // a start waits three times as much
        baza.AdaugaSchema([](QSqlDatabase &db) {
            return QSqlQuery(db).exec("CREATE TABLE IF NOT EXISTS t (x)");
        });
        ASSERT_TRUE(cand == 'd' || baza.Deschide());
        int tub[2];
        ASSERT_EQ(pipe(tub), 0);
        const pid_t altul = fork();
        if (altul == 0) {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "altul");
            db.setDatabaseName(cale);
            QSqlQuery q(db.open() ? db : QSqlDatabase());
            const bool tinut = q.exec("BEGIN EXCLUSIVE") &&
                               q.exec("CREATE TABLE IF NOT EXISTS t (x)") &&
                               q.exec("INSERT INTO t VALUES (2)");
            if (write(tub[1], "x", 1) != 1 || !tinut)
                _exit(1);
            QThread::msleep(tineMs);
            _exit(q.exec("COMMIT") ? 0 : 2);
        }
        char x;
        ASSERT_EQ(read(tub[0], &x, 1), 1);
        EXPECT_TRUE(cand == 'd' ? baza.Deschide() == deschisa : baza.Tranzactie(scrie)); // waits
        EXPECT_EQ(baza.Raport().contains("folosită de alt program"), !deschisa);
        int stare = -1;
        ASSERT_EQ(waitpid(altul, &stare, 0), altul);
        EXPECT_EQ(stare, 0); // its commit went through
        EXPECT_FALSE(QFileInfo::exists(cale + ".deteriorat"));
        ASSERT_TRUE(cand == 's' ||
                    ((baza.EsteDeschisa() || baza.Deschide()) && baza.Tranzactie(scrie)));
        QSqlQuery q(baza.Conexiune());
        ASSERT_TRUE(q.exec("SELECT group_concat(x) FROM (SELECT x FROM t ORDER BY x)") && q.next());
        EXPECT_EQ(q.value(0).toString(), "1,2");
    }
}
