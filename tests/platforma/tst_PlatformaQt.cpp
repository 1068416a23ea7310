#include "platforma/MotorTesseract.h"
#include "platforma/PlatformaQt.h"
#include "platforma/Traducere.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tezaurel;

namespace {

// A question has Da and Nu, Da the default, and Escape or the close button
// give no answer; a cancelled prompt gives nothing, not an empty text.
TEST(PlatformaQt, IntrebareaSiPromptul)
{
    PlatformaQt platforma;
    QStringList vazut;
    QTimer::singleShot(0, [&] {
        auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(m, &escape);
        m->close();
        for (auto *b : m->buttons())
            vazut << b->text();
        vazut.sort();
        vazut << m->windowTitle() << m->defaultButton()->text() << (m->isVisible() ? "sus" : "");
        m->defaultButton()->click();
    });
    EXPECT_TRUE(platforma.IntrebareDaNu(QStringLiteral("Continuati?")));
    EXPECT_EQ(vazut, QStringList({"Da", "Nu", "Tezaurel", "Da", "sus"}));
    QTimer::singleShot(
        0, [] { qobject_cast<QDialog *>(QApplication::activeModalWidget())->reject(); });
    EXPECT_EQ(platforma.CitesteText(QStringLiteral("Capitolul?")), std::nullopt);
}

// The save dialog lists and completes the kind of file proposed: a paper's
// PDF, its document, a package.
TEST(PlatformaQt, DialogulDeSalvareArataFelulFisieruluiPropus)
{
    PlatformaQt platforma;
    const std::pair<const char *, const char *> cazuri[] = {
        {"/tmp/Test 1.pdf", "Salvează lucrarea: Documente PDF (*.pdf)"},
        {"/tmp/Test 1.odt", "Salvează lucrarea: Documente OpenDocument (*.odt)"},
        {"/tmp/selectie.tezaurel", "Exportă problemele: Pachete Tezaurel (*.tezaurel)"}};
    for (const auto &[propus, asteptat] : cazuri) {
        QString vazut;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            vazut = d->windowTitle() + ": " + d->nameFilters().join(';');
            d->reject();
        });
        EXPECT_EQ(platforma.AlegeFisierSalvare(QString::fromUtf8(propus)), QString());
        EXPECT_EQ(vazut, QString::fromUtf8(asteptat));
    }
}

// Qt's own file dialog and menus, in the contexts Qt looks its texts up in; dates and
// numbers in Romanian whatever the system's locale.
TEST(PlatformaQt, TexteleLuiQtSuntInRomana)
{
    ASSERT_TRUE(InstaleazaTraducereaQt(*qApp, QStringLiteral(TEZAUREL_DOSAR_APLICATIE)));
    EXPECT_EQ(QFileSystemModel().headerData(3, Qt::Horizontal).toString(), "Data modificării");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Detail View"), "Detalii");
    EXPECT_EQ(QLocale().toString(2.0, 'f', 1) + QLocale().monthName(12), "2,0decembrie");
}

// Recognition comes from the module beside the program: without it the reason
// is told before any engine is asked for; a file there that is no module gives
// no engine, and no crash; the module itself reads a word.
TEST(MotorTesseract, ModululDeRecunoastere)
{
    QTemporaryDir dosar;
    QFile fals(dosar.filePath("libfals.so"));
    ASSERT_TRUE(fals.open(QIODevice::WriteOnly) && fals.write("nu este un modul") > 0);
    fals.close();
    const QString lipsa = dosar.filePath("lipsa.so");
    const MotorRecunoastere faraModul = MotorTesseract(lipsa);
    EXPECT_EQ(faraModul.Indisponibil,
              "Căutarea după cuvinte nu este disponibilă: lipsește modulul de recunoaștere a "
              "textului (" +
                  lipsa + "). Reinstalați Tezaurel.");
    EXPECT_FALSE(faraModul.Creeaza);
    EXPECT_EQ(MotorTesseract(fals.fileName()).Creeaza(), nullptr);

    QImage poza(600, 120, QImage::Format_Grayscale8);
    poza.fill(255);
    QPainter pictor(&poza);
    pictor.setFont(QFont("DejaVu Sans", 40));
    pictor.drawText(poza.rect(), Qt::AlignCenter, "Triunghiul");
    pictor.end();
    const auto motor = MotorTesseract(QStringLiteral(TEZAUREL_MODUL_RECUNOASTERE)).Creeaza();
    ASSERT_NE(motor, nullptr);
    EXPECT_EQ(motor->Recunoaste(poza, std::atomic<bool>(false)).value_or(""), "Triunghiul");
}

} // namespace
