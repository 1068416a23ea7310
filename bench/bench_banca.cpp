// The problem bank over the fullest collection (1999 problems), each goal
// printed beside a baseline measured in the same run: the bare query or loop
// the bank cannot do with less than, or the bare drawing of the pictures.
#include "ferestre/banca/ModelRezultate.h"
#include "logica/banca/Miniaturi.h"
#include "logica/banca/ModelBanca.h"
#include "logica/cautare/IndexText.h"
#include "logica/lucrari/CompunereLucrare.h"
#include "model/Colectie.h"
#include "unelte/AccesTestColectie.h"
#include "unelte/PlatformaTacuta.h"

#include <QDir>
#include <QElapsedTimer>
#include <QListView>
#include <QPainter>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace tezaurel;

namespace {

const QStringList Cuvinte = {QStringLiteral("ecuatia"),    QStringLiteral("functia"),
                             QStringLiteral("triunghiul"), QStringLiteral("aria"),
                             QStringLiteral("sirul"),      QStringLiteral("probabilitatea")};

// A collection as full as the file allows, every picture recognised.
struct Colectie2000
{
    QTemporaryDir dosar;
    PlatformaTacuta platforma;
    Colectie d{dosar.path(), platforma};
    CompunereLucrare compunere{d.Baza(), platforma, d.CaleProbleme()};
    std::unique_ptr<ModelBanca> model;

    Colectie2000()
    {
        IndexText::InregistreazaSchema(d.Baza());
        d.Baza().Deschide();
        QSqlQuery(d.Baza().Conexiune()).exec(QStringLiteral("PRAGMA synchronous = OFF"));
        QHash<QString, QString> probleme;
        for (int i = 2; i <= Colectie::UltimulSlot; ++i) {
            Problema &p = AccesTestColectie::Tabel(d)[i];
            p.Clasa = int16_t(5 + i % 8);
            p.Nivel = int16_t(5 + i % 6);
            p.Capitol.Atribuie(QStringLiteral("Capitolul %1").arg(i % 120));
            p.Disciplina.Atribuie(QStringLiteral("Disciplina %1").arg(i % 12));
            p.Fisier.Atribuie(QStringLiteral("p%1.jpg").arg(i));
            probleme.insert(QStringLiteral("p%1.jpg").arg(i), QString());
        }
        AccesTestColectie::Numar(d) = Colectie::UltimulSlot;
        IndexText::Intrari cunoscute;
        IndexText::Potriveste(d.Baza(), probleme, cunoscute);
        for (int i = 2; i <= Colectie::UltimulSlot; ++i)
            IndexText::Inregistreaza(d.Baza(), QStringLiteral("p%1.jpg").arg(i), 1, 1,
                                     QStringLiteral("Aflati %1 si %2 din problema %3")
                                         .arg(Cuvinte[i % 6], Cuvinte[i / 6 % 6])
                                         .arg(i));
        model = std::make_unique<ModelBanca>(d, compunere.Arhiva());
    }
};

// Typing in the words field: the results follow each word typed. Goal 50 ms.
void TastareCuvinte(benchmark::State &stare)
{
    Colectie2000 c;
    QSqlQuery numara(c.d.Baza().Conexiune());
    numara.prepare(
        QStringLiteral("SELECT count(*) FROM texte_cautare WHERE texte_cautare MATCH ?"));
    QElapsedTimer ceas;
    qint64 baza = 0;
    int k = 0;
    for (auto _ : stare) {
        FiltruBanca f;
        f.Cuvinte = Cuvinte[k % 6].left(3 + k % 4);
        c.model->SeteazaFiltru(f);
        stare.PauseTiming();
        ceas.start();
        numara.addBindValue(IndexText::Interogare(f.Cuvinte));
        numara.exec();
        numara.next();
        baza += ceas.nsecsElapsed();
        ++k;
        stare.ResumeTiming();
    }
    stare.counters["tinta_ms"] = 50;
    stare.counters["numarare_simpla_ms"] = double(baza) / 1e6 / std::max(1, k);
}
BENCHMARK(TastareCuvinte)->Unit(benchmark::kMillisecond);

// A class or chapter chosen: the new count. Goal 20 ms.
void SchimbareFiltru(benchmark::State &stare)
{
    Colectie2000 c;
    QElapsedTimer ceas;
    qint64 baza = 0;
    int k = 0;
    for (auto _ : stare) {
        FiltruBanca f;
        f.Clasa = 5 + k % 8;
        f.Capitol = k % 2 ? QStringLiteral("Capitolul %1").arg(k % 120) : QString();
        c.model->SeteazaFiltru(f);
        benchmark::DoNotOptimize(c.model->Rezultate().size());
        stare.PauseTiming();
        ceas.start();
        int n = 0;
        for (int s = 2; s <= c.d.NrProbleme(); ++s)
            n += c.d.ProblemaDin(s).Clasa == f.Clasa;
        benchmark::DoNotOptimize(n);
        baza += ceas.nsecsElapsed();
        ++k;
        stare.ResumeTiming();
    }
    stare.counters["tinta_ms"] = 20;
    stare.counters["numarare_simpla_ms"] = double(baza) / 1e6 / std::max(1, k);
}
BENCHMARK(SchimbareFiltru)->Unit(benchmark::kMillisecond);

QImage Scanare(int i)
{
    QImage poza(1240, 1754, QImage::Format_RGB32); // A4 at 150 dpi
    poza.fill(Qt::white);
    QPainter pictor(&poza);
    pictor.setFont(QFont(QStringLiteral("DejaVu Sans"), 40));
    for (int r = 0; r < 12; ++r)
        pictor.drawText(100, 150 + r * 120,
                        QStringLiteral("%1. %2").arg(r + i).arg(Cuvinte[r % 6]));
    return poza;
}

// First-run thumbnails on one thread. Goal 20 a second; the baseline
// decodes and scales the same pictures without keeping anything.
void MiniaturiPeSecunda(benchmark::State &stare)
{
    QTemporaryDir dosar;
    constexpr int N = 20;
    QStringList cai;
    for (int i = 0; i < N; ++i) {
        cai << dosar.filePath(QStringLiteral("p%1.jpg").arg(i));
        Scanare(i).save(cai.last(), "JPG", 85);
    }
    QElapsedTimer ceas;
    qint64 baza = 0;
    int runde = 0;
    for (auto _ : stare) {
        stare.PauseTiming();
        QDir(dosar.filePath(QStringLiteral("cache"))).removeRecursively();
        stare.ResumeTiming();
        Miniaturi m(dosar.filePath(QStringLiteral("cache")));
        for (const QString &cale : cai)
            m.Miniatura(cale);
        m.AsteaptaTot();
        stare.PauseTiming();
        ceas.start();
        for (const QString &cale : cai)
            benchmark::DoNotOptimize(QImage(cale).scaled(Miniaturi::Latura, Miniaturi::Inaltime,
                                                         Qt::KeepAspectRatio,
                                                         Qt::SmoothTransformation));
        baza += ceas.nsecsElapsed();
        ++runde;
        stare.ResumeTiming();
    }
    stare.SetItemsProcessed(int64_t(stare.iterations()) * N);
    stare.counters["tinta_pe_secunda"] = 20;
    stare.counters["doar_decodare_pe_secunda"] = N * runde / (double(baza) / 1e9);
}
BENCHMARK(MiniaturiPeSecunda)->Unit(benchmark::kMillisecond)->UseRealTime();

// Scrolling: a screenful of results with their thumbnails already made.
// Goal 16 ms a frame; the baseline draws the same pictures alone.
void PictareEcranMiniaturi(benchmark::State &stare)
{
    Colectie2000 c;
    QTemporaryDir dosar;
    Miniaturi miniaturi(dosar.filePath(QStringLiteral("cache")));
    // The thumbnails as a second start finds them, in the cache folder.
    const QImage mica =
        Scanare(0).scaled(Miniaturi::Latura, Miniaturi::Inaltime, Qt::KeepAspectRatio);
    QDir().mkpath(c.d.CaleProbleme());
    for (int i = 2; i <= Colectie::UltimulSlot; ++i)
        mica.save(c.d.CaleProbleme() + QStringLiteral("p%1.jpg").arg(i), "JPG");
    ModelRezultate rezultate(c.d, *c.model, miniaturi);
    QListView lista;
    lista.setViewMode(QListView::IconMode);
    lista.setUniformItemSizes(true);
    lista.setIconSize(QSize(Miniaturi::Latura, Miniaturi::Inaltime));
    lista.setGridSize(QSize(Miniaturi::Latura + 16, Miniaturi::Inaltime + 44));
    lista.setModel(&rezultate);
    lista.resize(600, 700);
    lista.show();
    QImage cadru(lista.size(), QImage::Format_RGB32);
    lista.render(&cadru); // asks for the first screenful
    miniaturi.AsteaptaTot();
    QElapsedTimer ceas;
    qint64 baza = 0;
    int k = 0;
    for (auto _ : stare) {
        lista.render(&cadru);
        stare.PauseTiming();
        ceas.start();
        QPainter pictor(&cadru);
        for (int i = 0; i < 12; ++i)
            pictor.drawImage(QPoint(i % 4 * 144, i / 4 * 204), mica);
        pictor.end();
        baza += ceas.nsecsElapsed();
        ++k;
        stare.ResumeTiming();
    }
    // Every thumbnail of the collection asked for and made, as after scrolling to the end.
    for (int r = 0; r < rezultate.rowCount(); ++r)
        rezultate.data(rezultate.index(r), Qt::DecorationRole);
    miniaturi.AsteaptaTot();
    rusage folosit{};
    getrusage(RUSAGE_SELF, &folosit);
    stare.counters["tinta_ms"] = 16;
    stare.counters["doar_pozele_ms"] = double(baza) / 1e6 / std::max(1, k);
    stare.counters["memorie_maxima_MB"] = double(folosit.ru_maxrss) / 1024;
    stare.counters["tinta_memorie_MB"] = 300;
}
BENCHMARK(PictareEcranMiniaturi)->Unit(benchmark::kMillisecond);

} // namespace
