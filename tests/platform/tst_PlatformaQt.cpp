#include "platform/PlatformaQt.h"
#include "platform/Traducere.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs actiune on the modal dialog as soon as it is up.
void CandApareDialogul(std::function<void(QWidget *)> actiune)
{
    auto *cronometru = new QTimer;
    cronometru->setInterval(10);
    QObject::connect(cronometru, &QTimer::timeout, [cronometru, actiune] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            cronometru->stop();
            cronometru->deleteLater();
            actiune(dialog);
        }
    });
    cronometru->start();
}

// What the teacher sees in a message box: title, text, buttons sorted, the default one last.
QStringList CeSeVede(QWidget *d)
{
    auto *m = qobject_cast<QMessageBox *>(d);
    QStringList texte;
    for (auto *b : m->findChildren<QAbstractButton *>())
        if (!b->text().isEmpty())
            texte << b->text();
    texte.sort();
    return QStringList{m->windowTitle(), m->text()} + texte +
           QStringList{m->defaultButton() ? m->defaultButton()->text() : QString()};
}

// A message has one OK; a question has Da and Nu, Da the default, and
// Escape or the close button give no answer.
TEST(PlatformaQt, MesajulSiIntrebarea)
{
    PlatformaQt platforma;
    QStringList vazut;
    CandApareDialogul([&](QWidget *d) {
        vazut = CeSeVede(d);
        qobject_cast<QDialog *>(d)->accept();
    });
    platforma.Mesaj(QStringLiteral("Nu sunt probleme de sters"));
    EXPECT_EQ(vazut, QStringList({"Tezaurel", "Nu sunt probleme de sters", "OK", ""}));
    CandApareDialogul([&](QWidget *d) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(d, &escape);
        d->close();
        vazut = CeSeVede(d);
        qobject_cast<QMessageBox *>(d)->defaultButton()->click();
    });
    EXPECT_TRUE(platforma.IntrebareDaNu(QStringLiteral("Continuati?")));
    EXPECT_EQ(vazut, QStringList({"Tezaurel", "Continuati?", "Da", "Nu", "Da"}));
}

TEST(PlatformaQt, PromptulIntoarceTextulSauNimicLaAnulare)
{
    PlatformaQt platforma;
    QStringList vazut;
    CandApareDialogul([&](QWidget *d) {
        auto *in = qobject_cast<QInputDialog *>(d);
        vazut = {in->windowTitle(), in->labelText()};
        in->setTextValue(QStringLiteral("Algebră"));
        in->accept();
    });
    EXPECT_EQ(platforma.CitesteText(QStringLiteral("Specialitatea?")), QStringLiteral("Algebră"));
    EXPECT_EQ(vazut, QStringList({"Tezaurel", "Specialitatea?"}));
    CandApareDialogul([](QWidget *d) { qobject_cast<QDialog *>(d)->reject(); });
    EXPECT_EQ(platforma.CitesteText(QStringLiteral("Capitolul?")), std::nullopt);
}

// Qt's own file dialog and menus, in the contexts Qt looks its texts up in.
TEST(PlatformaQt, TexteleLuiQtSuntInRomana)
{
    ASSERT_TRUE(InstaleazaTraducereaQt(*qApp, QStringLiteral(TEZAUREL_DOSAR_APLICATIE)));
    EXPECT_EQ(QFileSystemModel().headerData(3, Qt::Horizontal).toString(), "Data modificării");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Detail View"), "Detalii");
}

} // namespace
