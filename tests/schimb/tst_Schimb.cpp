#include "schimb/ImportProbleme.h"
#include "schimb/Pachet.h"
#include "schimb/SursaProbleme.h"
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>
#include <zip.h>

namespace {

struct ProgresScriptat final : InterfataImport
{
    int anuleazaDupa = -1; // how many problems to let through before "Anulare"
    std::optional<DetaliiProblema> CereDetalii(const QStringList &, const QStringList &) override
    {
        return std::nullopt;
    }
    void Progres(int facute, int, const QString &) override { m_facute = facute; }
    bool Anulat() override { return anuleazaDupa >= 0 && m_facute >= anuleazaDupa; }
    int m_facute = 0;
};

QByteArray Jpeg(int nuanta)
{
    QImage poza = PozaModel(120, 80);
    poza.fill(QColor::fromHsv(nuanta, 200, 200));
    QByteArray octeti;
    QBuffer b(&octeti);
    b.open(QIODevice::WriteOnly);
    poza.save(&b, "JPG");
    return octeti;
}

// A collection on disk, loaded: slot i + 2 holds probleme[i].
struct Colectie
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii definitii{dosar.Cale(), platforma};

    Colectie(const std::vector<std::pair<Problema, QByteArray>> &probleme = {})
    {
        std::vector<Problema> inregistrari;
        for (const auto &[p, poza] : probleme) {
            inregistrari.push_back(p);
            dosar.ScrieOcteti(QStringLiteral("Probleme/") + p.Fisier.FaraBlancuri(), poza);
        }
        dosar.ScrieColectie(inregistrari);
        definitii.IncarcaColectie();
    }

    RaportImport Importa(const QString &cale, ProgresScriptat progres = {})
    {
        QString motiv;
        auto sursa = DeschideSursa(cale, motiv);
        if (!sursa) {
            RaportImport r;
            r.Oprire = motiv;
            return r;
        }
        return ImportaProbleme(definitii, *sursa, progres);
    }
};

void FaZip(const QString &cale, const std::vector<std::pair<QString, QByteArray>> &intrari)
{
    int eroare = 0;
    zip_t *z = zip_open(QFile::encodeName(cale).constData(), ZIP_CREATE | ZIP_TRUNCATE, &eroare);
    for (const auto &[nume, octeti] : intrari)
        zip_file_add(z, nume.toUtf8().constData(),
                     zip_source_buffer(z, octeti.constData(), zip_uint64_t(octeti.size()), 0),
                     ZIP_FL_ENC_UTF_8);
    zip_close(z);
}

QByteArray Manifest(int probleme, const std::vector<std::pair<QString, QByteArray>> &poze)
{
    QJsonArray lista;
    for (const auto &[nume, octeti] : poze)
        lista.append(QJsonObject{{"fisier", nume},
                                 {"sha256", QString::fromLatin1(QCryptographicHash::hash(
                                                octeti, QCryptographicHash::Sha256).toHex())}});
    return QJsonDocument(QJsonObject{{"probleme", probleme}, {"poze", lista}}).toJson();
}

QByteArray ColectieOcteti(const std::vector<Problema> &probleme)
{
    DosarTest d;
    d.ScrieColectie(probleme);
    return d.CitesteOcteti("Tezaurel.stn");
}

const Problema A = FaProblema(9, 7, "Algebră", "Funcţii", "a.jpg", false, "grea");
const Problema B = FaProblema(10, 8, "Geometrie", "Vectori", "b.jpg");
const Problema C = FaProblema(5, 5, "Aritmetică", "Fracţii", "c.jpg");

TEST(Schimb, ExportulUneiSelectiiSeImportaOctetCuOctetIntrOColectieGoala)
{
    Colectie sursa({{A, Jpeg(10)}, {B, Jpeg(120)}, {C, Jpeg(240)}});
    const QString pachet = sursa.dosar.Cale() + "/teste/doua.tezaurel";
    ASSERT_EQ(Pachet::Exporta(sursa.definitii, {4, 2}, pachet), QString());

    Colectie tinta;
    const RaportImport r = tinta.Importa(pachet);
    EXPECT_EQ(r.Adaugate, 2);
    EXPECT_TRUE(r.Omise.isEmpty() && r.Oprire.isEmpty()) << r.Text().toStdString();
    EXPECT_EQ(tinta.dosar.CitesteOcteti("Tezaurel.stn"), ColectieOcteti({C, A}));
    EXPECT_EQ(tinta.dosar.CitesteOcteti("Probleme/a.jpg"), Jpeg(10));

    // The same package again: every picture is already here.
    const RaportImport din_nou = tinta.Importa(pachet);
    EXPECT_EQ(din_nou.Adaugate, 0);
    EXPECT_EQ(din_nou.Omise.size(), 2);
}

TEST(Schimb, DuplicatelePrinContinutSeOmitIarNumeleOcupateIauUnulLiber)
{
    Colectie tinta({{A, Jpeg(10)}});
    DosarTest alta; // a folder made on Windows: other case, cedilla texts in Windows-1250
    QDir(alta.Cale()).rename("Probleme", "PROBLEME");
    const Problema copie = FaProblema(9, 7, "Algebră", "Funcţii", "Copie.JPG");
    const Problema altaA = FaProblema(11, 9, "Analiză", "Limite", "a.jpg");
    const Problema stearsa = FaProblema(11, 9, "Analiză", "Limite", "x.jpg", true);
    alta.ScrieColectie({copie, altaA, stearsa});
    alta.ScrieOcteti("PROBLEME/copie.jpg", Jpeg(10));
    alta.ScrieOcteti("PROBLEME/A.JPG", Jpeg(200));

    const RaportImport r = tinta.Importa(alta.Cale());
    EXPECT_EQ(r.Adaugate, 1);
    ASSERT_EQ(r.Omise.size(), 1);
    EXPECT_TRUE(r.Omise[0].startsWith("Copie.JPG: aceeași imagine"));
    Problema redenumita = altaA;
    redenumita.Fisier.Atribuie("a (2).jpg");
    EXPECT_EQ(tinta.dosar.CitesteOcteti("Tezaurel.stn"), ColectieOcteti({A, redenumita}));
    EXPECT_EQ(tinta.dosar.CitesteOcteti("Probleme/a (2).jpg"), Jpeg(200));
}

struct CazOstil
{
    const char *nume;
    std::function<void(const QString &cale)> fa;
    const char *motiv;
};

class PachetOstil : public ::testing::TestWithParam<CazOstil>
{};

TEST_P(PachetOstil, EsteRefuzatIntregSiColectiaRamaneNeatinsa)
{
    Colectie tinta({{A, Jpeg(10)}});
    const QByteArray inainte = tinta.dosar.CitesteOcteti("Tezaurel.stn");
    const QString cale = tinta.dosar.Cale() + "/teste/p.tezaurel";
    GetParam().fa(cale);
    const RaportImport r = tinta.Importa(cale);
    EXPECT_EQ(r.Adaugate, 0);
    EXPECT_TRUE(r.Oprire.contains(QString::fromUtf8(GetParam().motiv))) << r.Oprire.toStdString();
    EXPECT_EQ(tinta.dosar.CitesteOcteti("Tezaurel.stn"), inainte);
    EXPECT_EQ(QDir(tinta.dosar.Cale() + "/Probleme").entryList(QDir::Files).size(), 1);
}

const QByteArray PozaB = Jpeg(90);

INSTANTIATE_TEST_SUITE_P(
    Cazuri, PachetOstil,
    ::testing::Values(
        CazOstil{"NuEsteZip", [](const QString &c) { QFile f(c); f.open(QIODevice::WriteOnly); f.write("PK nu chiar"); }, "nu este un pachet"},
        CazOstil{"IeseDinDosar", [](const QString &c) {
            FaZip(c, {{"Tezaurel.stn", ColectieOcteti({B})}, {"manifest.json", Manifest(1, {{"b.jpg", PozaB}})},
                      {"Probleme/../../b.jpg", PozaB}}); }, "în afara locului său"},
        CazOstil{"PozaSchimbata", [](const QString &c) {
            FaZip(c, {{"Tezaurel.stn", ColectieOcteti({B})}, {"manifest.json", Manifest(1, {{"b.jpg", Jpeg(91)}})},
                      {"Probleme/b.jpg", PozaB}}); }, "imaginea b.jpg a fost schimbată"},
        CazOstil{"NumarGresit", [](const QString &c) {
            FaZip(c, {{"Tezaurel.stn", ColectieOcteti({B})}, {"manifest.json", Manifest(2, {{"b.jpg", PozaB}})},
                      {"Probleme/b.jpg", PozaB}}); }, "numărul de probleme"},
        CazOstil{"MarimeDeclarataUriasa", [](const QString &c) {
            FaZip(c, {{"Tezaurel.stn", ColectieOcteti({B})}, {"manifest.json", Manifest(1, {{"b.jpg", PozaB}})},
                      {"Probleme/b.jpg", QByteArray(4096, '\0')}});
            // Both the local and the central header claim 3 GB for the picture.
            QFile f(c); f.open(QIODevice::ReadWrite); QByteArray o = f.readAll();
            for (const char *semn : {"PK\x03\x04", "PK\x01\x02"}) {
                const int la = o.lastIndexOf(semn);
                const int camp = la + (semn[2] == 3 ? 22 : 24);
                o[camp] = 0; o[camp + 1] = 0; o[camp + 2] = 0; o[camp + 3] = char(0xC0);
            }
            f.seek(0); f.write(o); }, "peste limita"}),
    [](const auto &info) { return std::string(info.param.nume); });

TEST(Schimb, OColectieCareSArUmpleNuPrimesteNimicIarAnulareaPastreazaCeEraAdaugat)
{
    std::vector<std::pair<Problema, QByteArray>> multe;
    Colectie sursa({{A, Jpeg(10)}, {B, Jpeg(120)}, {C, Jpeg(240)}});

    Colectie aproapePlina;
    aproapePlina.definitii.NrProbleme = mDefinitii::UltimulSlot - 2; // room for two
    const RaportImport plin = aproapePlina.Importa(sursa.dosar.Cale());
    EXPECT_EQ(plin.Adaugate, 0);
    EXPECT_TRUE(plin.Oprire.contains("mai este loc pentru 2")) << plin.Oprire.toStdString();

    Colectie tinta;
    ProgresScriptat progres;
    progres.anuleazaDupa = 1;
    const RaportImport anulat = tinta.Importa(sursa.dosar.Cale(), progres);
    EXPECT_EQ(anulat.Adaugate, 1);
    EXPECT_TRUE(anulat.Anulat);
    EXPECT_EQ(tinta.dosar.CitesteOcteti("Tezaurel.stn"), ColectieOcteti({A}));
    EXPECT_EQ(QDir(tinta.dosar.Cale() + "/Probleme").entryList(QDir::Files), QStringList{"a.jpg"});
}

TEST(Schimb, OPozaCareNuEsteImagineSeOmiteFaraSaLaseFisier)
{
    DosarTest alta;
    alta.ScrieColectie({A, B});
    alta.ScrieOcteti("Probleme/a.jpg", "nu este o imagine");
    alta.ScrieOcteti("Probleme/b.jpg", Jpeg(120));
    Colectie tinta;
    const RaportImport r = tinta.Importa(alta.Cale());
    EXPECT_EQ(r.Adaugate, 1);
    EXPECT_EQ(r.Omise, QStringList{"a.jpg: fișierul nu este o imagine"});
    EXPECT_EQ(QDir(tinta.dosar.Cale() + "/Probleme").entryList(QDir::Files), QStringList{"b.jpg"});
}

} // namespace

namespace {

// The package fuzzer's seeds and anything it ever found failing: each opens
// or is refused with a reason, and every picture it lets through can be read.
TEST(CorpusFuzz, FiecarePachetSeDeschideSauSeRefuzaCuMotiv)
{
    const QDir corpus(QStringLiteral(TEZAUREL_CORPUS_PACHET));
    const QStringList fisiere = corpus.entryList(QDir::Files);
    ASSERT_FALSE(fisiere.isEmpty());
    for (const QString &nume : fisiere) {
        SCOPED_TRACE(nume.toStdString());
        QString motiv;
        auto sursa = DeschideSursa(corpus.filePath(nume), motiv);
        EXPECT_EQ(sursa == nullptr, !motiv.isEmpty());
        for (int i = 0; sursa && i < int(sursa->Probleme().size()); ++i)
            EXPECT_TRUE(sursa->Poza(i, motiv).has_value());
    }
}

} // namespace
