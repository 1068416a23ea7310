// Several Tezaurel programs on one collection, each a process of its own:
// nothing one of them stored is lost or damaged by another.
#include "store/StergereFizica.h"
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"
#include "tests/store/AccesJurnal.h"

#include <QMap>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int N = 100;

Problema ProblemaLui(const QString &x, int j)
{
    return FaProblema(5 + j % 8, 5 + j % 6, x, QString("Capitolul %1").arg(j), x + QString::number(j),
                      false, QString(100, QChar(u'a' + j % 26)));
}
bool Marcata(int j) { return j % 10 == 4 && j + 5 < N; } // once problem j + 5 is stored

template <typename F> pid_t Proces(F f)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(f());
    return pid;
}
int Sfarsit(pid_t pid)
{
    int stare = 0;
    waitpid(pid, &stare, 0);
    return WIFEXITED(stare) ? WEXITSTATUS(stare) : -1;
}
void Semnal(const QString &f) { QFile(f).open(QIODevice::WriteOnly); }
void Asteapta(const QString &f)
{
    while (!QFile::exists(f))
        QThread::msleep(2);
}

// Program x appends N problems, marking some on the way; before problem j,
// la(j) may purge, signal or wait. Exit 0 when every write went through.
template <typename F> int Program(const QString &dosar, const QString &x, F la)
{
    PlatformaScriptata platforma;
    mDefinitii d(dosar, platforma);
    d.IncarcaColectie();
    bool bine = true;
    for (int j = 0; j < N; ++j) {
        la(j, d);
        d.TabelProbleme[++d.NrProbleme] = ProblemaLui(x, j);
        bine &= d.ScrieProblemaNoua();
        if (j >= 5 && Marcata(j - 5)) {
            int i = 2;
            while (d.TabelProbleme[i].Fisier.FaraBlancuri() != x + QString::number(j - 5))
                ++i;
            bine &= d.MarcheazaStearsa(i);
        }
    }
    return bine && !platforma.Mesaje.contains(MesajColectieSchimbata) ? 0 : 1;
}

// A purges before its problem 50: while B still runs it is refused; once B
// has closed the collection it removes B's marked problems and its own so far.
TEST(DouaPrograme, FiecareProblemaRamaneODataByteCuByte)
{
    for (const bool bIesit : {false, true}) {
        SCOPED_TRACE(bIesit);
        DosarTest dosar;
        const QString semnal = dosar.Cale() + "/B27", gata = dosar.Cale() + "/Bgata";
        bool purjat = false;
        const pid_t b = Proces([&] {
            const int r = Program(dosar.Cale(), "B", [&](int j, mDefinitii &) {
                if (j == 27)
                    Semnal(semnal);
                if (j == 28)
                    Asteapta(semnal + "A");
                if (j == 99 && !bIesit)
                    Asteapta(gata); // still open during A's purge
            });
            Semnal(gata);
            return r;
        });
        const pid_t a = Proces([&] {
            return Program(dosar.Cale(), "A", [&](int j, mDefinitii &d) {
                if (j == 0) // A then holds B24 as it was before B marked it
                    Asteapta(semnal);
                if (j == 1)
                    Semnal(semnal + "A");
                if (j != 50)
                    return;
                Asteapta(bIesit ? gata : semnal);
                purjat = StergereFizica(d);
                if (purjat != bIesit)
                    _exit(2);
                if (purjat)
                    d.IncarcaColectie();
                else
                    Semnal(gata);
            });
        });
        ASSERT_EQ(Sfarsit(a), 0);
        ASSERT_EQ(Sfarsit(b), 0);

        const QByteArray f = dosar.CitesteOcteti("Tezaurel.stn");
        const int numar = uint8_t(f[0]) | uint8_t(f[1]) << 8;
        QMap<QByteArray, int> gasite;
        for (int i = 2; i <= numar; ++i)
            ++gasite[f.mid((i - 1) * 512, 512)];
        int pastrate = 0;
        for (const QString x : {"A", "B"})
            for (int j = 0; j < N; ++j) {
                Problema p = ProblemaLui(x, j);
                p.Sters = Marcata(j) ? Adevarat : Fals;
                if (!(p.Sters && bIesit && (x == "B" || j + 5 < 50)))
                    pastrate += gasite.value(Octeti(p)) == 1;
            }
        EXPECT_EQ(pastrate, bIesit ? 2 * N - 15 : 2 * N);
        EXPECT_EQ(numar - 1, pastrate);
    }
}

TEST(DouaPrograme, ZavorulUnuiProgramOmoratEsteLuatDeCelalalt)
{
    DosarTest dosar;
    const pid_t tine = Proces([&] {
        ZavorColectie zavor(dosar.Colectie());
        zavor.IaScrierea();
        Semnal(dosar.Cale() + "/tin");
        for (;;)
            pause();
        return 0;
    });
    Asteapta(dosar.Cale() + "/tin");
    ZavorColectie zavor(dosar.Colectie(), std::chrono::milliseconds(100));
    EXPECT_EQ(zavor.IaScrierea(), ZavorColectie::Rezultat::Ocupat);
    kill(tine, SIGKILL); // no chance to let go
    Sfarsit(tine);
    EXPECT_EQ(zavor.IaScrierea(), ZavorColectie::Rezultat::Luat);
}

// Between our load and our writes another program appends, marks the problem
// we show, or puts a file of its own in place (a purge by a program that could
// not say it was there, a copy restored). We append e, then mark slot 3 (b).
TEST(DouaPrograme, ScriereaTineSeamaDeCeAFacutAltulIntreTimp)
{
    const struct
    {
        char fapta;
        const char *fisier; // names in the file, * for a mark
        int mesaje;
    } cazuri[] = {{'a', "a b* c d e", 0}, {'m', "a b* c e", 1}, {'i', "a c* x e", 1}};
    for (const auto &c : cazuri) {
        SCOPED_TRACE(c.fisier);
        DosarTest dosar, alt;
        auto p = [](const char *nume) { return FaProblema(6, 6, "D", "C", nume); };
        dosar.ScrieColectie({p("a"), p("b"), p("c")});
        alt.ScrieColectie({p("a"), p("c"), p("x")});
        PlatformaScriptata platforma;
        mDefinitii noi(dosar.Cale(), platforma), altul(dosar.Cale(), platforma);
        noi.IncarcaColectie();
        altul.IncarcaColectie();
        EXPECT_TRUE(c.fapta != 'a' || Adauga(altul, p("d")));
        EXPECT_TRUE(c.fapta != 'm' || altul.MarcheazaStearsa(3));
        EXPECT_TRUE(c.fapta != 'i' || noi.Acces().Inlocuieste(alt.Colectie(), dosar.Colectie()));
        ASSERT_TRUE(Adauga(noi, p("e")));
        noi.MarcheazaStearsa(3);

        EXPECT_EQ(platforma.Mesaje.size(), c.mesaje);
        QStringList nume;
        altul.IncarcaColectie();
        for (int i = 2; i <= altul.NrProbleme; ++i)
            nume << altul.TabelProbleme[i].Fisier.FaraBlancuri() +
                        (altul.TabelProbleme[i].EsteStearsa() ? "*" : "");
        EXPECT_EQ(nume.join(' '), c.fisier);
    }
}

} // namespace
