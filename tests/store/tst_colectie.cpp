#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"
#include "tests/store/AccesJurnal.h"

#include <gtest/gtest.h>

namespace {

class Colectie : public ::testing::Test
{
protected:
    DosarTest dosar;
    PlatformaScriptata platforma;
    AccesJurnal *acces = new AccesJurnal; // owned by definitii
    mDefinitii definitii{dosar.Cale(), platforma, std::unique_ptr<AccesFisiere>(acces)};
};

QByteArray Antet(int16_t numar)
{
    QByteArray o(512, '\0');
    o[0] = char(numar & 0xFF);
    o[1] = char((numar >> 8) & 0xFF);
    return o;
}

TEST_F(Colectie, TreiAdaugariDau2048DeOctetiCareSeReincarcaLaFel)
{
    definitii.IncarcaColectie(); // no file yet: an empty one is made
    ASSERT_TRUE(Adauga(definitii, FaProblema(5, 5, "Geometrie", "Triunghiuri", "a.jpg")));
    ASSERT_TRUE(Adauga(definitii, FaProblema(9, 7, "Algebra", "Functii", "b.jpg", false, "grea")));
    ASSERT_TRUE(Adauga(definitii, FaProblema(12, 10, "Analiza", "Integrale", "c.jpg")));

    const QByteArray fisier = dosar.CitesteOcteti("Tezaurel.stn");
    ASSERT_EQ(fisier.size(), 2048);
    EXPECT_EQ(fisier.left(512), Antet(4));

    PlatformaScriptata alta;
    mDefinitii reincarcat(dosar.Cale(), alta);
    reincarcat.IncarcaColectie();
    ASSERT_EQ(reincarcat.NrProbleme, 4);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(reincarcat.TabelProbleme[i], i == 1 ? Problema() : definitii.TabelProbleme[i]);
}

// The header's count decides, whatever the file holds after it; a count
// beyond the end is an append cut short after its header.
TEST_F(Colectie, AntetulDecideCateInregistrariSeCitesc)
{
    const struct
    {
        int16_t antet;
        int inregistrari;
        int rest;
        int asteptat;
    } cazuri[] = {{3, 4, 0, 3}, {-5, 1, 0, 1}, {0, 1, 0, 1}, {1, 1, 0, 1}, {4, 2, 100, 3}};
    for (const auto &c : cazuri) {
        SCOPED_TRACE(c.antet);
        QByteArray o = Antet(c.antet);
        for (int i = 0; i < c.inregistrari; ++i)
            o += Octeti(FaProblema(6, 6, "D", QString("C%1").arg(i), "f.jpg"));
        dosar.ScrieOcteti("Tezaurel.stn", o + QByteArray(c.rest, 'x'));
        mDefinitii d(dosar.Cale(), platforma);
        d.IncarcaColectie();
        EXPECT_EQ(d.NrProbleme, c.asteptat);
        EXPECT_EQ(d.TabelProbleme[c.asteptat + 1], Problema());
        if (c.asteptat > 2) {
            EXPECT_EQ(d.TabelProbleme[3].Capitol.FaraBlancuri(), "C1");
        }
    }
    EXPECT_TRUE(platforma.Mesaje.isEmpty());
    // The next append goes to the slot after the whole records.
    definitii.IncarcaColectie();
    ASSERT_TRUE(Adauga(definitii, FaProblema(8, 8, "D", "C", "nou.jpg")));
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn").left(2), QByteArray("\x04\x00", 2));
}

TEST_F(Colectie, MarcareaRescrieDoarFFFFDinInregistrareaProblemei)
{
    dosar.ScrieColectie({FaProblema(6, 6, "D", "C", "a.jpg"), FaProblema(7, 7, "D", "C", "b.jpg")});
    definitii.IncarcaColectie();
    const QByteArray inainte = dosar.CitesteOcteti("Tezaurel.stn");
    ASSERT_TRUE(definitii.MarcheazaStearsa(3));
    const QByteArray dupa = dosar.CitesteOcteti("Tezaurel.stn");
    ASSERT_EQ(dupa.size(), inainte.size());
    EXPECT_EQ(dupa.left(1534), inainte.left(1534));
    EXPECT_EQ(dupa.mid(1534), QByteArray("\xFF\xFF"));
    definitii.IncarcaColectie();
    EXPECT_FALSE(definitii.ExistaProblema("b.jpg"));
}

TEST_F(Colectie, AntetPeste2000IncarcaPrimele1999SiBlocheazaScrierea)
{
    QByteArray o = Antet(2500);
    for (int i = 0; i < 2100; ++i)
        o += Octeti(FaProblema(6, 6, "D", "C", "f.jpg"));
    dosar.ScrieOcteti("Tezaurel.stn", o);
    definitii.IncarcaColectie();
    EXPECT_EQ(definitii.NrProbleme, 2000);
    EXPECT_TRUE(platforma.Mesaje.isEmpty()); // told once the main window is shown
    EXPECT_FALSE(definitii.RaportIncarcare().isEmpty());
    EXPECT_FALSE(definitii.MarcheazaStearsa(2));
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn"), o);
}

TEST_F(Colectie, ScriereaEsuataNuPierdeNimicDinMemorie)
{
    dosar.ScrieColectie({FaProblema(6, 6, "D", "C", "a.jpg")});
    definitii.IncarcaColectie();
    acces->ScrieriPermise = 0;
    EXPECT_FALSE(Adauga(definitii, FaProblema(7, 7, "D", "C", "b.jpg")));
    EXPECT_EQ(definitii.NrProbleme, 2);
    EXPECT_FALSE(definitii.MarcheazaStearsa(2));
    EXPECT_FALSE(definitii.TabelProbleme[2].EsteStearsa());
    EXPECT_EQ(platforma.Mesaje, QStringList(2, EroareScriere(dosar.Colectie())));
}

} // namespace
