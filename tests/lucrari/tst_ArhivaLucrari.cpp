#include "lucrari/CompunereLucrare.h"
#include "printing/ImprimantaQt.h"
#include "selection/EvaluareSelectie.h"
#include "store/BazaDate.h"
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QString Poppler(const QString &program, const QString &cale)
{
    QProcess p;
    p.start(program, program == "pdftotext" ? QStringList{cale, "-"} : QStringList{cale});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A collection folder with three pictures, its database open and a paper
// for class IX B on 12.03.2026.
struct Scena
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    BazaDate baza{dosar.Cale() + "/Tezaurel.db"};
    CompunereLucrare compunere{baza, platforma, dosar.Cale() + "/Probleme/"};

    explicit Scena(const QByteArray &continutBaza = {})
    {
        if (!continutBaza.isEmpty())
            dosar.ScrieOcteti("Tezaurel.db", continutBaza);
        ArhivaLucrari::Inregistreaza(baza);
        baza.Deschide();
        for (const char *nume : {"a.jpg", "b.jpg", "c.jpg"})
            dosar.ScriePoza(nume, PozaModel(900, 600));
        AntetLucrare antet;
        antet.Titlu = "Lucrare scrisă la matematică";
        antet.Clasa = "IX B";
        antet.Data = QDate(2026, 3, 12);
        antet.TimpLucru = 50;
        compunere.SeteazaAntet(antet);
        for (const char *nume : {"a.jpg", "b.jpg", "c.jpg"})
            compunere.Adauga(nume);
        compunere.SeteazaPuncte(0, 2);
    }
};

TEST(ArhivaLucrari, PdfCuTextCautabilPeDouaPagini)
{
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty())
        GTEST_SKIP() << "poppler-utils are needed to read the PDF";
    Scena s;
    const QString cale = s.dosar.Cale() + "/teste/" + s.compunere.Curenta().NumeFisier();
    ASSERT_TRUE(s.compunere.SalveazaPdf(cale, MarginiLucrare()));
    EXPECT_TRUE(Poppler("pdfinfo", cale).contains(QRegularExpression("Pages:\\s+2\\n")));
    const QString text = Poppler("pdftotext", cale);
    for (const char *asteptat :
         {"Lucrare scrisă la matematică", "Clasa a IX-a B", "Data: 12.03.2026",
          "Numele și prenumele:", "Timp de lucru: 50 de minute.", "1. (2p)", "2.", "3.",
          "Pagina 1 din 2", "Pagina 2 din 2"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(asteptat))) << asteptat;
    EXPECT_EQ(s.platforma.Mesaje.last(), "Lucrarea a fost salvată în fișierul " + cale + ".");
}

TEST(ArhivaLucrari, DouaExemplareLaCozaPdf)
{
    if (!QPrinterInfo::availablePrinterNames().contains("PDF"))
        GTEST_SKIP() << "No CUPS queue PDF: 'sh scripts/imprimanta-pdf.sh porneste' as root.";
    Scena s;
    ImprimantaQt imprimanta;
    ASSERT_TRUE(imprimanta.Alege("PDF"));
    const QDir iesiri(QDir::homePath() + "/PDF");
    const QStringList dinainte = iesiri.entryList({"*.pdf"});
    ASSERT_TRUE(s.compunere.Tipareste(imprimanta, 2, MarginiLucrare()));
    QString nou;
    for (int i = 0; i < 100 && nou.isEmpty(); ++i, QThread::msleep(100))
        for (const QString &f : iesiri.entryList({"*.pdf"}))
            if (!dinainte.contains(f))
                nou = iesiri.filePath(f);
    ASSERT_FALSE(nou.isEmpty());
    // cups-pdf writes the file in steps: wait until poppler can read it whole.
    QString info;
    for (int i = 0; i < 50 && !info.contains("Pages:"); ++i, QThread::msleep(200))
        info = Poppler("pdfinfo", nou);
    // Two collated copies of the two pages.
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+4\\n"))) << qPrintable(info);
    QFile::remove(nou);
    EXPECT_EQ(s.compunere.Arhiva().Folosiri("a.jpg").size(), 1u);
}

TEST(ArhivaLucrari, PastrataFolositaCurataLaStergereSiAvertizataLaRepetare)
{
    Scena s;
    const Lucrare prima = s.compunere.Curenta();
    ASSERT_NE(prima.Id, 0);
    const auto citita = s.compunere.Arhiva().Citeste(prima.Id);
    ASSERT_TRUE(citita);
    EXPECT_EQ(citita->Antet.Titlu, prima.Antet.Titlu);
    EXPECT_EQ(citita->Antet.Data, prima.Antet.Data);
    ASSERT_EQ(citita->Probleme.size(), 3u);
    EXPECT_EQ(citita->Probleme[0].Puncte, 2);
    EXPECT_EQ(citita->Probleme[2].Poza, "c.jpg");

    ASSERT_TRUE(s.compunere.SalveazaPdf(s.dosar.Cale() + "/teste/x.pdf", MarginiLucrare()));
    EXPECT_EQ(TextFolosiri(s.compunere.Arhiva().Folosiri("b.jpg")), "IX B 12.03.2026");

    // A copy for the same class, written another way, warns on each repeat.
    s.compunere.Copiaza();
    EXPECT_NE(s.compunere.Curenta().Id, prima.Id);
    AntetLucrare antet = s.compunere.Curenta().Antet;
    antet.Clasa = "ix  b";
    s.compunere.SeteazaAntet(antet);
    s.platforma.Mesaje.clear();
    s.compunere.Adauga("b.jpg");
    EXPECT_EQ(s.platforma.Mesaje, QStringList({"Problema a fost dată clasei IX B pe 12.03.2026.",
                                               "Problema este deja în lucrare, la numărul 2."}));
    EXPECT_EQ(s.compunere.Arhiva().PozeDateClasei("IX B").size(), 3);

    // The purge takes b.jpg out of both papers and out of the history.
    ASSERT_TRUE(s.baza.ProblemeSterse({"b.jpg"}));
    EXPECT_EQ(s.compunere.Curenta().Probleme.size(), 2u);
    const auto dupa = s.compunere.Arhiva().Citeste(prima.Id);
    ASSERT_EQ(dupa->Probleme.size(), 2u);
    EXPECT_EQ(dupa->Probleme[1].Poza, "c.jpg");
    EXPECT_EQ(dupa->ProblemeSterse, 1);
    EXPECT_TRUE(s.compunere.Arhiva().Folosiri("b.jpg").empty());
    EXPECT_EQ(s.compunere.Arhiva().Lista().size(), 2u);
}

TEST(ArhivaLucrari, BazaDeteriorataPusaDeoparteLucrarileMergMaiDeparte)
{
    Scena s(QByteArray(4096, 'x'));
    EXPECT_TRUE(s.baza.Raport().contains("deteriorat"));
    EXPECT_TRUE(QFileInfo::exists(s.dosar.Cale() + "/Tezaurel.db.deteriorat"));
    EXPECT_EQ(s.compunere.Arhiva().Lista().size(), 1u);
}

TEST(ArhivaLucrari, SelectiaLasaDeoparteProblemeleDateClasei)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    dosar.ScrieColectie({FaProblema(9, 7, "Algebră", "Funcţii", "a.jpg"),
                         FaProblema(9, 7, "Algebră", "Funcţii", "b.jpg"),
                         FaProblema(9, 7, "Algebră", "Funcţii", "c.jpg")});
    dosar.ScriePoza("a.jpg", PozaModel(90, 60));
    mDefinitii d(dosar.Cale(), platforma);
    d.IncarcaColectie();
    d.Baza().Deschide();
    AntetLucrare antet;
    antet.Clasa = "IX B";
    d.Lucrarea().SeteazaAntet(antet);
    d.Lucrarea().Adauga("a.jpg");
    d.Lucrarea().Adauga("b.jpg");
    ASSERT_TRUE(d.Lucrarea().SalveazaPdf(dosar.Cale() + "/teste/t.pdf", MarginiLucrare()));
    for (const auto &[clasa, ramase] : {std::pair{"", 3}, {"ix b", 1}, {"X A", 3}}) {
        d.ClasaFaraRepetari = clasa;
        FiltreazaProbleme(d, FiltreSelectie());
        EXPECT_EQ(d.NrSelectie - 1, ramase) << clasa;
    }
}

TEST(ArhivaLucrari, DouaVariante)
{
    Scena s;
    s.dosar.ScriePoza("d.jpg", PozaModel(900, 600));
    s.compunere.SeteazaNrVariante(2);
    s.compunere.ArataVarianta(2);
    s.compunere.Adauga("d.jpg"); // the first place of variant 2
    s.compunere.Adauga("b.jpg");
    const auto citita = s.compunere.Arhiva().Citeste(s.compunere.Curenta().Id);
    ASSERT_TRUE(citita);
    EXPECT_EQ(citita->NrVariante, 2);
    EXPECT_EQ(citita->Probleme[0].Alte, QStringList{"d.jpg"});
    EXPECT_EQ(citita->Probleme[1].Alte, QStringList{"b.jpg"});
    EXPECT_EQ(citita->Probleme[2].Alte, QStringList());

    const QString cale = s.dosar.Cale() + "/teste/v.pdf";
    ASSERT_TRUE(s.compunere.SalveazaPdf(cale, MarginiLucrare()));
    const QString text = Poppler("pdftotext", cale);
    for (const char *asteptat : {"Varianta 1", "Varianta 2", "Pagina 2 din 2",
                                 "(Nicio problemă aleasă în această variantă.)"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(asteptat))) << asteptat;
    EXPECT_EQ(TextFolosiri(s.compunere.Arhiva().Folosiri("d.jpg")), "IX B 12.03.2026");
}

} // namespace
