// Several Tezaurel programs on one collection: nothing one of them stored is
// lost or damaged by another.
#include "store/ZavorColectie.h"
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"
#include "tests/store/AccesJurnal.h"
#include "tests/store/ProblemeDriver.h"

#include <QMap>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

constexpr int N = 100;

// Every problem both drivers kept is in the file once, byte for byte, and the
// count is right. A purge by A before its problem purjaLa removed the marked
// problems of B (finished by then) and those A had marked so far.
void VerificaColectia(const DosarTest &dosar, int purjaLa)
{
    const QByteArray f = dosar.CitesteOcteti("Tezaurel.stn");
    const int numar = uint8_t(f[0]) | uint8_t(f[1]) << 8;
    ASSERT_GE(f.size(), numar * 512);
    QMap<QByteArray, int> gasite;
    for (int i = 2; i <= numar; ++i)
        ++gasite[f.mid((i - 1) * 512, 512)];
    int asteptate = 0;
    for (const QString x : {"A", "B"})
        for (int j = 0; j < N; ++j) {
            Problema p = ProblemaDriver(x, j);
            const bool marcata = MarcataDeDriver(j, N);
            if (marcata && purjaLa >= 0 && (x == "B" || j + 5 < purjaLa))
                continue;
            p.Sters = marcata ? Adevarat : Fals;
            EXPECT_EQ(gasite.value(Octeti(p)), 1) << qPrintable(x) << j;
            ++asteptate;
        }
    EXPECT_EQ(numar - 1, asteptate);
}

TEST(DouaPrograme, FiecareProblemaRamaneODataChiarCuOPurjareLaJumatate)
{
    const struct
    {
        const char *nume;
        QStringList a, b;
        int purjaLa;
        QString mesajA;
    } cazuri[] = {
        {"fara purjare", {}, {}, -1, {}},
        // B still has the collection open: A is refused and told why.
        {"purjare refuzata",
         {"--purja", "50", "--dupa", "B50@50", "--semnal", "A50@51"},
         {"--semnal", "B50@50", "--dupa", "A50@99"}, -1, MesajColectieDeschisaInAltProgram},
        // B has closed it: A purges, reloads and goes on.
        {"purjare facuta", {"--purja", "50", "--dupa", "Bgata@50"}, {"--semnal", "Bgata@100"}, 50, {}},
    };
    for (const auto &c : cazuri) {
        SCOPED_TRACE(c.nume);
        DosarTest dosar;
        auto argumente = [&](const QString &eticheta, QStringList extra) {
            for (QString &s : extra)
                if (s.contains('@'))
                    s.prepend(dosar.Cale() + "/");
            return QStringList{dosar.Cale(), eticheta, QString::number(N)} + extra;
        };
        QProcess a, b;
        a.start(TEZAUREL_DRIVER, argumente("A", c.a));
        b.start(TEZAUREL_DRIVER, argumente("B", c.b));
        ASSERT_TRUE(a.waitForFinished(60000) && b.waitForFinished(60000));
        EXPECT_EQ(a.exitCode(), 0);
        EXPECT_EQ(b.exitCode(), 0);
        EXPECT_TRUE(QString(a.readAllStandardOutput()).contains(c.mesajA));
        VerificaColectia(dosar, c.purjaLa);
    }
}

TEST(DouaPrograme, ZavorulUnuiProgramOmoratEsteLuatDeCelalalt)
{
    DosarTest dosar;
    QProcess tine;
    tine.start(TEZAUREL_DRIVER, {dosar.Cale(), "--tine"});
    ASSERT_TRUE(tine.waitForReadyRead(10000));
    ZavorColectie zavor(dosar.Colectie(), std::chrono::milliseconds(100));
    EXPECT_EQ(zavor.IaScrierea(), ZavorColectie::Rezultat::Ocupat);
    tine.kill(); // SIGKILL: no chance to let go
    tine.waitForFinished();
    EXPECT_EQ(zavor.IaScrierea(), ZavorColectie::Rezultat::Luat);
}

// Between our load and our writes another program appends, marks the problem
// we show, or puts a file of its own in place (a purge of a program that could
// not say it was there, a copy restored). We append e, then mark slot 3 (b).
TEST(DouaPrograme, ScriereaTineSeamaDeCeAFacutAltulIntreTimp)
{
    enum class Fapta { Adauga, Marcheaza, Inlocuieste };
    const struct
    {
        Fapta fapta;
        const char *fisier; // names in the file, * for a mark
        int mesaje;
    } cazuri[] = {
        {Fapta::Adauga, "a b* c d e", 0},
        {Fapta::Marcheaza, "a b* c e", 1},
        {Fapta::Inlocuieste, "a c* x e", 1},
    };
    for (const auto &c : cazuri) {
        SCOPED_TRACE(c.fisier);
        DosarTest dosar;
        auto p = [](const char *nume) { return FaProblema(6, 6, "D", "C", nume); };
        dosar.ScrieColectie({p("a"), p("b"), p("c")});
        PlatformaScriptata platforma;
        mDefinitii noi(dosar.Cale(), platforma);
        noi.IncarcaColectie();
        {
            PlatformaScriptata a;
            mDefinitii altul(dosar.Cale(), a);
            altul.IncarcaColectie();
            if (c.fapta == Fapta::Adauga) {
                ASSERT_TRUE(Adauga(altul, p("d")));
            } else if (c.fapta == Fapta::Marcheaza) {
                ASSERT_TRUE(altul.MarcheazaStearsa(3));
            }
        }
        if (c.fapta == Fapta::Inlocuieste) {
            DosarTest alt;
            alt.ScrieColectie({p("a"), p("c"), p("x")});
            ASSERT_TRUE(QFile::rename(alt.Colectie(), dosar.Colectie() + ".tmp") &&
                        noi.Acces().Inlocuieste(dosar.Colectie() + ".tmp", dosar.Colectie()));
        }
        ASSERT_TRUE(Adauga(noi, p("e")));
        noi.MarcheazaStearsa(3);

        EXPECT_EQ(platforma.Mesaje.size(), c.mesaje);
        mDefinitii citit(dosar.Cale(), platforma);
        citit.IncarcaColectie();
        QStringList nume;
        for (int i = 2; i <= citit.NrProbleme; ++i)
            nume << citit.TabelProbleme[i].Fisier.FaraBlancuri() +
                        (citit.TabelProbleme[i].EsteStearsa() ? "*" : "");
        EXPECT_EQ(nume.join(' '), c.fisier);
    }
}

} // namespace
