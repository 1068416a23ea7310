#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>


namespace {

class Colectie : public ::testing::Test
{
protected:
    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii definitii{dosar.Cale(), platforma};

    // Appends as the editor does: a new slot, then header and record.
    bool Adauga(const Problema &p)
    {
        if (!definitii.PoateAdauga())
            return false;
        definitii.NrProbleme++;
        definitii.TabelProbleme[definitii.NrProbleme] = p;
        return definitii.ScrieProblemaNoua();
    }
};

QByteArray Antet(int16_t numar)
{
    QByteArray o(512, '\0');
    o[0] = char(numar & 0xFF);
    o[1] = char((numar >> 8) & 0xFF);
    return o;
}

TEST_F(Colectie, FaraFisierSePornesteCuColectieGoalaSiFisierGol)
{
    definitii.IncarcaColectie();
    EXPECT_EQ(definitii.NrProbleme, 1);
    EXPECT_EQ(definitii.CaleColectie, dosar.Cale() + "/Tezaurel.stn");
    EXPECT_TRUE(QFileInfo::exists(dosar.Colectie()));
    EXPECT_EQ(QFileInfo(dosar.Colectie()).size(), 0);
    EXPECT_TRUE(platforma.Mesaje.isEmpty());
}

TEST_F(Colectie, AdaugareaInColectieGoalaScrie1024DeOcteti)
{
    definitii.IncarcaColectie();
    ASSERT_TRUE(Adauga(FaProblema(9, 7, "Algebra", "Functii", "a.jpg")));
    const QByteArray fisier = dosar.CitesteOcteti("Tezaurel.stn");
    ASSERT_EQ(fisier.size(), 1024);
    EXPECT_EQ(fisier.left(512), Antet(2));
    const auto inregistrare = definitii.TabelProbleme[2].Codifica();
    EXPECT_EQ(fisier.mid(512), QByteArray(inregistrare.data(), 512));
    EXPECT_EQ(uint8_t(fisier[1022]), 0);
}

TEST_F(Colectie, TreiAdaugariDau2048DeOctetiCareSeReincarcaLaFel)
{
    definitii.IncarcaColectie();
    ASSERT_TRUE(Adauga(FaProblema(5, 5, "Geometrie", "Triunghiuri", "a.jpg")));
    ASSERT_TRUE(Adauga(FaProblema(9, 7, "Algebra", "Functii", "b.jpg", false, "grea")));
    ASSERT_TRUE(Adauga(FaProblema(12, 10, "Analiza", "Integrale", "c.jpg")));

    const QByteArray fisier = dosar.CitesteOcteti("Tezaurel.stn");
    ASSERT_EQ(fisier.size(), 2048);
    EXPECT_EQ(fisier.left(512), Antet(4));

    PlatformaScriptata alta;
    mDefinitii reincarcat(dosar.Cale(), alta);
    reincarcat.IncarcaColectie();
    ASSERT_EQ(reincarcat.NrProbleme, 4);
    for (int i = 2; i <= 4; ++i)
        EXPECT_EQ(reincarcat.TabelProbleme[i], definitii.TabelProbleme[i]) << i;
    EXPECT_EQ(reincarcat.TabelProbleme[1], Problema());
    EXPECT_EQ(reincarcat.TabelProbleme[3].Capitol.Text(),
              QStringLiteral("Functii") + QString(93, ' '));
    EXPECT_EQ(reincarcat.TabelProbleme[3].Fisier.Text().size(), 256);
}

TEST_F(Colectie, NumaraDoarCateInregistrariSpuneAntetul)
{
    QByteArray o = Antet(3);
    for (int i = 0; i < 4; ++i) {
        const auto r = FaProblema(6, 6, "D", QString("C%1").arg(i), "f.jpg").Codifica();
        o.append(r.data(), 512);
    }
    dosar.ScrieOcteti("Tezaurel.stn", o);
    definitii.IncarcaColectie();
    EXPECT_EQ(definitii.NrProbleme, 3);
    EXPECT_EQ(definitii.TabelProbleme[3].Capitol.FaraBlancuri(), "C1");
    EXPECT_EQ(definitii.TabelProbleme[4], Problema());
}

TEST_F(Colectie, AntetNegativSauMicDaColectieGoala)
{
    for (int16_t numar : {int16_t(-5), int16_t(0), int16_t(1)}) {
        QByteArray o = Antet(numar);
        const auto r = FaProblema(6, 6, "D", "C", "f.jpg").Codifica();
        o.append(r.data(), 512);
        dosar.ScrieOcteti("Tezaurel.stn", o);
        definitii.IncarcaColectie();
        EXPECT_EQ(definitii.NrProbleme, 1) << numar;
    }
    EXPECT_TRUE(platforma.Mesaje.isEmpty());
}

TEST_F(Colectie, MarcaDeStergereFFFFSeCitesteAdevarat)
{
    dosar.ScrieColectie({FaProblema(6, 6, "D", "C", "f.jpg", true)});
    definitii.IncarcaColectie();
    EXPECT_EQ(definitii.TabelProbleme[2].Sters, Adevarat);
    EXPECT_TRUE(definitii.TabelProbleme[2].EsteStearsa());
    EXPECT_FALSE(definitii.ExistaProblema("f.jpg"));
}

TEST_F(Colectie, MarcareaRescrieDoarInregistrareaProblemei)
{
    dosar.ScrieColectie({FaProblema(6, 6, "D", "C", "a.jpg"), FaProblema(7, 7, "D", "C", "b.jpg")});
    definitii.IncarcaColectie();
    EXPECT_TRUE(definitii.ExistaProblema("b.jpg"));
    const QByteArray inainte = dosar.CitesteOcteti("Tezaurel.stn");
    ASSERT_TRUE(definitii.MarcheazaStearsa(3));
    const QByteArray dupa = dosar.CitesteOcteti("Tezaurel.stn");
    ASSERT_EQ(dupa.size(), inainte.size());
    EXPECT_EQ(dupa.left(1534), inainte.left(1534));
    EXPECT_EQ(dupa.mid(1534), QByteArray("\xFF\xFF"));
    EXPECT_FALSE(definitii.ExistaProblema("b.jpg"));
}

TEST_F(Colectie, AntetCareNumaraPesteSfarsitPastreazaInregistrarileIntregi)
{
    // An append cut short after its header: the count is one ahead of the file.
    QByteArray o = Antet(4);
    for (int i = 0; i < 2; ++i) {
        const auto r = FaProblema(6, 6, "D", "C", QString("f%1.jpg").arg(i)).Codifica();
        o.append(r.data(), 512);
    }
    o.append(QByteArray(100, 'x'));
    dosar.ScrieOcteti("Tezaurel.stn", o);
    definitii.IncarcaColectie();
    EXPECT_EQ(definitii.NrProbleme, 3);
    ASSERT_TRUE(Adauga(FaProblema(8, 8, "D", "C", "nou.jpg")));
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn").left(2), QByteArray("\x04\x00", 2));
}

TEST_F(Colectie, AntetPeste2000IncarcaPrimele1999SiBlocheazaScrierea)
{
    QByteArray o = Antet(2500);
    const auto r = FaProblema(6, 6, "D", "C", "f.jpg").Codifica();
    for (int i = 0; i < 2100; ++i)
        o.append(r.data(), 512);
    dosar.ScrieOcteti("Tezaurel.stn", o);
    definitii.IncarcaColectie();
    EXPECT_EQ(definitii.NrProbleme, 2000);
    ASSERT_EQ(platforma.Mesaje.size(), 1);
    EXPECT_FALSE(definitii.PoateAdauga());
    EXPECT_FALSE(definitii.MarcheazaStearsa(2));
    EXPECT_FALSE(definitii.TabelProbleme[2].EsteStearsa());
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn"), o);
}

TEST_F(Colectie, TabelulPlinRefuzaAdaugarea)
{
    definitii.IncarcaColectie();
    definitii.NrProbleme = mDefinitii::UltimulSlot;
    EXPECT_FALSE(definitii.PoateAdauga());
    ASSERT_EQ(platforma.Mesaje.size(), 1);
    EXPECT_TRUE(platforma.Mesaje[0].startsWith("Tezaurelul este plin"));
}

TEST_F(Colectie, ExistaFisierNumaiPentruFisiere)
{
    dosar.ScrieOcteti("gol.jpg", {});
    EXPECT_TRUE(mDefinitii::ExistaFisier(dosar.Cale() + "/gol.jpg"));
    EXPECT_FALSE(mDefinitii::ExistaFisier(dosar.Cale() + "/lipsa.jpg"));
    EXPECT_FALSE(mDefinitii::ExistaFisier(dosar.Cale() + "/Probleme"));
}

// A medium that refuses writing: the read-write open fails, as on a CD or a
// write-protected stick (and for any user, root included, in these tests).
class AccesDoarCitire final : public AccesFisiere
{
public:
    bool NiciCitire = false;
    std::unique_ptr<FisierInregistrari> Deschide(const QString &cale, Mod mod) override
    {
        if (mod == Mod::CitireScriere || NiciCitire)
            return nullptr;
        return AccesFisiereDisc().Deschide(cale, mod);
    }
};

TEST(ColectieProtejata, FisierDoarCitireSeIncarcaDarNuSeModifica)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    dosar.ScrieColectie({FaProblema(6, 6, "D", "C", "a.jpg")});
    const QByteArray inainte = dosar.CitesteOcteti("Tezaurel.stn");
    mDefinitii definitii(dosar.Cale(), platforma, std::make_unique<AccesDoarCitire>());
    definitii.IncarcaColectie();
    EXPECT_EQ(definitii.NrProbleme, 2);
    ASSERT_EQ(platforma.Mesaje.size(), 1);
    EXPECT_TRUE(platforma.Mesaje[0].startsWith("Fisierul colectiei poate fi doar citit"));
    EXPECT_FALSE(definitii.PoateAdauga());
    EXPECT_FALSE(definitii.MarcheazaStearsa(2));
    EXPECT_FALSE(definitii.TabelProbleme[2].EsteStearsa());
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn"), inainte);
}

TEST(ColectieProtejata, DosarFaraDrepturiDaColectieGoalaCuMesaj)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii definitii(dosar.Cale(), platforma, std::make_unique<AccesDoarCitire>());
    definitii.IncarcaColectie();
    EXPECT_EQ(definitii.NrProbleme, 1);
    ASSERT_EQ(platforma.Mesaje.size(), 1);
    EXPECT_EQ(platforma.Mesaje[0], "Nu am reusit sa deschid fisierul colectiei: " +
                                       dosar.Colectie() +
                                       ". Colectia este goala si nu poate fi modificata.");
    EXPECT_FALSE(definitii.PoateAdauga());
}

// Writes that fail at a chosen point, as on a full or removed medium.
class AccesCuEsec final : public AccesFisiere
{
public:
    int ScrieriPermise = 0;
    std::unique_ptr<FisierInregistrari> Deschide(const QString &cale, Mod mod) override;
};

class FisierCuEsec final : public FisierInregistrari
{
public:
    FisierCuEsec(std::unique_ptr<FisierInregistrari> real, int &permise)
        : m_real(std::move(real)), m_permise(permise)
    {}
    int Citeste(int nr, Problema::Inregistrare &b) override { return m_real->Citeste(nr, b); }
    bool Scrie(int nr, const Problema::Inregistrare &o) override
    {
        if (m_permise-- <= 0)
            return false;
        return m_real->Scrie(nr, o);
    }
    bool Sincronizeaza() override { return m_real->Sincronizeaza(); }

private:
    std::unique_ptr<FisierInregistrari> m_real;
    int &m_permise;
};

std::unique_ptr<FisierInregistrari> AccesCuEsec::Deschide(const QString &cale, Mod mod)
{
    auto real = AccesFisiereDisc().Deschide(cale, mod);
    if (!real)
        return nullptr;
    return std::make_unique<FisierCuEsec>(std::move(real), ScrieriPermise);
}

TEST(ColectieCuEsec, ScriereaEsuataNuPierdeNimicDinMemorie)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    auto acces = std::make_unique<AccesCuEsec>();
    AccesCuEsec *esec = acces.get();
    dosar.ScrieColectie({FaProblema(6, 6, "D", "C", "a.jpg")});
    mDefinitii definitii(dosar.Cale(), platforma, std::move(acces));
    definitii.IncarcaColectie();

    esec->ScrieriPermise = 0;
    definitii.NrProbleme++;
    definitii.TabelProbleme[3] = FaProblema(7, 7, "D", "C", "b.jpg");
    EXPECT_FALSE(definitii.ScrieProblemaNoua());
    EXPECT_EQ(definitii.NrProbleme, 2);
    ASSERT_EQ(platforma.Mesaje.size(), 1);
    EXPECT_EQ(platforma.Mesaje[0], "Nu am reusit sa scriu in fisierul colectiei: " +
                                       dosar.Colectie() + ". Modificarea nu a fost salvata.");

    EXPECT_FALSE(definitii.MarcheazaStearsa(2));
    EXPECT_FALSE(definitii.TabelProbleme[2].EsteStearsa());
}

} // namespace
