// A page of a problem book cut into problems. Goals: the layout proposal for
// an A4 page at 300 dpi (evening, straightening, boxes from the recognised
// lines) in at most 3 s on one core, printed beside recognising the same page
// whole, the baseline, in the same run; on 30 generated pages read by
// Tesseract, at least 95% of the problems found with their box (intersection
// over union at least 0.9), and at most 0.3° of rotation left.
#include "logica/pagina/AnalizaPagina.h"
#include "platforma/MotorTesseract.h"
#include "unelte/GeneratorPagina.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <ctime>

using namespace tezaurel;

namespace {

constexpr double TintaSecunde = 3.0;
constexpr int NrPagini = 30;
const std::atomic<bool> Niciodata = false;

// Processor time of this thread: the machine may be shared while this runs.
double SecundeProcesor()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

double Iou(const QRect &a, const QRect &b)
{
    const QRect comun = a & b;
    const double c = double(comun.width()) * comun.height();
    return c / (double(a.width()) * a.height() + double(b.width()) * b.height() - c);
}

std::unique_ptr<Recunoastere> Motor(benchmark::State &stare)
{
    const MotorRecunoastere motor = MotorTesseract(QStringLiteral(TEZAUREL_MODUL_RECUNOASTERE));
    if (!motor.Creeaza)
        stare.SkipWithError(motor.Indisponibil.toUtf8().constData());
    return motor.Creeaza ? motor.Creeaza() : nullptr;
}

void Propunere(benchmark::State &stare)
{
    const PaginaGenerata p = GenereazaPagina(7);
    auto motor = Motor(stare);
    if (!motor)
        return;
    double start = SecundeProcesor();
    motor->Recunoaste(p.Poza, Niciodata);
    const double intreaga = SecundeProcesor() - start;
    start = SecundeProcesor();
    const auto randuri =
        motor->RecunoasteRanduri(Indreapta(UniformizeazaFundal(p.Poza), p.Unghi), Niciodata);
    const double cuRanduri = SecundeProcesor() - start;
    double secunde = 0;
    for (auto _ : stare) {
        start = SecundeProcesor();
        const QImage gri = UniformizeazaFundal(p.Poza);
        const QImage dreapta = Indreapta(gri, UnghiInclinare(gri));
        benchmark::DoNotOptimize(PropuneCutii(*randuri, dreapta.size()));
        secunde = SecundeProcesor() - start;
    }
    stare.counters["propunere_s"] = secunde;
    std::printf("\nPropunerea casetelor pe A4 la 300 dpi: %.2f s de procesor pe un nucleu (ținta "
                "%.1f s); recunoașterea paginii întregi: %.2f s, cu rândurile și casetele lor: "
                "%.2f s\n",
                secunde, TintaSecunde, intreaga, cuRanduri);
}
BENCHMARK(Propunere)->Iterations(3)->Unit(benchmark::kMillisecond);

void PaginiGenerate(benchmark::State &stare)
{
    auto motor = Motor(stare);
    if (!motor)
        return;
    for (auto _ : stare) {
        int cunoscute = 0, gasite = 0, uniteTacit = 0;
        double restMaxim = 0;
        for (int s = 1; s <= NrPagini; ++s) {
            const PaginaGenerata p = GenereazaPagina(quint32(s));
            const auto a = AnalizeazaPagina(p.Poza, motor.get(), Niciodata);
            restMaxim = std::max(restMaxim, std::abs(a->Unghi - p.Unghi));
            for (size_t i = 0; i < p.Probleme.size(); ++i) {
                ++cunoscute;
                bool gasita = false;
                for (const auto &c : a->Cutii)
                    gasita |= Iou(c.Cutie, p.Probleme[i]) >= 0.9;
                gasite += gasita;
            }
            // A box holding most of two problems, with no warning: merged silently.
            for (const auto &c : a->Cutii) {
                int cuprinse = 0;
                for (const QRect &k : p.Probleme)
                    cuprinse +=
                        (c.Cutie & k).width() * (c.Cutie & k).height() * 2 > k.width() * k.height();
                uniteTacit += cuprinse > 1 && c.Avertisment.isEmpty();
            }
        }
        stare.counters["gasite_pct"] = 100.0 * gasite / cunoscute;
        std::printf(
            "\n%d pagini generate: %d din %d probleme găsite cu caseta lor (%.1f%%, ținta "
            "95%%), %d casete unite fără avertisment; înclinare rămasă cel mult %.2f° (ținta "
            "0.3°)\n",
            NrPagini, gasite, cunoscute, 100.0 * gasite / cunoscute, uniteTacit, restMaxim);
    }
}
BENCHMARK(PaginiGenerate)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicatie(argc, argv); // the generator draws text
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
