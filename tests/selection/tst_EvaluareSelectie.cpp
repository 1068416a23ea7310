#include "selection/EvaluareSelectie.h"
#include "tests/selection/ColectieSelectie.h"

#include <gtest/gtest.h>

namespace {

class Evaluare : public ::testing::Test, protected ColectieSelectie
{
protected:
    FiltreSelectie filtre;

    std::vector<int> Evalueaza(const QStringList &capitole = {}, const QStringList &discipline = {})
    {
        ColecteazaAlegeri(d, capitole, discipline, filtre);
        FiltreazaProbleme(d, filtre);
        return Selectate();
    }
};

using V = std::vector<int>;

TEST_F(Evaluare, ExistaComparaExactSlot2PanaLaUltimul)
{
    EXPECT_FALSE(ExistaCapitol(d, QString())); // NrCapitole = 1: nothing to find
    d.TabelCapitole[2] = "Functii";
    d.TabelCapitole[3] = "Ecuatii";
    d.TabelCapitole[4] = "Limite"; // beyond the last used slot
    d.NrCapitole = 3;
    EXPECT_TRUE(ExistaCapitol(d, "Functii"));
    EXPECT_TRUE(ExistaCapitol(d, "Ecuatii"));
    EXPECT_FALSE(ExistaCapitol(d, "Limite"));
    EXPECT_FALSE(ExistaCapitol(d, "functii"));
    EXPECT_FALSE(ExistaCapitol(d, " Functii"));
    EXPECT_FALSE(ExistaCapitol(d, "Functii ")); // the given text is not trimmed

    d.TabelDiscipline[2] = "Algebra";
    EXPECT_FALSE(ExistaDisciplina(d, "Algebra"));
    d.NrDiscipline = 2;
    EXPECT_TRUE(ExistaDisciplina(d, "Algebra"));
    EXPECT_FALSE(ExistaDisciplina(d, "ALGEBRA"));
}

TEST_F(Evaluare, AlegerileIntraInTabeleDinSlotul2)
{
    d.NrCapitole = 7; // what the list filling left behind
    d.NrDiscipline = 4;
    ColecteazaAlegeri(d, {"Ecuatii", "Functii"}, {}, filtre);
    EXPECT_EQ(filtre.FiltruCapitole, Adevarat);
    EXPECT_EQ(filtre.FiltruDiscipline, Fals);
    EXPECT_EQ(d.NrCapitole, 3);
    EXPECT_EQ(d.TabelCapitole[2], "Ecuatii");
    EXPECT_EQ(d.TabelCapitole[3], "Functii");
    EXPECT_EQ(d.NrDiscipline, 4);

    // Every distinct text of a full collection can be chosen, past slot 500.
    QStringList multe;
    for (int i = 0; i < 1999; ++i)
        multe << QString::number(i);
    ColecteazaAlegeri(d, multe, {"Algebra"}, filtre);
    EXPECT_EQ(d.NrCapitole, 2000);
    EXPECT_EQ(d.TabelCapitole[2000], "1998");
    EXPECT_EQ(d.NrDiscipline, 2);
    EXPECT_EQ(filtre.FiltruDiscipline, Adevarat);
}

TEST_F(Evaluare, FaraCriteriiToateNemarcateleInOrdine)
{
    Pune({P(9, 7, "Algebra", "Functii"), P(10, 8, "Geometrie", "Arii", true),
          P(5, 5, "Aritmetica", "Fractii"), P(12, 10, "Analiza", "Limite")});
    EXPECT_EQ(Evalueaza(), V({2, 4, 5}));
    EXPECT_EQ(d.NrSelectie, 4);
}

TEST_F(Evaluare, CriteriileSeCombina)
{
    Pune({P(9, 7, "Algebra", "Functii"),   // 2
          P(10, 7, "Algebra", "Ecuatii"),  // 3
          P(9, 8, "Geometrie", "Functii"), // 4
          P(9, 7, "Geometrie", "Ecuatii"), // 5
          P(11, 7, "Analiza", "Limite"),   // 6
          P(9, 7, "Algebra", "Ecuatii")}); // 7

    SCOPED_TRACE("only a class: every level, discipline and chapter of it");
    filtre.FiltruClasa = Adevarat;
    d.ClasaAleasa = 9;
    EXPECT_EQ(Evalueaza(), V({2, 4, 5, 7}));

    filtre = {};
    filtre.FiltruNivel = Adevarat;
    d.NivelAles = 8;
    EXPECT_EQ(Evalueaza(), V({4}));

    // Two chapters: table order, not grouped by chapter.
    filtre = {};
    EXPECT_EQ(Evalueaza({"Ecuatii", "Functii"}), V({2, 3, 4, 5, 7}));

    // Alternatives inside a criterion, all criteria together.
    filtre = {};
    filtre.FiltruClasa = Adevarat;
    filtre.FiltruNivel = Adevarat;
    d.ClasaAleasa = 9;
    d.NivelAles = 7;
    EXPECT_EQ(Evalueaza({"Ecuatii", "Limite"}, {"Algebra", "Analiza"}), V({7}));

    // A chapter no problem of the class has: nothing passes.
    filtre = {};
    filtre.FiltruClasa = Adevarat;
    d.ClasaAleasa = 11;
    EXPECT_EQ(Evalueaza({"Functii"}), V({}));
    EXPECT_EQ(d.NrSelectie, 1);
}

TEST_F(Evaluare, DoarBlancurileDeLaCoadaSuntIgnorate)
{
    Pune({P(9, 7, "Algebra", "Functii"), P(9, 7, "Algebra", " Functii"),
          P(9, 7, "Algebra", "functii"), P(9, 7, "Algebra", "Functii   "),
          P(9, 7, "Alg ebra", "Functii"), P(9, 7, "Algebra ", "Functii")});
    EXPECT_EQ(Evalueaza({"Functii"}), V({2, 5, 6, 7}));
    filtre = {};
    EXPECT_EQ(Evalueaza({}, {"Algebra"}), V({2, 3, 4, 5, 7}));
}

TEST_F(Evaluare, CapitolAlbSeAlegeCaTextGol)
{
    Pune({P(9, 7, "Algebra", "   "), P(9, 7, "Algebra", "Functii"), P(9, 7, "Algebra", "")});
    EXPECT_EQ(Evalueaza({QString()}), V({2, 4}));
}

TEST_F(Evaluare, MarcateleNuIntraNiciCandTexteleLorSuntAlese)
{
    // The chosen texts exist because an unmarked record carries them.
    Pune({P(9, 7, "Algebra", "Functii", true), P(9, 7, "Algebra", "Functii"),
          P(9, 7, "Algebra", "Functii", true)});
    filtre.FiltruClasa = Adevarat;
    d.ClasaAleasa = 9;
    EXPECT_EQ(Evalueaza({"Functii"}, {"Algebra"}), V({3}));
}

TEST_F(Evaluare, ColectiePlinaUmpleSlot2PanaLa2000)
{
    std::vector<Problema> toate(1999, P(9, 7, "Algebra", "Functii"));
    toate[0].Sters = Adevarat;
    Pune(toate);
    EXPECT_EQ(Evalueaza().size(), 1998u);
    EXPECT_EQ(d.Selectie[2], 3);

    toate[0].Sters = Fals;
    Pune(toate);
    const V sel = Evalueaza({"Functii"});
    ASSERT_EQ(d.NrSelectie, 2000);
    EXPECT_EQ(sel.front(), 2);
    EXPECT_EQ(sel.back(), 2000);
}

} // namespace
