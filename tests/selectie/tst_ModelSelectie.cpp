#include "unelte/FerestreTacute.h"
#include "logica/selectie/EvaluareSelectie.h"
#include "ferestre/selectie/FereastraSelectie.h"
#include "tests/selectie/ColectieSelectie.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using R = ModelSelectie::Rezultat;

// Criteria combine; alternatives inside one; marked records never; only
// trailing blanks are ignored; a blank chapter is chosen as the empty text.
TEST_F(Selectie, CriteriileSiListele)
{
    Pune({P(9, 7, "Algebra", "Functii"), P(10, 7, "Algebra", "Ecuatii"),
          P(9, 8, "Geometrie", "Functii"), // 2-4
          P(9, 7, "Geometrie", "Ecuatii"), P(11, 7, "Analiza", "Limite"),
          P(9, 7, "Algebra", "Ecuatii"), // 5-7
          P(9, 7, "Algebra", "Functii", true), P(9, 7, "Algebra", " Functii"),
          P(9, 7, "Algebra", "functii"), // 8-10
          P(9, 7, "Algebra", "Functii   "), P(9, 7, "Alg ebra", "Ecuatii"),
          P(9, 7, "Algebra ", "   "), // 11-13
          P(9, 7, "Algebra", "")});
    const std::tuple<int16_t, int16_t, QStringList, QStringList, V> cazuri[] = {
        {0, 0, {}, {}, {2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14}},
        {9, 0, {}, {}, {2, 4, 5, 7, 9, 10, 11, 12, 13, 14}},
        {0, 8, {}, {}, {4}},
        {0, 0, {"Ecuatii", "Functii"}, {}, {2, 3, 4, 5, 7, 11, 12}},
        {9, 7, {"Ecuatii", "Limite"}, {"Algebra", "Analiza"}, {7}},
        {0, 0, {"Functii"}, {"Algebra"}, {2, 11}},
        {0, 0, {""}, {}, {13, 14}}};
    for (const auto &[clasa, nivel, capitole, discipline, asteptat] : cazuri) {
        FiltreSelectie filtre{clasa, nivel, false, false, {}};
        d.ClasaAleasa = clasa, d.NivelAles = nivel;
        ColecteazaAlegeri(d, capitole, discipline, filtre);
        FiltreazaProbleme(d, filtre);
        EXPECT_EQ(Selectate(), asteptat) << clasa << " " << nivel << " " << capitole.join(',');
    }
    // The lists: distinct texts in the order of first appearance: case and leading
    // blanks count, a marked record's text comes only with an unmarked one. A move
    // goes to the end of the other list and highlights the entry taking its place.
    Pune({P(9, 7, "Algebra", "Functii"), P(9, 7, "Geometrie", "Arii", true),
          P(9, 7, "Algebra", "Ecuatii   "), P(9, 7, "algebra", "Functii"),
          P(9, 7, " Algebra", "functii"), P(9, 7, "Geometrie", "   "),
          P(9, 7, "Algebra", " Functii"), P(9, 7, "Geometrie", "Arii")});
    ASSERT_TRUE(model.UmpleListe());
    EXPECT_EQ(model.Intrari(L::llCapitole),
              QStringList({"Functii", "Ecuatii", "functii", "", " Functii", "Arii"}));
    EXPECT_EQ(model.Intrari(L::LDomenii),
              QStringList({"Algebra", "algebra", " Algebra", "Geometrie"}));
    EXPECT_EQ(QList({model.Evidentiat(L::llCapitole), model.Evidentiat(L::lSelCaps)}),
              QList({0, -1}));
    Muta(L::llCapitole, 2);
    EXPECT_EQ(model.Evidentiat(L::llCapitole), 2);
    Muta(L::llCapitole, 0);
    EXPECT_EQ(model.Intrari(L::lSelCaps), QStringList({"functii", "Functii"}));
    Muta(L::lSelCaps, 1);
    EXPECT_EQ(model.Intrari(L::llCapitole),
              QStringList({"Ecuatii", "", " Functii", "Arii", "Functii"}));
    EXPECT_EQ(model.Evidentiat(L::lSelCaps), 0); // the last one left
    Muta(L::lSelCaps, -1);
    // Once per showing: coming back while shown changes nothing.
    EXPECT_FALSE(model.UmpleListe());
    EXPECT_EQ(model.Intrari(L::lSelCaps), QStringList{"functii"});
}

// Nothing found asks (Yes is the window's test); No hands the empty selection
// over; the next showing starts clean, the class kept but unused.
TEST_F(Selectie, VizualizareaPredaSauReface)
{
    Pune({P(9, 7, "Algebra", "Functii"), P(10, 8, "Geometrie", "Arii")});
    ASSERT_TRUE(model.UmpleListe());
    Alege(L::llCapitole, "Arii");
    model.AlegeClasa(4);
    platforma.RaspunsuriDaNu = {false};
    ASSERT_EQ(model.Vizualizare(), R::Predata);
    EXPECT_TRUE(Selectate().empty() && d.SelectieNoua);
    EXPECT_EQ(
        platforma.Intrebari,
        QStringList("Nu s-a gasit nici o inregistrare in acest filtru... Refaceti cautarea?"));
    ASSERT_TRUE(model.UmpleListe());
    EXPECT_EQ(std::pair(model.Filtre.FiltruClasa, d.ClasaAleasa), (std::pair<bool, int16_t>(false, 9)));
    ASSERT_EQ(model.Vizualizare(), R::Predata);
    EXPECT_EQ(Selectate(), V({2, 3}));
}

// Each button moves between its own pair of lists; an option sets its class or
// level; "Da" clears every criterion and fills the lists again.
TEST_F(Selectie, FereastraOglindesteModelul)
{
    Pune({P(9, 7, "Algebra", "Functii"), P(10, 8, "Geometrie", "Arii"),
          P(9, 8, "Algebra", "Ecuatii")});
    FerestreTacute ferestre;
    FereastraSelectie f(d, ferestre);
    f.show();
    const std::tuple<const char *, int, const char *> clicuri[] = {
        {"llCapitole", 1, "Command1"},  {"llCapitole", 1, "Command1"}, {"LDomenii", 1, "Command2"},
        {"lSelDomenii", 0, "Command5"}, {"lSelCaps", 0, "Command4"},   {"LDomenii", 1, "Command2"}};
    for (const auto &[lista, rand, buton] : clicuri) {
        f.findChild<QListWidget *>(lista)->setCurrentRow(rand);
        f.findChild<QPushButton *>(buton)->click();
    }
    EXPECT_EQ(QList({f.Model().Intrari(L::llCapitole), f.Model().Intrari(L::lSelCaps),
                     f.Model().Intrari(L::LDomenii), f.Model().Intrari(L::lSelDomenii)}),
              QList<QStringList>({{"Functii", "Arii"}, {"Ecuatii"}, {"Algebra"}, {"Geometrie"}}));
    f.findChild<QRadioButton *>("Option1_4")->click();
    f.findChild<QRadioButton *>("Option2_2")->click();
    EXPECT_EQ(QList({d.ClasaAleasa, d.NivelAles}), QList<int16_t>({9, 7}));
    platforma.RaspunsuriDaNu = {true};
    f.findChild<QPushButton *>("Command3")->click();
    for (QRadioButton *o : f.findChildren<QRadioButton *>())
        EXPECT_FALSE(o->isChecked()) << o->text();
    EXPECT_EQ(f.findChild<QListWidget *>("llCapitole")->count(), 3);
    EXPECT_FALSE(d.SelectieNoua);                 // asked again, nothing handed over
    f.findChild<QPushButton *>("Command3")->click(); // no criterion left: handed over
    EXPECT_TRUE(Selectate() == V({2, 3, 4}) && !f.isVisible());
}
