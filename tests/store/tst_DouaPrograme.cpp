// Several Tezaurel programs on one collection, each a process of its own:
// nothing one of them stored is lost or damaged by another.
#include "store/StergereFizica.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"
#include "tests/store/AccesJurnal.h"

#include <QMap>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

constexpr int N = 100;
bool Marcata(int j) { return j % 10 == 4 && j + 5 < N; } // once problem j + 5 is stored
Problema ProblemaLui(const QString &x, int j, bool stearsa = false)
{
    return FaProblema(5 + j % 8, 5 + j % 6, x, QString("C%1").arg(j), x + QString::number(j),
                      stearsa, QString(100, QChar(u'a' + j % 26)));
}
template <typename F> pid_t Proces(F f)
{
    const pid_t pid = fork();
    return pid == 0 ? _exit(f()), 0 : pid;
}
int Sfarsit(pid_t pid) { return waitpid(pid, &pid, 0) > 0 ? pid : -1; } // 0: exit(0)
void Semnal(const QString &f) { QFile(f).open(QIODevice::WriteOnly); }
void Asteapta(const QString &f) { while (!QFile::exists(f)) QThread::msleep(2); }

// Appends N problems, marking some on the way; la(j) runs before problem j.
// 0 when every write went through and nothing was reloaded under it.
template <typename F> int Program(const QString &dosar, const QString &x, F la)
{
    PlatformaScriptata platforma;
    mDefinitii d(dosar, platforma);
    d.IncarcaColectie();
    bool bine = true;
    for (int j = 0; j < N; ++j) {
        la(j, d);
        bine &= Adauga(d, ProblemaLui(x, j));
        for (int i = 2; j >= 5 && Marcata(j - 5) && i <= d.NrProbleme; ++i)
            if (d.TabelProbleme[i] == ProblemaLui(x, j - 5))
                bine &= d.MarcheazaStearsa(i);
    }
    return bine && !platforma.Mesaje.contains(MesajColectieSchimbata) ? 0 : 1;
}

// A purges before its problem 50: refused while B still runs; once B has
// closed the collection, it removes B's marked problems and its own so far.
// A holds B's problems up to 27 as read before B marks 24: the purge must not
// write that stale copy back.
TEST(DouaPrograme, FiecareProblemaRamaneODataByteCuByte)
{
    for (const bool bIesit : {false, true}) {
        DosarTest dosar;
        const QString b27 = dosar.Cale() + "/B27", a1 = dosar.Cale() + "/A1", bGata = dosar.Cale() + "/B";
        const pid_t b = Proces([&] {
            const int r = Program(dosar.Cale(), "B", [&](int j, mDefinitii &) {
                if (j == 27) Semnal(b27);
                if (j == 28) Asteapta(a1);
                if (j == 99 && !bIesit) Asteapta(bGata); // still open during A's purge
            });
            Semnal(bGata);
            return r;
        });
        const pid_t a = Proces([&] {
            return Program(dosar.Cale(), "A", [&](int j, mDefinitii &d) {
                if (j == 0) Asteapta(b27);
                if (j == 1) Semnal(a1);
                if (j != 50) return;
                Asteapta(bIesit ? bGata : b27);
                if (StergereFizica(d) != bIesit) _exit(2);
                if (bIesit) d.IncarcaColectie(); else Semnal(bGata);
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
            for (int j = 0; j < N; ++j)
                pastrate += gasite.value(Octeti(ProblemaLui(x, j, Marcata(j)))) == 1 &&
                            !(Marcata(j) && bIesit && (x == "B" || j < 45));
        EXPECT_EQ(pastrate, bIesit ? 2 * N - 15 : 2 * N) << bIesit;
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
        return pause();
    });
    Asteapta(dosar.Cale() + "/tin");
    ZavorColectie zavor(dosar.Colectie(), std::chrono::milliseconds(100));
    EXPECT_EQ(zavor.IaScrierea(), ZavorColectie::Rezultat::Ocupat);
    kill(tine, SIGKILL); // no chance to let go
    Sfarsit(tine);
    EXPECT_EQ(zavor.IaScrierea(), ZavorColectie::Rezultat::Luat);
}

// Between our load and our writes another program appends (a), marks the
// problem we show (m), or a file is put in place (i: a purge by a program that
// could not say it was there, a copy restored). We append e, then mark b.
TEST(DouaPrograme, ScriereaTineSeamaDeCeAFacutAltulIntreTimp)
{
    for (const QString c : {"a|a b* c d e", "m|a b* c e|!", "i|a c* x e|!"}) {
        DosarTest dosar, alt;
        auto p = [](const char *nume) { return FaProblema(6, 6, "D", "C", nume); };
        dosar.ScrieColectie({p("a"), p("b"), p("c")});
        alt.ScrieColectie({p("a"), p("c"), p("x")});
        PlatformaScriptata platforma;
        mDefinitii noi(dosar.Cale(), platforma), altul(dosar.Cale(), platforma);
        noi.IncarcaColectie();
        altul.IncarcaColectie();
        EXPECT_TRUE(c[0] != 'a' || Adauga(altul, p("d")));
        EXPECT_TRUE(c[0] != 'm' || altul.MarcheazaStearsa(3));
        EXPECT_TRUE(c[0] != 'i' || noi.Acces().Inlocuieste(alt.Colectie(), dosar.Colectie()));
        ASSERT_TRUE(Adauga(noi, p("e")));
        noi.MarcheazaStearsa(3);
        altul.IncarcaColectie();
        QStringList nume;
        for (int i = 2; i <= altul.NrProbleme; ++i)
            nume << altul.TabelProbleme[i].Fisier.FaraBlancuri() + (altul.TabelProbleme[i].Sters ? "*" : "");
        EXPECT_EQ(nume.join(' '), c.section('|', 1, 1));
        EXPECT_EQ(platforma.Mesaje.size(), c.count('!'));
    }
}

} // namespace
