#include "store/StergereFizica.h"
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"
#include "tests/store/AccesJurnal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// Record 1 as the purge leaves it: the last kept problem under the count.
QByteArray Antet(Problema ultima, int16_t numar) {
    ultima.Clasa = numar;
    return Octeti(ultima);
}

class Purjare : public ::testing::Test {
protected:
    DosarTest dosar;
    PlatformaScriptata platforma;
    AccesJurnal *acces = new AccesJurnal; // owned by definitii
    mDefinitii definitii{dosar.Cale(), platforma, std::unique_ptr<AccesFisiere>(acces)};

    // Writes the collection and a picture for every plain name, then loads it.
    void Pregateste(const std::vector<Problema> &probleme) {
        dosar.ScrieColectie(probleme);
        for (const Problema &p : probleme) {
            const QString nume = p.Fisier.FaraBlancuri();
            if (!nume.isEmpty() && nume != "." && nume != ".." && !nume.contains('/') &&
                !nume.contains(QChar(0)))
                dosar.ScriePoza(nume, PozaModel(4, 3));
        }
        definitii.IncarcaColectie();
        acces->Jurnal.clear();
        acces->Sterse = &platforma.Sterse;
    }
    QByteArray Fisier() const { return dosar.CitesteOcteti("Tezaurel.stn"); }
    QByteArray Inregistrarea(int nr) const { return Fisier().mid((nr - 1) * 512, 512); }
    bool ArePoza(const QString &nume) const {
        return QFileInfo::exists(dosar.Cale() + "/Probleme/" + nume);
    }
    QString Poza(const QString &nume) const { return dosar.Cale() + "/Probleme/" + nume; }
    QString Temporar() const { return dosar.Cale() + "/.Tezaurel.stn.nou"; }
};

// Four problems in slots 2..5; the one in slot 3 is marked.
std::vector<Problema> PatruCuAlDoileaMarcat() {
    return {FaProblema(5, 6, "Geometrie", "Triunghiuri", "a.jpg", false, "usoara"),
            FaProblema(9, 7, "Algebra", "Functii", "b.jpg", true),
            FaProblema(10, 8, "Algebra", "Ecuatii", "c.jpg"),
            FaProblema(12, 10, "Analiza", "Integrale", "d.jpg", false, "grea")};
}

TEST_F(Purjare, NimicMarcatRescrieFiecareInregistrareLaLoculEi) {
    const std::vector<Problema> probleme = {FaProblema(5, 5, "G", "T", "a.jpg"),
                                            FaProblema(6, 6, "A", "F", "b.jpg", false, "obs"),
                                            FaProblema(7, 7, "A", "E", "c.jpg")};
    Pregateste(probleme);
    const QByteArray inainte = Fisier();
    definitii.NrSelectie = 3;

    EXPECT_TRUE(StergereFizica(definitii));
    EXPECT_EQ(platforma.Mesaje, QStringList{"Nu sunt fisiere marcate pentru sters"});
    EXPECT_TRUE(platforma.Sterse.isEmpty());
    EXPECT_EQ(definitii.NrSelectie, 1);
    const QByteArray dupa = Fisier();
    ASSERT_EQ(dupa.size(), inainte.size());
    EXPECT_EQ(dupa.left(512), Antet(probleme[2], 4));
    EXPECT_EQ(dupa.mid(512), inainte.mid(512));
}

TEST_F(Purjare, AlTreileaSlotMarcatSeInchideGolulSiSeStergePoza) {
    const auto probleme = PatruCuAlDoileaMarcat();
    Pregateste(probleme);
    const QByteArray inainte = Fisier();

    EXPECT_TRUE(StergereFizica(definitii));
    EXPECT_EQ(platforma.Mesaje, QStringList{"Am sters:  1 fisiere"});
    EXPECT_EQ(platforma.Sterse, QStringList{Poza("b.jpg")});
    EXPECT_EQ(QDir(dosar.Cale() + "/Probleme").entryList(QDir::Files),
              QStringList({"a.jpg", "c.jpg", "d.jpg"}));

    // Not shortened: record 5 keeps the old 5 beyond the new count.
    ASSERT_EQ(Fisier().size(), inainte.size());
    EXPECT_EQ(Inregistrarea(1), Antet(probleme[3], 4));
    EXPECT_EQ(Inregistrarea(2), Octeti(probleme[0]));
    EXPECT_EQ(Inregistrarea(3), Octeti(probleme[2]));
    EXPECT_EQ(Inregistrarea(4), Octeti(probleme[3]));
    EXPECT_EQ(Inregistrarea(5), Octeti(probleme[3]));

    EXPECT_FALSE(QFileInfo::exists(Temporar()));
}

TEST_F(Purjare, ScrieInregistrarileInOrdineSiAntetulUltimulInainteDeInlocuire) {
    const auto probleme = PatruCuAlDoileaMarcat();
    Pregateste(probleme);
    // A stray record after the count and an append cut off mid-record.
    QByteArray cuRest =
        Fisier() + Octeti(FaProblema(1, 1, "x", "y", "z.jpg")) + QByteArray(100, 'q');
    dosar.ScrieOcteti("Tezaurel.stn", cuRest);

    EXPECT_TRUE(StergereFizica(definitii));
    EXPECT_EQ(acces->Jurnal,
              QStringList({"deschide Tezaurel.stn", "deschide .Tezaurel.stn.nou", "scrie 2",
                           "scrie 3", "scrie 4", "scrie 5", "scrie 6", "scrie 7", "scrie 1",
                           "sincronizeaza", "inlocuieste .Tezaurel.stn.nou Tezaurel.stn"}));
    EXPECT_EQ(acces->SterseLaInlocuire, 0) << "a picture went before the collection was safe";

    const QByteArray dupa = Fisier();
    ASSERT_EQ(dupa.size(), 7 * 512);
    EXPECT_EQ(dupa.mid(5 * 512), cuRest.mid(5 * 512) + QByteArray(412, '\0'));
}

TEST_F(Purjare, ToateMarcateLasaAntetulCuUnuSiZerouri) {
    const std::vector<Problema> probleme = {FaProblema(5, 5, "G", "T", "a.jpg", true),
                                            FaProblema(6, 6, "A", "F", "b.jpg", true),
                                            FaProblema(7, 7, "A", "E", "c.jpg", true)};
    Pregateste(probleme);
    const QByteArray inainte = Fisier();

    EXPECT_TRUE(StergereFizica(definitii));
    EXPECT_EQ(platforma.Mesaje, QStringList{"Am sters:  3 fisiere"});
    const QByteArray dupa = Fisier();
    EXPECT_EQ(dupa.left(512), QByteArray("\x01\x00", 2) + QByteArray(510, '\0'));
    EXPECT_EQ(dupa.mid(512), inainte.mid(512));
    EXPECT_TRUE(QDir(dosar.Cale() + "/Probleme").isEmpty());
    definitii.IncarcaColectie();
    EXPECT_EQ(definitii.NrProbleme, 1);
}

// A marked name listed twice goes once; the second try is reported.
TEST_F(Purjare, DouaMarcateCuAcelasiNume) {
    Pregateste({FaProblema(5, 5, "G", "T", "a.jpg", true), FaProblema(6, 6, "A", "F", "c.jpg"),
                FaProblema(7, 7, "A", "E", "a.jpg", true)});
    EXPECT_TRUE(StergereFizica(definitii));
    EXPECT_EQ(platforma.Mesaje,
              QStringList({"Nu am reusit sa sterg fisierul: a.jpg", "Am sters:  1 fisiere"}));
    EXPECT_TRUE(ArePoza("c.jpg"));
}

TEST_F(Purjare, NumeleCareIesDinProblemeNuStergNimic) {
    Problema cuNul = FaProblema(5, 5, "G", "T", "a.jpg", true);
    cuNul.Fisier.Octeti[5] = '\0';
    cuNul.Fisier.Octeti[6] = 'x';
    Problema neatribuit = FaProblema(5, 5, "G", "T", "", true);
    neatribuit.Fisier = TextFix<256>();
    const char *const afara[] = {"../Tezaurel.stn", "..", ".", "", "../x.jpg", "sub/a.jpg"};
    std::vector<Problema> probleme = {FaProblema(5, 5, "G", "T", "a.jpg")};
    QStringList asteptate;
    for (const char *nume : afara) {
        probleme.push_back(FaProblema(5, 5, "G", "T", nume, true));
        asteptate << "Nu am reusit sa sterg fisierul: " + QString(nume);
    }
    probleme.push_back(cuNul);
    probleme.push_back(neatribuit);
    Pregateste(probleme);
    dosar.ScrieOcteti("x.jpg", "nu se sterge");
    QDir(dosar.Cale()).mkpath("Probleme/sub");
    dosar.ScrieOcteti("Probleme/sub/a.jpg", "nici asta");

    EXPECT_TRUE(StergereFizica(definitii));
    EXPECT_TRUE(platforma.Sterse.isEmpty());
    asteptate << "Nu am reusit sa sterg fisierul: " + cuNul.Fisier.FaraBlancuri();
    asteptate << "Nu am reusit sa sterg fisierul: " + QString(256, QChar(0));
    asteptate << "Nu sunt fisiere marcate pentru sters";
    EXPECT_EQ(platforma.Mesaje, asteptate);
    EXPECT_TRUE(ArePoza("a.jpg"));
    EXPECT_TRUE(ArePoza("sub/a.jpg"));
    EXPECT_TRUE(QFileInfo::exists(dosar.Cale() + "/x.jpg"));
    definitii.IncarcaColectie();
    EXPECT_EQ(definitii.NrProbleme, 2);
}

// A copy from Windows: names and folders in another case than the files have.
TEST_F(Purjare, NumeleDinWindowsSeGasescOricumArLitereleDarNiciodataDoua) {
    Pregateste({FaProblema(5, 5, "G", "T", "A.jpg"), FaProblema(5, 5, "G", "T", "a.JPG", true),
                FaProblema(6, 6, "A", "F", "POZA2.jpg", true), FaProblema(7, 7, "A", "E", "x.jpg", true)});
    QDir d(dosar.Cale() + "/Probleme");
    d.rename("A.jpg", "A.JPG"), d.rename("POZA2.jpg", "poza2.JPG"), d.rename("x.jpg", "X.jpg");
    d.rename("a.JPG", "x.JPG"), d.rename("../Probleme", "../PROBLEME");
    const QString p = dosar.Cale() + "/PROBLEME/";
    for (const auto &[nume, gasita] : {std::pair{"a.jpg", "A.JPG"}, {"poza2.jpg", "poza2.JPG"},
                                       {"x.JPG", "x.JPG"}, {"x.jpg", ""}, {"y.jpg", ""}})
        EXPECT_EQ(definitii.CalePoza(nume).EsteGasita() ? definitii.CalePoza(nume).Cale : "",
                  *gasita ? p + gasita : "") << nume;
    EXPECT_EQ(definitii.CalePoza("x.jpg").Rezultat, CaleGasita::Stare::Ambigua);
    // The kept problem's picture stays, the ambiguous pair stays, the one match goes.
    EXPECT_TRUE(StergereFizica(definitii));
    EXPECT_EQ(platforma.Mesaje, QStringList({"Nu am reusit sa sterg fisierul: x.jpg", "Am sters:  1 fisiere"}));
    EXPECT_EQ(QDir(p).entryList(QDir::Files, QDir::Name), QStringList({"A.JPG", "X.jpg", "x.JPG"}));
}

// A purge made to fail at each of its steps in turn leaves the collection,
// the pictures and the folder exactly as they were.
TEST(PurjareCuEsec, OricareScriereEsuataNuSchimbaNimic) {
    const std::vector<Problema> probleme = {
        FaProblema(5, 5, "G", "T", "a.jpg", true), FaProblema(6, 6, "A", "F", "b.jpg"),
        FaProblema(7, 7, "A", "E", "c.jpg", true), FaProblema(8, 8, "A", "E", "b.jpg", true),
        FaProblema(9, 9, "A", "E", "d.jpg"),       FaProblema(10, 10, "A", "E", "e.jpg", true),
        FaProblema(11, 11, "A", "E", "f.jpg")};
    const int scrieri = 8; // records 2..8, then record 1

    enum class Esec { Scriere, Sincronizare, Inlocuire };
    std::vector<std::pair<Esec, int>> cazuri;
    for (int k = 0; k < scrieri; ++k)
        cazuri.emplace_back(Esec::Scriere, k);
    cazuri.emplace_back(Esec::Sincronizare, 0);
    cazuri.emplace_back(Esec::Inlocuire, 0);

    for (const auto &[esec, k] : cazuri) {
        SCOPED_TRACE(testing::Message() << "esec " << int(esec) << " dupa " << k << " scrieri");
        DosarTest dosar;
        PlatformaScriptata platforma;
        dosar.ScrieColectie(probleme);
        for (const char *nume : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg", "f.jpg"})
            dosar.ScriePoza(nume, PozaModel(2, 2));
        const QByteArray inainte = dosar.CitesteOcteti("Tezaurel.stn");
        auto *acces = new AccesJurnal;
        mDefinitii definitii(dosar.Cale(), platforma, std::unique_ptr<AccesFisiere>(acces));
        definitii.IncarcaColectie();
        definitii.NrSelectie = 4;
        acces->ScrieriPermise = esec == Esec::Scriere ? k : INT_MAX;
        acces->SincronizareReuseste = esec != Esec::Sincronizare;
        acces->InlocuireReuseste = esec != Esec::Inlocuire;

        EXPECT_FALSE(StergereFizica(definitii));
        EXPECT_EQ(platforma.Mesaje, QStringList{EroareScriere(dosar.Colectie())});
        EXPECT_TRUE(platforma.Sterse.isEmpty());
        EXPECT_EQ(definitii.NrSelectie, 4);
        EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn"), inainte);
        QStringList intrari =
            QDir(dosar.Cale()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        intrari.sort();
        EXPECT_EQ(intrari, QStringList({"Probleme", "Tezaurel.stn", "Tezaurel.stn.lock", "teste"}));
        EXPECT_EQ(QDir(dosar.Cale() + "/Probleme").entryList(QDir::Files).size(), 6);
    }
}

TEST_F(Purjare, OColectieNouaLasataDeOPurjareIntreruptaNuStrica) {
    const auto probleme = PatruCuAlDoileaMarcat();
    Pregateste(probleme);
    const QByteArray lung(20 * 512, 'j');
    dosar.ScrieOcteti(".Tezaurel.stn.nou", lung);
    const QByteArray inainte = Fisier();
    platforma.StergereReuseste = false; // the store's own file is not the platform's to delete

    EXPECT_TRUE(StergereFizica(definitii));
    EXPECT_EQ(platforma.Sterse, QStringList{Poza("b.jpg")});
    ASSERT_EQ(Fisier().size(), inainte.size());
    EXPECT_EQ(Inregistrarea(5), Octeti(probleme[3]));
    EXPECT_FALSE(QFileInfo::exists(Temporar()));
}

// Loaded read-only: the reason given at start-up is repeated, nothing touched.
TEST_F(Purjare, ColectiaDoarCitireRepetaMotivul) {
    Pregateste(PatruCuAlDoileaMarcat());
    const QByteArray inainte = Fisier();
    acces->DoarCitire = true;
    definitii.IncarcaColectie();
    EXPECT_TRUE(definitii.RaportIncarcare().startsWith("Fisierul colectiei poate fi doar citit"));
    EXPECT_FALSE(definitii.PoateAdauga());
    EXPECT_FALSE(definitii.MarcheazaStearsa(3));
    EXPECT_FALSE(StergereFizica(definitii));
    EXPECT_EQ(platforma.Mesaje, QStringList(3, definitii.RaportIncarcare()));
    EXPECT_EQ(Fisier(), inainte);
    EXPECT_TRUE(ArePoza("b.jpg"));
}

TEST_F(Purjare, PastreazaLegaturaSiDrepturileFisierului) {
    const auto probleme = PatruCuAlDoileaMarcat();
    QDir(dosar.Cale()).mkpath("date");
    dosar.ScrieColectie(probleme);
    QFile::rename(dosar.Colectie(), dosar.Cale() + "/date/colectie.stn");
    QFile::link(dosar.Cale() + "/date/colectie.stn", dosar.Colectie());
    const auto drepturi = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QFile::setPermissions(dosar.Cale() + "/date/colectie.stn", drepturi);
    // A collection shared by a group stays the group's; only root may give it away here.
    if (geteuid() == 0) {
        ASSERT_EQ(chown(QFile::encodeName(dosar.Cale() + "/date/colectie.stn"), 65534, 65534), 0);
    }
    definitii.IncarcaColectie();
    ASSERT_EQ(definitii.NrProbleme, 5);

    EXPECT_TRUE(StergereFizica(definitii));
    EXPECT_TRUE(QFileInfo(dosar.Colectie()).isSymLink());
    if (geteuid() == 0) {
        EXPECT_EQ(QFileInfo(dosar.Cale() + "/date/colectie.stn").ownerId(), 65534u);
        EXPECT_EQ(QFileInfo(dosar.Cale() + "/date/colectie.stn").groupId(), 65534u);
    }
    EXPECT_EQ(QFileInfo(dosar.Cale() + "/date/colectie.stn").permissions() & 0x7077, drepturi);
    EXPECT_EQ(Inregistrarea(1), Antet(probleme[3], 4));
    EXPECT_EQ(QDir(dosar.Cale() + "/date").entryList(QDir::Files | QDir::Hidden),
              QStringList({"colectie.stn", "colectie.stn.lock"}));
}

} // namespace
