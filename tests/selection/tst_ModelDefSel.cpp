#include "selection/ModelDefSel.h"
#include "tests/selection/ColectieSelectie.h"

#include <gtest/gtest.h>

namespace {

using L = ListaDefSel;
using R = ModelDefSel::Rezultat;
const QString Intrebare =
    QStringLiteral("Nu s-a gasit nici o inregistrare in acest filtru... Refaceti cautarea?");

class Model : public ::testing::Test, protected ColectieSelectie
{
protected:
    ModelDefSel model{d};

    QStringList I(L lista) const { return model.Intrari(lista); }
    void Muta(L sursa, int index)
    {
        model.Evidentiaza(sursa, index);
        ASSERT_EQ(model.Muta(sursa), index);
    }
};

TEST_F(Model, ListeleAuTexteleDistincteInOrdineaPrimeiAparitii)
{
    Pune({P(9, 7, "Algebra", "Functii"), P(9, 7, "Geometrie", "Arii", true),
          P(9, 7, "Algebra", "Ecuatii   "), P(9, 7, "algebra", "Functii"),
          P(9, 7, " Algebra", "functii"), P(9, 7, "Geometrie", "   "),
          P(9, 7, "Algebra", " Functii"), P(9, 7, "Geometrie", "Arii"), P(9, 7, "Algebra", "")});
    ASSERT_TRUE(model.UmpleListe());
    // A blank chapter is one empty entry; a marked record's text comes in only
    // with the first unmarked record that has it.
    EXPECT_EQ(I(L::llCapitole),
              QStringList({"Functii", "Ecuatii", "functii", "", " Functii", "Arii"}));
    EXPECT_EQ(I(L::LDomenii), QStringList({"Algebra", "algebra", " Algebra", "Geometrie"}));
    EXPECT_EQ(model.Evidentiat(L::llCapitole), 0);
    EXPECT_EQ(model.Evidentiat(L::lSelCaps), -1);
}

TEST_F(Model, ColectieGoalaSauToataMarcata)
{
    ASSERT_TRUE(model.UmpleListe());
    for (L l : {L::llCapitole, L::lSelCaps, L::LDomenii, L::lSelDomenii}) {
        EXPECT_TRUE(I(l).isEmpty());
        EXPECT_EQ(model.Evidentiat(l), -1);
        EXPECT_EQ(model.Muta(l), -1);
    }
    // Nothing can be found, so every press asks.
    platforma.RaspunsuriDaNu = {true, false};
    EXPECT_EQ(model.Vizualizare(), R::Refacuta);
    EXPECT_EQ(model.Vizualizare(), R::Predata);
    EXPECT_EQ(platforma.Intrebari, QStringList({Intrebare, Intrebare}));

    Pune({P(9, 7, "Algebra", "Functii", true), P(10, 8, "Geometrie", "Arii", true)});
    ASSERT_TRUE(model.UmpleListe());
    EXPECT_TRUE(I(L::llCapitole).isEmpty());
}

TEST_F(Model, MutareaLaCapatulListeiTinta)
{
    Pune({P(9, 7, "Algebra", "A"), P(9, 7, "Algebra", "B"), P(9, 7, "Geometrie", "C"),
          P(9, 7, "Analiza", "D")});
    model.UmpleListe();

    // The third, then the first: chosen in that order.
    Muta(L::llCapitole, 2);
    EXPECT_EQ(model.Evidentiat(L::llCapitole), 2); // "D" took its place
    Muta(L::llCapitole, 0);
    EXPECT_EQ(I(L::lSelCaps), QStringList({"C", "A"}));
    EXPECT_EQ(I(L::llCapitole), QStringList({"B", "D"}));
    EXPECT_EQ(model.Evidentiat(L::llCapitole), 0);

    // Back to the end of the available list, not to the former place.
    Muta(L::lSelCaps, 1);
    EXPECT_EQ(I(L::llCapitole), QStringList({"B", "D", "A"}));
    EXPECT_EQ(model.Evidentiat(L::lSelCaps), 0); // the last one left

    // Nothing highlighted: nothing moves.
    model.Evidentiaza(L::lSelCaps, -1);
    EXPECT_EQ(model.Muta(L::lSelCaps), -1);
    EXPECT_EQ(I(L::lSelCaps), QStringList({"C"}));

    // Repeated presses empty the list; the last one moved leaves nothing highlighted.
    for (int n = 0; n < 3; ++n)
        EXPECT_EQ(model.Muta(L::LDomenii), 0);
    EXPECT_EQ(model.Muta(L::LDomenii), -1);
    EXPECT_EQ(model.Evidentiat(L::LDomenii), -1);
    EXPECT_EQ(I(L::lSelDomenii), QStringList({"Algebra", "Geometrie", "Analiza"}));
}

// What the window's showings rest on; the window's own test follows a whole round.
TEST_F(Model, ListeleSeUmplOdataPeAratareSiReseteazaTotul)
{
    Pune({P(9, 7, "Algebra", "Functii"), P(10, 8, "Geometrie", "Arii")});
    ASSERT_TRUE(model.UmpleListe());
    Muta(L::llCapitole, 1);
    model.AlegeClasa(5);
    // Coming back to the window while it is shown changes nothing.
    EXPECT_FALSE(model.UmpleListe());
    EXPECT_EQ(I(L::lSelCaps), QStringList({"Arii"}));
    EXPECT_EQ(model.Filtre.FiltruClasa, Adevarat);

    ASSERT_EQ(model.Vizualizare(), R::Predata);
    EXPECT_EQ(Selectate(), std::vector<int>({3}));
    EXPECT_EQ(d.SelectieNoua, Adevarat);
    EXPECT_TRUE(platforma.Intrebari.isEmpty());
    // The next showing starts clean; the class last clicked is kept but unused.
    ASSERT_TRUE(model.UmpleListe());
    EXPECT_TRUE(I(L::lSelCaps).isEmpty());
    EXPECT_EQ(model.Filtre.FiltruClasa, Fals);
    EXPECT_EQ(d.ClasaAleasa, 10);
    ASSERT_EQ(model.Vizualizare(), R::Predata);
    EXPECT_EQ(Selectate(), std::vector<int>({2, 3}));
}

TEST_F(Model, NimicGasitDaRefaceListeleLaLoc)
{
    Pune({P(9, 7, "Algebra", "Functii"), P(10, 8, "Geometrie", "Arii")});
    model.UmpleListe();
    Muta(L::llCapitole, 0);
    Muta(L::LDomenii, 0);
    model.AlegeClasa(1);
    model.AlegeNivel(2);
    platforma.RaspunsuriDaNu = {true};
    ASSERT_EQ(model.Vizualizare(), R::Refacuta);
    EXPECT_EQ(platforma.Intrebari, QStringList({Intrebare}));
    EXPECT_EQ(d.NrSelectie, 1);
    EXPECT_EQ(d.SelectieNoua, Fals);
    EXPECT_EQ(I(L::llCapitole), QStringList({"Functii", "Arii"}));
    EXPECT_TRUE(I(L::lSelDomenii).isEmpty());

    // Pressed again at once: no criterion left, everything passes.
    ASSERT_EQ(model.Vizualizare(), R::Predata);
    EXPECT_EQ(Selectate(), std::vector<int>({2, 3}));
    EXPECT_EQ(platforma.Intrebari.size(), 1);
}

} // namespace
