#include "logica/cautare/IndexText.h"
#include "logica/import/ImportDosar.h"
#include "logica/lucrari/ArhivaLucrari.h"
#include "logica/schimb/ImportProbleme.h"
#include "logica/schimb/Pachet.h"
#include "logica/schimb/SursaProbleme.h"
#include "model/AdaugareProbleme.h"
#include "model/Colectie.h"
#include "model/ZavorColectie.h"
#include "tests/comune/DosarTest.h"
#include "tests/comune/PlatformaScriptata.h"
#include "tests/comune/PozeGresite.h"
#include "unelte/AccesTestColectie.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <zip.h>

using namespace tezaurel;

namespace {

struct ProgresScriptat final : InterfataImport
{
    ProgresScriptat(int anuleaza = -1)
        : anuleazaDupa(anuleaza)
    {}
    int anuleazaDupa;                         // how many problems to let through before "Anulare"
    std::optional<DetaliiProblema> detalii;   // what the form is answered with
    std::function<void(int)> La = [](int) {}; // what another program does meanwhile
    std::optional<DetaliiProblema> CereDetalii(const QStringList &, const QStringList &,
                                               int) override
    {
        return detalii;
    }
    void Progres(int facute, int, const QString &) override
    {
        La(facute);
        m_facute = facute;
    }
    bool Anulat() override { return anuleazaDupa >= 0 && m_facute >= anuleazaDupa; }
    int m_facute = 0;
};

QByteArray Jpeg(int nuanta)
{
    QImage poza = PozaModel(120, 80);
    poza.fill(QColor::fromHsv(nuanta, 200, 200));
    return OctetiPoza(poza, "JPG");
}

// A collection on disk, loaded: slot i + 2 holds probleme[i].
struct ColectieTest
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    Colectie definitii{dosar.Cale(), platforma};

    ColectieTest(const std::vector<std::pair<Problema, QByteArray>> &probleme = {})
    {
        std::vector<Problema> inregistrari;
        for (const auto &[p, poza] : probleme) {
            inregistrari.push_back(p);
            dosar.ScrieOcteti(QStringLiteral("Probleme/") + p.Fisier.FaraBlancuri(), poza);
        }
        dosar.ScrieColectie(inregistrari);
        definitii.IncarcaColectie();
        IndexText::InregistreazaSchema(definitii.Baza());
        ArhivaLucrari::Inregistreaza(definitii.Baza());
        SolutiiProbleme::Inregistreaza(definitii.Baza());
        definitii.Baza().Deschide();
    }
    QStringList Poze() const { return QDir(dosar.Cale() + "/Probleme").entryList(QDir::Files); }

    RaportImport Importa(const QString &cale, ProgresScriptat progres = {})
    {
        RaportImport refuzat;
        auto sursa = DeschideSursa(cale, refuzat.Oprire);
        return sursa ? ImportaProbleme(definitii, *sursa, progres) : refuzat;
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

QByteArray Manifest(int probleme, const std::vector<std::pair<QString, QByteArray>> &poze,
                    QJsonObject parti = {})
{
    QJsonArray lista;
    for (const auto &[nume, octeti] : poze)
        lista.append(QJsonObject{
            {"fisier", nume},
            {"sha256", QString::fromLatin1(
                           QCryptographicHash::hash(octeti, QCryptographicHash::Sha256).toHex())}});
    parti.insert("probleme", probleme);
    parti.insert("poze", lista);
    return QJsonDocument(parti).toJson();
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

TEST(Schimb, ExportulUneiSelectiiSeImportaOctetCuOctetCuTextulSiFolosirileSubNumeleFinale)
{
    const Solutie Rezolvare{Jpeg(30), "Δ = 1", {{"Calculul discriminantului", 1.5}}};
    ColectieTest sursa({{A, Jpeg(10)}, {B, Jpeg(120)}, {C, Jpeg(240)}});
    ASSERT_TRUE(sursa.definitii.Baza().Tranzactie([&](QSqlDatabase &db) {
        return IndexText::Adauga(db, "a.jpg", {1, 1, ""}, "Arătaţi că funcţia") &&
               IndexText::Adauga(db, "c.jpg", {1, 1, ""}, "fracţii") &&
               ArhivaLucrari::AdaugaFolosiri(db, "a.jpg", {{"IX B", QDate(2026, 3, 12)}}) &&
               SolutiiProbleme::Adauga(db, "a.jpg", Rezolvare);
    }));
    const QString pachet = sursa.dosar.Cale() + "/teste/doua.tezaurel";
    ASSERT_EQ(Pachet::Exporta(sursa.definitii, {4, 2}, pachet), QString());

    ColectieTest tinta;
    EXPECT_EQ(tinta.Importa(pachet).Adaugate, 2);
    EXPECT_EQ(tinta.dosar.CitesteOcteti("Tezaurel.stn"), ColectieOcteti({C, A}));
    EXPECT_EQ(tinta.dosar.CitesteOcteti("Probleme/a.jpg"), Jpeg(10));

    // "a.jpg" is taken by another picture and c.jpg's is here already: the
    // text and usage follow the new name, the duplicate brings nothing.
    ColectieTest ocupata({{B, Jpeg(240)}, {FaProblema(9, 7, "Alg", "F", "a.jpg"), Jpeg(60)}});
    const RaportImport r = ocupata.Importa(pachet);
    EXPECT_EQ(r.Adaugate, 1);
    EXPECT_EQ(r.Omise, QStringList{"c.jpg: aceeași imagine există deja în colecție"});
    EXPECT_EQ(r.Redenumite, QStringList{"a.jpg → a (2).jpg"});
    BazaDate &baza = ocupata.definitii.Baza();
    EXPECT_EQ(IndexText::Cauta(baza, "functia"), QSet<QString>{"a (2).jpg"});
    EXPECT_EQ(IndexText::Cauta(baza, "fractii"), QSet<QString>{});
    EXPECT_EQ(TextFolosiri(ArhivaLucrari(baza).Folosiri("a (2).jpg")), "IX B 12.03.2026");
    EXPECT_EQ(SolutiiProbleme(baza).Citeste("a (2).jpg"), Rezolvare);
    // The stored size and time are the copied file's: not recognised again.
    const QFileInfo copiata(ocupata.dosar.Cale() + "/Probleme/a (2).jpg");
    const qint64 ora = copiata.lastModified().toMSecsSinceEpoch();
    EXPECT_EQ(IndexText::Citeste(baza)->value("a (2).jpg"),
              (IndexText::Intrare{copiata.size(), ora, "grea"}));

    // Solution pictures beyond what the manifest holds stay behind, the
    // teacher told; their texts and steps still go.
    ASSERT_TRUE(sursa.definitii.Baza().Tranzactie([&](QSqlDatabase &db) {
        return SolutiiProbleme::Adauga(db, "c.jpg", {QByteArray(6 << 20, 'x'), "", {}});
    }));
    QString nota;
    ASSERT_EQ(Pachet::Exporta(sursa.definitii, {4, 2}, pachet, RuleazaPeLoc, &nota), "");
    EXPECT_TRUE(nota.startsWith("Pozele soluțiilor nu au încăput")) << nota.toStdString();
    ColectieTest fara;
    fara.Importa(pachet);
    EXPECT_EQ(SolutiiProbleme(fara.definitii.Baza()).Citeste("a.jpg"),
              (Solutie{{}, Rezolvare.Text, Rezolvare.Pasi}));
}

// "Anulare" while the pictures are read or while the archive is written
// leaves no package and no temporary file, and one written before stays as
// it was; a package being checked stops too.
TEST(Schimb, AnulareaNuLasaNiciunPachetPeJumatate)
{
    QByteArray bitmap("BM"); // noise, deflated slowly: time to give up
    bitmap.resize(4 << 20);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(bitmap.data() + 4), (4 << 18) - 1);
    std::vector<std::pair<Problema, QByteArray>> probleme;
    for (int i = 0; i < 5; ++i)
        probleme.push_back({FaProblema(9, 7, "A", "F", QString("p%1.jpg").arg(i)), bitmap});
    ColectieTest sursa(probleme);
    const QString pachet = sursa.dosar.Cale() + "/p.tezaurel";
    ASSERT_EQ(Pachet::Exporta(sursa.definitii, {2}, pachet), "");
    const QByteArray inainte = sursa.dosar.CitesteOcteti("p.tezaurel");
    for (const qint64 prag : {0, 1000}) // while reading the pictures, while writing the archive
        for (const bool existent : {false, true}) {
            QFile::remove(pachet);
            if (existent)
                sursa.dosar.ScrieOcteti("p.tezaurel", inainte);
            const auto anuleaza = [prag](const QString &, StareLucru &stare, auto lucru) {
                std::thread fir(lucru);
                while (stare.Facute < prag)
                    std::this_thread::yield();
                stare.Anulat = true;
                fir.join();
            };
            EXPECT_EQ(Pachet::Exporta(sursa.definitii, {2, 3, 4, 5, 6}, pachet, anuleaza),
                      "Exportul a fost anulat. Nu a fost scris niciun pachet.");
            EXPECT_EQ(QDir(sursa.dosar.Cale()).entryList({"p.tezaurel*"}),
                      existent ? QStringList("p.tezaurel") : QStringList());
            EXPECT_EQ(sursa.dosar.CitesteOcteti("p.tezaurel"), existent ? inainte : "");
        }
    StareLucru anulata;
    anulata.Anulat = true;
    QString motiv;
    EXPECT_EQ(DeschideSursa(pachet, motiv, &anulata), nullptr);
    EXPECT_EQ(motiv, "Verificarea pachetului p.tezaurel a fost anulată. Nu am importat nimic.");
}

// Everything under a folder, as it is on disk: each entry with its kind, size
// and where it points, each file's SHA-256.
QString Inventar(const QString &radacina)
{
    QProcess p;
    p.setWorkingDirectory(radacina);
    p.start("sh", {"-c", "find . -printf '%p %y %s %l\\n' | sort; find . -type f | sort | "
                         "xargs -d '\\n' sha256sum"});
    p.waitForFinished();
    return p.readAllStandardOutput();
}

// An application folder (app/, holding problem A) with what lies around it: a
// bystander file, a Tezaurel folder (sursa/), a package (p.tezaurel) and a
// folder of pictures (dosar/), any of them hostile.
struct Vecinatate
{
    DosarTest radacina;
    const QString R = radacina.Cale() + '/';
    PlatformaScriptata platforma;
    std::unique_ptr<Colectie> definitii;

    Vecinatate()
    {
        for (const char *d : {"app/Probleme", "app/teste", "dosar"})
            QDir(R).mkpath(d);
        radacina.ScrieOcteti("x.txt", "martor");
        radacina.ScrieOcteti("y.jpg", Jpeg(50));
        radacina.ScrieOcteti("app/Probleme/a.jpg", Jpeg(10));
        radacina.ScrieOcteti("app/Tezaurel.stn", ColectieOcteti({A}));
        definitii = std::make_unique<Colectie>(R + "app", platforma);
        definitii->IncarcaColectie();
        IndexText::InregistreazaSchema(definitii->Baza());
        definitii->Baza().Deschide();
    }
    // Each step of pregatire ("fel cale [argument]", joined by ';') puts one
    // hostile thing in place; %0 stands for NUL, %e for ESC, %n for a line break
    // and @ at the start of a link's target for the root.
    void Pregateste(const QString &pregatire) const
    {
        for (QString pas : pregatire.split(';', Qt::SkipEmptyParts)) {
            pas.replace("%0", QChar(0)).replace("%e", QChar(0x1B)).replace("%n", "\n");
            const QString fel = pas.section(' ', 0, 0), loc = pas.section(' ', 1, 1),
                          cale = R + loc, rest = pas.section(' ', 2);
            if (fel != "stn")
                QDir().mkpath(QFileInfo(cale).path());
            if (fel == "stn") { // sursa/'s records, naming these pictures
                QDir(R).mkpath("sursa/Probleme");
                std::vector<Problema> probleme;
                for (const QString &n : pas.section(' ', 1).split('|'))
                    probleme.push_back(FaProblema(9, 7, "Alg", "F", n));
                radacina.ScrieOcteti("sursa/Tezaurel.stn", ColectieOcteti(probleme));
            } else if (fel == "scrie") {
                radacina.ScrieOcteti(loc, rest.toLatin1());
            } else if (fel == "coada") { // 1 MB after a JPEG's end
                radacina.ScrieOcteti(loc, Jpeg(70) + QByteArray(1 << 20, 0));
            } else if (fel == "leg") {
                QFile::link(rest.startsWith('@') ? R + rest.mid(1) : rest, cale);
            } else if (fel == "fifo") {
                ASSERT_EQ(mkfifo(QFile::encodeName(cale), 0644), 0);
            } else if (fel == "uriasa") { // one byte over a picture's limit
                radacina.ScrieOcteti(loc, {});
                QFile::resize(cale, Pachet::OctetiMaximiPoza + 1);
            } else if (fel == "sock") {
                sockaddr_un adresa{};
                adresa.sun_family = AF_UNIX;
                qstrncpy(adresa.sun_path, QFile::encodeName(cale), sizeof adresa.sun_path);
                const int s = socket(AF_UNIX, SOCK_STREAM, 0);
                ASSERT_EQ(bind(s, reinterpret_cast<sockaddr *>(&adresa), sizeof adresa), 0);
                close(s);
            } else {
                FAIL() << pas.toStdString();
            }
        }
    }
    // p.tezaurel holding problem B, as the row shapes it.
    struct FelPachet
    {
        QString intrare = "Probleme/b.jpg";
        bool coada = false;       // 1 MB after the picture's JPEG end
        int nuantaGarantata = 90; // the picture the manifest vouches for
        int probleme = 1;
        QJsonObject parti = {};
        QByteArray manifest = {}; // instead of the one made from the above
        bool uriasa = false;      // both headers of the picture claim 3 GB
    };
    void Pachet(const FelPachet &fel) const
    {
        const QByteArray poza = fel.coada ? Jpeg(90) + QByteArray(1 << 20, 0) : Jpeg(90);
        const QByteArray garantata = fel.nuantaGarantata == 90 ? poza : Jpeg(fel.nuantaGarantata);
        FaZip(R + "p.tezaurel",
              {{"Tezaurel.stn", ColectieOcteti({B})},
               {"manifest.json", fel.manifest.isEmpty()
                                     ? Manifest(fel.probleme, {{"b.jpg", garantata}}, fel.parti)
                                     : fel.manifest},
               {fel.intrare, poza}});
        QByteArray o = radacina.CitesteOcteti("p.tezaurel");
        for (const char *semn : {"PK\x03\x04", "PK\x01\x02"})
            if (fel.uriasa)
                o.replace(o.lastIndexOf(semn) + (semn[2] == 3 ? 22 : 24), 4, "\0\0\0\xC0", 4);
        radacina.ScrieOcteti("p.tezaurel", o);
    }
};

// Another Tezaurel folder, a package and a folder of pictures, each made by
// someone who wants the program to read, write or delete beside its own
// folder, or to hang on a file that never ends: each is refused with its
// reason, and nothing on disk around the application changes.
TEST(SursaOstila, EsteRefuzataCuMotivulEiSiNimicDePeDiscNuSeSchimba)
{
    enum Fel { DosarTezaurel, PachetTezaurel, DosarPoze };
    const QJsonArray faraData{QJsonObject{{"clasa", "IX"}}};
    const struct
    {
        const char *nume;
        Fel fel;
        const char *pregatire;
        const char *motiv;
        Vecinatate::FelPachet pachet = {};
    } randuri[] = {
        // clang-format off
        {"UrcaLaColectie", DosarTezaurel, "stn ../Tezaurel.stn", "„../Tezaurel.stn” nu este un simplu nume de fișier"},
        {"UrcaLaBaza", DosarTezaurel, "stn ../Tezaurel.db", "„../Tezaurel.db” nu"},
        {"IeseDinAplicatie", DosarTezaurel, "stn ../../x.txt", "„../../x.txt” nu"},
        {"ScrieInAfara", DosarTezaurel, "stn ../../y.jpg", "„../../y.jpg” nu"},
        {"SubDosar", DosarTezaurel, "stn a/b.jpg;coada sursa/Probleme/a/b.jpg", "„a/b.jpg” nu"},
        {"SeparatorWindows", DosarTezaurel, "stn ..\\x.txt", "„..\\x.txt” nu"},
        {"DouaPuncte", DosarTezaurel, "stn ..", "„..” nu"},
        {"NulInNume", DosarTezaurel, "stn a%0.jpg", "„a\\0.jpg” nu"},
        {"EscapeInNume", DosarTezaurel, "stn %e[2J.jpg", "„\\x1b[2J.jpg” nu"},
        {"LegaturaInAfara", DosarTezaurel, "stn l.jpg;leg sursa/Probleme/l.jpg @y.jpg", "din afara dosarului ales"},
        {"PozaFifo", DosarTezaurel, "stn f.jpg;fifo sursa/Probleme/f.jpg", "nu este un fișier obișnuit"},
        {"LegaturaLaFifo", DosarTezaurel, "stn f.jpg;fifo sursa/f;leg sursa/Probleme/f.jpg @sursa/f", "nu este un fișier obișnuit"},
        {"LegaturaLaDispozitiv", DosarTezaurel, "stn z.jpg;leg sursa/Probleme/z.jpg /dev/zero", "nu este un fișier obișnuit"},
        {"PozaSocket", DosarTezaurel, "stn s.jpg;sock sursa/Probleme/s.jpg", "nu este un fișier obișnuit"},
        {"DosarulPozelorELegatura", DosarTezaurel, "leg sursa/Probleme @app/Probleme;stn a.jpg", "duce printr-o legătură"},
        {"ColectiaFifo", DosarTezaurel, "fifo sursa/Tezaurel.stn", "nu este un fișier obișnuit"},
        {"ColectiaDispozitiv", DosarTezaurel, "leg sursa/Tezaurel.stn /dev/zero", "nu este un fișier obișnuit"},
        {"DateDupaSfarsit", DosarTezaurel, "stn c.jpg;coada sursa/Probleme/c.jpg", "după sfârșitul pozei JPEG urmează încă 1 MB"},
        {"PozaUriasa", DosarTezaurel, "stn m.jpg;uriasa sursa/Probleme/m.jpg", "are 300.000001 MB, peste limita de 300 MB"},

        {"NuEsteZip", PachetTezaurel, "scrie p.tezaurel PK nu chiar", "nu este un pachet"},
        {"IntrareaUrca", PachetTezaurel, "", "„../../b.jpg” nu este un simplu nume", {.intrare = "Probleme/../../b.jpg"}},
        {"IntrareaUrcaWindows", PachetTezaurel, "", "„..\\Tezaurel.stn” nu", {.intrare = "Probleme/..\\Tezaurel.stn"}},
        {"PozaSchimbata", PachetTezaurel, "", "imaginea b.jpg a fost schimbată", {.nuantaGarantata = 91}},
        {"NumarGresit", PachetTezaurel, "", "(numărul de probleme)", {.probleme = 2}},
        {"ManifestNeJson", PachetTezaurel, "", "nu are o listă de conținut validă", {.manifest = "{\"probleme\": 1,"}},
        {"TextDespreOPozaStraina", PachetTezaurel, "", "textele recunoscute", {.parti = {{"texte", QJsonObject{{"z.jpg", "x"}}}}}},
        {"TextCareNuEsteText", PachetTezaurel, "", "textele recunoscute", {.parti = {{"texte", QJsonObject{{"b.jpg", 7}}}}}},
        {"SolutieFaraPuncte", PachetTezaurel, "", "soluțiile pentru barem", {.parti = {{"solutii", QJsonObject{{"b.jpg", QJsonObject{{"text", ""}, {"pasi", QJsonArray{QJsonObject{{"text", "x"}}}}}}}}}}},
        {"FolosireFaraData", PachetTezaurel, "", "istoricul folosirii", {.parti = {{"folosiri", QJsonObject{{"b.jpg", faraData}}}}}},
        {"MarimeDeclarataUriasa", PachetTezaurel, "", "imagine de 3072 MB (Probleme/b.jpg), peste limita de 300 MB", {.uriasa = true}},
        {"BombaDupaSfarsit", PachetTezaurel, "", "după sfârșitul pozei JPEG urmează încă 1 MB", {.coada = true}},

        {"CsvDispozitiv", DosarPoze, "leg dosar/probleme.csv /dev/zero;coada dosar/p.jpg", "probleme.csv nu este un fișier obișnuit"},
        {"CsvFifo", DosarPoze, "fifo dosar/probleme.csv", "probleme.csv nu este un fișier obișnuit"},
        {"CsvInAfara", DosarPoze, "leg dosar/probleme.csv @x.txt", "din afara dosarului ales"},
        {"CsvCuNul", DosarPoze, "scrie dosar/probleme.csv fisier,clasa,nivel%na%0b.jpg,9,7", "rândul 2: numele „a\\0b.jpg” nu este un simplu nume de fișier"},
        {"CsvUrca", DosarPoze, "scrie dosar/probleme.csv fisier,clasa,nivel%n../../x.txt,9,7", "„../../x.txt” nu"},
        {"FisierFifo", DosarPoze, "fifo dosar/f.jpg", "f.jpg nu este un fișier obișnuit"},
        {"FisierSocket", DosarPoze, "sock dosar/s.jpg", "s.jpg nu este un fișier obișnuit"},
        {"FisierDispozitiv", DosarPoze, "leg dosar/z.jpg /dev/zero", "z.jpg nu este un fișier obișnuit"},
        {"FisierInAfara", DosarPoze, "leg dosar/l.jpg @y.jpg", "din afara dosarului ales"},
        {"FisierUriasPrinLegatura", DosarPoze, "uriasa dosar/m;leg dosar/m.jpg @dosar/m", "m.jpg: fișierul are 300.000001 MB, peste limita de 300 MB"},
        // clang-format on
    };
    for (const auto &rand : randuri) {
        SCOPED_TRACE(rand.nume);
        Vecinatate v;
        v.Pregateste(QString::fromUtf8(rand.pregatire));
        if (rand.fel == PachetTezaurel && !*rand.pregatire)
            v.Pachet(rand.pachet);
        const QString inainte = Inventar(v.R);
        ProgresScriptat progres;
        progres.detalii = DetaliiProblema{};
        RaportImport r;
        if (rand.fel == DosarPoze)
            r = ImportDosar(*v.definitii, progres).Importa(v.R + "dosar").value_or(r);
        else if (auto sursa = DeschideSursa(
                     v.R + (rand.fel == DosarTezaurel ? "sursa" : "p.tezaurel"), r.Oprire))
            r = ImportaProbleme(*v.definitii, *sursa, progres);
        const QString spus = r.Text() + '\n' + v.platforma.Mesaje.join('\n');
        EXPECT_TRUE(spus.contains(QString::fromUtf8(rand.motiv))) << spus;
        EXPECT_EQ(r.Adaugate, 0);
        EXPECT_EQ(Inventar(v.R), inainte);
    }
}

// An import that stops early leaves whole problems only: when the problems
// would not fit, at "Anulare", on a picture that is not one (a program killed
// midway: the append pipeline's own test).
// The source is a folder made on Windows: other case, a marked problem left behind.
struct CazIntrerupt
{
    const char *nume;
    int locuri; // free slots in the collection
    ProgresScriptat progres;
    bool aNuEsteImagine;
    std::vector<Problema> raman;
    const char *motiv;
};

class ImportIntrerupt : public ::testing::TestWithParam<CazIntrerupt>
{
};

TEST_P(ImportIntrerupt, LasaDoarProblemeIntregi)
{
    const CazIntrerupt &caz = GetParam();
    const QByteArray pozaA = caz.aNuEsteImagine ? "nu este o imagine" : Jpeg(10);
    const Problema marcata = FaProblema(11, 9, "Analiză", "Limite", "x.jpg", true);
    ColectieTest sursa({{A, pozaA}, {marcata, Jpeg(30)}, {B, Jpeg(120)}, {C, Jpeg(240)}});
    QDir(sursa.dosar.Cale()).rename("Probleme", "PROBLEME");
    QDir(sursa.dosar.Cale()).rename("PROBLEME/c.jpg", "PROBLEME/C.JPG");
    ColectieTest tinta;
    AccesTestColectie::Numar(tinta.definitii) = int16_t(Colectie::UltimulSlot - caz.locuri);
    const RaportImport r = tinta.Importa(sursa.dosar.Cale(), caz.progres);
    EXPECT_TRUE((r.Oprire + r.Omise.join('\n')).contains(QString::fromUtf8(caz.motiv))) << r.Text();
    EXPECT_EQ(r.Adaugate, int(caz.raman.size()));
    EXPECT_EQ(r.Anulat, caz.progres.anuleazaDupa >= 0);
    EXPECT_EQ(tinta.dosar.CitesteOcteti("Tezaurel.stn"), ColectieOcteti(caz.raman));
    EXPECT_EQ(tinta.Poze().size(), caz.raman.size());
}

INSTANTIATE_TEST_SUITE_P(
    Cazuri, ImportIntrerupt,
    ::testing::Values(
        CazIntrerupt{"ColectiaSArUmple", 2, {}, false, {}, "mai este loc pentru 2"},
        CazIntrerupt{"Anulat", 1999, {1}, false, {A}, ""},
        CazIntrerupt{
            "PozaCareNuEsteImagine", 1999, {}, true, {B, C}, "a.jpg: fișierul nu este o imagine"}),
    [](const auto &caz) { return std::string(caz.param.nume); });

// The lock file deleted while an import copies its pictures, and a program
// started then: alone on a lock file of its own, it still leaves the pictures
// of the import at work, whose program takes its lock again before its
// records, there where the next one looks.
TEST(DouaPrograme, ZavorulStersNuLasaAltProgramSaStergaPozeleImportului)
{
    ColectieTest sursa({{A, Jpeg(10)}, {B, Jpeg(120)}, {C, Jpeg(240)}}), tinta;
    ProgresScriptat progres;
    progres.La = [&](int facute) {
        if (facute != 2)
            return;
        ASSERT_TRUE(QFile::remove(tinta.dosar.Colectie() + ".lock"));
        PlatformaScriptata platforma;
        Colectie altul(tinta.dosar.Cale(), platforma);
        altul.IncarcaColectie();
        altul.Baza().Deschide();
        RecupereazaPozeleJurnalizate(altul);
    };
    EXPECT_EQ(tinta.Importa(sursa.dosar.Cale(), progres).Adaugate, 3);
    for (const char *poza : {"a.jpg", "b.jpg", "c.jpg"})
        EXPECT_EQ(tinta.dosar.CitesteOcteti(QString("Probleme/") + poza),
                  sursa.dosar.CitesteOcteti(QString("Probleme/") + poza))
            << poza;
    ZavorColectie urmatorul(tinta.dosar.Colectie(), std::chrono::milliseconds(0));
    EXPECT_EQ(urmatorul.IaPrezentaExclusiva(), ZavorColectie::Rezultat::Ocupat);
}

// The package fuzzer's seeds and anything it ever found failing: each opens
// or is refused with a reason, and every picture it lets through can be read.
TEST(CorpusFuzz, FiecarePachetSeDeschideSauSeRefuzaCuMotiv)
{
    const QDir corpus(QStringLiteral(TEZAUREL_CORPUS_PACHET));
    ASSERT_FALSE(corpus.isEmpty());
    for (const QString &nume : corpus.entryList(QDir::Files)) {
        SCOPED_TRACE(nume.toStdString());
        QString motiv;
        auto sursa = DeschideSursa(corpus.filePath(nume), motiv);
        EXPECT_EQ(sursa == nullptr, !motiv.isEmpty());
        for (int i = 0; sursa && i < int(sursa->Probleme().size()); ++i)
            EXPECT_TRUE(sursa->Poza(i, motiv).has_value());
    }
}

} // namespace
