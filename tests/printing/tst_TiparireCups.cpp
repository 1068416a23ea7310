// Prints through the real spooler to the CUPS queue "PDF" (cups-pdf), which
// writes each job as a PDF in ~/PDF of the user who printed.
#include "printing/frmTipareste.h"
#include "tests/common/PlatformaScriptata.h"
#include "tests/printing/ProblemaAfisata.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

namespace {

QString Ruleaza(const QString &program, const QStringList &argumente, int *cod = nullptr)
{
    QProcess proces;
    proces.start(program, argumente);
    proces.waitForFinished(30000);
    if (cod)
        *cod = proces.exitStatus() == QProcess::NormalExit ? proces.exitCode() : -1;
    return QString::fromLocal8Bit(proces.readAllStandardOutput());
}

QStringList Pdfuri(const QString &dosar)
{
    return QDir(dosar).entryList({"*.pdf"}, QDir::Files);
}

// The job's PDF, once cups-pdf has finished it: each job gets a name of its own.
QString AsteaptaPdf(const QString &dosar, const QStringList &dinainte)
{
    QElapsedTimer ceas;
    ceas.start();
    while (ceas.elapsed() < 60000) {
        for (const QString &nume : Pdfuri(dosar)) {
            if (dinainte.contains(nume))
                continue;
            int cod = 0;
            Ruleaza("pdfinfo", {dosar + "/" + nume}, &cod);
            if (cod == 0)
                return dosar + "/" + nume;
        }
        QThread::msleep(100);
    }
    return {};
}

TEST(TiparireCups, TreiExemplarePeImprimantaPdf)
{
    if (!QPrinterInfo::availablePrinterNames().contains("PDF"))
        GTEST_SKIP() << "No CUPS scheduler with the queue PDF: run "
                        "'sh scripts/imprimanta-pdf.sh porneste' as root to print for real.";
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty() ||
        QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "pdfinfo and pdftoppm (poppler-utils) are needed to read the printout.";

    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii d(dosar.Cale(), platforma);
    ArataProblema(dosar, d, PozaCadrane(800, 600));

    frmTipareste f(d);
    f.show();
    const int pdf = f.Combo1->findText("PDF");
    ASSERT_GE(pdf, 0) << "the dialog lists the queue by its device name";
    f.Combo1->setCurrentIndex(pdf);
    emit f.Combo1->activated(pdf);
    f.Text1->setText("3");
    f.Text7->setPlainText("Lucrare de control\nClasa a IX-a");

    // cups-pdf writes to the home the user database gives, whatever $HOME says.
    const passwd *utilizator = getpwuid(getuid());
    const QString iesiri =
        (utilizator ? QString::fromLocal8Bit(utilizator->pw_dir) : QDir::homePath()) + "/PDF";
    const QStringList dinainte = Pdfuri(iesiri);
    f.Command2->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(platforma.Mesaje.isEmpty());

    const QString fisier = AsteaptaPdf(iesiri, dinainte);
    ASSERT_FALSE(fisier.isEmpty()) << "no PDF appeared in " << qPrintable(iesiri);
    const auto sterge = qScopeGuard([&] { QFile::remove(fisier); });
    const QString info = Ruleaza("pdfinfo", {"-f", "1", "-l", "3", fisier});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+3\\n"))) << qPrintable(info);
    EXPECT_EQ(info.count("(A4)"), 3) << qPrintable(info);

    // At 72 dots to the inch a pixel is 20 twips: the picture at (1134, 1984,
    // 9639, 7229) covers (56.7, 99.2) to (538.7, 460.7).
    QTemporaryDir pagini;
    Ruleaza("pdftoppm", {"-r", "72", "-png", fisier, pagini.path() + "/p"});
    const QStringList png = QDir(pagini.path()).entryList({"*.png"}, QDir::Files, QDir::Name);
    ASSERT_EQ(png.size(), 3);
    const QImage prima(pagini.path() + "/" + png[0]);
    ASSERT_EQ(prima.size(), QSize(595, 842));
    EXPECT_TRUE(Aproape(prima.pixel(60, 103), SusStanga, 40));
    EXPECT_TRUE(Aproape(prima.pixel(535, 103), SusDreapta, 40));
    EXPECT_TRUE(Aproape(prima.pixel(60, 457), JosStanga, 40));
    EXPECT_TRUE(Aproape(prima.pixel(535, 457), JosDreapta, 40));
    EXPECT_EQ(prima.pixel(53, 280), qRgb(255, 255, 255));
    EXPECT_EQ(prima.pixel(542, 280), qRgb(255, 255, 255));
    EXPECT_EQ(prima.pixel(300, 95), qRgb(255, 255, 255));
    EXPECT_EQ(prima.pixel(300, 465), qRgb(255, 255, 255));
    // The header's ink, in its strip (56.7, 14.2) to (538.7, 70.9).
    EXPECT_LT(CelMaiIntunecat(prima, QRect(57, 14, 482, 57)), 100);
    EXPECT_EQ(CelMaiIntunecat(prima, QRect(0, 0, 595, 13)), 255);
    for (int i = 1; i < 3; ++i)
        EXPECT_EQ(QImage(pagini.path() + "/" + png[i]), prima) << "copy " << i + 1;
}

} // namespace
