// Importing a colleague's package of 200 scanned problems (300-dpi A4 JPEGs),
// each with its recognised text, into a collection with its database open.
// Goal: at most 20 s for the whole import, duplicates found by hashing at the
// speed the disk gives. Baseline in the same run, on the same row: reading and
// hashing every byte of the package once.
#include "logica/cautare/IndexText.h"
#include "logica/schimb/ImportProbleme.h"
#include "logica/schimb/Pachet.h"
#include "logica/schimb/SursaProbleme.h"
#include "model/Colectie.h"
#include "unelte/PlatformaTacuta.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tezaurel;

namespace {

constexpr int NumarProbleme = 200;

struct ProgresTacut final : InterfataImport
{
    std::optional<DetaliiProblema> CereDetalii(const QStringList &, const QStringList &,
                                               int) override
    {
        return std::nullopt;
    }
    void Progres(int, int, const QString &) override {}
    bool Anulat() override { return false; }
};

// One scan, made distinct 200 times by a comment segment after its start
// marker, so that no two pictures hash alike and none is a duplicate.
const QString &Pachet200()
{
    static QTemporaryDir dosar;
    static const QString cale = dosar.path() + "/200.tezaurel";
    if (QFile::exists(cale))
        return cale;
    QImage pagina(2480, 3508, QImage::Format_RGB32);
    pagina.fill(Qt::white);
    QPainter p(&pagina);
    p.setFont(QFont("DejaVu Sans", 40));
    for (int rand = 0; rand < 40; ++rand)
        p.drawText(150, 200 + rand * 80,
                   "Fie funcţia f : R → R, f(x) = 2x + 3. Arătaţi că f este injectivă.");
    p.end();
    QByteArray jpeg;
    QBuffer b(&jpeg);
    b.open(QIODevice::WriteOnly);
    pagina.save(&b, "JPG", 85);

    QDir().mkpath(dosar.path() + "/sursa/Probleme");
    QByteArray colectie(512, '\0');
    colectie[0] = char((NumarProbleme + 1) & 0xFF);
    colectie[1] = char((NumarProbleme + 1) >> 8);
    for (int i = 0; i < NumarProbleme; ++i) {
        const QByteArray comentariu = QByteArray("problema ") + QByteArray::number(i);
        QByteArray varianta = jpeg.left(2) + QByteArray("\xFF\xFE") + char(0) +
                              char(comentariu.size() + 2) + comentariu + jpeg.mid(2);
        const QString nume = QStringLiteral("p%1.jpg").arg(i);
        QFile f(dosar.path() + "/sursa/Probleme/" + nume);
        f.open(QIODevice::WriteOnly);
        f.write(varianta);
        Problema pr;
        pr.Clasa = 9;
        pr.Nivel = 7;
        pr.Disciplina.Atribuie("Algebră");
        pr.Capitol.Atribuie("Funcţii");
        pr.Fisier.Atribuie(nume);
        const auto r = pr.Codifica();
        colectie.append(r.data(), 512);
    }
    QFile f(dosar.path() + "/sursa/Tezaurel.stn");
    f.open(QIODevice::WriteOnly);
    f.write(colectie);
    f.close();

    PlatformaTacuta platforma;
    Colectie sursa(dosar.path() + "/sursa", platforma);
    sursa.IncarcaColectie();
    IndexText::InregistreazaSchema(sursa.Baza());
    sursa.Baza().Deschide();
    std::vector<int> sloturi;
    sursa.Baza().Tranzactie([&](QSqlDatabase &db) {
        for (int i = 2; i <= sursa.NrProbleme(); ++i) {
            sloturi.push_back(i);
            IndexText::Adauga(db, sursa.ProblemaDin(size_t(i)).Fisier.FaraBlancuri(), {1, 1, {}},
                              QString(40, QLatin1Char('x')).repeated(40));
        }
        return true;
    });
    Pachet::Exporta(sursa, sloturi, cale);
    return cale;
}

// Every byte of the package read and hashed once.
double SecundeHash(const QString &pachet)
{
    QElapsedTimer ceas;
    ceas.start();
    QFile f(pachet);
    f.open(QIODevice::ReadOnly);
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(&f);
    benchmark::DoNotOptimize(h.result());
    return double(ceas.nsecsElapsed()) / 1e9;
}

void ImportPachet200(benchmark::State &stare)
{
    const QString pachet = Pachet200();
    const double linieDeBaza = SecundeHash(pachet);
    for (auto _ : stare) {
        QTemporaryDir tinta;
        QDir().mkpath(tinta.path() + "/Probleme");
        PlatformaTacuta platforma;
        Colectie definitii(tinta.path(), platforma);
        definitii.IncarcaColectie();
        IndexText::InregistreazaSchema(definitii.Baza());
        definitii.Baza().Deschide();
        QString motiv;
        auto sursa = DeschideSursa(pachet, motiv);
        ProgresTacut progres;
        const RaportImport r = ImportaProbleme(definitii, *sursa, progres);
        if (r.Adaugate != NumarProbleme ||
            IndexText::Citeste(definitii.Baza())->size() != NumarProbleme)
            stare.SkipWithError("not every problem was imported with its text");
    }
    stare.counters["tinta_secunde"] = 20;
    stare.counters["linie_de_baza_hash_secunde"] = linieDeBaza;
    stare.counters["MB_pachet"] = double(QFileInfo(pachet).size()) / (1024 * 1024);
}
BENCHMARK(ImportPachet200)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace
