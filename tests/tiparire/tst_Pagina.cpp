#include "ferestre/tiparire/FereastraTiparire.h"
#include "logica/tiparire/GeometriePagina.h"
#include "tests/tiparire/ProblemaAfisata.h"

#include <QTest>
#include <QtWidgets>

#include <pwd.h>
#include <unistd.h>

using namespace tezaurel;

namespace {

TEST(Geometrie, DreptunghiurileInTwips)
{
    const std::tuple<float, float, float, QSize, QRect, QRect> cazuri[] = {
        // The dialog's starting margins, a picture three quarters as tall as wide.
        {2, 2, 1, {4000, 3000}, {1134, 283, 9639, 1134}, {1134, 1984, 9639, 7229}},
        {0, 0, 0, {100, 100}, {0, 283, 11907, 1134}, {0, 1417, 11907, 11907}},
        // 2.5 cm is 1417.5 twips, cut to 1417; 0.3 cm lands the picture at 1587.6.
        {2.5f, 1.5f, 0.3f, {1000, 2000}, {1417, 283, 9639, 1134}, {1417, 1587, 9639, 19278}},
        {2, 2, 1, {}, {1134, 283, 9639, 1134}, {}},
        // Far beyond the page, or 300000 times taller than wide: held within int.
        {0, 0, 3e30f, {10, 10}, {0, 283, 11907, 1134}, {0, (1 << 30) - 1, 11907, 11907}},
        {2, 2, 1, {1, 300000}, {1134, 283, 9639, 1134}, {1134, 1984, 9639, (1 << 30) - 1}}};
    for (const auto &[stanga, dreapta, sus, poza, antet, imagine] : cazuri) {
        const AsezarePagina a = AseazaPagina(stanga, dreapta, sus, poza);
        EXPECT_EQ(QList<QRect>({a.Antet, a.Poza}), QList<QRect>({antet, imagine}))
            << stanga << " " << sus;
    }
}

// The first check that fails gives its message, in the order printer, copies,
// name, margins; the values that pass reach the page.
TEST(Verificare, PrimaVerificareCareCadeIsiSpuneMesajul)
{
    using T = TexteTipareste;
    const QString nimic = "Nu avem nimic de tiparit!...",
                  latime = "Marginile Stanga si Dreapta nu lasa loc pe latimea paginii!...",
                  exemplare =
                      "Numarul exemplarelor trebuie sa fie un numar intreg intre 1 si 32767!...",
                  margine = "Marginea %1 nu este un numar valid de centimetri!...";
    const std::tuple<bool, std::vector<std::pair<QString T::*, const char *>>, QString> cazuri[] = {
        // clang-format off
        {true, {{&T::Imprimanta, ""}, {&T::Exemplare, ""}}, "Nu ati ales imprimanta!...."},
        {true, {{&T::Exemplare, ""}}, "Nu ati definit numarul exemplarelor de tiparit!...."},
        {true, {{&T::Exemplare, "0"}, {&T::Stanga, "x"}}, nimic},
        {true, {{&T::Exemplare, "0.5"}}, nimic}, // half rounds to even
        {true, {{&T::Exemplare, "-2"}}, exemplare},
        {true, {{&T::Exemplare, "32768"}}, exemplare},
        // A file needs no printer and no copies, only a name that stays in teste/.
        {false, {{&T::Imprimanta, ""}, {&T::Exemplare, "0"}, {&T::NumeFisier, ""}}, "Nu ati definit numele fisierului!..."},
        {false, {{&T::NumeFisier, "../Tezaurel"}}, "Numele fisierului nu poate contine caracterul /: paginile se salveaza numai in folderul teste!..."},
        {true, {{&T::Stanga, "doi"}, {&T::Sus, "x"}}, margine.arg("Stanga")},
        {false, {{&T::Dreapta, ""}}, margine.arg("Dreapta")},
        {true, {{&T::Sus, "-1"}}, margine.arg("Top")},
        {false, {{&T::Jos, "1 cm"}}, margine.arg("Bottom")},
        {true, {{&T::Stanga, "11"}, {&T::Dreapta, "10"}}, latime},
        {true, {{&T::Stanga, "1e30"}}, latime},
        {true, {{&T::Stanga, "3e38"}}, latime},
        {true, {{&T::Exemplare, "2.5"}, {&T::Stanga, "1.5"}, {&T::Jos, "0"}}, "2 1.5 0 Teza\nClasa a IX-a"},
        {true, {{&T::Exemplare, "32767"}}, "32767 2 1 Teza\nClasa a IX-a"}};
    // clang-format on
    for (const auto &[laImprimanta, schimbari, mesaj] : cazuri) {
        T t{laImprimanta, "PDF", "1", "test1", "2", "2", "1", "1", "Teza\nClasa a IX-a"};
        for (const auto &[camp, valoare] : schimbari)
            t.*camp = valoare;
        const auto r = VerificaTiparirea(t);
        const auto *p = std::get_if<DatePagina>(&r);
        EXPECT_EQ(
            p ? QString("%1 %2 %3 %4").arg(p->NrExemplare).arg(p->Stanga).arg(p->Jos).arg(p->Antet)
              : std::get<QString>(r),
            mesaj);
    }
}

TEST(Verificare, VirgulaRomaneasca)
{
    const QLocale inainte;
    QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
    EXPECT_EQ(TextMargine(15), "2,5");
    EXPECT_EQ(QList({CitesteNumar("2,5"), CitesteNumar("2.5"), CitesteNumar("abc")}),
              QList<std::optional<double>>({2.5, 2.5, {}}));
    QLocale::setDefault(inainte);
}

using Compunere = PaginaTest;

// On the printer: the copies asked for, one page; a refusing printer brings no
// message; with no problem shown, the header alone. To a file: bitmap data
// under a .jpg name at the screen's resolution, an earlier page of that name
// replaced; the bottom margin changes nothing.
TEST_F(Compunere, LaImprimantaSauInFisier)
{
    ArataProblema(dosar, sel, PozaCadrane(400, 300));
    date.NrExemplare = 3;
    CompunePagina(true, date, sel, imprimanta);
    EXPECT_EQ(imprimanta.Operatii, QStringList({"exemplare 3", "portret", "pagina", "sfarsit"}));
    VerificaFoaia(imprimanta.Foaie, 10, true);
    dosar.ScrieOcteti("teste/pagina.jpg", QByteArray(5000000, 'x'));
    CompunePagina(false, date, sel, imprimanta);
    EXPECT_EQ(imprimanta.Operatii.size(), 4);
    const QByteArray octeti = dosar.CitesteOcteti("teste/pagina.jpg");
    EXPECT_EQ(octeti.left(2) + QByteArray::number(octeti.at(28)), "BM24") << "bits per pixel";
    EXPECT_EQ(Fisier().size(), QSize(794, 1123));
    VerificaFoaia(Fisier(), 15, true);
    sel.PozitieCurenta = 0, sel.NrSelectie = 1;
    CompunePagina(true, date, sel, imprimanta);
    VerificaFoaia(imprimanta.Foaie, 10, false);
    imprimanta.Refuza = true;
    CompunePagina(true, date, sel, imprimanta);
    EXPECT_EQ(imprimanta.Operatii.mid(8), QStringList({"exemplare 3", "portret", "pagina"}));
    EXPECT_EQ(platforma.Mesaje, QStringList{Creat("pagina")});
}

// A control a user finds by its caption: a button by its text, a box by the label naming it.
template <class T> T *Control(const QWidget &fereastra, const QString &titlu)
{
    for (QAbstractButton *b : fereastra.findChildren<QAbstractButton *>())
        if (b->text() == titlu && qobject_cast<T *>(b))
            return qobject_cast<T *>(b);
    for (QLabel *l : fereastra.findChildren<QLabel *>())
        if (l->text() == titlu && qobject_cast<T *>(l->buddy()))
            return qobject_cast<T *>(l->buddy());
    return nullptr;
}
const auto Camp = [](const FereastraTiparire &f, const char *e) {
    return Control<QLineEdit>(f, e);
};

const auto AlegeImprimanta = [](FereastraTiparire &f, const QString &nume) {
    QComboBox *c = f.findChild<QComboBox *>();
    c->setCurrentIndex(c->findText(nume)), emit c->activated(c->currentIndex());
};

TEST_F(Compunere, DialogulPastreazaValorileSiSeInchideDoarLaRenunta)
{
    ArataProblema(dosar, sel, PozaCadrane(400, 300));
    auto *scriptata = new ImprimantaScriptata;
    scriptata->Nume = {"Birou", "PDF", "Sala 12"};
    FereastraTiparire f(sel, std::unique_ptr<Imprimanta>(scriptata));
    f.show();
    QComboBox *combo = f.findChild<QComboBox *>();
    QPushButton *print = Control<QPushButton>(f, "Print");
    const auto valori = [&] {
        QStringList v = {combo->currentText()};
        v << (Control<QRadioButton>(f, "In fisier")->isChecked() ? "fisier" : "imprimanta");
        for (auto e : {"Nr de exemplare", "Stanga:", "Dreapta:", "Top:", "Bottom:", "Nume fisier"})
            v << Camp(f, e)->text();
        return v << Control<QPlainTextEdit>(f, "Antet")->toPlainText();
    };
    EXPECT_EQ(valori(), QStringList({"", "imprimanta", "1", "2", "2", "1", "1", "", ""}));
    EXPECT_TRUE(Camp(f, "Nume fisier")->isHidden() && combo->count() == 3);
    // One key in the printer box and the typing goes on in the copies box.
    AlegeImprimanta(f, "PDF");
    QTest::keyRelease(combo->lineEdit(), Qt::Key_S);
    EXPECT_EQ(f.focusWidget(), Camp(f, "Nr de exemplare"));
    // A box emptied by hand, then chosen from: no printer, no "Print" but to a file.
    combo->setEditText("");
    emit combo->activated(-1);
    EXPECT_FALSE(print->isEnabled());
    Control<QRadioButton>(f, "In fisier")->setChecked(true);
    EXPECT_FALSE(print->isEnabled());
    Control<QRadioButton>(f, "La imprimanta")->setChecked(true);
    EXPECT_TRUE(print->isEnabled());

    AlegeImprimanta(f, "Sala 12");
    Camp(f, "Nr de exemplare")->setText("3");
    Camp(f, "Top:")->setText("unu");
    print->click();
    EXPECT_EQ(platforma.Mesaje,
              QStringList({"Marginea Top nu este un numar valid de centimetri!..."}));
    Camp(f, "Top:")->setText("1");
    print->click();
    EXPECT_EQ(scriptata->Operatii, QStringList({"alege PDF", "alege Sala 12", "exemplare 3",
                                                "portret", "pagina", "sfarsit"}));
    EXPECT_TRUE(f.NrExemplare == 3 && f.isHidden());

    f.show(); // only "Renunta" leaves, and every value stays for the next time
    EXPECT_FALSE(f.close());
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible());
    f.findChildren<QScrollBar *>(QString(), Qt::FindDirectChildrenOnly).value(0)->setValue(25);
    Control<QPlainTextEdit>(f, "Antet")->setPlainText("Teza\nsemestrul I");
    Control<QRadioButton>(f, "In fisier")->click();
    Camp(f, "Nume fisier")->setText("teza");
    Control<QPushButton>(f, "Renunta")->click();
    EXPECT_FALSE(f.isVisible());
    f.show();
    EXPECT_EQ(valori(), QStringList({"Sala 12", "fisier", "3", "1.5", "2", "1", "1", "teza",
                                     "Teza\nsemestrul I"}));
    EXPECT_EQ(f.TexteMargini(), (std::array<QString, 4>{"1.5", "2", "1", "1"}));
    EXPECT_EQ(scriptata->Operatii.size(), 6);
}

// Three copies through the spooler to the CUPS queue "PDF": cups-pdf writes
// each job as a PDF in ~/PDF of the user the database names, whatever $HOME says.
using TiparireCups = PaginaTest;
TEST_F(TiparireCups, TreiExemplarePeImprimantaPdf)
{
    ArataProblema(dosar, sel, PozaCadrane(800, 600));
    FereastraTiparire f(sel, ImprimanteQt());
    if (f.findChild<QComboBox *>()->findText("PDF") < 0)
        GTEST_SKIP() << "No CUPS queue PDF: run 'sh scripts/imprimanta-pdf.sh porneste' as root.";
    AlegeImprimanta(f, "PDF");
    Camp(f, "Nr de exemplare")->setText("3");
    Control<QPlainTextEdit>(f, "Antet")->setPlainText("Lucrare de control\nClasa a IX-a");
    const QDir iesiri(QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) + "/PDF");
    const QStringList dinainte = iesiri.entryList({"*.pdf"}, QDir::Files);
    Control<QPushButton>(f, "Print")->click();
    EXPECT_TRUE(platforma.Mesaje.isEmpty());

    // The job's own PDF: a new one of three pages, once pdfinfo can read it
    // whole (other tests print to the same queue at the same time).
    QString fisier, info;
    for (int i = 0; fisier.isEmpty() && i < 300; ++i, usleep(100000))
        for (const QString &nume : iesiri.entryList({"*.pdf"}, QDir::Files)) {
            QProcess pdfinfo;
            if (!dinainte.contains(nume) &&
                (pdfinfo.start("pdfinfo", {"-f", "1", "-l", "3", iesiri.filePath(nume)}),
                 pdfinfo.waitForFinished(30000) && pdfinfo.exitCode() == 0) &&
                (info = pdfinfo.readAllStandardOutput()).simplified().contains("Pages: 3 "))
                fisier = iesiri.filePath(nume);
        }
    ASSERT_FALSE(fisier.isEmpty()) << "no PDF of three pages appeared in " << iesiri.path();
    EXPECT_EQ(info.count("(A4)"), 3) << info;
    QProcess::execute("pdftoppm", {"-r", "72", "-png", fisier,
                                   dosar.Cale() + "/teste/p"}); // 20 twips to the pixel
    QFile::remove(fisier);
    const QStringList png =
        QDir(dosar.Cale() + "/teste").entryList({"*.png"}, QDir::Files, QDir::Name);
    ASSERT_EQ(png.size(), 3);
    const QImage prima(dosar.Cale() + "/teste/" + png[0]);
    ASSERT_EQ(prima.size(), QSize(595, 842));
    VerificaFoaia(prima, 20, true, 40);
    for (int i = 1; i < 3; ++i)
        EXPECT_EQ(QImage(dosar.Cale() + "/teste/" + png[i]), prima) << "copy " << i + 1;
}

} // namespace
