#include "app/Ferestre.h"
#include "platform/Ecran.h"
#include "selection/fDefSel.h"
#include "store/mDefinitii.h"
#include "tests/selection/ColectieSelectie.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using L = ListaDefSel;

// Records the hand-over instead of opening the real viewer, which consumes
// SelectieNoua as soon as it is shown.
struct FerestreInregistrate final : Ferestre
{
    mDefinitii *d = nullptr;
    QWidget *dialog = nullptr;
    int Vizualizari = 0;
    struct // the state at the moment the viewer is asked for
    {
        int16_t SelectieNoua = 0, NrSelectie = 0;
        bool dialogVizibil = false;
    } predare;

    void ArataMain() override {}
    void ArataEditor() override {}
    void ArataVizualizare() override
    {
        ++Vizualizari;
        predare = {d->SelectieNoua, d->NrSelectie, dialog->isVisible()};
    }
    void ArataDefSel() override {}
    void ArataTipareste() override {}
    void Iesire() override {}
};

QStringList Texte(const QListWidget *w)
{
    QStringList texte;
    for (int i = 0; i < w->count(); ++i)
        texte << w->item(i)->text();
    return texte;
}

class FereastraDefSel : public ::testing::Test, protected ColectieSelectie
{
protected:
    FerestreInregistrate ferestre;
    std::unique_ptr<fDefSel> fereastra;
    const decltype(ferestre.predare) &predare = ferestre.predare;

    void SetUp() override
    {
        Pune({P(9, 7, "Algebra", "Functii"), P(10, 8, "Geometrie", "Arii"),
              P(9, 8, "Algebra", "Ecuatii"), P(9, 7, "Analiza", "Limite", true),
              P(11, 9, "Analiza", "Derivate")});
        fereastra = std::make_unique<fDefSel>(d, ferestre);
        ferestre.d = &d;
        ferestre.dialog = fereastra.get();
        fereastra->show();
    }

    fDefSel &f() { return *fereastra; }

    // The user clicks an entry, then a button.
    void Apasa(L lista, int rand, QPushButton *buton)
    {
        f().Lista(lista)->setCurrentRow(rand);
        buton->click();
    }
    // What the window shows is what the model holds.
    void VerificaOglinda()
    {
        for (L l : {L::llCapitole, L::lSelCaps, L::LDomenii, L::lSelDomenii}) {
            SCOPED_TRACE(static_cast<int>(l));
            const QListWidget *w = f().Lista(l);
            EXPECT_EQ(Texte(w), f().Model().Intrari(l));
            const auto alese = w->selectedItems();
            EXPECT_EQ(alese.isEmpty() ? -1 : w->row(alese.constFirst()), f().Model().Evidentiat(l));
        }
    }
    bool VreoOptiuneAleasa()
    {
        const auto aleasa = [](QRadioButton *o) { return o->isChecked(); };
        return std::any_of(f().Option1.begin(), f().Option1.end(), aleasa) ||
               std::any_of(f().Option2.begin(), f().Option2.end(), aleasa);
    }
};

TEST_F(FereastraDefSel, TitluriSiLatimeaEcranului)
{
    QStringList texte = {f().windowTitle(),    f().Label1->text(),   f().Label2->text(),
                         f().Label3->text(),   f().Label4->text(),   f().Command1->text(),
                         f().Command4->text(), f().Command2->text(), f().Command5->text(),
                         f().Command3->text(), f().Frame1->title(),  f().Frame2->title()};
    for (auto *o : f().Option1)
        texte << o->text();
    for (auto *o : f().Option2)
        texte << o->text();
    EXPECT_EQ(texte.join('|'),
              "Definiti o selectie|Capitole|Selectie|Disciplina|Selectie|Selecteaza|Deselecteaza|"
              "Selecteaza|Deselecteaza|Vizualizare|Selectati clasa|Nivel de notare|Clasa a V-a|"
              "Clasa a VI-a|Clasa a VII-a|Clasa a VIII-a|Clasa a IX-a|Clasa a X-a|Clasa a XI-a|"
              "Clasa a XII-a|Nivel 5|Nivel 6|Nivel 7|Nivel 8|Nivel 9|Nivel 10");
    // As wide as the screen, and it refuses to close.
    EXPECT_EQ(f().width(), MarimeEcran().width());
    EXPECT_FALSE(f().close());
}

TEST_F(FereastraDefSel, DrumulPanaLaVizualizareSiInapoiCurat)
{
    EXPECT_EQ(Texte(f().LDomenii), QStringList({"Algebra", "Geometrie", "Analiza"}));
    // Each button moves between its own pair of lists (the model checks the rules).
    Apasa(L::llCapitole, 2, f().Command1); // "Ecuatii"
    Apasa(L::llCapitole, 0, f().Command1); // "Functii"
    Apasa(L::LDomenii, 1, f().Command2);   // "Geometrie"
    Apasa(L::LDomenii, 0, f().Command2);   // "Algebra"
    Apasa(L::lSelDomenii, 0, f().Command5);
    Apasa(L::lSelCaps, 0, f().Command4);
    Apasa(L::llCapitole, 2, f().Command1); // "Ecuatii" again, now last
    EXPECT_EQ(Texte(f().lSelCaps), QStringList({"Functii", "Ecuatii"}));
    EXPECT_EQ(Texte(f().lSelDomenii), QStringList({"Algebra"}));
    VerificaOglinda();
    f().Option1[4]->click();

    f().Command3->click();
    EXPECT_EQ(ferestre.Vizualizari, 1);
    EXPECT_TRUE(predare.dialogVizibil); // the viewer comes up before the dialog goes
    EXPECT_EQ(predare.SelectieNoua, Adevarat);
    EXPECT_FALSE(f().isVisible());
    EXPECT_EQ(d.NrSelectie, 3);
    EXPECT_EQ(d.Selectie[2], 2);
    EXPECT_EQ(d.Selectie[3], 4);

    // A problem added meanwhile shows up; nothing chosen before survives.
    d.TabelProbleme[7] = P(5, 5, "Aritmetica", "Fractii");
    d.NrProbleme = 7;
    f().show();
    EXPECT_EQ(Texte(f().llCapitole),
              QStringList({"Functii", "Arii", "Ecuatii", "Derivate", "Fractii"}));
    EXPECT_TRUE(Texte(f().lSelDomenii).isEmpty());
    EXPECT_FALSE(VreoOptiuneAleasa());
    VerificaOglinda();
}

// Yes to "nothing found" clears the window's choices as well as the lists.
TEST_F(FereastraDefSel, RefacereaLaDaDebifeazaOptiunile)
{
    f().Option1[3]->click();
    EXPECT_EQ(d.ClasaAleasa, 8);
    f().Option2[5]->click();
    EXPECT_EQ(d.NivelAles, 10);
    platforma.RaspunsuriDaNu = {true};
    f().Command3->click();
    EXPECT_EQ(ferestre.Vizualizari, 0);
    EXPECT_FALSE(VreoOptiuneAleasa());
    VerificaOglinda();
}

} // namespace
