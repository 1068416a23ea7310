// Several Tezaurel programs on one collection: nothing one of them stored is
// lost or damaged by another.
#include "model/StergereFizica.h"
#include "tests/model/AccesJurnal.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

using namespace tezaurel;

template <typename F> pid_t Proces(F f)
{
    const pid_t pid = fork();
    return pid == 0 ? _exit(f()), 0 : pid;
}
int Sfarsit(pid_t pid)
{
    return waitpid(pid, &pid, 0) > 0 ? pid : -1;
} // 0: exit(0)

// Between our load and our writes another program appends (a), marks the
// problem we show (m), or a file is put in place (i: a purge by a program
// that could not say it was there, a copy restored); or it marks c and we
// purge while it is open (p) or after it closed (s). Then we append e and mark b.
TEST(DouaPrograme, ScriereaTineSeamaDeCeAFacutAltulIntreTimp)
{
    for (const QString c :
         {"a|a b* c d e", "m|a b* c e|!", "i|a c* x e|!", "p|a b* c* e|!", "s|a b* e|!"}) {
        SCOPED_TRACE(c.toStdString());
        DosarTest dosar, alt;
        auto p = [](const char *nume) { return FaProblema(6, 6, "D", "C", nume); };
        dosar.ScrieColectie({p("a"), p("b"), p("c")});
        alt.ScrieColectie({p("a"), p("c"), p("x")});
        PlatformaScriptata platforma;
        Colectie noi(dosar.Cale(), platforma);
        auto altul = std::make_unique<Colectie>(dosar.Cale(), platforma);
        noi.IncarcaColectie();
        altul->IncarcaColectie();
        EXPECT_TRUE(c[0] != 'a' || Adauga(*altul, p("d")));
        EXPECT_TRUE(c[0] != 'm' || altul->MarcheazaStearsa(3));
        EXPECT_TRUE(c[0] != 'i' || noi.Acces().Inlocuieste(alt.Colectie(), dosar.Colectie()));
        if (c[0] == 'p' || c[0] == 's') {
            EXPECT_TRUE(altul->MarcheazaStearsa(4));
            if (c[0] == 's')
                altul.reset();
            EXPECT_EQ(StergereFizica(noi), c[0] == 's');
            noi.IncarcaColectie();
        }
        ASSERT_TRUE(Adauga(noi, p("e")));
        noi.MarcheazaStearsa(3);
        noi.IncarcaColectie();
        QStringList nume;
        for (int i = 2; i <= noi.NrProbleme(); ++i) {
            const Problema &q = noi.ProblemaDin(i);
            nume << q.Fisier.FaraBlancuri() + (q.EsteStearsa() ? "*" : "");
        }
        EXPECT_EQ(nume.join(' '), c.section('|', 1, 1));
        EXPECT_EQ(noi.IaAnunturile().size() + (altul ? altul->IaAnunturile().size() : 0),
                  c.count('!'));
    }
}

// A program killed while it writes leaves no lock behind for the others.
TEST(DouaPrograme, ZavorulUnuiProgramOmoratEsteLuatDeCelalalt)
{
    DosarTest dosar;
    int tub[2];
    ASSERT_EQ(pipe(tub), 0);
    const pid_t tine = Proces([&] {
        ZavorColectie zavor(dosar.Colectie());
        zavor.IaScrierea();
        return int(write(tub[1], "x", 1)) + pause();
    });
    char x;
    ASSERT_EQ(read(tub[0], &x, 1), 1);
    ZavorColectie zavor(dosar.Colectie(), std::chrono::milliseconds(100));
    EXPECT_EQ(zavor.IaScrierea(), ZavorColectie::Rezultat::Ocupat);
    kill(tine, SIGKILL); // no chance to let go
    Sfarsit(tine);
    EXPECT_EQ(zavor.IaScrierea(), ZavorColectie::Rezultat::Luat);
}

// A file system that refuses record locks does not stop the teacher: every
// write goes ahead unguarded, and the load says so once. Another failure of
// the lock still refuses the write.
TEST(DouaPrograme, FaraZavoareSeScrieIarUtilizatorulAflaOData)
{
    for (const int eroare : {ENOLCK, EOPNOTSUPP, ENOSYS, EBADF}) {
        DosarTest dosar;
        dosar.ScrieColectie({FaProblema(9, 7, "A", "F", "a.jpg")});
        PlatformaScriptata platforma;
        auto acces = std::make_unique<AccesJurnal>();
        acces->EroareZavor = eroare;
        Colectie d(dosar.Cale(), platforma, std::move(acces));
        d.IncarcaColectie();
        const bool fara = eroare != EBADF;
        EXPECT_EQ(d.RaportIncarcare(), fara ? MesajFaraZavoare : QString());
        EXPECT_EQ(d.ScrieProblemaNoua(FaProblema(5, 5, "B", "G", "b.jpg")), fara);
        EXPECT_EQ(d.MarcheazaStearsa(2), fara);
        EXPECT_EQ(d.IaColectiaExclusiv(), fara);
        EXPECT_EQ(d.IaAnunturile().size(), fara ? 0 : 3);
    }
}
