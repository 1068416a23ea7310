#include "platform/PanzaQt.h"
#include "platform/PlatformaQt.h"
#include "tests/common/DosarTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

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

// What the teacher sees in a box: title, text, buttons sorted, the default last;
// the box is then answered with its default button, or cancelled.
QStringList Raspunde(QWidget *d)
{
    QStringList texte;
    for (auto *b : d->findChildren<QAbstractButton *>())
        if (!b->text().isEmpty())
            texte << b->text();
    texte.sort();
    auto *m = qobject_cast<QMessageBox *>(d);
    auto *in = qobject_cast<QInputDialog *>(d);
    texte = QStringList{d->windowTitle(), m ? m->text() : in->labelText()} + texte;
    if (m)
        texte << (m->defaultButton() ? m->defaultButton()->text() : "");
    if (m && m->defaultButton())
        m->defaultButton()->click();
    else if (m)
        m->accept();
    else if (in->labelText() == "Specialitatea?")
        in->setTextValue("Algebră"), in->accept();
    else
        in->reject();
    return texte;
}

TEST(PlatformaQt, MesajIntrebareSiPrompt)
{
    PlatformaQt platforma;
    QStringList vazut;
    const auto vezi = [&] { CandApareDialogul([&](QWidget *d) { vazut = Raspunde(d); }); };
    vezi();
    platforma.Mesaj("Nu sunt probleme de sters");
    EXPECT_EQ(vazut, QStringList({"Tezaurel", "Nu sunt probleme de sters", "OK", ""}));
    vezi();
    EXPECT_TRUE(platforma.IntrebareDaNu("Continuati?"));
    EXPECT_EQ(vazut, QStringList({"Tezaurel", "Continuati?", "Da", "Nu", "Da"}));
    vezi();
    EXPECT_EQ(platforma.CitesteText("Specialitatea?"), QString("Algebră"));
    EXPECT_EQ(vazut.mid(0, 2), QStringList({"Tezaurel", "Specialitatea?"}));
    vezi();
    EXPECT_EQ(platforma.CitesteText("Capitolul?"), std::nullopt);

    // Escape and the close button give no answer: the box waits for one of its two buttons.
    bool ramas = false;
    CandApareDialogul([&](QWidget *d) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(d, &escape);
        d->close();
        ramas = d->isVisible();
        qobject_cast<QMessageBox *>(d)->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(platforma.IntrebareDaNu(QStringLiteral("Continuati?")));
    EXPECT_TRUE(ramas);
}

TEST(PanzaQt, MarireaPastreazaDesenul)
{
    PanzaQt panza;
    panza.resize(20, 20);
    panza.Cls();
    panza.Copiaza(PozaModel(5, 5), QSize(5, 5), QPoint(2, 2));
    const QRgb pixel = panza.Imagine().pixel(3, 3);
    panza.resize(60, 30);
    EXPECT_EQ(panza.Imagine().size(), QSize(60, 30));
    EXPECT_EQ(panza.Imagine().pixel(3, 3), pixel);
}

} // namespace
