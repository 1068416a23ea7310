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

#include <array>

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

TEST_F(Tipareste, ControaleleLaLoculLorCuTitlurileLor)
{
    EXPECT_EQ(f.windowTitle(), "Tipareste");
    EXPECT_EQ(f.size(), QSize(927, 426));
    // Left, top, width, height in twips, at 15 to the pixel.
    // clang-format off
    const std::pair<QWidget *, std::array<int, 4>> locuri[] = {
        {f.Frame1, {360, 120, 3855, 3015}},   {f.Option2, {360, 480, 2415, 615}},
        {f.Option1, {360, 1680, 2415, 615}},  {f.Label4, {5640, 360, 1335, 495}},
        {f.Text3, {6960, 360, 1215, 495}},    {f.VScroll1, {8160, 360, 615, 495}},
        {f.Label5, {5640, 1080, 1335, 495}},  {f.Text4, {6960, 1080, 1215, 495}},
        {f.VScroll2, {8160, 1080, 615, 495}}, {f.Label6, {5640, 1800, 1335, 495}},
        {f.Text5, {6960, 1800, 1215, 495}},   {f.VScroll3, {8160, 1800, 615, 495}},
        {f.Label7, {5640, 2520, 1335, 495}},  {f.Text6, {6960, 2520, 1215, 495}},
        {f.VScroll4, {8160, 2520, 615, 495}}, {f.Label2, {10320, 360, 3855, 495}},
        {f.Combo1, {9960, 840, 3855, 420}},   {f.Label1, {10320, 1680, 3255, 615}},
        {f.Text1, {11520, 2280, 735, 735}},   {f.Label3, {0, 3360, 1935, 375}},
        {f.Text2, {1920, 3360, 3855, 495}},   {f.Label8, {4080, 4200, 2535, 375}},
        {f.Text7, {120, 4560, 10575, 1695}},  {f.Command2, {10920, 4560, 2895, 735}},
        {f.Command1, {10920, 5520, 2895, 735}}};
    // clang-format on
    for (const auto &[control, t] : locuri)
        EXPECT_EQ(control->geometry(), QRect(t[0] / 15, t[1] / 15, t[2] / 15, t[3] / 15))
            << control->objectName().toStdString() << " " << t[0] << "," << t[1];
    EXPECT_EQ(QStringList({f.Frame1->title(), f.Option2->text(), f.Option1->text(),
                           f.Label4->text(), f.Label5->text(), f.Label6->text(), f.Label7->text(),
                           f.Label2->text(), f.Label1->text(), f.Label3->text(), f.Label8->text(),
                           f.Command2->text(), f.Command1->text()}),
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
    EXPECT_FALSE(f.Text2->isVisible());
    QStringList lista;
    for (int i = 0; i < f.Combo1->count(); ++i)
        lista << f.Combo1->itemText(i);
    EXPECT_EQ(lista, QStringList({"Birou", "PDF", "Sala 12"}));
    EXPECT_EQ(f.Combo1->currentText(), "");
    EXPECT_EQ(QStringList({f.Text3->text(), f.Text4->text(), f.Text5->text(), f.Text6->text()}),
              QStringList({"2", "2", "1", "1"}));
    EXPECT_EQ(f.VScroll1->value(), 20);
    EXPECT_EQ(f.VScroll4->value(), 30);

    f.Command2->click();
    EXPECT_EQ(platforma.Mesaje, QStringList({"Nu ati ales imprimanta!...."}));
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(imprimanta->Operatii.isEmpty());

    // The margin bars; typing does not move them.
    f.VScroll1->setValue(0);
    EXPECT_EQ(f.Text3->text(), "4");
    f.VScroll2->setValue(40);
    EXPECT_EQ(f.Text4->text(), "0");
    f.VScroll3->triggerAction(QScrollBar::SliderSingleStepAdd);
    EXPECT_EQ(f.Text5->text(), "0.9");
    f.VScroll4->triggerAction(QScrollBar::SliderSingleStepSub);
    EXPECT_EQ(f.Text6->text(), "1.1");
    f.Text3->setText("2.7");
    EXPECT_EQ(f.VScroll1->value(), 0);
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
    f.Text1->setText("");
    f.Command2->click();
    f.Text1->setText("3");
    f.Text5->setText("unu");
    f.Command2->click();
    EXPECT_EQ(platforma.Mesaje,
              QStringList({"Nu ati definit numarul exemplarelor de tiparit!....",
                           "Marginea Top nu este un numar valid de centimetri!..."}));
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.Text5->text(), "unu") << "fields stay as they were";

    f.Text5->setText("1");
    f.Text7->setPlainText("Lucrare de control");
    f.Command2->click();
    EXPECT_EQ(imprimanta->Operatii,
              QStringList({"alege Sala 12", "exemplare 3", "portret", "pagina", "sfarsit"}));
    EXPECT_EQ(f.NrExemplare, 3);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(platforma.Mesaje.size(), 2);
    EXPECT_LT(CelMaiIntunecat(imprimanta->Foaie, QRect(113, 28, 964, 113)), 100);
}

TEST_F(Tipareste, InFisierDialogulRamaneDeschis)
{
    f.Option1->click();
    EXPECT_FALSE(f.Combo1->isEnabled());
    EXPECT_TRUE(f.Label3->isVisible());
    EXPECT_TRUE(f.Text2->isVisible());

    // No printer was chosen and that is not asked about.
    for (const char *nume : {"", "../iesire", "test1", "test2"}) {
        f.Text2->setText(nume);
        f.Command2->click();
    }
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

TEST_F(Tipareste, DoarRenuntaIlInchideIarValorileRaman)
{
    EXPECT_FALSE(f.close());
    Apasa(&f, Qt::Key_Escape, QEvent::KeyPress);
    EXPECT_TRUE(f.isVisible());
    f.resize(400, 200);
    EXPECT_EQ(f.size(), QSize(927, 426));

    AlegeImprimanta(0);
    f.Text1->setText("4");
    f.VScroll1->setValue(25);
    f.Text7->setPlainText("Teza\nsemestrul I");
    f.Option1->click();
    f.Text2->setText("teza");
    f.Command1->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_TRUE(platforma.Mesaje.isEmpty());
    EXPECT_EQ(imprimanta->Operatii, QStringList({"alege Birou"}));

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
