// Paging in the viewer against a bare load of the same picture, and one step
// of a drag. The pictures are A4 pages at 300 dpi (2480x3508), stored once as
// bitmap data and once as JPEG, both under .jpg names as the editor leaves them.
#include "bench/FerestreTacute.h"
#include "platform/Panza.h"
#include "platform/PlatformaTacuta.h"
#include "store/mDefinitii.h"
#include "viewer/fVizualizare.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const char *const Formate[] = {"BMP", "JPEG"};

// Two problems whose pictures are copies of one page in the given format, the
// viewer shown with the first of them.
struct Mediu
{
    explicit Mediu(int format)
    {
        QImage pagina(2480, 3508, QImage::Format_RGB32);
        for (int y = 0; y < pagina.height(); ++y) {
            auto *rand = reinterpret_cast<QRgb *>(pagina.scanLine(y));
            for (int x = 0; x < pagina.width(); ++x)
                rand[x] = qRgb((x * 7) & 0xFF, (y * 3) & 0xFF, ((x ^ y) >> 2) & 0xFF);
        }
        Cale = dosar.path() + "/Probleme/a.jpg";
        QDir().mkpath(dosar.path() + "/Probleme");
        pagina.save(Cale, Formate[format]);
        pagina.save(dosar.path() + "/Probleme/b.jpg", Formate[format]);
        for (int i : {2, 3}) {
            Problema &p = definitii.TabelProbleme[i];
            p.Clasa = 9;
            p.Nivel = 8;
            p.Disciplina.Atribuie("Algebra");
            p.Capitol.Atribuie("Functii");
            p.Fisier.Atribuie(i == 2 ? "a.jpg" : "b.jpg");
            definitii.Selectie[i] = int16_t(i);
        }
        definitii.NrProbleme = 3;
        definitii.NrSelectie = 3;
        f.show();
        definitii.SelectieNoua = Adevarat;
        QEvent activare(QEvent::WindowActivate);
        QApplication::sendEvent(&f, &activare);
        QApplication::processEvents();
    }
    bool Pregatit() { return f.Logica().Picture2.size() == QSize(2480, 3508); }

    void Mouse(QEvent::Type tip, QPointF la, Qt::MouseButtons butoane)
    {
        QMouseEvent e(tip, la, f.findChild<Panza *>()->mapToGlobal(la), Qt::LeftButton, butoane,
                      Qt::NoModifier);
        QApplication::sendEvent(f.findChild<Panza *>(), &e);
    }

    QTemporaryDir dosar;
    QString Cale;
    PlatformaTacuta platforma;
    FerestreTacute ferestre;
    mDefinitii definitii{dosar.path(), platforma};
    fVizualizare f{definitii, ferestre};
};

// What paging has to beat: QImageReader alone, deciding the format from content.
void IncarcareSimpla(benchmark::State &stare)
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
BENCHMARK(IncarcareSimpla)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// "Inainte" until the new picture is painted on the panel.
void Inainte(benchmark::State &stare)
{
    Mediu m(int(stare.range(0)));
    stare.SetLabel(Formate[stare.range(0)]);
    if (!m.Pregatit()) {
        stare.SkipWithError("picture not loaded");
        return;
    }
    QAction *inainte = m.f.Buton("Inainte");
    for (auto _ : stare) {
        m.definitii.PozitieCurenta = 2;
        inainte->trigger();
        m.f.findChild<Panza *>()->repaint();
    }
}
BENCHMARK(Inainte)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One pointer move during a drag, painted.
void PasTragere(benchmark::State &stare)
{
    Mediu m(0);
    if (!m.Pregatit()) {
        stare.SkipWithError("picture not loaded");
        return;
    }
    m.Mouse(QEvent::MouseButtonPress, QPointF(600, 300), Qt::LeftButton);
    int pas = 0;
    for (auto _ : stare) {
        const double d = (pas++ % 200) - 100;
        m.Mouse(QEvent::MouseMove, QPointF(600 + d, 300 + d / 2), Qt::LeftButton);
        m.f.findChild<Panza *>()->repaint();
    }
    m.Mouse(QEvent::MouseButtonRelease, QPointF(600, 300), Qt::NoButton);
}
BENCHMARK(PasTragere)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicatie(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
