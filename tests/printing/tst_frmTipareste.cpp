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

// Twips at 15 to the pixel.
QRect Twips(int stanga, int sus, int latime, int inaltime)
{
    return {stanga / 15, sus / 15, latime / 15, inaltime / 15};
}

TEST_F(Tipareste, ControaleleLaLoculLorCuTitlurileLor)
{
    EXPECT_EQ(f.windowTitle(), "Tipareste");
    EXPECT_EQ(f.size(), QSize(927, 426));
    const struct
    {
        QWidget *control;
        QString titlu;
        QRect loc;
    } asteptate[] = {
        {f.Frame1, f.Frame1->title(), Twips(360, 120, 3855, 3015)},
        {f.Option2, f.Option2->text(), Twips(360, 480, 2415, 615)},
        {f.Option1, f.Option1->text(), Twips(360, 1680, 2415, 615)},
        {f.Label4, f.Label4->text(), Twips(5640, 360, 1335, 495)},
        {f.Text3, "", Twips(6960, 360, 1215, 495)},
        {f.VScroll1, "", Twips(8160, 360, 615, 495)},
        {f.Label5, f.Label5->text(), Twips(5640, 1080, 1335, 495)},
        {f.Text4, "", Twips(6960, 1080, 1215, 495)},
        {f.VScroll2, "", Twips(8160, 1080, 615, 495)},
        {f.Label6, f.Label6->text(), Twips(5640, 1800, 1335, 495)},
        {f.Text5, "", Twips(6960, 1800, 1215, 495)},
        {f.VScroll3, "", Twips(8160, 1800, 615, 495)},
        {f.Label7, f.Label7->text(), Twips(5640, 2520, 1335, 495)},
        {f.Text6, "", Twips(6960, 2520, 1215, 495)},
        {f.VScroll4, "", Twips(8160, 2520, 615, 495)},
        {f.Label2, f.Label2->text(), Twips(10320, 360, 3855, 495)},
        {f.Combo1, "", Twips(9960, 840, 3855, 420)},
        {f.Label1, f.Label1->text(), Twips(10320, 1680, 3255, 615)},
        {f.Text1, "", Twips(11520, 2280, 735, 735)},
        {f.Label3, f.Label3->text(), Twips(0, 3360, 1935, 375)},
        {f.Text2, "", Twips(1920, 3360, 3855, 495)},
        {f.Label8, f.Label8->text(), Twips(4080, 4200, 2535, 375)},
        {f.Text7, "", Twips(120, 4560, 10575, 1695)},
        {f.Command2, f.Command2->text(), Twips(10920, 4560, 2895, 735)},
        {f.Command1, f.Command1->text(), Twips(10920, 5520, 2895, 735)},
    };
    QStringList titluri;
    for (const auto &a : asteptate) {
        EXPECT_EQ(a.control->geometry(), a.loc)
            << a.control->metaObject()->className() << " " << qPrintable(a.titlu);
        if (!a.titlu.isEmpty())
            titluri << a.titlu;
    }
    EXPECT_EQ(titluri,
              QStringList({"Tipareste", "La imprimanta", "In fisier",
                           "Stanga:", "Dreapta:", "Top:", "Bottom:", "Selectati imprimanta",
                           "Nr de exemplare", "Nume fisier", "Antet", "Print", "Renunta"}));
    EXPECT_EQ(f.Option1->parentWidget(), f.Frame1);
    EXPECT_EQ(f.Option2->parentWidget(), f.Frame1);
}

TEST_F(Tipareste, PrimaDeschidere)
{
    EXPECT_EQ(f.Text1->text(), "1");
    EXPECT_TRUE(f.Option2->isChecked());
    EXPECT_FALSE(f.Option1->isChecked());
    EXPECT_FALSE(f.Label3->isVisible());
    EXPECT_FALSE(f.Text2->isVisible());
    QStringList lista;
    for (int i = 0; i < f.Combo1->count(); ++i)
        lista << f.Combo1->itemText(i);
    EXPECT_EQ(lista, QStringList({"Birou", "PDF", "Sala 12"}));
    EXPECT_EQ(f.Combo1->currentText(), "");
    EXPECT_EQ(imprimanta->Aleasa, "");
    EXPECT_EQ(f.Text3->text(), "2");
    EXPECT_EQ(f.Text4->text(), "2");
    EXPECT_EQ(f.Text5->text(), "1");
    EXPECT_EQ(f.Text6->text(), "1");
    EXPECT_EQ(f.VScroll1->value(), 20);
    EXPECT_EQ(f.VScroll4->value(), 30);
    EXPECT_TRUE(f.Command2->isEnabled());
    EXPECT_EQ(f.LatimeFixa, 13905);
    EXPECT_EQ(f.InaltimeFixa, 6390);

    f.Command2->click();
    EXPECT_EQ(platforma.Mesaje, QStringList({"Nu ati ales imprimanta!...."}));
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(imprimanta->Operatii.isEmpty());
}

TEST_F(Tipareste, BareleMarginilor)
{
    f.VScroll1->setValue(0);
    EXPECT_EQ(f.Text3->text(), "4");
    f.VScroll2->setValue(40);
    EXPECT_EQ(f.Text4->text(), "0");
    f.VScroll3->triggerAction(QScrollBar::SliderSingleStepAdd);
    EXPECT_EQ(f.Text5->text(), "0.9");
    f.VScroll4->triggerAction(QScrollBar::SliderSingleStepSub);
    EXPECT_EQ(f.Text6->text(), "1.1");

    // Typing does not move the bar.
    f.Text3->setText("2.7");
    EXPECT_EQ(f.VScroll1->value(), 0);
}

TEST_F(Tipareste, ImprimantaSeAlegeDinListaNuSeScrie)
{
    AlegeImprimanta(1);
    EXPECT_EQ(imprimanta->Aleasa, "PDF");
    EXPECT_EQ(f.Combo1->currentText(), "PDF");
    EXPECT_TRUE(f.Command2->isEnabled());

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

TEST_F(Tipareste, VerificarileLaImprimanta)
{
    AlegeImprimanta(2);
    f.Text1->setText("");
    f.Command2->click();
    f.Text1->setText("0");
    f.Command2->click();
    f.Text1->setText("-3");
    f.Command2->click();
    f.Text1->setText("2");
    f.Text5->setText("unu");
    f.Command2->click();
    EXPECT_EQ(platforma.Mesaje,
              QStringList({"Nu ati definit numarul exemplarelor de tiparit!....",
                           "Nu avem nimic de tiparit!...",
                           "Numarul exemplarelor trebuie sa fie un numar intreg intre 1 si "
                           "32767!...",
                           "Marginea Top nu este un numar valid de centimetri!..."}));
    EXPECT_EQ(imprimanta->Operatii, QStringList({"alege Sala 12"}));
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.Text5->text(), "unu") << "fields stay as they were";
}

TEST_F(Tipareste, PrintLaImprimantaTrimitePaginaSiInchideDialogul)
{
    AlegeImprimanta(1);
    f.Text1->setText("3");
    f.Text7->setPlainText("Lucrare de control");
    f.Command2->click();
    EXPECT_EQ(imprimanta->Operatii,
              QStringList({"alege PDF", "exemplare 3", "portret", "pagina", "sfarsit"}));
    EXPECT_EQ(f.NrExemplare, 3);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_TRUE(platforma.Mesaje.isEmpty());
    EXPECT_LT(CelMaiIntunecat(imprimanta->Foaie, QRect(113, 28, 964, 113)), 100);
}

TEST_F(Tipareste, InFisierDialogulRamaneDeschis)
{
    f.Option1->click();
    EXPECT_FALSE(f.Combo1->isEnabled());
    EXPECT_TRUE(f.Label3->isVisible());
    EXPECT_TRUE(f.Text2->isVisible());

    // No printer was chosen and that is not asked about.
    f.Command2->click();
    f.Text2->setText("../iesire");
    f.Command2->click();
    f.Text2->setText("test1");
    f.Command2->click();
    f.Text2->setText("test2");
    f.Command2->click();
    EXPECT_EQ(platforma.Mesaje,
              QStringList({"Nu ati definit numele fisierului!...",
                           "Numele fisierului nu poate contine caracterul /: paginile se "
                           "salveaza numai in folderul teste!...",
                           "A fost creat fisierul: test1.jpg in folderul de lucru al aplicatiei.",
                           "A fost creat fisierul: test2.jpg in folderul de lucru al "
                           "aplicatiei."}));
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(dosar.CitesteOcteti("teste/test1.jpg").left(2), "BM");
    EXPECT_FALSE(QFileInfo::exists(dosar.Cale() + "/iesire.jpg"));
    EXPECT_TRUE(imprimanta->Operatii.isEmpty());

    f.Option2->click();
    EXPECT_TRUE(f.Combo1->isEnabled());
    EXPECT_FALSE(f.Text2->isVisible());
}

TEST_F(Tipareste, DoarRenuntaIlInchide)
{
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.isVisible());
    Apasa(&f, Qt::Key_Escape, QEvent::KeyPress);
    EXPECT_TRUE(f.isVisible());
    f.resize(400, 200);
    EXPECT_EQ(f.size(), QSize(927, 426));

    f.Command1->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_TRUE(platforma.Mesaje.isEmpty());
    EXPECT_TRUE(imprimanta->Operatii.isEmpty());
}

TEST_F(Tipareste, ValorileRamanIntreDeschideri)
{
    AlegeImprimanta(0);
    f.Text1->setText("4");
    f.VScroll1->setValue(25);
    f.Text7->setPlainText("Teza\nsemestrul I");
    f.Option1->click();
    f.Text2->setText("teza");
    f.Command1->click();

    f.show();
    EXPECT_TRUE(f.Option1->isChecked());
    EXPECT_EQ(f.Combo1->currentText(), "Birou");
    EXPECT_EQ(imprimanta->Aleasa, "Birou");
    EXPECT_EQ(f.Text1->text(), "4");
    EXPECT_EQ(f.Text3->text(), "1.5");
    EXPECT_EQ(f.Text7->toPlainText(), "Teza\nsemestrul I");
    EXPECT_EQ(f.Text2->text(), "teza");
    EXPECT_TRUE(f.Text2->isVisible());
}

} // namespace
