// One Tezaurel reduced to its store, for the tests that run several at once:
//   driver_colectie DOSAR ETICHETA N [--purja J] [--semnal FISIER@J] [--dupa FISIER@J]
// appends N problems, marking some as it goes; --purja runs the purge before
// problem J; --semnal creates FISIER before problem J (at N: once the
// collection is closed); --dupa waits for FISIER before problem J.
//   driver_colectie DOSAR --tine
// takes the write lock, says "tin" and waits to be killed.
#include "platform/PlatformaTacuta.h"
#include "store/StergereFizica.h"
#include "store/mDefinitii.h"
#include "tests/store/ProblemeDriver.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <cstdio>
#include <unistd.h>

namespace {

struct Pas
{
    QString fisier;
    int j = -1;
};

Pas Citeste(const QString &argument)
{
    const auto parti = argument.split(QLatin1Char('@'));
    return {parti.value(0), parti.value(1).toInt()};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication aplicatie(argc, argv);
    const QStringList a = aplicatie.arguments();
    const QString dosar = a.value(1);
    if (a.value(2) == QLatin1String("--tine")) {
        ZavorColectie zavor(dosar + QStringLiteral("/Tezaurel.stn"));
        if (zavor.IaScrierea() != ZavorColectie::Rezultat::Luat)
            return 1;
        std::puts("tin");
        std::fflush(stdout);
        for (;;)
            ::pause();
    }
    const QString eticheta = a.value(2);
    const int numar = a.value(3).toInt();
    int purja = -1;
    Pas semnal, dupa;
    for (int k = 4; k + 1 < a.size(); k += 2) {
        if (a[k] == QLatin1String("--purja"))
            purja = a[k + 1].toInt();
        else if (a[k] == QLatin1String("--semnal"))
            semnal = Citeste(a[k + 1]);
        else if (a[k] == QLatin1String("--dupa"))
            dupa = Citeste(a[k + 1]);
    }

    PlatformaTacuta platforma;
    platforma.LaMesaj = [](const QString &text) { std::printf("%s\n", qPrintable(text)); };
    auto d = std::make_unique<mDefinitii>(dosar, platforma);
    d->IncarcaColectie();
    int esecuri = 0;
    for (int j = 0; j < numar; ++j) {
        if (j == semnal.j)
            QFile(semnal.fisier).open(QIODevice::WriteOnly);
        while (j == dupa.j && !QFile::exists(dupa.fisier))
            QThread::msleep(2);
        if (j == purja && StergereFizica(*d))
            d->IncarcaColectie(); // as the main window's load does
        if (!d->PoateAdauga())
            return 2;
        d->TabelProbleme[++d->NrProbleme] = ProblemaDriver(eticheta, j);
        esecuri += !d->ScrieProblemaNoua();
        if (j >= 5 && MarcataDeDriver(j - 5, numar)) {
            const QString nume = ProblemaDriver(eticheta, j - 5).Fisier.FaraBlancuri();
            // A refusal reloads the table: the second try finds the fresh slot.
            for (int incercare = 0; incercare < 2; ++incercare) {
                int i = 2;
                while (i <= d->NrProbleme && d->TabelProbleme[i].Fisier.FaraBlancuri() != nume)
                    ++i;
                if (i <= d->NrProbleme && d->MarcheazaStearsa(i))
                    break;
                esecuri += incercare;
            }
        }
    }
    d.reset();
    if (semnal.j == numar)
        QFile(semnal.fisier).open(QIODevice::WriteOnly);
    return esecuri == 0 ? 0 : 3;
}
