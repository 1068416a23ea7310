#include "printing/frmTipareste.h"
#include "tests/common/PlatformaScriptata.h"
#include "tests/printing/ImprimantaScriptata.h"
#include "tests/printing/ProblemaAfisata.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

class Tipareste : public ::testing::Test
{
protected:
    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii d{dosar.Cale(), platforma};
    ImprimantaScriptata *imprimanta = new ImprimantaScriptata({"Birou", "PDF", "Sala 12"});
    frmTipareste f{d, std::unique_ptr<Imprimanta>(imprimanta)};

    void SetUp() override
    {
        ArataProblema(dosar, d, PozaCadrane(400, 300));
        f.show();
    }

    void AlegeImprimanta(int i)
    {
        f.Combo1->setCurrentIndex(i);
        emit f.Combo1->activated(i);
    }

    void Apasa(QWidget *unde, int tasta, QEvent::Type tip)
    {
        QKeyEvent e(tip, tasta, Qt::NoModifier, tip == QEvent::KeyPress ? QString("x") : QString());
        QApplication::sendEvent(unde, &e);
    }
};

TEST_F(Tipareste, TitlurileControalelor)
{
    EXPECT_EQ(f.windowTitle(), "Tipareste");
    EXPECT_EQ(QStringList({f.Frame1->title(), f.Option2->text(), f.Option1->text(),
                           f.Label4->text(), f.Label5->text(), f.Label6->text(), f.Label7->text(),
                           f.Label2->text(), f.Label1->text(), f.Label3->text(), f.Label8->text(),
                           f.Command2->text(), f.Command1->text()}),
              QStringList({"Tipareste", "La imprimanta", "In fisier",
                           "Stanga:", "Dreapta:", "Top:", "Bottom:", "Selectati imprimanta",
                           "Nr de exemplare", "Nume fisier", "Antet", "Print", "Renunta"}));
}

TEST_F(Tipareste, PrimaDeschidere)
{
    EXPECT_EQ(f.Text1->text(), "1");
    EXPECT_TRUE(f.Option2->isChecked());
    EXPECT_FALSE(f.Text2->isVisible());
    EXPECT_EQ(f.Combo1->count(), 3);
    EXPECT_EQ(f.Combo1->currentText(), "");
    EXPECT_EQ(QStringList({f.Text3->text(), f.Text4->text(), f.Text5->text(), f.Text6->text()}),
              QStringList({"2", "2", "1", "1"}));

    f.Command2->click();
    EXPECT_EQ(platforma.Mesaje, QStringList({"Nu ati ales imprimanta!...."}));
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(imprimanta->Operatii.isEmpty());

    // A step on a margin bar writes its box; typing does not move the bar.
    f.VScroll3->triggerAction(QScrollBar::SliderSingleStepAdd);
    EXPECT_EQ(f.Text5->text(), "0.9");
    f.Text5->setText("2.7");
    EXPECT_EQ(f.VScroll3->value(), 31);
}

TEST_F(Tipareste, ImprimantaSeAlegeDinListaNuSeScrie)
{
    AlegeImprimanta(1);
    EXPECT_EQ(imprimanta->Aleasa, "PDF");
    EXPECT_EQ(f.Combo1->currentText(), "PDF");

    f.activateWindow();
    f.Combo1->setFocus();
    QApplication::processEvents();
    Apasa(f.Combo1->lineEdit(), Qt::Key_S, QEvent::KeyRelease);
    EXPECT_EQ(QApplication::focusWidget(), f.Text1);

    // A box emptied by hand, then chosen from: no printer, no "Print".
    f.Combo1->setEditText("");
    emit f.Combo1->activated(-1);
    EXPECT_FALSE(f.Command2->isEnabled());
    f.Option1->setChecked(true);
    EXPECT_FALSE(f.Command2->isEnabled());
    f.Option2->setChecked(true);
    EXPECT_TRUE(f.Command2->isEnabled());
}

TEST_F(Tipareste, PrintLaImprimanta)
{
    AlegeImprimanta(2);
    f.Text1->setText("3");
    f.Text5->setText("unu");
    f.Command2->click();
    EXPECT_EQ(platforma.Mesaje.size(), 1);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.Text5->text(), "unu") << "fields stay as they were";

    f.Text5->setText("1");
    f.Text7->setPlainText("Lucrare de control");
    f.Command2->click();
    EXPECT_EQ(imprimanta->Operatii,
              QStringList({"alege Sala 12", "exemplare 3", "portret", "pagina", "sfarsit"}));
    EXPECT_EQ(f.NrExemplare, 3);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(Tipareste, DoarRenuntaIlInchideIarValorileRaman)
{
    EXPECT_FALSE(f.close());
    Apasa(&f, Qt::Key_Escape, QEvent::KeyPress);
    EXPECT_TRUE(f.isVisible());

    AlegeImprimanta(0);
    f.Text1->setText("4");
    f.VScroll1->setValue(25);
    f.Text7->setPlainText("Teza\nsemestrul I");
    f.Option1->click();
    f.Text2->setText("teza");
    f.Command1->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(imprimanta->Operatii, QStringList({"alege Birou"}));

    f.show();
    EXPECT_TRUE(f.Option1->isChecked());
    EXPECT_EQ(f.Combo1->currentText(), "Birou");
    EXPECT_EQ(f.Text1->text(), "4");
    EXPECT_EQ(f.Text3->text(), "1.5");
    EXPECT_EQ(f.Text7->toPlainText(), "Teza\nsemestrul I");
    EXPECT_EQ(f.Text2->text(), "teza");
}

} // namespace
