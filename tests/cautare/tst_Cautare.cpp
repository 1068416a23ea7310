#include "app/Aplicatie.h"
#include "cautare/IndexText.h"
#include "cautare/RecunoastereFundal.h"
#include "cautare/RecunoastereTesseract.h"
#include "selection/EvaluareSelectie.h"
#include "selection/fDefSel.h"
#include "store/StergereFizica.h"
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// Lines of DejaVu Sans at 12 points on a 300-dpi strip, as a scan would be.
void Scanare(const DosarTest &dosar, const QString &nume, const QString &text)
{
    const QStringList randuri = text.split('\n');
    QImage poza(2480, 120 + 90 * int(randuri.size()), QImage::Format_Grayscale8);
    poza.fill(Qt::white);
    poza.setDotsPerMeterX(11811);
    poza.setDotsPerMeterY(11811);
    QPainter pictor(&poza);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(50);
    pictor.setFont(font);
    for (int i = 0; i < randuri.size(); ++i)
        pictor.drawText(120, 120 + 90 * i, randuri[i]);
    ASSERT_TRUE(poza.save(dosar.Cale() + "/Probleme/" + nume, "PNG"));
}

// Tesseract, counting the pictures handed to it.
struct TesseractNumarat final : Recunoastere
{
    static inline std::atomic<int> Apeluri = 0;
    std::unique_ptr<Recunoastere> real = MotorTesseract().Creeaza();
    std::optional<QString> Recunoaste(const QImage &p, const std::atomic<bool> &o) override
    {
        ++Apeluri;
        return real->Recunoaste(p, o);
    }
};

TEST(Cautare, RecunoastereaInFundalUrmeazaColectiaSiCuvinteleSeGasescInOriceScriere)
{
    ASSERT_EQ(MotorTesseract().Indisponibil, QString());
    DosarTest dosar;
    PlatformaScriptata platforma;
    Scanare(dosar, "virgula.png", "1. Arătați că funcția este crescătoare.");
    Scanare(dosar, "sedila.png", "2. Arătaţi că funcţia este descrescătoare.");
    Scanare(dosar, "triunghi.png", "3. Înălțimea triunghiului dreptunghic\nîmparte ipotenuza.");
    Scanare(dosar, "sir.png", "4. Aflaţi suma şirului de numere.");
    Scanare(dosar, "marcata.png", "5. Rezolvați ecuația.");
    dosar.ScrieOcteti("Probleme/c.png", "nu este o poza");
    dosar.ScrieColectie(
        {FaProblema(9, 7, "A", "F", "virgula.png"), FaProblema(10, 7, "A", "F", "sedila.png"),
         FaProblema(9, 7, "A", "F", "triunghi.png"),
         FaProblema(9, 7, "A", "F", "sir.png", false, "din culegere, NOT 10"),
         FaProblema(9, 7, "A", "F", "c.png"), FaProblema(9, 7, "A", "F", "marcata.png", true)});
    // One run of the program: load, open the database, recognise, then look.
    auto ruleaza = [&](int apeluri,
                       const std::function<void(mDefinitii &, RecunoastereFundal &)> &apoi) {
        mDefinitii d(dosar.Cale(), platforma);
        d.IncarcaColectie();
        RecunoastereFundal fundal(d, {{}, [] { return std::make_unique<TesseractNumarat>(); }});
        ASSERT_TRUE(d.Baza().Deschide());
        TesseractNumarat::Apeluri = 0;
        fundal.Actualizeaza();
        QElapsedTimer ceas;
        for (ceas.start(); fundal.Ocupat() > 0 && ceas.elapsed() < 60000; QThread::msleep(5))
            QCoreApplication::processEvents();
        EXPECT_EQ(TesseractNumarat::Apeluri, apeluri); // only pictures new or changed
        apoi(d, fundal);
    };
    auto gasite = [](mDefinitii &d, const QString &cuvinte) {
        QStringList nume = IndexText::Cauta(d.Baza(), cuvinte).value().values();
        nume.sort();
        return nume.join(' ').remove(".png");
    };
    auto selectie = [](mDefinitii &d, int16_t clasa, const QString &cuvinte) {
        FiltreSelectie filtre;
        filtre.FiltruClasa = clasa ? Adevarat : Fals;
        d.ClasaAleasa = clasa;
        filtre.Cuvinte = cuvinte;
        FiltreazaProbleme(d, filtre);
        return std::vector<int16_t>(&d.Selectie[2], &d.Selectie[d.NrSelectie + 1]);
    };
    using V = std::vector<int16_t>;
    // c.png, no picture, is never handed to the engine; the marked problem is not indexed.
    ruleaza(4, [&](mDefinitii &d, RecunoastereFundal &) {
        // What is typed, then the pictures it finds: only words, never FTS5 syntax.
        for (const char *rand :
             {"functia: sedila virgula", "funcţia: sedila virgula", "funcția: sedila virgula",
              "FUNCŢIA arătati: sedila virgula", "crescătoare: virgula", "descresc: sedila",
              "triungh înălţimea: triunghi", "ipotenuza IMPARTE: triunghi", "șirului: sir",
              "culegere suma: sir",
              "triunghiului sirului:", "ecuatia:", "functia OR triunghiului:", "NOT culegere: sir",
              "\"functia\" NEAR(x:", "(functia): sedila virgula", "^functia*: sedila virgula"}) {
            const QStringList parti = QString::fromUtf8(rand).split(':');
            EXPECT_EQ(gasite(d, parti[0]), parti[1].trimmed()) << rand;
        }
        EXPECT_EQ(IndexText::Cauta(d.Baza(), " - * \" "), std::nullopt);
        EXPECT_EQ(IndexText::Text(d.Baza(), "c.png"), QString());
        EXPECT_EQ(selectie(d, 0, "  "), V({2, 3, 4, 5, 6}));
        EXPECT_EQ(selectie(d, 0, "functia"), V({2, 3}));
        EXPECT_EQ(selectie(d, 10, "functia"), V({3}));
        EXPECT_EQ(selectie(d, 0, "triunghiului sirului"), V());
    });
    ruleaza(0, [&](mDefinitii &d, RecunoastereFundal &) { EXPECT_EQ(gasite(d, "suma"), "sir"); });
    Scanare(dosar, "sedila.png", "2. Aflați modulul vectorului.");
    ruleaza(1, [&](mDefinitii &d, RecunoastereFundal &fundal) {
        EXPECT_EQ(gasite(d, "descrescătoare"), "");
        EXPECT_EQ(gasite(d, "modulul"), "sedila");
        ASSERT_TRUE(d.MarcheazaStearsa(2) && StergereFizica(d)); // virgula.png's text goes
        d.IncarcaColectie();
        fundal.Actualizeaza();
        EXPECT_EQ(gasite(d, "crescătoare"), "");
        EXPECT_EQ(IndexText::Citeste(d.Baza())->size(), 4);
        // A first start on a full collection takes a few rows at a time.
        IndexText::Intrari goale;
        for (int ramase : {1, 0})
            EXPECT_EQ(IndexText::Potriveste(d.Baza(), {{"x", ""}, {"y", ""}, {"z", ""}}, goale, 2),
                      ramase);
    });
}

TEST(Cautare, FaraDateleLimbiiCampulSpuneDeCeSiRestulMerge)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    dosar.ScrieColectie({FaProblema(9, 7, "Alg", "Fct", "a.png")});
    Aplicatie aplicatie(
        dosar.Cale(), platforma, [] {}, MotorTesseract(dosar.Cale() + "/teste"));
    aplicatie.Porneste();
    fDefSel &defSel = aplicatie.DefSel();
    int dezactivate = 0;
    for (QLineEdit *camp : defSel.findChildren<QLineEdit *>())
        dezactivate +=
            camp->accessibleName() == "Cuvinte din enunț sau observații" && !camp->isEnabled();
    EXPECT_EQ(dezactivate, 1);
    QStringList texte;
    for (QLabel *eticheta : defSel.findChildren<QLabel *>())
        texte << eticheta->text();
    EXPECT_TRUE(texte.join('|').contains("(fișierul ron.traineddata din " + dosar.Cale() +
                                         "/teste, pachetul tesseract-ocr-ron)"));
    EXPECT_EQ(defSel.Model().Vizualizare(), ModelDefSel::Rezultat::Predata);
    EXPECT_EQ(aplicatie.Definitii().NrSelectie, 2);
}

} // namespace
