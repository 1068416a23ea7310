// Loading the fullest collection the program can hold: 1999 problems; and
// the cost of an append that keeps other programs out.
#include "model/Colectie.h"
#include "unelte/PlatformaTacuta.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include <benchmark/benchmark.h>

using namespace tezaurel;

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
    Colectie definitii(dosar.path(), platforma);
    for (auto _ : stare) {
        definitii.IncarcaColectie();
        benchmark::DoNotOptimize(definitii.NrProbleme());
    }
}
BENCHMARK(IncarcaColectiePlina)->Unit(benchmark::kMillisecond);

double MedianaUs(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The append as it was before the lock (open, header, record, fsync) beside
// the append of today (lock, header re-read, problems of others loaded, the
// same writes and fsync), in turns, each on a collection of its own.
void AdaugareCuZavor(benchmark::State &stare)
{
    QTemporaryDir faraZavor, cuZavor;
    PlatformaTacuta platforma;
    Colectie d(cuZavor.path(), platforma);
    d.IncarcaColectie();
    const QString caleFara = faraZavor.path() + "/Tezaurel.stn";
    Problema p;
    p.Clasa = 9;
    p.Fisier.Atribuie("p.jpg");
    int16_t nrFara = 1;
    std::vector<double> fara, cu;
    AccesFisiereDisc disc;
    for (auto _ : stare) {
        if (nrFara >= Colectie::UltimulSlot - 1) { // full: start both again, untimed
            QFile::resize(caleFara, 0);
            QFile::resize(d.DosarAplicatie() + "/Tezaurel.stn", 0);
            nrFara = 1;
            d.IncarcaColectie();
        }
        QElapsedTimer ceas;
        ceas.start();
        {
            auto fisier = disc.Deschide(caleFara, AccesFisiere::Mod::CitireScriere);
            Problema antet;
            antet.Clasa = ++nrFara;
            fisier->Scrie(1, antet.Codifica());
            fisier->Scrie(nrFara, p.Codifica());
            fisier->Sincronizeaza();
        }
        fara.push_back(ceas.nsecsElapsed() / 1e3);
        ceas.restart();
        if (!d.ScrieProblemaNoua(p))
            stare.SkipWithError("the append failed");
        cu.push_back(ceas.nsecsElapsed() / 1e3);
    }
    const double raport = MedianaUs(cu) / MedianaUs(fara);
    stare.counters["fara_zavor_us"] = MedianaUs(fara);
    stare.counters["cu_zavor_us"] = MedianaUs(cu);
    stare.counters["raport"] = raport;
    stare.SetLabel(raport <= 1.2 ? "goal <= 1.2x the append without lock: met"
                                 : "goal <= 1.2x the append without lock: MISSED");
}
BENCHMARK(AdaugareCuZavor)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
