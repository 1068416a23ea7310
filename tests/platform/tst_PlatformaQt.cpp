#include "platform/PlatformaQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
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

QStringList TextelButoanelor(QWidget *dialog)
{
    QStringList texte;
    for (auto *b : dialog->findChildren<QAbstractButton *>())
        if (!b->text().isEmpty())
            texte << b->text();
    texte.sort();
    return texte;
}

TEST(PlatformaQt, MesajulAreTitlulAplicatieiSiUnSingurButonOK)
{
    PlatformaQt platforma;
    QString titlu, text;
    QStringList butoane;
    QMessageBox::Icon icon = QMessageBox::Warning;
    CandApareDialogul([&](QWidget *d) {
        auto *m = qobject_cast<QMessageBox *>(d);
        ASSERT_NE(m, nullptr);
        titlu = m->windowTitle();
        text = m->text();
        icon = m->icon();
        butoane = TextelButoanelor(m);
        m->accept();
    });
    platforma.Mesaj(QStringLiteral("Nu sunt probleme de sters"));
    EXPECT_EQ(titlu, "Tezaurel");
    EXPECT_EQ(text, "Nu sunt probleme de sters");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(butoane, QStringList({"OK"}));
}

TEST(PlatformaQt, IntrebareaAreDaSiNuCuDaImplicit)
{
    PlatformaQt platforma;
    QStringList butoane;
    QString implicit;
    CandApareDialogul([&](QWidget *d) {
        auto *m = qobject_cast<QMessageBox *>(d);
        ASSERT_NE(m, nullptr);
        butoane = TextelButoanelor(m);
        implicit = m->defaultButton() ? m->defaultButton()->text() : QString();
        m->defaultButton()->click();
    });
    EXPECT_TRUE(platforma.IntrebareDaNu(QStringLiteral("Continuati?")));
    EXPECT_EQ(butoane, QStringList({"Da", "Nu"}));
    EXPECT_EQ(implicit, "Da");
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
        EXPECT_TRUE(in->textValue().isEmpty());
        in->setTextValue(QStringLiteral("Algebră"));
        in->accept();
    });
    EXPECT_EQ(platforma.CitesteText(QStringLiteral("Specialitatea?")), QStringLiteral("Algebră"));
    EXPECT_EQ(titlu, "Tezaurel");
    EXPECT_EQ(eticheta, "Specialitatea?");

    CandApareDialogul([](QWidget *d) { qobject_cast<QDialog *>(d)->reject(); });
    EXPECT_EQ(platforma.CitesteText(QStringLiteral("Capitolul?")), std::nullopt);
}

} // namespace
