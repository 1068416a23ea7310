#include "viewer/Vizualizator.h"

#include "tests/common/PanzaInregistrata.h"
#include "tests/viewer/ColectieVizualizare.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QRgb FundalPanou = qRgb(200, 200, 200);

class Vizualizare : public ::testing::Test, public ColectieVizualizare
{
protected:
    Vizualizare() { v.Form_Load(); }

    // Shows the viewer as the selection dialog does after an evaluation.
    void VineDinSelectie(std::initializer_list<int16_t> sloturi)
    {
        Selecteaza(sloturi);
        v.Activat = Fals;
        v.Form_Activate();
        panou.Operatii.clear();
    }
    Vizualizator::Urmare Apasa(const char *titlu) { return v.Toolbar1_ButtonClick(titlu); }

    PanzaInregistrata panou{QSize(300, 200), QColor(FundalPanou)};
    Vizualizator v{definitii, panou};
};

TEST_F(Vizualizare, LiniaDeStareCaInExempluSiPozeleRecunoscuteDupaContinut)
{
    VineDinSelectie({2, 3});
    EXPECT_EQ(v.TextStare, "p12.jpg - Capitolul: Functii-Disciplina: Algebra-Clasa: 9-Nivel "
                           "Nota: 8 - Selectia contine: 2 inregistrari.");
    EXPECT_EQ(v.Text1, "Domeniul de definitie");
    EXPECT_FALSE(v.Text1Vizibil);
    EXPECT_EQ(definitii.PozitieCurenta, 2);
    EXPECT_EQ(v.Picture2.Naturala(), Poza12);
    Apasa("Inainte");
    EXPECT_EQ(v.Picture2.Naturala(), PozaJpeg);
    EXPECT_TRUE(platforma.Mesaje.isEmpty());
}

TEST_F(Vizualizare, PozaCopiataDinWindowsCuAlteLitere)
{
    QDir(dosar.Cale()).rename("Probleme/p12.jpg", "Probleme/P12.JPG");
    QDir(dosar.Cale()).rename("Probleme", "PROBLEME");
    VineDinSelectie({2});
    EXPECT_EQ(v.Picture2.Naturala(), Poza12);
}

TEST_F(Vizualizare, NavigareaSeOpresteLaAmbeleCapete)
{
    VineDinSelectie({2, 3, 5});
    const struct
    {
        const char *buton;
        int pozitie;
        bool redesenat;
    } pasi[] = {{"Inapoi", 2, false},  {"Inainte", 3, true}, {"Inainte", 4, true},
                {"Inainte", 4, false}, {"Inapoi", 3, true},  {"Ultima", 4, true},
                {"Prima", 2, true},    {"Prima", 2, true}};
    for (const auto &pas : pasi) {
        SCOPED_TRACE(pas.buton);
        panou.Operatii.clear();
        EXPECT_EQ(Apasa(pas.buton), Vizualizator::Urmare::Ramane);
        EXPECT_EQ(definitii.PozitieCurenta, pas.pozitie);
        EXPECT_EQ(!panou.Operatii.isEmpty(), pas.redesenat);
    }
    EXPECT_TRUE(platforma.Mesaje.isEmpty());

    // A single problem stays at position 2 whatever is pressed.
    VineDinSelectie({3});
    for (const char *buton : {"Inainte", "Inapoi", "Prima", "Ultima"}) {
        Apasa(buton);
        EXPECT_EQ(definitii.PozitieCurenta, 2) << buton;
        EXPECT_EQ(v.TextStare.left(6), "t.jpeg");
    }
}

// The window's test sees the messages and the windows that follow; here, what is kept.
TEST_F(Vizualizare, AnulareaGolesteTotSiBlocheazaObsSiImprimarea)
{
    VineDinSelectie({2, 3});
    Apasa("Inainte");
    Apasa("Arata/Ascunde Obs");
    ASSERT_TRUE(v.Text1Vizibil);
    panou.Operatii.clear();

    Apasa("Anuleaza selectie");
    EXPECT_EQ(definitii.NrSelectie, 1);
    EXPECT_TRUE(v.Picture2.Naturala().isNull());
    EXPECT_EQ(panou.Operatii, QStringList({"Cls", "Refresh"}));
    EXPECT_TRUE(v.TextStare.isEmpty());
    EXPECT_FALSE(v.Text1Vizibil);

    // The position may still move; nothing is shown for it, not even the observations.
    panou.Operatii.clear();
    Apasa("Inainte");
    EXPECT_EQ(definitii.PozitieCurenta, 4);
    Apasa("Arata/Ascunde Obs");
    EXPECT_FALSE(v.Text1Vizibil);
    EXPECT_TRUE(panou.Operatii.isEmpty());
    EXPECT_EQ(Apasa("Imprimare"), Vizualizator::Urmare::Ramane);

    EXPECT_EQ(Apasa("Defineste selectie"), Vizualizator::Urmare::DefSel);
    EXPECT_EQ(definitii.SelectieNoua, Fals);
    EXPECT_EQ(v.Activat, Fals);
}

// The purge empties the selection while the viewer is hidden; shown again, it is as after a cancel.
TEST_F(Vizualizare, DupaStergereaFizicaCaDupaAnulare)
{
    VineDinSelectie({2, 3});
    Apasa("Arata/Ascunde Obs");
    definitii.NrSelectie = 1;
    v.Form_Activate();
    EXPECT_TRUE(v.Picture2.Naturala().isNull() && v.TextStare.isEmpty() && !v.Text1Vizibil);
    EXPECT_EQ(panou.Operatii, QStringList({"Cls", "Refresh"}));
}

TEST_F(Vizualizare, SelectieGoala)
{
    Apasa("Ultima");
    Apasa("Arata/Ascunde Obs");
    EXPECT_EQ(definitii.PozitieCurenta, 0);
    EXPECT_FALSE(v.Text1Vizibil);
    EXPECT_TRUE(panou.Operatii.isEmpty());
    EXPECT_TRUE(v.TextStare.isEmpty());

    // "Nothing found", answered No: the viewer comes back with nothing to show.
    VineDinSelectie({});
    EXPECT_EQ(definitii.NrSelectie, 1);
    EXPECT_TRUE(panou.Operatii.isEmpty());
    EXPECT_EQ(Apasa("Defineste selectie"), Vizualizator::Urmare::DefSel);
}

TEST_F(Vizualizare, ObservatiileRamanVizibilePanaLaApasareaUrmatoare)
{
    VineDinSelectie({2, 3});
    Apasa("Arata/Ascunde Obs");
    Apasa("Inainte");
    EXPECT_TRUE(v.Text1Vizibil);
    EXPECT_EQ(v.Text1, "Doar pentru clasa a X-a");
    Apasa("Arata/Ascunde Obs");
    EXPECT_FALSE(v.Text1Vizibil);
}

TEST_F(Vizualizare, StareaPastrataIntreAfisari)
{
    // Load clears a flag left over from before.
    definitii.SelectieNoua = Adevarat;
    v.Form_Load();
    EXPECT_EQ(definitii.SelectieNoua, Fals);

    VineDinSelectie({2, 3, 5});
    Apasa("Ultima");
    // Back from the modal print dialog: nothing moves.
    v.Form_Activate();
    EXPECT_EQ(definitii.PozitieCurenta, 4);

    // Back from the main window while the selection exists: its first problem again.
    EXPECT_EQ(Apasa("Revenire Meniu"), Vizualizator::Urmare::Main);
    EXPECT_EQ(v.Activat, Fals);
    v.Form_Activate();
    EXPECT_EQ(definitii.PozitieCurenta, 2);
    EXPECT_EQ(v.Activat, Adevarat);

    // Cancelled and redefined: only a new evaluation brings a problem back.
    Apasa("Anuleaza selectie");
    Apasa("Defineste selectie");
    definitii.NrSelectie = 3;
    v.Form_Activate();
    EXPECT_TRUE(v.TextStare.isEmpty());
}

TEST_F(Vizualizare, DupaTragereAltaProblemaPorneseDeLaColt)
{
    VineDinSelectie({2, 3});
    v.Picture1_MouseDown(10, 10);
    EXPECT_EQ(v.Picture1_MouseMove(40, 25), std::nullopt);
    v.Picture1_MouseUp(60, 40);
    EXPECT_EQ(panou.Imagine.pixel(50, 30), Poza12.pixel(0, 0));
    EXPECT_EQ(v.Picture2.Panorama.DeplasareX, 50);

    Apasa("Inainte"); // the window's test looks at the pixels
    EXPECT_EQ(v.Picture2.Panorama.DeplasareX, 0);
    EXPECT_EQ(v.Picture2.Panorama.DeplasareY, 0);

    // A drag cut short by the window losing and regaining activation stops following.
    v.Picture1_MouseDown(0, 0);
    v.Form_Activate();
    panou.Operatii.clear();
    v.Picture1_MouseMove(30, 30);
    EXPECT_TRUE(panou.Operatii.isEmpty());
}

TEST_F(Vizualizare, IndicatorulInPatruDirectiiDoarDincolo20DePixeli)
{
    VineDinSelectie({2});
    v.Picture1_MouseDown(0, 0);
    v.Picture1_MouseUp(5, 7); // the 60x40 picture now starts at (5, 7)
    const struct
    {
        double x, y;
        Qt::CursorShape forma;
    } cazuri[] = {{25, 30, Qt::ArrowCursor},
                  {25.5, 27.5, Qt::SizeAllCursor},
                  {64.9, 46.9, Qt::SizeAllCursor},
                  {65, 30, Qt::ArrowCursor},
                  {30, 47, Qt::ArrowCursor}};
    for (const auto &c : cazuri)
        EXPECT_EQ(v.Picture1_MouseMove(c.x, c.y), c.forma) << c.x << "," << c.y;

    definitii.NrSelectie = 1; // the picture is still held, but nothing is selected
    EXPECT_EQ(v.Picture1_MouseMove(30, 30), Qt::ArrowCursor);
    definitii.NrSelectie = 2;
    Apasa("Anuleaza selectie");
    definitii.NrSelectie = 2; // a selection again, but the holder is empty
    EXPECT_EQ(v.Picture1_MouseMove(30, 30), Qt::ArrowCursor);
}

} // namespace
