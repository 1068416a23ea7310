#include "model/SelectieCurenta.h"
#include "model/StergereFizica.h"
#include "tests/model/AccesJurnal.h"

#include <QDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace tezaurel;

// Writes the collection and a picture for every plain name, then loads it.
void Pregateste(ColectieTest &c, const std::vector<Problema> &probleme)
{
    c.dosar.ScrieColectie(probleme);
    for (const Problema &p : probleme)
        if (p.Fisier.FaraBlancuri().contains(QRegularExpression("^\\w+\\.(jpg|JPG)$")))
            c.dosar.ScriePoza(p.Fisier.FaraBlancuri(), PozaModel(4, 3));
    c.d.IncarcaColectie();
}

// Problems a.jpg, b.jpg, ... in slots 2, 3, ...; true marks one deleted.
std::vector<Problema> Probleme(std::initializer_list<bool> marcate)
{
    std::vector<Problema> p;
    for (bool m : marcate)
        p.push_back(FaProblema(5 + int(p.size()), 6, "A", "C",
                               QString("%1.jpg").arg(char('a' + p.size())), m));
    return p;
}

// The kept records close up in order under the new count; the file is never
// shortened (a torn last record is padded, a stray one stays); a new file left
// by an interrupted purge is not taken as it is; a picture goes only when no
// kept problem names it, and never through a name that could reach outside
// Probleme/. Failed at each of its writes, its sync or its rename, it changes nothing.
TEST(Purjare, InregistrarilePastrateSeStrangInOrdine)
{
    const QString nuSterg = "Nu am reusit sa sterg fisierul: ";
    const QString nimic = "Nu sunt fisiere marcate pentru sters", unu = "Am sters:  1 fisiere";
    std::vector<Problema> acelasiNume = Probleme({true, false, true}),
                          numeActiv = Probleme({false, true, false}), afara = Probleme({false});
    acelasiNume[2].Fisier.Atribuie("a.jpg");
    numeActiv[2].Fisier.Atribuie("b.jpg");
    QStringList nuSterse;
    for (const char *nume : {"../Tezaurel.stn", "..", ".", "", "../x.jpg", "sub/a.jpg", "a.jpg"}) {
        afara.push_back(FaProblema(5, 5, "G", "T", nume, true));
        nuSterse << nuSterg + afara.back().Fisier.FaraBlancuri();
    }
    afara.back().Fisier.Octeti[5] = '\0'; // "a.jpg" and a NUL
    nuSterse.last() += QChar(0);
    struct Caz
    {
        const char *nume;
        std::vector<Problema> probleme;
        std::vector<int> pastrate;
        QStringList mesaje, poze;
        bool faraProbleme = false;
        int esec = -1; // 0..9: that many writes pass, then they fail; 10: the sync; 11: the rename
    };
    std::vector<Caz> cazuri = {
        // clang-format off
        {"nimic marcat", Probleme({0, 0, 0}), {0, 1, 2}, {nimic}, {"a.jpg", "b.jpg", "c.jpg"}},
        {"al doilea", Probleme({0, 1, 0, 0}), {0, 2, 3}, {unu}, {"a.jpg", "c.jpg", "d.jpg"}},
        {"toate", Probleme({1, 1, 1}), {}, {"Am sters:  3 fisiere"}, {}},
        {"acelasi nume de doua ori", acelasiNume, {1}, {nuSterg + "a.jpg", unu}, {"b.jpg"}},
        {"numele unei pastrate", numeActiv, {0, 2}, {nimic}, {"a.jpg", "b.jpg"}},
        {"fara Probleme", Probleme({1, 0, 1}), {1}, {nuSterg + "a.jpg", nuSterg + "c.jpg"}, {}, true},
        {"nume din afara", afara, {0}, nuSterse, {"a.jpg"}},
        // clang-format on
    };
    for (int esec = 0; esec < 12; ++esec)
        cazuri.push_back({"esec", Probleme({1, 0, 1, 1, 0, 1, 0}), {}, {}, {}, false, esec});
    for (const auto &c : cazuri) {
        SCOPED_TRACE(testing::Message() << c.nume << c.esec);
        ColectieTest k;
        Pregateste(k, c.probleme);
        QDir(k.dosar.Cale()).mkpath("Probleme/sub");
        k.dosar.ScrieOcteti("Probleme/sub/a.jpg", "nu se sterge");
        k.dosar.ScrieOcteti("x.jpg", "nici asta");
        if (c.esec < 0)
            k.dosar.ScrieOcteti(".Tezaurel.stn.nou", QByteArray(20 * 512, 'j'));
        if (c.faraProbleme)
            QDir(k.dosar.Cale() + "/Probleme").removeRecursively();
        const QByteArray inainte = k.Fisier() + Octeti(Problema()) + QByteArray(100, 'q');
        k.dosar.ScrieOcteti("Tezaurel.stn", inainte);
        SelectieCurenta selectie(k.d);
        selectie.NrSelectie = 3;
        const QStringList fisiere = k.Fisiere();
        k.acces->ScrieriPermise = c.esec < 0 || c.esec > 9 ? INT_MAX : c.esec;
        k.acces->SincronizareReuseste = c.esec != 10;
        k.acces->InlocuireReuseste = c.esec != 11;

        // A failed purge leaves the collection, the pictures and the folder as they were.
        EXPECT_EQ(StergereFizica(k.d), c.esec < 0);
        if (c.esec >= 0) {
            EXPECT_EQ(k.d.IaAnunturile(), QStringList{EroareScriere(k.dosar.Colectie())});
            EXPECT_EQ(selectie.NrSelectie, 3); // the numbering stayed
            EXPECT_EQ(k.Fisier(), inainte);
            EXPECT_EQ(k.Fisiere(), fisiere);
            continue;
        }
        EXPECT_EQ(k.d.IaAnunturile(), c.mesaje);
        k.d.IncarcaColectie(); // as the main window does after a purge
        EXPECT_EQ(selectie.NrSelectie, 1);
        for (const QString &poza : k.platforma.Sterse) // only pictures that were there
            EXPECT_TRUE(fisiere.contains(QDir(k.dosar.Cale()).relativeFilePath(poza))) << poza;
        const Problema ultima = c.pastrate.empty() ? Problema() : c.probleme[c.pastrate.back()];
        QByteArray asteptat = Antet(int16_t(c.pastrate.size() + 1), ultima);
        for (int i : c.pastrate)
            asteptat += Octeti(c.probleme[i]);
        asteptat += inainte.mid(asteptat.size());
        EXPECT_EQ(k.Fisier(), asteptat.leftJustified(inainte.size() + 412, '\0'));
        QStringList poze = c.faraProbleme ? QStringList() : (c.poze + QStringList{"sub/a.jpg"});
        poze.replaceInStrings(QRegularExpression("^"), "Probleme/").append("x.jpg");
        poze.sort();
        EXPECT_EQ(k.Fisiere(), poze);
    }
}

// A copy from Windows: names and folders in another case than the files have.
// The one match goes; a kept problem's picture and an ambiguous pair stay.
TEST(Purjare, NumeleDinWindowsSeGasescOricumArLitereleDarNiciodataDoua)
{
    ColectieTest k;
    Pregateste(k, {FaProblema(5, 5, "G", "T", "A.jpg"), FaProblema(5, 5, "G", "T", "a.JPG", true),
                   FaProblema(6, 6, "A", "F", "POZA2.jpg", true),
                   FaProblema(7, 7, "A", "E", "x.jpg", true)});
    QDir d(k.dosar.Cale() + "/Probleme");
    d.rename("A.jpg", "A.JPG"), d.rename("POZA2.jpg", "poza2.JPG"), d.rename("x.jpg", "X.jpg");
    d.rename("a.JPG", "x.JPG"), d.rename("../Probleme", "../PROBLEME");
    const QString p = k.dosar.Cale() + "/PROBLEME/";
    EXPECT_TRUE(k.d.CalePoza("x.JPG").EsteGasita()); // the exact name before x.jpg's pair
    EXPECT_TRUE(StergereFizica(k.d));
    EXPECT_EQ(k.d.IaAnunturile(),
              QStringList({"Nu am reusit sa sterg fisierul: x.jpg", "Am sters:  1 fisiere"}));
    EXPECT_EQ(QDir(p).entryList(QDir::Files, QDir::Name), QStringList({"A.JPG", "X.jpg", "x.JPG"}));
}

// A linked collection stays a link, with its mode, owner and group, and its lock.
TEST(Purjare, PastreazaLegaturaSiDrepturileFisierului)
{
    ColectieTest k;
    const QString real = k.dosar.Cale() + "/date/colectie.stn";
    QDir(k.dosar.Cale()).mkpath("date");
    k.dosar.ScrieColectie(Probleme({0, 1, 0, 0}));
    QFile::rename(k.dosar.Colectie(), real);
    QFile::link(real, k.dosar.Colectie());
    const auto drepturi = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QFile::setPermissions(real, drepturi);
    const bool root = geteuid() == 0; // only root may give a file away
    ASSERT_TRUE(!root || chown(QFile::encodeName(real), 65534, 65534) == 0);
    k.d.IncarcaColectie();

    EXPECT_TRUE(StergereFizica(k.d));
    EXPECT_TRUE(QFileInfo(k.dosar.Colectie()).isSymLink());
    EXPECT_EQ(QFileInfo(real).permissions() & 0x7077, drepturi);
    EXPECT_TRUE(!root || QFileInfo(real).ownerId() + QFileInfo(real).groupId() == 2 * 65534);
    EXPECT_EQ(k.Fisier().left(2), QByteArray("\x04\x00", 2));
    EXPECT_EQ(QDir(k.dosar.Cale() + "/date").entryList(QDir::Files | QDir::Hidden),
              QStringList({"colectie.stn", "colectie.stn.lock"}));
}
