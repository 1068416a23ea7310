#include "store/StergereFizica.h"
#include "tests/store/AccesJurnal.h"

#include <QDir>
#include <QDirIterator>

#include <gtest/gtest.h>

namespace {

// Record 1 as the purge leaves it: the last kept problem under the count.
QByteArray Antet(Problema ultima, int16_t numar)
{
    ultima.Clasa = numar;
    return Octeti(ultima);
}

// Writes the collection and a picture for every plain name, then loads it.
void Pregateste(Colectie &c, const std::vector<Problema> &probleme)
{
    c.dosar.ScrieColectie(probleme);
    for (const Problema &p : probleme) {
        const QString nume = p.Fisier.FaraBlancuri();
        if (!nume.isEmpty() && !nume.startsWith('.') && !nume.contains('/') &&
            !nume.contains(QChar(0)))
            c.dosar.ScriePoza(nume, PozaModel(4, 3));
    }
    c.d.IncarcaColectie();
    c.acces->Jurnal.clear();
    c.acces->Sterse = &c.platforma.Sterse;
}

// Every file of the application folder but the collection, hidden ones too.
QStringList Fisiere(const DosarTest &dosar)
{
    QStringList fisiere;
    QDirIterator it(dosar.Cale(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        fisiere << QDir(dosar.Cale()).relativeFilePath(it.next());
    fisiere.removeAll("Tezaurel.stn");
    fisiere.sort();
    return fisiere;
}

// Problems a.jpg, b.jpg, ... in slots 2, 3, ...; true marks one deleted.
std::vector<Problema> Probleme(std::initializer_list<bool> marcate)
{
    std::vector<Problema> p;
    for (bool m : marcate) {
        const int i = int(p.size());
        p.push_back(FaProblema(5 + i, 6 + i, "Algebra", QString("C%1").arg(i),
                               QString("%1.jpg").arg(char('a' + i)), m, i == 1 ? "obs" : ""));
    }
    return p;
}

// The kept records close up in order under the new count; the file is never
// shortened; a picture goes only when no kept problem names it, and never
// through a name that could reach outside Probleme/.
TEST(Purjare, InregistrarilePastrateSeStrangInOrdine)
{
    const QString nuSterg = "Nu am reusit sa sterg fisierul: ";
    const QString nimic = "Nu sunt fisiere marcate pentru sters";
    std::vector<Problema> acelasiNume = Probleme({true, false, true}),
                          numeActiv = Probleme({false, true, false}), afara = Probleme({false});
    acelasiNume[2].Fisier.Atribuie("a.jpg");
    numeActiv[2].Fisier.Atribuie("b.jpg");
    QStringList nuSterse;
    for (const char *nume : {"../Tezaurel.stn", "..", ".", "", "../x.jpg", "sub/a.jpg"}) {
        afara.push_back(FaProblema(5, 5, "G", "T", nume, true));
        nuSterse << nuSterg + nume;
    }
    afara.push_back(FaProblema(5, 5, "G", "T", "a.jpg", true));
    afara.back().Fisier.Octeti[5] = '\0';
    afara.push_back(FaProblema(5, 5, "G", "T", "", true));
    afara.back().Fisier = TextFix<256>();
    nuSterse << nuSterg + afara[7].Fisier.FaraBlancuri() << nuSterg + QString(256, QChar(0))
             << nimic;
    const struct
    {
        const char *nume;
        std::vector<Problema> probleme;
        std::vector<int> pastrate;
        QStringList mesaje, poze;
        bool faraProbleme = false;
    } cazuri[] = {
        {"nimic marcat", Probleme({0, 0, 0}), {0, 1, 2}, {nimic}, {"a.jpg", "b.jpg", "c.jpg"}},
        {"al doilea", Probleme({0, 1, 0, 0}), {0, 2, 3}, {"Am sters:  1 fisiere"},
         {"a.jpg", "c.jpg", "d.jpg"}},
        {"toate", Probleme({1, 1, 1}), {}, {"Am sters:  3 fisiere"}, {}},
        {"acelasi nume de doua ori", acelasiNume, {1}, {nuSterg + "a.jpg", "Am sters:  1 fisiere"},
         {"b.jpg"}},
        {"numele unei pastrate", numeActiv, {0, 2}, {nimic}, {"a.jpg", "b.jpg"}},
        {"fara Probleme", Probleme({1, 0, 1}), {1}, {nuSterg + "a.jpg", nuSterg + "c.jpg", nimic},
         {}, true},
        {"nume din afara", afara, {0}, nuSterse, {"a.jpg", "sub/a.jpg"}},
    };
    for (const auto &c : cazuri) {
        SCOPED_TRACE(c.nume);
        Colectie k;
        Pregateste(k, c.probleme);
        QDir(k.dosar.Cale()).mkpath("Probleme/sub");
        k.dosar.ScrieOcteti("Probleme/sub/a.jpg", "nu se sterge");
        k.dosar.ScrieOcteti("x.jpg", "nici asta");
        if (c.faraProbleme)
            QDir(k.dosar.Cale() + "/Probleme").removeRecursively();
        const QByteArray inainte = k.Fisier();
        k.d.NrSelectie = 3;

        EXPECT_TRUE(StergereFizica(k.d));
        EXPECT_EQ(k.platforma.Mesaje, c.mesaje);
        EXPECT_EQ(k.d.NrSelectie, 1);
        QByteArray asteptat =
            Antet(c.pastrate.empty() ? Problema() : c.probleme[c.pastrate.back()],
                  int16_t(c.pastrate.size() + 1));
        for (int i : c.pastrate)
            asteptat += Octeti(c.probleme[i]);
        EXPECT_EQ(k.Fisier(), asteptat + inainte.mid(asteptat.size()));
        QStringList poze = {"x.jpg"};
        for (const QString &p : c.poze + QStringList{"sub/a.jpg"})
            if (!c.faraProbleme && !poze.contains("Probleme/" + p))
                poze << "Probleme/" + p;
        poze.sort();
        EXPECT_EQ(Fisiere(k.dosar), poze);
    }
}

// Records in order, record 1 last, synced, then the rename, and only then the
// pictures; a stray record and a torn one after the count stay; a new file
// left by an interrupted purge is removed first.
TEST(Purjare, OrdineaScrierilorSiCeRamaneDupaNumar)
{
    Colectie k;
    const auto probleme = Probleme({0, 1, 0, 0});
    Pregateste(k, probleme);
    const QByteArray cuRest =
        k.Fisier() + Octeti(FaProblema(1, 1, "x", "y", "z.jpg")) + QByteArray(100, 'q');
    k.dosar.ScrieOcteti("Tezaurel.stn", cuRest);
    k.dosar.ScrieOcteti(".Tezaurel.stn.nou", QByteArray(20 * 512, 'j'));

    EXPECT_TRUE(StergereFizica(k.d));
    EXPECT_EQ(k.acces->Jurnal,
              QStringList({"deschide Tezaurel.stn", "deschide .Tezaurel.stn.nou", "scrie 2",
                           "scrie 3", "scrie 4", "scrie 5", "scrie 6", "scrie 7", "scrie 1",
                           "sincronizeaza", "inlocuieste .Tezaurel.stn.nou"}));
    EXPECT_EQ(k.platforma.Sterse, QStringList({k.dosar.Cale() + "/.Tezaurel.stn.nou",
                                               k.d.CaleProbleme() + "b.jpg"}));
    EXPECT_EQ(k.acces->SterseLaInlocuire, 1) << "a picture went before the collection was safe";
    EXPECT_EQ(k.Fisier(), Antet(probleme[3], 4) + Octeti(probleme[0]) + Octeti(probleme[2]) +
                              Octeti(probleme[3]) + cuRest.mid(4 * 512) + QByteArray(412, '\0'));
    EXPECT_EQ(Fisiere(k.dosar), QStringList({"Probleme/a.jpg", "Probleme/c.jpg", "Probleme/d.jpg"}));
}

// A purge made to fail at each of its writes, its sync and its rename leaves
// the collection, the pictures and the folder exactly as they were.
TEST(Purjare, OricareScriereEsuataNuSchimbaNimic)
{
    for (int esec = 0; esec < 10; ++esec) { // 0..7: that many writes pass; 8: sync; 9: rename
        SCOPED_TRACE(esec);
        Colectie k;
        Pregateste(k, Probleme({1, 0, 1, 0, 0, 1, 0}));
        const QByteArray inainte = k.Fisier();
        const QStringList fisiere = Fisiere(k.dosar);
        k.d.NrSelectie = 4;
        k.acces->ScrieriPermise = esec < 8 ? esec : INT_MAX;
        k.acces->SincronizareReuseste = esec != 8;
        k.acces->InlocuireReuseste = esec != 9;

        EXPECT_FALSE(StergereFizica(k.d));
        EXPECT_EQ(k.platforma.Mesaje, QStringList{EroareScriere(k.dosar.Colectie())});
        EXPECT_EQ(k.d.NrSelectie, 4);
        EXPECT_EQ(k.Fisier(), inainte);
        EXPECT_EQ(Fisiere(k.dosar), fisiere);
    }
}

TEST(Purjare, PastreazaLegaturaSiDrepturileFisierului)
{
    Colectie k;
    const auto probleme = Probleme({0, 1, 0, 0});
    QDir(k.dosar.Cale()).mkpath("date");
    const QString real = k.dosar.Cale() + "/date/colectie.stn";
    k.dosar.ScrieColectie(probleme);
    QFile::rename(k.dosar.Colectie(), real);
    QFile::link(real, k.dosar.Colectie());
    const auto drepturi = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QFile::setPermissions(real, drepturi);
    k.d.IncarcaColectie();

    EXPECT_TRUE(StergereFizica(k.d));
    EXPECT_TRUE(QFileInfo(k.dosar.Colectie()).isSymLink());
    EXPECT_EQ(QFileInfo(real).permissions() & 0x7077, drepturi);
    EXPECT_EQ(k.Fisier().left(512), Antet(probleme[3], 4));
    EXPECT_EQ(QDir(k.dosar.Cale() + "/date").entryList(QDir::Files | QDir::Hidden),
              QStringList{"colectie.stn"});
}

} // namespace
