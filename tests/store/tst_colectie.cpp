#include "store/StergereFizica.h"
#include "tests/store/AccesJurnal.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QByteArray Antet(int16_t numar)
{
    Problema p;
    p.Clasa = numar;
    return Octeti(p);
}

class Incarcare : public ::testing::Test, protected Colectie
{};

// The header's count decides, whatever the file holds after it; a count beyond
// the end is an append cut short after its header; above 2000 the first 1999
// load and nothing may be written.
TEST_F(Incarcare, AntetulDecideCateInregistrariSeCitesc)
{
    const struct
    {
        int16_t antet;
        int inregistrari, rest, asteptat;
        bool blocata = false;
    } cazuri[] = {{3, 4, 0, 3}, {-5, 1, 0, 1}, {0, 1, 0, 1},
                  {1, 1, 0, 1}, {4, 2, 100, 3}, {2500, 2100, 0, 2000, true}};
    for (const auto &c : cazuri) {
        SCOPED_TRACE(c.antet);
        QByteArray o = Antet(c.antet);
        for (int i = 0; i < c.inregistrari; ++i)
            o += Octeti(FaProblema(6, 6, "D", QString("C%1").arg(i), "f.jpg"));
        dosar.ScrieOcteti("Tezaurel.stn", o += QByteArray(c.rest, 'x'));
        platforma.Mesaje.clear();
        const auto r = Reincarcat();
        EXPECT_EQ(r->NrProbleme, c.asteptat);
        EXPECT_TRUE(c.asteptat < 3 || r->TabelProbleme[3].Capitol.FaraBlancuri() == "C1");
        EXPECT_TRUE(c.blocata ? r->TabelProbleme[2000].Capitol.FaraBlancuri() == "C1998"
                              : r->TabelProbleme[c.asteptat + 1] == Problema());
        EXPECT_EQ(platforma.Mesaje.size(), c.blocata ? 1 : 0);
        EXPECT_EQ(r->MarcheazaStearsa(2), !c.blocata);
        EXPECT_EQ(Fisier() == o, c.blocata);
    }
    // The next append goes to the slot after the whole records.
    dosar.ScrieOcteti("Tezaurel.stn", Antet(4) + Octeti(FaProblema(6, 6, "D", "C", "f.jpg")) +
                                          Octeti(FaProblema(6, 6, "D", "C", "g.jpg")) + "xx");
    d.IncarcaColectie();
    ASSERT_TRUE(Adauga(d, FaProblema(8, 8, "D", "C", "nou.jpg")));
    EXPECT_EQ(Fisier().left(2), QByteArray("\x04\x00", 2));
    EXPECT_EQ(Fisier().mid(3 * 512, 512), Octeti(FaProblema(8, 8, "D", "C", "nou.jpg")));
}

// A failed write, a read-only file or a folder in its place: the teacher is
// told, nothing in memory or on disk changes.
TEST_F(Incarcare, ColectiaCareNuSePoateScrieNuPierdeNimic)
{
    dosar.ScrieColectie({FaProblema(6, 6, "D", "C", "a.jpg", true)});
    dosar.ScriePoza("a.jpg", PozaModel(2, 2));
    const QByteArray inainte = Fisier();
    d.IncarcaColectie();
    acces->ScrieriPermise = 0;
    EXPECT_FALSE(Adauga(d, FaProblema(7, 7, "D", "C", "b.jpg")));
    EXPECT_EQ(d.NrProbleme, 2);
    EXPECT_EQ(d.TabelProbleme[3], Problema());
    d.TabelProbleme[2].Sters = Fals;
    EXPECT_FALSE(d.MarcheazaStearsa(2));
    EXPECT_FALSE(d.TabelProbleme[2].EsteStearsa());
    EXPECT_EQ(platforma.Mesaje, QStringList(2, EroareScriere(dosar.Colectie())));

    platforma.Mesaje.clear();
    acces->DoarCitire = true; // loaded read-only: the reason is repeated on each change
    d.IncarcaColectie();
    ASSERT_EQ(platforma.Mesaje.size(), 1);
    EXPECT_TRUE(platforma.Mesaje[0].startsWith("Fisierul colectiei poate fi doar citit"));
    EXPECT_EQ(d.NrProbleme, 2);
    EXPECT_FALSE(d.PoateAdauga());
    EXPECT_FALSE(d.MarcheazaStearsa(2));
    EXPECT_FALSE(StergereFizica(d));
    EXPECT_EQ(platforma.Mesaje, QStringList(4, platforma.Mesaje[0]));
    EXPECT_EQ(Fisier(), inainte);
    EXPECT_TRUE(QFile::exists(dosar.Cale() + "/Probleme/a.jpg"));

    platforma.Mesaje.clear();
    QFile::remove(dosar.Colectie());
    QDir(dosar.Cale()).mkpath("Tezaurel.stn/pastrat");
    acces->DoarCitire = false;
    d.IncarcaColectie();
    EXPECT_EQ(d.NrProbleme, 1);
    EXPECT_FALSE(d.PoateAdauga());
    const QString eroare = "Nu am reusit sa deschid fisierul colectiei: " + dosar.Colectie() +
                           ". Colectia este goala si nu poate fi modificata.";
    EXPECT_EQ(platforma.Mesaje, QStringList(2, eroare));
    EXPECT_FALSE(StergereFizica(d));
    EXPECT_EQ(platforma.Mesaje.last(), "Nu sunt probleme de sters");
    EXPECT_TRUE(QFileInfo(dosar.Cale() + "/Tezaurel.stn/pastrat").isDir());
}

// Permissions bind: no collection can be made in the folder; one already
// there changes in place, but the purge, which writes beside it, refuses.
TEST(ColectieDoarCitire, DosarulAplicatieiFaraDrepturi)
{
    CaUtilizatorObisnuit([] {
        Colectie c;
        const auto scriere = [&](bool da) {
            QFile::setPermissions(c.dosar.Cale(), QFile::ReadOwner | QFile::ExeOwner |
                                                      (da ? QFile::WriteOwner : QFile::ReadOwner));
        };
        scriere(false);
        c.d.IncarcaColectie();
        EXPECT_EQ(c.d.NrProbleme, 1);
        EXPECT_EQ(c.platforma.Mesaje.size(), 1);
        EXPECT_FALSE(QFileInfo::exists(c.dosar.Colectie()));

        scriere(true);
        c.dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "a.jpg", true)});
        c.dosar.ScriePoza("a.jpg", PozaModel(4, 3));
        scriere(false);
        c.platforma.Mesaje.clear();
        c.d.IncarcaColectie();
        ASSERT_TRUE(Adauga(c.d, FaProblema(10, 8, "Algebra", "Ecuatii", "b.jpg")));
        ASSERT_TRUE(c.d.MarcheazaStearsa(3));
        const QByteArray inainte = c.Fisier();
        EXPECT_EQ(inainte.size(), 3 * 512);
        EXPECT_FALSE(StergereFizica(c.d));
        scriere(true);
        EXPECT_EQ(c.platforma.Mesaje, QStringList{EroareScriere(c.dosar.Colectie())});
        EXPECT_EQ(c.Fisier(), inainte);
        EXPECT_TRUE(QFileInfo::exists(c.dosar.Cale() + "/Probleme/a.jpg"));
    });
}

TEST_F(Incarcare, TabelulPlinRefuzaAdaugareaDarSePoateGoli)
{
    std::vector<Problema> probleme;
    for (int i = 2; i <= mDefinitii::UltimulSlot; ++i)
        probleme.push_back(FaProblema(9, 7, "A", QString("C%1").arg(i), QString("p%1.jpg").arg(i)));
    dosar.ScrieColectie(probleme);
    const QByteArray inainte = Fisier();
    d.IncarcaColectie();
    EXPECT_EQ(d.NrProbleme, 2000);
    EXPECT_FALSE(Adauga(d, FaProblema(5, 5, "D", "C", "nou.jpg")));
    EXPECT_EQ(platforma.Mesaje,
              QStringList{"Tezaurelul este plin: nu mai este loc pentru inca o problema (cel mult "
                          "1999). Stergeti mai intai problemele de care nu mai aveti nevoie."});
    EXPECT_EQ(Fisier(), inainte);
    ASSERT_TRUE(d.MarcheazaStearsa(2));
    ASSERT_TRUE(StergereFizica(d));
    d.IncarcaColectie();
    EXPECT_EQ(d.NrProbleme, 1999);
    EXPECT_EQ(d.TabelProbleme[2].Capitol.FaraBlancuri(), "C3");
    EXPECT_TRUE(Adauga(d, FaProblema(5, 5, "D", "C", "nou.jpg")));
}

// Fields full to their last byte, and bytes 0x80-0xFF as a Windows machine
// wrote them, pass through append, load and purge unchanged.
TEST_F(Incarcare, TexteleCeleMaiLungiSiOctetiiInaltiTrecNeschimbati)
{
    Problema plina = FaProblema(-32768, 32767, QString(49, 'D') + 'd', QString(99, 'C') + 'c',
                                QString(251, 'f') + ".jpg", false, QString(99, 'O') + 'o');
    plina.Fisier.Octeti[255] = 'x';
    Problema inalta = FaProblema(9, 7, "", "", "");
    for (int i = 0; i < 100; ++i) {
        inalta.Capitol.Octeti[i] = char(0x80 + (i + 50) % 128);
        inalta.Observatii.Octeti[i] = char(0x80 + (i + 28) % 128);
        inalta.Disciplina.Octeti[i % 50] = char(0x80 + i % 50);
        inalta.Fisier.Octeti[i] = i < 64 ? char(0x80 + i) : i < 68 ? ".jpg"[i - 64] : ' ';
    }
    Problema marcata = inalta;
    marcata.Sters = Adevarat;
    Problema alta = marcata;
    alta.Fisier.Octeti[0] = char(0xC0);
    dosar.ScrieColectie({marcata, inalta, alta});
    for (const Problema &p : {inalta, alta})
        dosar.ScriePoza(p.Fisier.FaraBlancuri(), PozaModel(4, 3));
    d.IncarcaColectie();
    ASSERT_TRUE(Adauga(d, plina));
    EXPECT_EQ(Octeti(d.TabelProbleme[3]), Octeti(inalta));
    EXPECT_TRUE(d.ExistaProblema(inalta.Fisier.FaraBlancuri()));
    // The purge keeps the picture an active problem still names and deletes the other.
    ASSERT_TRUE(StergereFizica(d));
    EXPECT_EQ(platforma.Mesaje, QStringList{"Am sters:  1 fisiere"});
    EXPECT_TRUE(QFileInfo::exists(d.CaleProbleme() + inalta.Fisier.FaraBlancuri()));
    EXPECT_FALSE(QFileInfo::exists(d.CaleProbleme() + alta.Fisier.FaraBlancuri()));
    EXPECT_EQ(Fisier().mid(512), Octeti(inalta) + Octeti(plina) + Octeti(alta) + Octeti(plina));
    d.IncarcaColectie();
    EXPECT_TRUE(d.ExistaProblema(QString(251, 'f') + ".jpgx"));
}

} // namespace
