// The print dialog as the teacher uses it, then a real print through the
// spooler to the CUPS queue "PDF" (cups-pdf writes each job in ~/PDF).
#include "printing/frmTipareste.h"
#include "tests/printing/ProblemaAfisata.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

namespace {

QLineEdit *Camp(const frmTipareste &f, const char *eticheta)
{
    return Control<QLineEdit>(f, eticheta);
}

void AlegeImprimanta(frmTipareste &f, const QString &nume)
{
    QComboBox *c = f.findChild<QComboBox *>();
    c->setCurrentIndex(c->findText(nume));
    emit c->activated(c->currentIndex());
}

TEST(Tipareste, DialogulPastreazaValorileSiSeInchideDoarLaRenunta)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii d(dosar.Cale(), platforma);
    ArataProblema(dosar, d, PozaCadrane(400, 300));
    auto *imprimanta = new ImprimantaScriptata({"Birou", "PDF", "Sala 12"});
    frmTipareste f(d, std::unique_ptr<Imprimanta>(imprimanta));
    f.show();
    QComboBox *combo = f.findChild<QComboBox *>();
    QPushButton *print = Control<QPushButton>(f, "Print");
    EXPECT_TRUE(Control<QRadioButton>(f, "La imprimanta")->isChecked());
    EXPECT_FALSE(Camp(f, "Nume fisier")->isVisible());
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), "");
    QStringList valori;
    for (const char *e : {"Nr de exemplare", "Stanga:", "Dreapta:", "Top:", "Bottom:"})
        valori << Camp(f, e)->text();
    EXPECT_EQ(valori, QStringList({"1", "2", "2", "1", "1"}));
    print->click();
    EXPECT_EQ(platforma.Mesaje, QStringList({"Nu ati ales imprimanta!...."}));
    EXPECT_TRUE(f.isVisible());
    // A step on a margin's bar writes its box; typing does not move the bar.
    QScrollBar *bara = f.findChildren<QScrollBar *>(QString(), Qt::FindDirectChildrenOnly).value(2);
    bara->triggerAction(QScrollBar::SliderSingleStepAdd);
    EXPECT_EQ(Camp(f, "Top:")->text(), "0.9");
    Camp(f, "Top:")->setText("2.7");
    EXPECT_EQ(bara->value(), 31);

    // One key in the printer box and the typing goes on in the copies box.
    AlegeImprimanta(f, "PDF");
    EXPECT_EQ(imprimanta->Aleasa, "PDF");
    QKeyEvent tasta(QEvent::KeyRelease, Qt::Key_S, Qt::NoModifier);
    f.activateWindow();
    combo->setFocus();
    QApplication::processEvents();
    QApplication::sendEvent(combo->lineEdit(), &tasta);
    EXPECT_EQ(QApplication::focusWidget(), Camp(f, "Nr de exemplare"));
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
    EXPECT_EQ(platforma.Mesaje.last(), "Marginea Top nu este un numar valid de centimetri!...");
    EXPECT_EQ(Camp(f, "Top:")->text(), "unu") << "fields stay as they were";
    Camp(f, "Top:")->setText("1");
    print->click();
    EXPECT_EQ(imprimanta->Operatii, QStringList({"alege PDF", "alege Sala 12", "exemplare 3",
                                                 "portret", "pagina", "sfarsit"}));
    EXPECT_EQ(f.NrExemplare, 3);
    EXPECT_FALSE(f.isVisible());

    f.show(); // only "Renunta" leaves, and every value stays for the next time
    EXPECT_FALSE(f.close());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&f, &escape);
    EXPECT_TRUE(f.isVisible());
    f.findChildren<QScrollBar *>(QString(), Qt::FindDirectChildrenOnly).value(0)->setValue(25);
    Control<QPlainTextEdit>(f, "Antet")->setPlainText("Teza\nsemestrul I");
    Control<QRadioButton>(f, "In fisier")->click();
    Camp(f, "Nume fisier")->setText("teza");
    Control<QPushButton>(f, "Renunta")->click();
    EXPECT_FALSE(f.isVisible());
    f.show();
    EXPECT_TRUE(Control<QRadioButton>(f, "In fisier")->isChecked());
    EXPECT_EQ(combo->currentText(), "Sala 12");
    EXPECT_EQ(Camp(f, "Nr de exemplare")->text(), "3");
    EXPECT_EQ(f.TexteMargini(), (std::array<QString, 4>{"1.5", "2", "1", "1"}));
    EXPECT_EQ(Control<QPlainTextEdit>(f, "Antet")->toPlainText(), "Teza\nsemestrul I");
    EXPECT_EQ(Camp(f, "Nume fisier")->text(), "teza");
    EXPECT_EQ(imprimanta->Operatii.size(), 6);
}

QString Ruleaza(const QString &program, const QStringList &argumente, int *cod = nullptr)
{
    QProcess proces;
    proces.start(program, argumente);
    proces.waitForFinished(30000);
    if (cod)
        *cod = proces.exitStatus() == QProcess::NormalExit ? proces.exitCode() : -1;
    return QString::fromLocal8Bit(proces.readAllStandardOutput());
}

TEST(TiparireCups, TreiExemplarePeImprimantaPdf)
{
    if (!QPrinterInfo::availablePrinterNames().contains("PDF"))
        GTEST_SKIP() << "No CUPS queue PDF: run 'sh scripts/imprimanta-pdf.sh porneste' as root.";
    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii d(dosar.Cale(), platforma);
    ArataProblema(dosar, d, PozaCadrane(800, 600));
    frmTipareste f(d);
    f.show();
    AlegeImprimanta(f, "PDF");
    Camp(f, "Nr de exemplare")->setText("3");
    Control<QPlainTextEdit>(f, "Antet")->setPlainText("Lucrare de control\nClasa a IX-a");
    // cups-pdf writes to the home the user database gives, whatever $HOME says.
    const QDir iesiri(QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) + "/PDF");
    const QStringList dinainte = iesiri.entryList({"*.pdf"}, QDir::Files);
    Control<QPushButton>(f, "Print")->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(platforma.Mesaje.isEmpty());

    QString fisier, info; // the job's own PDF, once pdfinfo can read it whole
    QElapsedTimer ceas;
    for (ceas.start(); fisier.isEmpty() && ceas.elapsed() < 60000; QThread::msleep(100))
        for (const QString &nume : iesiri.entryList({"*.pdf"}, QDir::Files)) {
            int cod = 1;
            if (!dinainte.contains(nume))
                info = Ruleaza("pdfinfo", {"-f", "1", "-l", "3", iesiri.filePath(nume)}, &cod);
            if (cod == 0)
                fisier = iesiri.filePath(nume);
        }
    ASSERT_FALSE(fisier.isEmpty()) << "no PDF appeared in " << iesiri.path();
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+3\\n"))) << info;
    EXPECT_EQ(info.count("(A4)"), 3) << info;
    // At 72 dots to the inch a pixel is 20 twips.
    QTemporaryDir pagini;
    Ruleaza("pdftoppm", {"-r", "72", "-png", fisier, pagini.path() + "/p"});
    QFile::remove(fisier);
    const QStringList png = QDir(pagini.path()).entryList({"*.png"}, QDir::Files, QDir::Name);
    ASSERT_EQ(png.size(), 3);
    const QImage prima(pagini.path() + "/" + png[0]);
    ASSERT_EQ(prima.size(), QSize(595, 842));
    Cadrane(prima, 20, 40);
    for (int i = 1; i < 3; ++i)
        EXPECT_EQ(QImage(pagini.path() + "/" + png[i]), prima) << "copy " << i + 1;
}

} // namespace
