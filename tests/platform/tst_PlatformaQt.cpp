#include "platform/PlatformaQt.h"
#include "platform/Traducere.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
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

// What the teacher sees in a message box, buttons sorted; the default button last.
QStringList CeSeVede(QMessageBox *m)
{
    QStringList texte;
    for (auto *b : m->findChildren<QAbstractButton *>())
        if (!b->text().isEmpty())
            texte << b->text();
    texte.sort();
    return QStringList{m->windowTitle(), m->text()} + texte +
           QStringList{m->defaultButton() ? m->defaultButton()->text() : QString()};
}

TEST(PlatformaQt, MesajulAreUnSingurButonOKSiIntrebareaDaSiNuCuDaImplicit)
{
    PlatformaQt platforma;
    QStringList vazut;
    CandApareDialogul([&](QWidget *d) {
        auto *m = qobject_cast<QMessageBox *>(d);
        ASSERT_NE(m, nullptr);
        vazut = CeSeVede(m);
        m->accept();
    });
    platforma.Mesaj(QStringLiteral("Nu sunt probleme de sters"));
    EXPECT_EQ(vazut, QStringList({"Tezaurel", "Nu sunt probleme de sters", "OK", ""}));

    // Escape and the close button give no answer: only the two buttons do.
    CandApareDialogul([&](QWidget *d) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(d, &escape);
        d->close();
        vazut = CeSeVede(qobject_cast<QMessageBox *>(d));
        qobject_cast<QMessageBox *>(d)->defaultButton()->click();
    });
    EXPECT_TRUE(platforma.IntrebareDaNu(QStringLiteral("Continuati?")));
    EXPECT_EQ(vazut, QStringList({"Tezaurel", "Continuati?", "Da", "Nu", "Da"}));
}

TEST(PlatformaQt, PromptulIntoarceTextulSauNimicLaAnulare)
{
    PlatformaQt platforma;
    QString titlu, eticheta;
    CandApareDialogul([&](QWidget *d) {
        auto *in = qobject_cast<QInputDialog *>(d);
        ASSERT_NE(in, nullptr);
        titlu = in->windowTitle();
        eticheta = in->labelText();
        in->setTextValue(QStringLiteral("Algebră"));
        in->accept();
    });
    EXPECT_EQ(platforma.CitesteText(QStringLiteral("Specialitatea?")), QStringLiteral("Algebră"));
    EXPECT_EQ(titlu, "Tezaurel");
    EXPECT_EQ(eticheta, "Specialitatea?");

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
