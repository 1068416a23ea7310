#include "selection/EvaluareSelectie.h"
#include "tests/selection/ColectieSelectie.h"

#include <gtest/gtest.h>

namespace {

using V = std::vector<int>;

class Evaluare : public ::testing::Test, protected ColectieSelectie
{
protected:
    FiltreSelectie filtre;

    V Evalueaza(const QStringList &capitole = {}, const QStringList &discipline = {})
    {
        ColecteazaAlegeri(d, capitole, discipline, filtre);
        FiltreazaProbleme(d, filtre);
        return Selectate();
    }
    void Criterii(int clasa, int nivel)
    {
        filtre = {};
        filtre.FiltruClasa = clasa ? Adevarat : Fals;
        filtre.FiltruNivel = nivel ? Adevarat : Fals;
        d.ClasaAleasa = int16_t(clasa);
        d.NivelAles = int16_t(nivel);
    }
};

TEST_F(Evaluare, CriteriileSeCombina)
{
    Pune({P(9, 7, "Algebra", "Functii"),   // 2
          P(10, 7, "Algebra", "Ecuatii"),  // 3
          P(9, 8, "Geometrie", "Functii"), // 4
          P(9, 7, "Geometrie", "Ecuatii"), // 5
          P(11, 7, "Analiza", "Limite"),   // 6
          P(9, 7, "Algebra", "Ecuatii"),   // 7
          P(9, 7, "Algebra", "Functii", true)});
    EXPECT_EQ(Evalueaza(), V({2, 3, 4, 5, 6, 7})); // no criterion: every unmarked one
    Criterii(9, 0);
    EXPECT_EQ(Evalueaza(), V({2, 4, 5, 7}));
    Criterii(0, 8);
    EXPECT_EQ(Evalueaza(), V({4}));
    // Two chapters: table order, not grouped by chapter.
    Criterii(0, 0);
    EXPECT_EQ(Evalueaza({"Ecuatii", "Functii"}), V({2, 3, 4, 5, 7}));
    // Alternatives inside a criterion, all criteria together.
    Criterii(9, 7);
    EXPECT_EQ(Evalueaza({"Ecuatii", "Limite"}, {"Algebra", "Analiza"}), V({7}));
    // The marked record is left out even when all its texts are chosen.
    EXPECT_EQ(Evalueaza({"Functii"}, {"Algebra"}), V({2}));
    // A chapter no problem of the class has: nothing passes.
    Criterii(11, 0);
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

    // A blank chapter is chosen as the empty text.
    Pune({P(9, 7, "Algebra", "   "), P(9, 7, "Algebra", "Functii"), P(9, 7, "Algebra", "")});
    filtre = {};
    EXPECT_EQ(Evalueaza({QString()}), V({2, 4}));
}

} // namespace
