// Purging the fullest collection the program can hold: 1999 problems, the
// file written beside the old one, pushed to the disk and put in its place.
#include "model/Colectie.h"
#include "model/StergereFizica.h"
#include "unelte/PlatformaTacuta.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tezaurel;

namespace {

// Deletions succeed without touching the disk: the rewrite is what is measured.
QByteArray ColectiePlina(int pasMarcare)
{
    QByteArray octeti(512, '\0');
    octeti[0] = char(2000 & 0xFF);
    octeti[1] = char(2000 >> 8);
    for (int i = 2; i <= 2000; ++i) {
        Problema p;
        p.Clasa = 9;
        p.Nivel = 7;
        p.Disciplina.Atribuie("Algebra");
        p.Capitol.Atribuie("Functii");
        p.Fisier.Atribuie(QString("p%1.jpg").arg(i));
        p.Sters = pasMarcare > 0 && i % pasMarcare == 0 ? Adevarat : Fals;
        const auto inregistrare = p.Codifica();
        octeti.append(inregistrare.data(), 512);
    }
    return octeti;
}

// range(0): every n-th problem is marked; 0 marks none.
void StergereFizica1999(benchmark::State &stare)
{
    QTemporaryDir dosar;
    const QByteArray octeti = ColectiePlina(int(stare.range(0)));
    PlatformaTacuta platforma;
    platforma.RezultatStergere = true;
    Colectie definitii(dosar.path(), platforma);
    for (auto _ : stare) {
        stare.PauseTiming();
        QFile f(dosar.path() + "/Tezaurel.stn");
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(octeti);
        f.close();
        definitii.IncarcaColectie();
        stare.ResumeTiming();
        benchmark::DoNotOptimize(StergereFizica(definitii));
    }
}
BENCHMARK(StergereFizica1999)->Arg(0)->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
