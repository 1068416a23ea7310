// Loading the fullest collection the program can hold: 1999 problems.
#include "platform/Platforma.h"
#include "store/mDefinitii.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class PlatformaTacuta final : public Platforma
{
public:
    void Mesaj(const QString &) override {}
    bool IntrebareDaNu(const QString &) override { return true; }
    std::optional<QString> CitesteText(const QString &) override { return std::nullopt; }
    QString AlegeFisier(const QString &) override { return {}; }
    void CantaSunet(const QString &) override {}
    void DeschideAjutor(const QString &) override {}
    bool StergeFisier(const QString &) override { return false; }
};

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
