#include "tests/comune/DosarTest.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>

using namespace tezaurel;

DosarTest::DosarTest()
{
    QDir(Cale()).mkpath(QStringLiteral("Probleme"));
    QDir(Cale()).mkpath(QStringLiteral("teste"));
}

void DosarTest::ScrieOcteti(const QString &numeRelativ, const QByteArray &octeti) const
{
    QFile f(Cale() + QLatin1Char('/') + numeRelativ);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(f.fileName()));
    f.write(octeti);
}

QByteArray DosarTest::CitesteOcteti(const QString &numeRelativ) const
{
    QFile f(Cale() + QLatin1Char('/') + numeRelativ);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void DosarTest::ScrieColectie(const std::vector<Problema> &probleme) const
{
    Problema antet;
    antet.Clasa = static_cast<int16_t>(probleme.size() + 1);
    QByteArray octeti = Octeti(antet);
    for (const Problema &p : probleme)
        octeti += Octeti(p);
    ScrieOcteti(QStringLiteral("Tezaurel.stn"), octeti);
}

void DosarTest::ScriePoza(const QString &nume, const QImage &poza) const
{
    poza.save(Cale() + QStringLiteral("/Probleme/") + nume, "BMP");
}

Problema FaProblema(int clasa, int nivel, const QString &disciplina, const QString &capitol,
                    const QString &fisier, bool stearsa, const QString &observatii)
{
    Problema p;
    p.Clasa = static_cast<int16_t>(clasa);
    p.Nivel = static_cast<int16_t>(nivel);
    p.Disciplina.Atribuie(disciplina);
    p.Capitol.Atribuie(capitol);
    p.Observatii.Atribuie(observatii);
    p.Fisier.Atribuie(fisier);
    p.Sters = stearsa ? Adevarat : Fals;
    return p;
}

QByteArray Octeti(const Problema &p)
{
    const auto r = p.Codifica();
    return QByteArray(r.data(), Problema::MarimeInregistrare);
}

QImage PozaModel(int latime, int inaltime)
{
    QImage poza(latime, inaltime, QImage::Format_RGB32);
    for (int y = 0; y < inaltime; ++y)
        for (int x = 0; x < latime; ++x)
            poza.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256 + y / 256 * 16) % 256));
    return poza;
}

void CaUtilizatorObisnuit(const std::function<void()> &corp)
{
    // The child is this test run again on its own, started afresh (a fork of
    // a process with Qt's threads could wait for ever on a lock): there the
    // body runs; here, once per test, only the child is started and waited for.
    static const char *const Copil = "TEZAUREL_UTILIZATOR_OBISNUIT";
    if (qEnvironmentVariableIsSet(Copil))
        return corp();
    const auto *test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string nume = std::string(test->test_suite_name()) + "." + test->name();
    static std::string ultimul;
    if (std::exchange(ultimul, nume) == nume)
        return;
    fflush(stdout);
    const pid_t copil = fork();
    ASSERT_GE(copil, 0);
    if (copil == 0) {
        const passwd *nimeni = getpwnam("nobody");
        if (geteuid() == 0 && (!nimeni || setgroups(0, nullptr) != 0 ||
                               setgid(nimeni->pw_gid) != 0 || setuid(nimeni->pw_uid) != 0))
            _exit(2);
        setenv(Copil, "1", 1);
        unsetenv("XDG_RUNTIME_DIR");
        const std::string filtru = "--gtest_filter=" + nume;
        execl("/proc/self/exe", "teste", filtru.c_str(), static_cast<char *>(nullptr));
        _exit(3);
    }
    int stare = 0;
    ASSERT_EQ(waitpid(copil, &stare, 0), copil);
    EXPECT_TRUE(WIFEXITED(stare) && WEXITSTATUS(stare) == 0) << "the child run failed: " << stare;
}
