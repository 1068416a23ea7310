// A test paper of six problems, each a page of text scanned at 300 dpi
// (2480 x 3508 JPEG, its number "11." at the start of its first line),
// trimmed, its numbers covered, laid out and written to a PDF from cold, as
// when the teacher saves it. Goals: at most 1.5 times the bare reading of the
// six scans, measured in the same round (on a busy machine both slow down
// alike); the PDF at most 3 MB. The printer gets the same pages through the
// same drawing, so its figure is the PDF's.
#include "logica/lucrari/Barem.h"
#include "logica/lucrari/RedareLucrare.h"
#include "model/CitirePoza.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tezaurel;

namespace {

struct Dosar
{
    QTemporaryDir temp;
    Lucrare lucrare;

    Dosar()
    {
        QImage poza(2480, 3508, QImage::Format_RGB32);
        poza.fill(Qt::white);
        QPainter p(&poza);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(50);
        p.setFont(font);
        p.drawText(150, 200, "11.");
        for (int i = 0; i < 40; ++i)
            p.drawText(260, 200 + 80 * i, "Să se rezolve ecuația x² - 5x + 6 = 0 în mulțimea R.");
        p.end();
        lucrare.Antet.Titlu = QStringLiteral("Lucrare scrisă la matematică");
        lucrare.Antet.Clasa = QStringLiteral("IX B");
        for (int i = 1; i <= 6; ++i) {
            const QString nume = QStringLiteral("p%1.jpg").arg(i);
            poza.save(temp.path() + QLatin1Char('/') + nume, "JPG");
            lucrare.Probleme.push_back({nume, 1.5, {}, 3, FelSpatiu::Patratele});
        }
    }
};

// The words recognition keeps for each scan: the number, where it was drawn.
std::vector<CuvantRecunoscut> Cuvinte(const QString &)
{
    return {{QRect(150, 160, 90, 50), QStringLiteral("11.")},
            {QRect(260, 160, 200, 50), QStringLiteral("Să")}};
}

double CitesteSasePoze(const Dosar &dosar)
{
    QElapsedTimer ceas;
    ceas.start();
    for (const ProblemaLucrare &p : dosar.lucrare.Probleme)
        benchmark::DoNotOptimize(CitestePoza(dosar.temp.path() + QLatin1Char('/') + p.Poza));
    return ceas.nsecsElapsed() / 1e6;
}

// Both goals beside their baseline: the time against the reading, the PDF's size.
void Raporteaza(benchmark::State &stare, double ms, double citire, const QString &cale)
{
    const double mb = QFileInfo(cale).size() / 1048576.0;
    stare.counters["pdf_ms"] = ms;
    stare.counters["citire_ms"] = citire;
    stare.counters["pdf_MB"] = mb;
    stare.SetLabel(QStringLiteral("goal <= 1.5x the reading: %1x %2; goal <= 3 MB: %3")
                       .arg(ms / citire, 0, 'f', 2)
                       .arg(ms <= 1.5 * citire ? "met" : "MISSED", mb <= 3 ? "met" : "MISSED")
                       .toStdString());
}

void LucrareInPdf(benchmark::State &stare)
{
    Dosar dosar;
    const QString cale = dosar.temp.path() + QStringLiteral("/lucrare.pdf");
    double ms = 0, citire = 0;
    int pagini = 0;
    for (auto _ : stare) {
        citire = CitesteSasePoze(dosar);
        QElapsedTimer ceas;
        ceas.start();
        // A fresh renderer each time: no picture kept from the previous round.
        RedareLucrare redare(dosar.lucrare, dosar.temp.path() + QLatin1Char('/'), MarginiLucrare(),
                             nullptr, Cuvinte);
        if (!redare.ScriePdf(cale))
            stare.SkipWithError("the PDF was not written");
        pagini = redare.NrPagini();
        ms = ceas.nsecsElapsed() / 1e6;
    }
    stare.counters["pagini"] = pagini;
    Raporteaza(stare, ms, citire, cale);
}
BENCHMARK(LucrareInPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

// The grading scheme of the same paper, each problem with its scan as the
// solution's picture and three steps: the same goals.
void BaremInPdf(benchmark::State &stare)
{
    Dosar dosar;
    const QString cale = dosar.temp.path() + QStringLiteral("/barem.pdf");
    std::vector<Solutie> solutii;
    for (const ProblemaLucrare &p : dosar.lucrare.Probleme) {
        QFile f(dosar.temp.path() + QLatin1Char('/') + p.Poza);
        if (!f.open(QIODevice::ReadOnly))
            stare.SkipWithError("a scan cannot be read");
        solutii.push_back({f.readAll(),
                           QStringLiteral("Δ este 1"),
                           {{QStringLiteral("Calculul discriminantului"), 0.5},
                            {QStringLiteral("Rădăcinile"), 0.5},
                            {QStringLiteral("Verificarea"), 0.5}}});
    }
    double ms = 0, citire = 0;
    for (auto _ : stare) {
        citire = CitesteSasePoze(dosar);
        QElapsedTimer ceas;
        ceas.start();
        RedareBarem barem(dosar.lucrare, solutii, MarginiLucrare());
        if (!RedareBarem::ScriePdf({&barem}, cale))
            stare.SkipWithError("the PDF was not written");
        ms = ceas.nsecsElapsed() / 1e6;
    }
    Raporteaza(stare, ms, citire, cale);
}
BENCHMARK(BaremInPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
