// Loading the fullest collection the program can hold: 1999 problems.
#include "platform/PlatformaTacuta.h"
#include "store/mDefinitii.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void IncarcaColectiePlina(benchmark::State &stare)
{
    QTemporaryDir dosar;
    QFile f(dosar.path() + "/Tezaurel.stn");
    f.open(QIODevice::WriteOnly);
    QByteArray antet(512, '\0');
    antet[0] = char(2000 & 0xFF);
    antet[1] = char(2000 >> 8);
    f.write(antet);
    Problema p;
    p.Clasa = 9;
    p.Nivel = 7;
    p.Disciplina.Atribuie("Algebra");
    p.Capitol.Atribuie("Functii");
    p.Fisier.Atribuie("p.jpg");
    const auto inregistrare = p.Codifica();
    for (int i = 2; i <= 2000; ++i)
        f.write(inregistrare.data(), 512);
    f.close();

    PlatformaTacuta platforma;
    mDefinitii definitii(dosar.path(), platforma);
    for (auto _ : stare) {
        definitii.IncarcaColectie();
        benchmark::DoNotOptimize(definitii.NrProbleme);
    }
}
BENCHMARK(IncarcaColectiePlina)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
