// One frame of the title animation: the whole row redrawn on a canvas the size
// of the client area and copied whole onto the window, within a 50 ms tick.
#include "logica/banner/Banner.h"

#include <QImage>

#include <benchmark/benchmark.h>

using namespace tezaurel;

namespace {

class GazdaBench final : public GazdaBanner
{
public:
    QImage &PanzaAscunsa() override { return panza; }
    void StergePanzaAscunsa() override { panza.fill(0xfff0f0f0); }
    void CopiazaPeFereastra() override { fereastra = panza.copy(); }
    void ActiveazaTimer(bool activ) override { timer = activ; }
    bool FereastraVizibila() const override { return false; }
    void CantaSunetul() override {}

    QImage panza{1010, 636, QImage::Format_RGB32};
    QImage fereastra;
    bool timer = false;
};

std::array<QImage, Banner::NrLitere> Litere()
{
    std::array<QImage, Banner::NrLitere> litere;
    for (QImage &litera : litere) {
        litera = QImage(40, 65, QImage::Format_RGB32);
        litera.fill(Qt::white);
        for (int y = 10; y < 55; y += 2)
            for (int x = 5; x < 35; ++x)
                litera.setPixel(x, y, qRgb(0, 0, 0));
    }
    return litere;
}

void TickBanner(benchmark::State &stare)
{
    GazdaBench gazda;
    Banner banner(gazda, Litere());
    // The longest swap, slot 0 with slot 20, restarted whenever it lands.
    auto porneste = [&] {
        banner.Aseaza({1111, 636});
        // Int(Rnd * 21): 0, then 20, then equal pairs that change nothing.
        int cerere = 0;
        banner.Amesteca([&cerere] { return ++cerere == 2 ? 20.5 / 21 : 0.0; });
        banner.DeseneazaRandul();
        banner.Porneste();
    };
    porneste();
    for (auto _ : stare) {
        banner.Tick();
        if (!gazda.timer)
            porneste();
        benchmark::DoNotOptimize(gazda.fereastra.constBits());
    }
}
BENCHMARK(TickBanner)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
