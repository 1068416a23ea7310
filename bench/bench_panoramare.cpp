// One step of dragging a problem's picture about the editor: clear the canvas,
// copy the whole picture at its new place (clipped), refresh. Measured through
// the editor window itself on an A4 page scanned at 300 dpi, with the number
// of heap allocations each step makes.
#include "bench/Alocari.h"
#include "ferestre/comune/PanzaQt.h"
#include "ferestre/editare/FereastraEditare.h"
#include "logica/editare/EditareProbleme.h"
#include "model/Colectie.h"
#include "unelte/FerestreTacute.h"
#include "unelte/PlatformaTacuta.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

using namespace tezaurel;

namespace {

// A page of ruled "text": dark strokes on white, like a scanned problem.
QImage Pagina(int latime, int inaltime)
{
    QImage pagina(latime, inaltime, QImage::Format_RGB32);
    for (int y = 0; y < inaltime; ++y) {
        auto *rand = reinterpret_cast<QRgb *>(pagina.scanLine(y));
        const bool randText = (y / 12) % 5 != 4;
        for (int x = 0; x < latime; ++x)
            rand[x] =
                randText && ((x * 7 + y * 3) % 23) < 5 ? qRgb(30, 30, 40) : qRgb(250, 250, 245);
    }
    return pagina;
}

// Arguments: picture width and height, canvas width and height; 1 to also
// paint the canvas onto the window after each step; the zoom: 0 natural size,
// 1 one step larger, 2 fitted to the canvas's width.
void PasTragere(benchmark::State &stare)
{
    const QSize poza(int(stare.range(0)), int(stare.range(1)));
    const QSize suprafata(int(stare.range(2)), int(stare.range(3)));
    const bool cuPictare = stare.range(4) != 0;
    const int64_t zoom = stare.range(5);

    QTemporaryDir dosar;
    QDir(dosar.path()).mkpath("Probleme");
    PlatformaTacuta platforma;
    platforma.LaMesaj = [](const QString &text) { qWarning("%s", qPrintable(text)); };
    platforma.FisierAles = dosar.path() + "/pagina.jpg";
    Pagina(poza.width(), poza.height()).save(platforma.FisierAles, "JPEG", 90);

    FerestreTacute ferestre;
    Colectie definitii(dosar.path(), platforma);
    definitii.IncarcaColectie();
    FereastraEditare editor(definitii, ferestre);
    editor.show();
    PanzaQt &panza = *editor.findChild<PanzaQt *>();
    editor.resize(editor.size() + suprafata - panza.size());
    QApplication::processEvents();
    if (panza.size() != suprafata) {
        stare.SkipWithError("the canvas did not take the size asked for");
        return;
    }
    EditareProbleme &editare = editor.Editare();
    editare.DeschideFisier();
    if (editare.LatimeImagine() != poza.width()) {
        stare.SkipWithError("the picture did not load");
        return;
    }

    if (zoom == 1)
        editare.Poza().Mareste();
    else if (zoom == 2)
        editare.Poza().PotrivesteLaLatime(suprafata.width());
    stare.counters["factor"] = editare.Poza().Zoom().Factor();

    // The picture covers the canvas at every step, so each copies the whole canvas.
    editare.Apasa(400, 300);
    long pas = 0;
    Alocari = 0;
    NumaraAlocari = true;
    for (auto _ : stare) {
        const double d = double(++pas % 200);
        editare.Misca(400 - d, 300 - d);
        if (cuPictare)
            panza.repaint();
    }
    NumaraAlocari = false;
    stare.counters["alocari_pe_pas"] =
        benchmark::Counter(double(Alocari.load()) / double(stare.iterations()));
    stare.counters["mpixeli_pe_pas"] = double(suprafata.width()) * suprafata.height() / 1e6;
}

BENCHMARK(PasTragere)
    ->ArgNames({"latime", "inaltime", "panza_l", "panza_h", "pictare", "zoom"})
    ->Args({2480, 3508, 901, 654, 0, 0}) // the editor's canvas: the goal is under 1 ms
    ->Args({2480, 3508, 901, 654, 1, 0})
    ->Args({2480, 3508, 901, 654, 0, 1}) // at every zoom
    ->Args({2480, 3508, 901, 654, 0, 2})
    ->Args({3508, 4960, 901, 654, 0, 0})   // an A3 page: twice the picture, same canvas
    ->Args({2480, 3508, 1802, 1308, 0, 0}) // four times the canvas
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicatie(argc, argv);
    // The offscreen platform's complaints about window hints would bury the table.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
        if (!text.startsWith(QLatin1String("This plugin does not support")))
            fprintf(stderr, "%s\n", qPrintable(text));
    });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
