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

using Nume = QSet<QString>;

void Asteapta(const RecunoastereFundal &fundal)
{
    QElapsedTimer ceas;
    ceas.start();
    while (fundal.Ocupat() > 0 && ceas.elapsed() < 120000) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    ASSERT_EQ(fundal.Ocupat(), 0);
}

// Lines of DejaVu Sans at 12 points on a 300-dpi strip, as a scan would be.
QImage Scanare(const QStringList &randuri)
{
    QImage poza(2480, 120 + 90 * int(randuri.size()), QImage::Format_RGB32);
    poza.fill(Qt::white);
    poza.setDotsPerMeterX(11811);
    poza.setDotsPerMeterY(11811);
    QPainter pictor(&poza);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(50);
    pictor.setFont(font);
    for (int i = 0; i < randuri.size(); ++i)
        pictor.drawText(120, 120 + 90 * i, randuri[i]);
    return poza;
}

// An engine that "reads" the text the picture carries in its PNG metadata.
MotorRecunoastere MotorScriptat(std::atomic<int> &apeluri)
{
    return {{}, [&apeluri] {
                struct Scriptat final : Recunoastere
                {
                    std::atomic<int> &apeluri;
                    explicit Scriptat(std::atomic<int> &a) : apeluri(a) {}
                    std::optional<QString> Recunoaste(const QImage &p,
                                                      const std::atomic<bool> &) override
                    {
                        ++apeluri;
                        return p.text(QStringLiteral("Text"));
                    }
                };
                return std::make_unique<Scriptat>(apeluri);
            }};
}

void ScrieTextul(const DosarTest &dosar, const QString &nume, const QString &text)
{
    QImage poza(8 + int(text.size()), 8, QImage::Format_RGB32); // the size follows the text
    poza.fill(Qt::white);
    poza.setText(QStringLiteral("Text"), text);
    ASSERT_TRUE(poza.save(dosar.Cale() + "/Probleme/" + nume, "PNG"));
}

TEST(Cautare, TesseractCitesteDiacriticeleSiCuvinteleSeGasescInOriceScriere)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii d(dosar.Cale(), platforma);
    IndexText::InregistreazaSchema(d.Baza());
    ASSERT_TRUE(d.Baza().Deschide());
    const QHash<QString, QStringList> pagini = {
        {"virgula.jpg", {"1. Arătați că funcția este crescătoare."}},
        {"sedila.jpg", {"2. Arătaţi că funcţia este descrescătoare."}},
        {"triunghi.jpg", {"3. Înălțimea triunghiului dreptunghic", "împarte ipotenuza."}},
        {"sir.jpg", {"4. Aflaţi suma şirului de numere."}},
    };
    IndexText::Intrari cunoscute;
    QHash<QString, QString> probleme;
    for (auto it = pagini.cbegin(); it != pagini.cend(); ++it)
        probleme.insert(it.key(), it.key() == "sir.jpg" ? "din culegere, NOT 10" : "");
    ASSERT_TRUE(IndexText::Potriveste(d.Baza(), probleme, cunoscute));
    const MotorRecunoastere motor = MotorTesseract();
    ASSERT_TRUE(motor.Indisponibil.isEmpty()) << motor.Indisponibil.toStdString();
    const auto tesseract = motor.Creeaza();
    const std::atomic<bool> niciodata{false};
    for (auto it = pagini.cbegin(); it != pagini.cend(); ++it) {
        const auto text = tesseract->Recunoaste(Scanare(it.value()), niciodata);
        ASSERT_TRUE(text);
        ASSERT_TRUE(IndexText::Inregistreaza(d.Baza(), it.key(), 1, 1, *text));
    }

    const Nume functia = {"virgula.jpg", "sedila.jpg"};
    const struct { const char *cuvinte; Nume gasite; } randuri[] = {
        {"functia", functia},
        {"funcţia", functia},                  // cedilla
        {"funcția", functia},                  // comma
        {"FUNCŢIA arătati", functia},
        {"crescătoare", {"virgula.jpg"}},      // a word, not a part of "descrescătoare"
        {"descresc", {"sedila.jpg"}},
        {"triungh înălţimea", {"triunghi.jpg"}},
        {"ipotenuza IMPARTE", {"triunghi.jpg"}}, // words of two lines
        {"sirului", {"sir.jpg"}},
        {"șirului", {"sir.jpg"}},
        {"culegere suma", {"sir.jpg"}},        // one word from the observations
        {"triunghiului sirului", {}},
        {"ecuatia", {}},
        // Typed FTS5 syntax is only words.
        {"functia OR triunghiului", {}},
        {"NOT culegere", {"sir.jpg"}},
        {"\"functia\" NEAR(x", {}},
        {"(functia)", functia},
        {"^functia*", functia},
    };
    for (const auto &r : randuri) {
        SCOPED_TRACE(r.cuvinte);
        EXPECT_EQ(IndexText::Cauta(d.Baza(), QString::fromUtf8(r.cuvinte)), r.gasite);
    }
    EXPECT_EQ(IndexText::Cauta(d.Baza(), " - * \" "), std::nullopt);
}

TEST(Cautare, IndexulUrmeazaRepornireaPozaSchimbataSiStergereaFizica)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    std::atomic<int> apeluri = 0;
    ScrieTextul(dosar, "a.png", "unu doi");
    ScrieTextul(dosar, "b.png", "trei");
    dosar.ScrieOcteti("Probleme/c.png", "nu este o poza");
    dosar.ScrieColectie({FaProblema(9, 7, "Alg", "Fct", "a.png", false, "observatia alfa"),
                         FaProblema(9, 7, "Alg", "Fct", "b.png"),
                         FaProblema(9, 7, "Alg", "Fct", "c.png")});
    // One run of the program: load, open the database, recognise, then ask.
    auto ruleaza = [&](const std::function<void(mDefinitii &, RecunoastereFundal &)> &apoi) {
        mDefinitii d(dosar.Cale(), platforma);
        d.IncarcaColectie();
        RecunoastereFundal fundal(d, MotorScriptat(apeluri));
        ASSERT_TRUE(d.Baza().Deschide());
        apeluri = 0;
        fundal.Actualizeaza();
        Asteapta(fundal);
        apoi(d, fundal);
    };
    auto cauta = [](mDefinitii &d, const char *cuvinte) {
        return IndexText::Cauta(d.Baza(), cuvinte).value();
    };
    ruleaza([&](mDefinitii &d, RecunoastereFundal &) {
        EXPECT_EQ(apeluri, 2); // the file that is no picture is not handed to the engine
        EXPECT_EQ(cauta(d, "doi"), Nume({"a.png"}));
        EXPECT_EQ(cauta(d, "alfa"), Nume({"a.png"}));
        EXPECT_EQ(IndexText::Text(d.Baza(), "c.png"), QString());
    });
    ruleaza([&](mDefinitii &d, RecunoastereFundal &) {
        EXPECT_EQ(apeluri, 0); // nothing changed: nothing recognised again
        EXPECT_EQ(cauta(d, "trei"), Nume({"b.png"}));
    });
    ScrieTextul(dosar, "b.png", "patru cinci");
    ruleaza([&](mDefinitii &d, RecunoastereFundal &fundal) {
        EXPECT_EQ(apeluri, 1);
        EXPECT_EQ(cauta(d, "trei"), Nume());
        EXPECT_EQ(cauta(d, "cinci"), Nume({"b.png"}));
        ASSERT_TRUE(d.MarcheazaStearsa(2));
        ASSERT_TRUE(StergereFizica(d));
        d.IncarcaColectie();
        fundal.Actualizeaza();
        EXPECT_EQ(cauta(d, "doi"), Nume());
        EXPECT_EQ(IndexText::Citeste(d.Baza())->keys().size(), 2);
    });
}

TEST(Cautare, CuvinteleDoarRestrangSelectiaInAceeasiOrdine)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii d(dosar.Cale(), platforma);
    IndexText::InregistreazaSchema(d.Baza());
    ASSERT_TRUE(d.Baza().Deschide());
    const char *texte[] = {"triunghi isoscel", "cerc", "triunghiul dreptunghic", "triunghi", ""};
    IndexText::Intrari cunoscute;
    QHash<QString, QString> probleme;
    for (int i = 0; i < 5; ++i) {
        d.TabelProbleme[i + 2] = FaProblema(9 + i % 2, 7, "Alg", "Fct", QString::number(i),
                                            i == 3, i == 4 ? "Triunghiuri" : "");
        probleme.insert(QString::number(i), i == 4 ? "Triunghiuri" : "");
    }
    d.NrProbleme = 6;
    for (int ramase : {3, 1, 0}) // as on a first start: a few rows at a time
        ASSERT_EQ(IndexText::Potriveste(d.Baza(), probleme, cunoscute, 2), ramase);
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(IndexText::Inregistreaza(d.Baza(), QString::number(i), 1, 1, texte[i]));
    auto selectie = [&](int16_t clasa, const QString &cuvinte) {
        FiltreSelectie filtre;
        filtre.FiltruClasa = clasa ? Adevarat : Fals;
        d.ClasaAleasa = clasa;
        filtre.Cuvinte = cuvinte;
        FiltreazaProbleme(d, filtre);
        return std::vector<int16_t>(&d.Selectie[2], &d.Selectie[d.NrSelectie + 1]);
    };
    using V = std::vector<int16_t>;
    EXPECT_EQ(selectie(0, ""), V({2, 3, 4, 6}));
    EXPECT_EQ(selectie(0, "  "), V({2, 3, 4, 6}));
    EXPECT_EQ(selectie(0, "triunghi"), V({2, 4, 6})); // the marked one stays out
    EXPECT_EQ(selectie(9, "triunghiul"), V({4}));
    EXPECT_EQ(selectie(10, "cerc"), V({3}));
    EXPECT_EQ(selectie(0, "triunghi cerc"), V({}));
}

TEST(Cautare, FaraDateleLimbiiCampulSpuneDeCeSiRestulMerge)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    dosar.ScrieColectie({FaProblema(9, 7, "Alg", "Fct", "a.png")});
    Aplicatie aplicatie(dosar.Cale(), platforma, [] {}, MotorTesseract(dosar.Cale() + "/teste"));
    aplicatie.Porneste();
    fDefSel &defSel = aplicatie.DefSel();
    EXPECT_FALSE(defSel.txtCuvinte->isEnabled());
    EXPECT_TRUE(defSel.lCautare->text().contains("tesseract-ocr-ron"));
    EXPECT_EQ(defSel.Model().Vizualizare(), ModelDefSel::Rezultat::Predata);
    EXPECT_EQ(aplicatie.Definitii().NrSelectie, 2);
}

} // namespace
