#include "aplicatie/Aplicatie.h"
#include "ferestre/selectie/FereastraSelectie.h"
#include "ferestre/vizualizare/FereastraVizualizare.h"
#include "logica/cautare/IndexText.h"
#include "logica/cautare/RecunoastereFundal.h"
#include "logica/selectie/EvaluareSelectie.h"
#include "model/SelectieCurenta.h"
#include "model/StergereFizica.h"
#include "platforma/MotorTesseract.h"
#include "tests/aplicatie/Comenzi.h"
#include "tests/comune/DosarTest.h"
#include "tests/comune/PlatformaScriptata.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QThread>

#include <gtest/gtest.h>

using namespace tezaurel;

namespace {

// An engine that "reads" the text a PNG carries in its metadata, counting its
// calls; a JPEG decoded to grey keeps none, and is told by its width instead.
// Tesseract itself reads the journey's pictures.
struct MotorScriptat final : Recunoastere
{
    static inline std::atomic<int> Apeluri = 0, Pauza = 0;
    static inline QStringList Citite; // the texts in the order read, when Pauza > 0
    static inline QHash<int, QString> DupaLatime;
    QString ultimul;
    std::optional<QString> Recunoaste(QImage p, const std::atomic<bool> &) override
    {
        ++Apeluri;
        const QString text =
            p.text("Text").isEmpty() ? DupaLatime.value(p.width()) : p.text("Text");
        if (Pauza) {
            QThread::msleep(Pauza);
            QMetaObject::invokeMethod(qApp, [text] { Citite << text; });
        }
        return ultimul = text;
    }
    std::vector<CuvantRecunoscut> Cuvinte() const override
    {
        return {{QRect(1, 2, 3, 4), ultimul.section(' ', 0, 0)}};
    }
};

// How many pictures one update handed to the engine.
int Recunoaste(RecunoastereFundal &fundal)
{
    MotorScriptat::Apeluri = 0;
    fundal.Actualizeaza();
    QElapsedTimer ceas;
    for (ceas.start(); fundal.Ocupat() > 0 && ceas.elapsed() < 60000; QThread::msleep(5))
        QCoreApplication::processEvents();
    return MotorScriptat::Apeluri;
}

TEST(Cautare, IndexulUrmeazaColectiaSiCuvinteleSeGasescInOriceScriere)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    auto scrie = [&](const QString &nume, const QString &text) {
        QImage poza(8 + int(text.size()), 8, QImage::Format_RGB32); // the size follows the text
        poza.fill(Qt::white);
        poza.setText("Text", text);
        ASSERT_TRUE(poza.save(dosar.Cale() + "/Probleme/" + nume, "PNG"));
    };
    scrie("virgula.png", "1. Arătați că funcția este crescătoare.");
    scrie("sedila.png", "2. Arătaţi că funcţia este descrescătoare.");
    scrie("triunghi.png", "3. Înălțimea triunghiului dreptunghic\nîmparte ipotenuza.");
    scrie("sir.png", "4. Aflaţi suma şirului de numere.");
    scrie("marcata.png", "5. Rezolvați ecuația.");
    dosar.ScrieOcteti("Probleme/c.png", "nu este o poza");
    dosar.ScrieColectie(
        {FaProblema(9, 7, "A", "F", "virgula.png"), FaProblema(10, 7, "A", "F", "sedila.png"),
         FaProblema(9, 7, "A", "F", "triunghi.png"),
         FaProblema(9, 7, "A", "F", "sir.png", false, "din culegere, NOT 10"),
         FaProblema(9, 7, "A", "F", "c.png"), FaProblema(9, 7, "A", "F", "marcata.png", true)});
    // One run of the program: load, open the database, recognise, then look.
    auto ruleaza = [&](int apeluri,
                       const std::function<void(Colectie &, RecunoastereFundal &)> &apoi) {
        Colectie d(dosar.Cale(), platforma);
        d.IncarcaColectie();
        RecunoastereFundal fundal(d, {{}, [] { return std::make_unique<MotorScriptat>(); }});
        ASSERT_TRUE(d.Baza().Deschide());
        EXPECT_EQ(Recunoaste(fundal), apeluri); // the unchanged are not recognised again
        apoi(d, fundal);
    };
    auto gasite = [](Colectie &d, const QString &cuvinte) {
        QStringList nume = IndexText::Cauta(d.Baza(), cuvinte).value().values();
        nume.sort();
        return nume.join(' ').remove(".png");
    };
    // c.png, no picture, is never handed to the engine; the marked problem is not indexed.
    ruleaza(4, [&](Colectie &d, RecunoastereFundal &) {
        // What is typed, then the pictures it finds: only words, never FTS5 syntax.
        for (const char *rand :
             {"funcția: sedila virgula", "FUNCŢIA arătati: sedila virgula", "crescătoare: virgula",
              "descresc: sedila", "triungh înălţimea: triunghi", "ipotenuza IMPARTE: triunghi",
              "șirului: sir", "culegere suma: sir",
              "triunghiului sirului:", "ecuatia:", "functia OR triunghiului:", "NOT culegere: sir",
              "\"functia\" NEAR(x:", "(functia): sedila virgula", "^functia*: sedila virgula"}) {
            const QStringList parti = QString::fromUtf8(rand).split(':');
            EXPECT_EQ(gasite(d, parti[0]), parti[1].trimmed()) << rand;
        }
        EXPECT_EQ(IndexText::Cauta(d.Baza(), " - * \" "), std::nullopt);
        EXPECT_EQ(IndexText::Text(d.Baza(), "c.png"), QString());
        // Where the words stand is kept while the file keeps its size.
        const qint64 marime = QFileInfo(dosar.Cale() + "/Probleme/virgula.png").size();
        EXPECT_EQ(IndexText::Cuvinte(d.Baza(), "virgula.png", marime),
                  (std::vector<CuvantRecunoscut>{{QRect(1, 2, 3, 4), "1."}}));
        EXPECT_TRUE(IndexText::Cuvinte(d.Baza(), "virgula.png", marime + 1).empty());
        // The words narrow the selection, in its order.
        FiltreSelectie filtre;
        filtre.Cuvinte = "functia";
        SelectieCurenta sel(d);
        FiltreazaProbleme(sel, filtre);
        EXPECT_EQ(std::vector<int16_t>(&sel.Pozitii[2], &sel.Pozitii[sel.NrSelectie + 1]),
                  std::vector<int16_t>({2, 3}));
    });
    scrie("sedila.png", "2. Aflați modulul vectorului.");
    ruleaza(1, [&](Colectie &d, RecunoastereFundal &fundal) {
        EXPECT_EQ(gasite(d, "descrescătoare modulul"), "");
        EXPECT_EQ(gasite(d, "modulul"), "sedila");
        ASSERT_TRUE(d.MarcheazaStearsa(2) && StergereFizica(d)); // virgula.png's text goes
        d.IncarcaColectie();
        fundal.Actualizeaza();
        EXPECT_EQ(gasite(d, "crescătoare"), "");
        // A first start on a full collection takes a few rows at a time.
        IndexText::Intrari goale;
        for (int ramase : {1, 0})
            EXPECT_EQ(IndexText::Potriveste(d.Baza(), {{"x", ""}, {"y", ""}, {"z", ""}}, goale, 2),
                      ramase);
        // A text an imported package brought is kept; a new picture beside it is read.
        scrie("adus.png", "6. Un enunț adus.");
        scrie("nou.png", "7. Un enunț nou.");
        const QFileInfo adus(dosar.Cale() + "/Probleme/adus.png");
        ASSERT_TRUE(d.Baza().Tranzactie([&](QSqlDatabase &db) {
            return IndexText::Adauga(db, "adus.png",
                                     {adus.size(), adus.lastModified().toMSecsSinceEpoch(), {}},
                                     "6. Un enunț adus.");
        }));
        for (const char *nume : {"adus.png", "nou.png"}) {
            ASSERT_TRUE(d.ScrieProblemaNoua(FaProblema(9, 7, "A", "F", nume)));
        }
        EXPECT_EQ(Recunoaste(fundal), 1);
        EXPECT_EQ(gasite(d, "enunt"), "adus nou");
    });
}

TEST(Cautare, FaraDateleLimbiiCampulSpuneDeCeSiRestulMerge)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    dosar.ScrieColectie({FaProblema(9, 7, "Alg", "Fct", "a.png")});
    Aplicatie aplicatie(dosar.Cale(), platforma, RecunoastereTesseract(dosar.Cale() + "/teste"),
                        ImprimanteQt, [] {});
    aplicatie.Porneste();
    QStringList dezactivate;
    for (QLineEdit *camp : aplicatie.Selectie().findChildren<QLineEdit *>())
        if (!camp->isEnabled())
            dezactivate << camp->accessibleName() + ": " + camp->toolTip();
    EXPECT_EQ(dezactivate, QStringList("Cuvinte din enunț sau observații: Căutarea după cuvinte "
                                       "nu este disponibilă: lipsesc datele limbii române pentru "
                                       "recunoașterea textului (fișierul ron.traineddata din " +
                                       dosar.Cale() + "/teste, pachetul tesseract-ocr-ron)."));
    EXPECT_EQ(aplicatie.Selectie().Model().Vizualizare(), ModelSelectie::Rezultat::Predata);
}

// A picture added while the collection's recognition runs is read next, not
// after all the others; how many wait is said with the number's own form.
TEST(Cautare, CeSeAdaugaTreceInainteSiSeSpuneCateAsteapta)
{
    for (const auto &[n, text] : std::vector<std::pair<int, QString>>{{0, ""},
                                                                      {1, "1 poză"},
                                                                      {19, "19 poze"},
                                                                      {20, "20 de poze"},
                                                                      {101, "101 poze"},
                                                                      {119, "119 poze"},
                                                                      {120, "120 de poze"},
                                                                      {200, "200 de poze"}})
        EXPECT_EQ(RecunoastereFundal::TextAsteptare(n).section(" așteaptă", 0, 0), text) << n;
    DosarTest dosar;
    PlatformaScriptata platforma;
    std::vector<Problema> probleme;
    for (int i = 0; i < 8; ++i)
        probleme.push_back(FaProblema(9, 7, "A", "F", QString("p%1.png").arg(i)));
    dosar.ScrieColectie(probleme);
    Colectie d(dosar.Cale(), platforma);
    d.IncarcaColectie();
    RecunoastereFundal fundal(d, {{}, [] { return std::make_unique<MotorScriptat>(); }});
    ASSERT_TRUE(d.Baza().Deschide());
    QObject::connect(&d, &Colectie::Schimbata, &fundal, &RecunoastereFundal::Actualizeaza);
    for (int i = 0; i <= 8; ++i) {
        QImage poza(8, 8, QImage::Format_RGB32);
        poza.fill(Qt::white);
        poza.setText("Text", QString::number(i));
        poza.save(dosar.Cale() + QString("/Probleme/p%1.png").arg(i), "PNG");
    }
    MotorScriptat::Pauza = 50;
    MotorScriptat::Citite.clear();
    fundal.Actualizeaza();
    while (MotorScriptat::Citite.isEmpty())
        QCoreApplication::processEvents();
    ASSERT_TRUE(d.ScrieProblemaNoua(FaProblema(9, 7, "A", "F", "p8.png")));
    Recunoaste(fundal);
    MotorScriptat::Pauza = 0;
    EXPECT_LT(MotorScriptat::Citite.indexOf("8"), 3)
        << MotorScriptat::Citite.join(' ').toStdString();
}

// The text window stays the viewer's own, above it, and follows it page by page.
TEST(Cautare, TextulRecunoscutUrmeazaProblemaAratata)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    for (const char *nume : {"a.png", "b.png", "c.png"}) {
        QImage poza(8 + nume[0] - 'a', 8, QImage::Format_RGB32);
        poza.fill(Qt::white);
        if (nume[0] != 'c')
            MotorScriptat::DupaLatime[poza.width()] = QStringLiteral("Enunțul %1").arg(nume[0]);
        ASSERT_TRUE(poza.save(dosar.Cale() + "/Probleme/" + nume, "PNG"));
    }
    dosar.ScrieColectie({FaProblema(9, 7, "A", "F", "a.png"), FaProblema(9, 7, "A", "F", "b.png"),
                         FaProblema(9, 7, "A", "F", "c.png")});
    Aplicatie aplicatie(dosar.Cale(), platforma,
                        {{}, [] { return std::make_unique<MotorScriptat>(); }}, ImprimanteQt,
                        [] {});
    aplicatie.Porneste(); // which keeps the pictures as JPEG
    QElapsedTimer ceas;
    for (ceas.start(); !IndexText::Text(aplicatie.Definitii().Baza(), "c.jpg").has_value() &&
                       ceas.elapsed() < 60000;
         QThread::msleep(5))
        QCoreApplication::processEvents();
    SelectieCurenta &s = aplicatie.SelectiaCurenta();
    s.Pozitii[2] = 2, s.Pozitii[3] = 3, s.Pozitii[4] = 4;
    s.NrSelectie = 4;
    s.SelectieNoua = true;
    FereastraVizualizare &vizualizare = aplicatie.Vizualizare();
    aplicatie.ArataVizualizare();
    Apasa(vizualizare, "Prima");
    Apasa(vizualizare, "&Textul recunoscut");
    auto *caseta = vizualizare.findChild<QPlainTextEdit *>("textRecunoscut");
    ASSERT_TRUE(caseta);
    QWidget *fereastra = caseta->window();
    EXPECT_TRUE(fereastra != &vizualizare && fereastra->isVisible());
    EXPECT_NE(fereastra->windowIcon().pixmap(32).toImage(),
              vizualizare.windowIcon().pixmap(32).toImage()); // an icon of its own
    // Asked again for the same text, a selection being copied stays.
    caseta->selectAll();
    Apasa(vizualizare, "Prima");
    EXPECT_EQ(caseta->textCursor().selectedText(), "Enunțul a");
    const std::pair<const char *, const char *> pasi[] = {
        {"Prima", "Textul recunoscut - a.jpg: Enunțul a"},
        {"Inainte", "Textul recunoscut - b.jpg: Enunțul b"},
        {"Inainte", "Textul recunoscut - c.jpg: Nu am găsit text în poza problemei c.jpg."},
        {"Inapoi", "Textul recunoscut - b.jpg: Enunțul b"},
        {"Anuleaza selectie", "Textul recunoscut: Nu este afișată nicio problemă."}};
    for (const auto &[buton, asteptat] : pasi) {
        Apasa(vizualizare, buton);
        EXPECT_EQ(fereastra->windowTitle() + ": " + caseta->toPlainText(),
                  QString::fromUtf8(asteptat))
            << buton;
    }
    Apasa(vizualizare, "Revenire Meniu"); // the viewer left, its text goes with it
    EXPECT_FALSE(vizualizare.isVisible() || fereastra->isVisible());
    EXPECT_TRUE(platforma.Mesaje.isEmpty()) << platforma.Mesaje.join('\n').toStdString();
}

} // namespace
