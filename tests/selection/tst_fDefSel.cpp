#include "app/Aplicatie.h"
#include "app/Ferestre.h"
#include "app/fMain.h"
#include "platform/Ecran.h"
#include "selection/fDefSel.h"
#include "store/mDefinitii.h"
#include "tests/selection/ColectieSelectie.h"
#include "viewer/fVizualizare.h"

#include <QApplication>
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

TEST_F(FereastraDefSel, TitluriFonturiSiMarimeFixa)
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
    for (QWidget *w : std::initializer_list<QWidget *>{f().Label1, f().Command5, f().Command3,
                                                       f().Frame2, f().Option1[7]})
        EXPECT_EQ(w->font().pointSize(), 12) << w->objectName().toStdString();
    EXPECT_EQ(f().llCapitole->font(), QApplication::font(f().llCapitole));

    // A fixed size from the screen's; it refuses to close.
    EXPECT_EQ(f().LatimeFixa, MarimeEcran().width() * TwipsPePixel);
    const QSize fixa(Pixeli(f().LatimeFixa), Pixeli(f().InaltimeFixa));
    EXPECT_EQ(f().size(), fixa);
    f().resize(300, 200);
    EXPECT_EQ(f().size(), fixa);

    // "Vizualizare" ends 300 twips (20 pixels) above the bottom of the client area.
    EXPECT_EQ(f().centralWidget()->height() - f().Command3->geometry().bottom() - 1, 20);
    EXPECT_EQ(f().Option1[4]->geometry(), QRect(320, 40, 137, 33));
    EXPECT_EQ(f().Option2[5]->geometry(), QRect(336, 168, 145, 33));

    EXPECT_FALSE(f().close());
}

TEST_F(FereastraDefSel, DrumulPanaLaVizualizareSiInapoiCurat)
{
    EXPECT_EQ(Texte(f().llCapitole), QStringList({"Functii", "Arii", "Ecuatii", "Derivate"}));
    EXPECT_EQ(Texte(f().LDomenii), QStringList({"Algebra", "Geometrie", "Analiza"}));
    VerificaOglinda();

    Apasa(L::llCapitole, 2, f().Command1); // "Ecuatii"
    f().Command1->click();                 // then "Derivate", which took its place
    Apasa(L::llCapitole, 0, f().Command1); // then "Functii"
    EXPECT_EQ(Texte(f().lSelCaps), QStringList({"Ecuatii", "Derivate", "Functii"}));
    Apasa(L::lSelCaps, 1, f().Command4);
    EXPECT_EQ(Texte(f().llCapitole), QStringList({"Arii", "Derivate"}));
    Apasa(L::LDomenii, 0, f().Command2);
    f().Command5->click(); // nothing highlighted in the chosen list yet
    f().Command2->click();
    EXPECT_EQ(Texte(f().lSelDomenii), QStringList({"Algebra", "Geometrie"}));
    Apasa(L::lSelDomenii, 0, f().Command5);
    EXPECT_EQ(Texte(f().LDomenii), QStringList({"Analiza", "Algebra"}));
    Apasa(L::LDomenii, 1, f().Command2);
    EXPECT_EQ(Texte(f().lSelDomenii), QStringList({"Geometrie", "Algebra"}));
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
    EXPECT_TRUE(platforma.Intrebari.isEmpty());

    // A problem added meanwhile shows up; nothing chosen before survives.
    d.TabelProbleme[7] = P(5, 5, "Aritmetica", "Fractii");
    d.NrProbleme = 7;
    f().show();
    EXPECT_EQ(Texte(f().llCapitole),
              QStringList({"Functii", "Arii", "Ecuatii", "Derivate", "Fractii"}));
    EXPECT_TRUE(Texte(f().lSelCaps).isEmpty());
    EXPECT_TRUE(Texte(f().lSelDomenii).isEmpty());
    EXPECT_FALSE(VreoOptiuneAleasa());
    EXPECT_EQ(f().Model().Filtre.FiltruClasa, Fals);
    VerificaOglinda();
}

TEST_F(FereastraDefSel, OptiunileSiRefacereaLaDa)
{
    f().Option1[3]->click();
    EXPECT_EQ(d.ClasaAleasa, 8);
    f().Option2[5]->click();
    EXPECT_EQ(d.NivelAles, 10);
    Apasa(L::llCapitole, 1, f().Command1);

    platforma.RaspunsuriDaNu = {true};
    f().Command3->click();
    EXPECT_EQ(platforma.Intrebari,
              QStringList({"Nu s-a gasit nici o inregistrare in acest filtru... Refaceti "
                           "cautarea?"}));
    EXPECT_TRUE(f().isVisible());
    EXPECT_EQ(ferestre.Vizualizari, 0);
    EXPECT_FALSE(VreoOptiuneAleasa());
    EXPECT_EQ(Texte(f().llCapitole), QStringList({"Functii", "Arii", "Ecuatii", "Derivate"}));
    EXPECT_TRUE(Texte(f().lSelCaps).isEmpty());
    VerificaOglinda();

    // The options work again after the reset; nothing found and No hands over
    // the empty selection, and the next showing starts clean.
    f().Option2[0]->click();
    EXPECT_TRUE(f().Option2[0]->isChecked());
    EXPECT_EQ(d.NivelAles, 5);
    platforma.RaspunsuriDaNu = {false};
    f().Command3->click();
    EXPECT_EQ(platforma.Intrebari.size(), 2);
    EXPECT_EQ(ferestre.Vizualizari, 1);
    EXPECT_EQ(predare.NrSelectie, 1);
    EXPECT_EQ(predare.SelectieNoua, Adevarat);
    EXPECT_FALSE(f().isVisible());
    f().show();
    EXPECT_FALSE(VreoOptiuneAleasa());
    EXPECT_EQ(f().Model().Filtre.FiltruNivel, Fals);
}

// The real road: the dialog comes from the viewer and goes back to it.
TEST(DefSelInAplicatie, VizualizareDuceLaVizualizator)
{
    DosarTest dosar;
    dosar.ScrieColectie({P(9, 7, "Algebra", "Functii"), P(10, 8, "Geometrie", "Arii")});
    PlatformaScriptata platforma;
    Aplicatie aplicatie(dosar.Cale(), platforma, [] {});
    aplicatie.Porneste();
    aplicatie.Main().hide();
    aplicatie.ArataDefSel();
    fDefSel &f = aplicatie.DefSel();
    EXPECT_EQ(f.llCapitole->count(), 2);
    f.Option1[5]->click();
    f.Command3->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(aplicatie.Vizualizare().isVisible());
    EXPECT_EQ(aplicatie.Definitii().NrSelectie, 2);
    EXPECT_EQ(aplicatie.Definitii().Selectie[2], 3);
}

} // namespace
