#include "ferestre/selectie/FereastraSelectie.h"
#include "logica/selectie/EvaluareSelectie.h"
#include "tests/selectie/ColectieSelectie.h"
#include "unelte/FerestreTacute.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <sys/wait.h>

using namespace tezaurel;

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
        sel.ClasaAleasa = clasa, sel.NivelAles = nivel;
        ColecteazaAlegeri(sel, capitole, discipline, filtre);
        FiltreazaProbleme(sel, filtre);
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
    EXPECT_EQ(model.Intrari(L::Capitole),
              QStringList({"Functii", "Ecuatii", "functii", "", " Functii", "Arii"}));
    EXPECT_EQ(model.Intrari(L::Discipline),
              QStringList({"Algebra", "algebra", " Algebra", "Geometrie"}));
    EXPECT_EQ(QList({model.Evidentiat(L::Capitole), model.Evidentiat(L::CapitoleAlese)}),
              QList({0, -1}));
    Muta(L::Capitole, 2);
    EXPECT_EQ(model.Evidentiat(L::Capitole), 2);
    Muta(L::Capitole, 0);
    EXPECT_EQ(model.Intrari(L::CapitoleAlese), QStringList({"functii", "Functii"}));
    Muta(L::CapitoleAlese, 1);
    EXPECT_EQ(model.Intrari(L::Capitole),
              QStringList({"Ecuatii", "", " Functii", "Arii", "Functii"}));
    EXPECT_EQ(model.Evidentiat(L::CapitoleAlese), 0); // the last one left
    Muta(L::CapitoleAlese, -1);
    // Once per showing: coming back while shown changes nothing.
    EXPECT_FALSE(model.UmpleListe());
    EXPECT_EQ(model.Intrari(L::CapitoleAlese), QStringList{"functii"});
}

// Nothing found asks (Yes is the window's test); No hands the empty selection
// over; the next showing starts clean, the class kept but unused.
TEST_F(Selectie, VizualizareaPredaSauReface)
{
    Pune({P(9, 7, "Algebra", "Functii"), P(10, 8, "Geometrie", "Arii")});
    ASSERT_TRUE(model.UmpleListe());
    Alege(L::Capitole, "Arii");
    model.AlegeClasa(4);
    platforma.RaspunsuriDaNu = {false};
    ASSERT_EQ(model.Vizualizare(), R::Predata);
    EXPECT_TRUE(Selectate().empty() && sel.SelectieNoua);
    EXPECT_EQ(
        platforma.Intrebari,
        QStringList("Nu s-a gasit nici o inregistrare in acest filtru... Refaceti cautarea?"));
    ASSERT_TRUE(model.UmpleListe());
    EXPECT_EQ(std::pair(model.Filtre.FiltruClasa, sel.ClasaAleasa),
              (std::pair<bool, int16_t>(false, 9)));
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
    FereastraSelectie f(sel, ferestre);
    f.show();
    const std::tuple<const char *, int, const char *> clicuri[] = {
        {"capitole", 1, "butonAlegeCapitol"},      {"capitole", 1, "butonAlegeCapitol"},
        {"discipline", 1, "butonAlegeDisciplina"}, {"disciplineAlese", 0, "butonLasaDisciplina"},
        {"capitoleAlese", 0, "butonLasaCapitol"},  {"discipline", 1, "butonAlegeDisciplina"}};
    for (const auto &[lista, rand, buton] : clicuri) {
        f.findChild<QListWidget *>(lista)->setCurrentRow(rand);
        f.findChild<QPushButton *>(buton)->click();
    }
    EXPECT_EQ(QList({f.Model().Intrari(L::Capitole), f.Model().Intrari(L::CapitoleAlese),
                     f.Model().Intrari(L::Discipline), f.Model().Intrari(L::DisciplineAlese)}),
              QList<QStringList>({{"Functii", "Arii"}, {"Ecuatii"}, {"Algebra"}, {"Geometrie"}}));
    f.findChild<QRadioButton *>("clasa_4")->click();
    f.findChild<QRadioButton *>("nivel_2")->click();
    EXPECT_EQ(QList({sel.ClasaAleasa, sel.NivelAles}), QList<int16_t>({9, 7}));
    f.findChild<QLineEdit *>("clasaExclusa")->setText("IX B");
    platforma.RaspunsuriDaNu = {true};
    f.findChild<QPushButton *>("butonVizualizare")->click();
    EXPECT_EQ(f.findChild<QLineEdit *>("clasaExclusa")->text(), "");
    for (QRadioButton *o : f.findChildren<QRadioButton *>())
        EXPECT_FALSE(o->isChecked()) << o->text();
    EXPECT_EQ(f.findChild<QListWidget *>("capitole")->count(), 3);
    EXPECT_FALSE(sel.SelectieNoua);                          // asked again, nothing handed over
    f.findChild<QPushButton *>("butonVizualizare")->click(); // no criterion left: handed over
    EXPECT_TRUE(Selectate() == V({2, 3, 4}) && !f.isVisible());
}

// From the keyboard: the focus starts in the words, Alt+F and Alt+C each lead to
// their own field, and Enter in the words does what "Vizualizare" does.
TEST_F(Selectie, TastaturaFerestrei)
{
    Pune({P(9, 7, "Algebra", "Functii"), P(10, 8, "Geometrie", "Arii")});
    FerestreTacute ferestre;
    FereastraSelectie f(sel, ferestre);
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    auto *cuvinte = f.findChild<QLineEdit *>("cuvinte");
    EXPECT_EQ(QApplication::focusWidget(), cuvinte);
    const std::pair<Qt::Key, const char *> taste[] = {
        {Qt::Key_F, "clasaExclusa"}, {Qt::Key_C, "cuvinte"}, {Qt::Key_C, "cuvinte"}};
    for (const auto &[tasta, camp] : taste) {
        QTest::keyClick(QApplication::focusWidget(), tasta, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), f.findChild<QLineEdit *>(camp)) << camp;
    }
    QTest::keyClick(cuvinte, Qt::Key_Return); // no criterion: the whole collection handed over
    EXPECT_TRUE(Selectate() == V({2, 3}) && !f.isVisible());
}

// Another program appends while the dialog is open and active: the new chapter
// and discipline join its lists without the dialog being activated again, and
// a problem of a chapter already listed adds nothing.
TEST(ColectieUrmarita, DialogulDeschisArataCeAdaugaAltProgram)
{
    DosarTest dosar;
    dosar.ScrieColectie({P(9, 7, "Algebra", "Functii")});
    PlatformaScriptata platforma;
    Colectie d(dosar.Cale(), platforma);
    SelectieCurenta sel(d);
    d.IncarcaColectie();
    d.UrmaresteAltePrograme();
    FerestreTacute ferestre;
    FereastraSelectie f(sel, ferestre);
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    if (const pid_t copil = fork(); copil == 0) {
        Colectie altul(dosar.Cale(), platforma);
        altul.IncarcaColectie();
        _exit(altul.ScrieProblemaNoua(P(10, 8, "Geometrie", "Arii")) &&
                      altul.ScrieProblemaNoua(P(9, 8, "Algebra", "Functii"))
                  ? 0
                  : 1);
    } else {
        int stare = -1;
        ASSERT_EQ(waitpid(copil, &stare, 0), copil);
        ASSERT_EQ(stare, 0);
    }
    const auto intrari = [&](const char *lista) {
        QStringList texte;
        for (int i = 0; i < f.findChild<QListWidget *>(lista)->count(); ++i)
            texte << f.findChild<QListWidget *>(lista)->item(i)->text();
        return texte;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return d.NrProbleme() == 4; }, 5000));
    EXPECT_EQ(QList({intrari("capitole"), intrari("discipline")}),
              QList<QStringList>({{"Functii", "Arii"}, {"Algebra", "Geometrie"}}));
}
