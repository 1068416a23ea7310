// Paging in the viewer against a bare decode of the same picture measured in
// the same run, and one step of a drag at several zooms. The pictures are A4
// pages at 300 dpi (2480x3508), as JPEG (how a scan is stored now) and as
// bitmap data (how pictures were stored before), under .jpg names.
#include "bench/Alocari.h"
#include "ferestre/comune/PanzaQt.h"
#include "ferestre/vizualizare/FereastraVizualizare.h"
#include "model/SelectieCurenta.h"
#include "unelte/AccesTestColectie.h"
#include "unelte/FerestreTacute.h"
#include "unelte/PlatformaTacuta.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

using namespace tezaurel;

namespace {

const char *const Formate[] = {"BMP", "JPEG"};
constexpr int NrProbleme = 12;

QImage Pagina()
{
    QImage pagina(2480, 3508, QImage::Format_RGB32);
    for (int y = 0; y < pagina.height(); ++y) {
        auto *rand = reinterpret_cast<QRgb *>(pagina.scanLine(y));
        for (int x = 0; x < pagina.width(); ++x)
            rand[x] = qRgb((x * 7) & 0xFF, (y * 3) & 0xFF, ((x ^ y) >> 2) & 0xFF);
    }
    return pagina;
}

// A selection of NrProbleme problems, each with its own copy of one page in
// the given format, the viewer shown with the first of them.
struct Mediu
{
    explicit Mediu(int format)
    {
        QDir().mkpath(dosar.path() + "/Probleme");
        Cale = dosar.path() + "/Probleme/p2.jpg";
        Pagina().save(Cale, Formate[format]);
        for (int i = 2; i < NrProbleme + 2; ++i) {
            const QString nume = QString("p%1.jpg").arg(i);
            if (i > 2)
                QFile::copy(Cale, dosar.path() + "/Probleme/" + nume);
            Problema &p = AccesTestColectie::Tabel(definitii)[i];
            p.Clasa = 9;
            p.Nivel = 8;
            p.Disciplina.Atribuie("Algebra");
            p.Capitol.Atribuie("Functii");
            p.Fisier.Atribuie(nume);
            selectie.Pozitii[i] = int16_t(i);
        }
        AccesTestColectie::Numar(definitii) = selectie.NrSelectie = NrProbleme + 1;
        f.show();
        selectie.SelectieNoua = true;
        QEvent activare(QEvent::WindowActivate);
        QApplication::sendEvent(&f, &activare);
        QApplication::processEvents();
    }
    bool Pregatit() { return f.Logica().Poza.Naturala().size() == QSize(2480, 3508); }

    // The bare decode, the baseline every goal is set against.
    double DecodareMs()
    {
        QElapsedTimer ceas;
        ceas.start();
        const double inceput = TimpFir();
        for (int i = 0; i < 3; ++i) {
            QImageReader cititor(Cale);
            cititor.setDecideFormatFromContent(true);
            benchmark::DoNotOptimize(cititor.read().constBits());
        }
        DecodareProcesorMs = (TimpFir() - inceput) / 3e-3;
        return ceas.nsecsElapsed() / 3e6;
    }

    // Presses the button and paints the panel; the time taken, in seconds.
    // The processor time of this thread is added up in Procesor: on a busy
    // machine it tells the work done from the waiting for a core.
    double Apasa(const char *buton)
    {
        QElapsedTimer ceas;
        ceas.start();
        const double inceput = TimpFir();
        f.Buton(buton)->trigger();
        Panou().repaint();
        Procesor += TimpFir() - inceput;
        return ceas.nsecsElapsed() / 1e9;
    }
    PanzaQt &Panou() { return *f.findChild<PanzaQt *>(); }
    static double TimpFir()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) + t.tv_nsec / 1e9;
    }
    double Procesor = 0;
    double DecodareProcesorMs = 0;

    QTemporaryDir dosar;
    QString Cale;
    PlatformaTacuta platforma;
    FerestreTacute ferestre;
    Colectie definitii{dosar.path(), platforma};
    SelectieCurenta selectie{definitii};
    FereastraVizualizare f{selectie, ferestre};
};

void Baza(benchmark::State &stare, Mediu &m, double tintaMs)
{
    stare.SetLabel(Formate[stare.range(0)]);
    const double decodare = m.DecodareMs();
    stare.counters["decodare_ms"] = decodare;
    stare.counters["decodare_procesor_ms"] = m.DecodareProcesorMs;
    stare.counters["tinta_ms"] = tintaMs > 0 ? tintaMs : std::min(16.0, decodare / 2);
}

// What paging has to beat: QImageReader alone, deciding the format from content.
void DecodareSimpla(benchmark::State &stare)
{
    Mediu m(int(stare.range(0)));
    stare.SetLabel(Formate[stare.range(0)]);
    for (auto _ : stare) {
        QImageReader cititor(m.Cale);
        cititor.setDecideFormatFromContent(true);
        QImage poza = cititor.read();
        benchmark::DoNotOptimize(poza.constBits());
    }
}
BENCHMARK(DecodareSimpla)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// "Inainte" to a neighbour read ahead while the teacher looked at the page,
// until the new picture is painted. Goal: 16 ms and half a bare decode. A
// second argument of 1 pages fitted to the panel's width.
void InainteLaVecinCitit(benchmark::State &stare)
{
    Mediu m(int(stare.range(0)));
    if (!m.Pregatit())
        return stare.SkipWithError("picture not loaded");
    Baza(stare, m, 0);
    if (stare.range(1))
        m.f.Logica().Poza.PotrivesteLaLatime(m.f.width());
    double procesor = 0;
    for (auto _ : stare) {
        if (m.selectie.PozitieCurenta == m.selectie.NrSelectie)
            m.Apasa("Prima");
        m.f.Logica().Cache().AsteaptaCitirile();
        m.Procesor = 0;
        stare.SetIterationTime(m.Apasa("Inainte"));
        procesor += m.Procesor;
    }
    stare.counters["pas_procesor_ms"] = 1000 * procesor / double(stare.iterations());
}
BENCHMARK(InainteLaVecinCitit)
    ->ArgNames({"format", "latime"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// "Ultima" and "Prima" in turn: pictures no read ahead can have prepared.
// Goal: at most 1.1 bare decodes.
void SaltLaPozaNecitita(benchmark::State &stare)
{
    Mediu m(int(stare.range(0)));
    if (!m.Pregatit())
        return stare.SkipWithError("picture not loaded");
    Baza(stare, m, 0);
    stare.counters["tinta_ms"] = 1.1 * stare.counters["decodare_ms"];
    bool laCapat = false;
    m.Procesor = 0;
    for (auto _ : stare) {
        m.f.Logica().Cache().AsteaptaCitirile();
        stare.SetIterationTime(m.Apasa((laCapat = !laCapat) ? "Ultima" : "Prima"));
    }
    stare.counters["pas_procesor_ms"] = 1000 * m.Procesor / double(stare.iterations());
}
BENCHMARK(SaltLaPozaNecitita)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// One pointer move during a drag, with the heap allocations it makes. Zoom: 0
// natural size, 1 one step larger, 2 fitted to the width; pictare 1 also
// paints the panel onto the window (Qt's painting allocates on its own).
void PasTragere(benchmark::State &stare)
{
    Mediu m(1);
    if (!m.Pregatit())
        return stare.SkipWithError("picture not loaded");
    Vizualizator &v = m.f.Logica();
    if (stare.range(0) == 1)
        v.Poza.Mareste();
    else if (stare.range(0) == 2)
        v.Poza.PotrivesteLaLatime(m.f.width());
    stare.counters["factor"] = v.Poza.Zoom().Factor();
    stare.counters["tinta_us"] = 1000;
    v.Cache().AsteaptaCitirile(); // their reads allocate on other threads
    v.Apasa(600, 300);
    int pas = 0;
    Alocari = 0;
    NumaraAlocari = true;
    for (auto _ : stare) {
        const double d = (pas++ % 200) - 100;
        v.Misca(600 + d, 300 + d / 2);
        if (stare.range(1))
            m.Panou().repaint();
    }
    NumaraAlocari = false;
    v.Elibereaza(600, 300);
    stare.counters["alocari_pe_pas"] =
        benchmark::Counter(double(Alocari.load()) / double(stare.iterations()));
}
BENCHMARK(PasTragere)
    ->ArgNames({"zoom", "pictare"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({0, 1})
    ->Unit(benchmark::kMicrosecond);

} // namespace
