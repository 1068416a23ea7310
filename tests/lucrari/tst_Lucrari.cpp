#include "ferestre/lucrari/FereastraLucrare.h"
#include "logica/lucrari/CompunereLucrare.h"
#include "logica/selectie/EvaluareSelectie.h"
#include "model/BazaDate.h"
#include "model/Colectie.h"
#include "tests/comune/DosarTest.h"
#include "tests/comune/PlatformaScriptata.h"
#include "tests/tiparire/ProblemaAfisata.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tezaurel;

namespace {

TEST(Lucrare, AsezareaNuRupeNicioProblema)
{
    // Default margins 2/2/1/1 cm: problems go 1134..10772 across, 567..15912 down.
    const QSize lata(9639, 3000), inalta(9639, 6000), ingusta(1000, 4000);
    // Pages, then each number line's page:y and its picture's size.
    const std::tuple<MarginiLucrare, int, std::vector<QSize>, const char *> cazuri[] = {
        {{}, 1000, {lata, lata, lata}, "1 0:1807 9639x3000 0:5407 9639x3000 0:9007 9639x3000"},
        {{}, 1000, {inalta, inalta, inalta}, "2 0:1807 9639x6000 0:8407 9639x6000 1:567 9639x6000"},
        // No room for "2." on the first page.
        {{}, 1000, {lata, {9639, 10300}}, "2 0:1807 9639x3000 1:567 9639x10300"},
        {{}, 0, {lata, ingusta}, "2 0:567 9639x3000 1:567 3746x14985 micsorata"},
        {{3, 3, 2, 2}, 0, {{1701, 1000}}, "1 0:1134 8505x5000"},
        {{30, 2, 1, 1}, 0, {lata}, "1 0:567 9639x3000"},               // no room: the defaults
        {{}, 0, {QSize(), lata}, "1 0:567 9639x720 0:1887 9639x3000"}, // unreadable
    };
    for (const auto &[margini, antet, poze, asteptat] : cazuri) {
        const AsezareLucrare a = AseazaLucrarea(margini, antet, poze);
        QStringList locuri{QString::number(a.NrPagini)};
        EXPECT_EQ(a.Subsol, QRect(a.Zona.left(), a.Zona.bottom() - 359, a.Zona.width(), 360));
        for (const LocProblema &l : a.Locuri) {
            EXPECT_EQ(l.Poza.topLeft(), l.Eticheta.bottomLeft() + QPoint(0, 1));
            EXPECT_LE(l.Poza.bottom(), a.Subsol.top()) << "over the page number";
            locuri << QString::asprintf("%d:%d %dx%d%s", l.Pagina, l.Eticheta.top(), l.Poza.width(),
                                        l.Poza.height(), l.Micsorata ? " micsorata" : "");
        }
        EXPECT_EQ(locuri.join(' '), asteptat);
    }
}

TEST(Lucrare, TexteleFoii)
{
    auto avertisment = [](std::vector<ProblemaLucrare> p) {
        return Lucrare{0, {}, std::move(p)}.AvertismentPuncte();
    };
    const std::pair<QString, QString> texte[] = {
        {EtichetaProblema(3, 1.5), "3. (1,5p)"},
        {TextClasa("a x-a  A"), "Clasa a X-a A"},
        {LiniaTimp({"", "", "", {}, true, 15, false}), "Timp de lucru: 15 minute."},
        {avertisment({{"a", 0, {}}, {"b", 0, {}}}), ""}, // no points given
        {avertisment({{"a", 2, {}}, {"b", 3, {}}, {"c", 4, {}}}), ""},
        {avertisment({{"a", 2, {}}, {"b", 3, {}}}),
         "Atenție: punctele însumează 6 (cu 1 punct din oficiu), nu 10."}};
    for (const auto &[obtinut, asteptat] : texte)
        EXPECT_EQ(obtinut, asteptat);
}

QString Rezumat(const std::optional<Lucrare> &l)
{
    QStringList poze;
    for (const ProblemaLucrare &p : l.value().Probleme)
        poze << p.Poza + ":" + TextPuncte(p.Puncte) + QString(p.Alte.isEmpty() ? "" : "/") +
                    p.Alte.join('/');
    return QStringList({l->Antet.Titlu, l->Antet.Clasa, l->Antet.Data.toString("dd.MM.yyyy"),
                        QString("%1 variante, %2 sterse").arg(l->NrVariante).arg(l->ProblemeSterse),
                        poze.join(' ')})
        .join('|');
}

// A collection of a.jpg, b.jpg, c.jpg, d.jpg, its database open and a paper
// of the first three for class IX B on 12.03.2026.
struct Scena
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    Colectie d{dosar.Cale(), platforma};
    SelectieCurenta sel{d};
    CompunereLucrare compunere{d.Baza(), platforma, d.CaleProbleme()};

    Scena()
    {
        std::vector<Problema> probleme;
        for (const char *nume : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) {
            dosar.ScriePoza(nume, PozaModel(900, 600));
            probleme.push_back(FaProblema(9, 7, "Algebră", "Funcţii", nume));
        }
        dosar.ScrieColectie(probleme);
        d.IncarcaColectie();
        d.Baza().Deschide();
        compunere.SeteazaAntet({"Test 1/2", "", "IX B", QDate(2026, 3, 12), true, 50});
        for (int i = 0; i < 3; ++i)
            compunere.Adauga(probleme[i].Fisier.FaraBlancuri());
        compunere.SeteazaPuncte(0, 2);
    }
};

TEST(Lucrare, DouaVarianteInPdfSiLaImprimanta)
{
    Scena s;
    s.compunere.SeteazaNrVariante(2);
    s.compunere.ArataVarianta(2);
    s.compunere.Adauga("d.jpg"); // the first place of variant 2
    s.compunere.Adauga("b.jpg");
    EXPECT_EQ(Rezumat(s.compunere.Arhiva().Citeste(s.compunere.Curenta().Id)),
              "Test 1/2|IX B|12.03.2026|2 variante, 0 sterse|a.jpg:2/d.jpg b.jpg:0/b.jpg c.jpg:0");

    const QString cale = s.dosar.Cale() + "/teste/Test 1-2 12.03.2026.pdf";
    ASSERT_TRUE(s.compunere.SalveazaPdf(
        s.dosar.Cale() + "/teste/" + s.compunere.Curenta().NumeFisier(), MarginiLucrare()));
    QProcess pdftotext;
    pdftotext.start("pdftotext", {cale, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(20000));
    // Both variants, each with its header and its own page numbers, as a PDF reader finds them.
    QFile asteptat(TEZAUREL_TESTE_LUCRARI "/DouaVariante.txt");
    ASSERT_TRUE(asteptat.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(pdftotext.readAllStandardOutput()),
              QString::fromUtf8(asteptat.readAll()));

    ImprimantaScriptata imprimanta;
    ASSERT_TRUE(s.compunere.Tipareste(imprimanta, 3, MarginiLucrare()));
    EXPECT_EQ(imprimanta.Operatii.join(","),
              "exemplare 3,portret,pagina,pagina noua,pagina noua,pagina noua,sfarsit");
    for (const char *poza : {"b.jpg", "d.jpg"}) // b.jpg is in both variants
        EXPECT_EQ(TextFolosiri(s.compunere.Arhiva().Folosiri(poza)), "IX B 12.03.2026");
}

TEST(Lucrare, ArhivaPastreazaFolosesteAvertizeazaSiUitaCeSeSterge)
{
    Scena s;
    const qint64 prima = s.compunere.Curenta().Id;
    const QString pastrata = "Test 1/2|IX B|12.03.2026|1 variante, ";
    EXPECT_EQ(Rezumat(s.compunere.Arhiva().Citeste(prima)),
              pastrata + "0 sterse|a.jpg:2 b.jpg:0 c.jpg:0");
    ASSERT_TRUE(s.compunere.SalveazaPdf(s.dosar.Cale() + "/teste/x.pdf", MarginiLucrare()));
    // The selection leaves out what the class named was given.
    for (const auto &[clasa, ramase] : {std::pair{"", 4}, {"ix  b", 1}, {"X B", 4}}) {
        s.sel.ClasaFaraRepetari = clasa;
        FiltreazaProbleme(s.sel, FiltreSelectie());
        EXPECT_EQ(s.sel.NrSelectie - 1, ramase) << clasa;
    }

    // A copy for the same class, written another way, warns on each repeat.
    s.compunere.Copiaza();
    s.compunere.SeteazaAntet({"", "", "ix  b"});
    s.platforma.Mesaje.clear();
    s.compunere.Adauga("b.jpg");
    EXPECT_EQ(s.platforma.Mesaje, QStringList({"Problema a fost dată clasei IX B pe 12.03.2026.",
                                               "Problema este deja în lucrare, la numărul 2."}));

    // The purge takes b.jpg out of both papers and out of the history.
    ASSERT_TRUE(s.d.Baza().ProblemeSterse({"b.jpg"}));
    EXPECT_EQ(Rezumat(s.compunere.Curenta()).section('|', 3),
              "1 variante, 2 sterse|a.jpg:2 c.jpg:0");
    EXPECT_EQ(Rezumat(s.compunere.Arhiva().Citeste(prima)), pastrata + "1 sterse|a.jpg:2 c.jpg:0");
    EXPECT_TRUE(s.compunere.Arhiva().Folosiri("b.jpg").empty());
}

// Whatever fails, the teacher is told, nothing half made is left and the
// problems are not recorded as given.
TEST(Lucrare, IntrariGresite)
{
    CaUtilizatorObisnuit([] {
        Scena s;
        const QString teste = s.dosar.Cale() + "/teste";
        ASSERT_TRUE(QFile::setPermissions(teste, QFile::ReadOwner | QFile::ExeOwner));
        EXPECT_FALSE(s.compunere.SalveazaPdf(teste + "/t.pdf", MarginiLucrare()));
        EXPECT_EQ(s.platforma.Mesaje.last(), "Nu am reușit să scriu fișierul " + teste +
                                                 "/t.pdf. Verificați că dosarul există și "
                                                 "poate fi scris.\nMotivul: nu aveți dreptul "
                                                 "să scrieți acolo.");
        EXPECT_EQ(QDir(teste).entryList(QDir::Files | QDir::Hidden), QStringList());
        ImprimantaScriptata imprimanta;
        imprimanta.Refuza = true;
        EXPECT_FALSE(s.compunere.Tipareste(imprimanta, 1, MarginiLucrare()));
        EXPECT_EQ(s.platforma.Mesaje.last(),
                  "Nu am reușit să tipăresc lucrarea. Verificați imprimanta aleasă.");
        EXPECT_TRUE(s.compunere.Arhiva().Folosiri("a.jpg").empty());
        // A database that may only be read is told once, at its open, not at every change.
        ASSERT_TRUE(QFile::setPermissions(s.dosar.Cale() + "/Tezaurel.db", QFile::ReadOwner));
        ASSERT_TRUE(s.d.Baza().Deschide());
        EXPECT_TRUE(s.d.Baza().Raport().contains("doar citită"));
        const qsizetype spuse = s.platforma.Mesaje.size();
        s.compunere.Adauga("d.jpg");
        s.compunere.SeteazaPuncte(0, 3);
        EXPECT_EQ(s.platforma.Mesaje.size(), spuse);
    });
}

// The window's controls reach the paper: the buttons on the selected problem,
// its points, and the header once typing pauses.
TEST(Lucrare, FereastraSchimbaLucrarea)
{
    Scena s;
    FereastraLucrare f(
        s.d, s.compunere, [] { return MarginiLucrare(); }, std::make_unique<ImprimantaScriptata>());
    QListWidget *probleme = nullptr;
    for (QListWidget *l : f.findChildren<QListWidget *>())
        if (l->accessibleName() == "Problemele lucrării")
            probleme = l;
    ASSERT_TRUE(probleme);
    const std::tuple<int, const char *, QString> pasi[] = {
        {0, "Mută în j&os", "b.jpg:0 a.jpg:2 c.jpg:0"},
        {1, "Mută în &sus", "a.jpg:2 b.jpg:0 c.jpg:0"},
        {1, "Sco&ate", "a.jpg:2 c.jpg:0"}};
    for (const auto &[rand, buton, asteptat] : pasi) {
        probleme->setCurrentRow(rand);
        for (QPushButton *b : f.findChildren<QPushButton *>())
            if (b->text() == buton)
                b->click();
        EXPECT_EQ(Rezumat(s.compunere.Curenta()).section('|', 4), asteptat) << buton;
    }
    probleme->setCurrentRow(1);
    f.findChild<QDoubleSpinBox *>()->setValue(3);
    EXPECT_EQ(Rezumat(s.compunere.Curenta()).section('|', 4), "a.jpg:2 c.jpg:3");
    f.findChild<QLineEdit *>()->setText("Teză");
    QElapsedTimer ceas;
    ceas.start();
    while (s.compunere.Curenta().Antet.Titlu != "Teză" && ceas.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(s.compunere.Curenta().Antet.Titlu, "Teză");
    QDir(s.dosar.Cale() + "/teste").removeRecursively(); // a cancelled save makes no folder
    s.platforma.FisiereAlese = {""};
    f.SalveazaPdf();
    EXPECT_FALSE(QFileInfo::exists(s.dosar.Cale() + "/teste"));
    f.show(); // Tab leaves the date whole, Alt+I reaches the list from anywhere
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    auto *data = f.findChild<QDateEdit *>();
    data->setFocus();
    QTest::keyClick(data, Qt::Key_Tab);
    QWidget *timp = nullptr;
    for (QLabel *l : f.findChildren<QLabel *>())
        if (l->text() == "Ti&mp de lucru:")
            timp = l->buddy();
    EXPECT_TRUE(timp && QApplication::focusWidget() == timp); // the next field down
    const QImage faraFocus = probleme->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(probleme->hasFocus());
    // Seen from across the room: the list's own edge takes the highlight.
    const QColor margine = probleme->grab().toImage().pixelColor(0, probleme->height() - 3);
    EXPECT_EQ(margine, probleme->palette().color(QPalette::Highlight));
    EXPECT_NE(faraFocus.pixelColor(0, probleme->height() - 3), margine);
}

} // namespace
