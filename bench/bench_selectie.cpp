// The selection over the fullest collection: 1999 problems.
#include "logica/selectie/EvaluareSelectie.h"
#include "logica/selectie/ModelSelectie.h"
#include "model/SelectieCurenta.h"
#include "unelte/AccesTestColectie.h"
#include "unelte/PlatformaTacuta.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tezaurel;

namespace {

QString Capitol(int k)
{
    return QStringLiteral("Capitolul %1: ecuatii si inecuatii").arg(k);
}
QString Disciplina(int k)
{
    return QStringLiteral("Disciplina %1").arg(k);
}

// Problem i has chapter i % capitole and discipline i % discipline.
void Umple(Colectie &d, int capitole, int discipline)
{
    for (int i = 2; i <= Colectie::UltimulSlot; ++i) {
        Problema &p = AccesTestColectie::Tabel(d)[i];
        p.Clasa = int16_t(5 + i % 8);
        p.Nivel = int16_t(5 + i % 6);
        p.Capitol.Atribuie(Capitol(i % capitole));
        p.Disciplina.Atribuie(Disciplina(i % discipline));
        p.Fisier.Atribuie(QStringLiteral("p%1.jpg").arg(i));
    }
    AccesTestColectie::Numar(d) = Colectie::UltimulSlot;
}

// "Vizualizare" with 50 chapters and 10 disciplines chosen and no class or
// level: every record is compared with the chosen chapters.
void Evaluare50Capitole10Discipline(benchmark::State &stare)
{
    QTemporaryDir dosar;
    PlatformaTacuta platforma;
    platforma.RaspunsDaNu = false;
    Colectie d(dosar.path(), platforma);
    SelectieCurenta sel(d);
    Umple(d, 400, 40);
    QStringList capitole, discipline;
    for (int k = 0; k < 50; ++k)
        capitole << Capitol(k * 7);
    for (int k = 0; k < 10; ++k)
        discipline << Disciplina(k * 3);
    for (auto _ : stare) {
        FiltreSelectie filtre;
        ColecteazaAlegeri(sel, capitole, discipline, filtre);
        FiltreazaProbleme(sel, filtre);
        benchmark::DoNotOptimize(sel.NrSelectie);
    }
    stare.counters["selectate"] = sel.NrSelectie - 1;
}
BENCHMARK(Evaluare50Capitole10Discipline)->Unit(benchmark::kMicrosecond);

// Showing the dialog over a collection whose every chapter is different.
void UmplereListe1999Capitole(benchmark::State &stare)
{
    QTemporaryDir dosar;
    PlatformaTacuta platforma;
    platforma.RaspunsDaNu = false;
    Colectie d(dosar.path(), platforma);
    SelectieCurenta sel(d);
    Umple(d, 1999, 100);
    ModelSelectie model(sel);
    for (auto _ : stare) {
        model.ListeIncarcate = false;
        model.UmpleListe();
        benchmark::DoNotOptimize(model.Intrari(ListaSelectie::Capitole).size());
    }
}
BENCHMARK(UmplereListe1999Capitole)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
