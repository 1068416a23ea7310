#include "viewer/fVizualizare.h"

#include "app/Ferestre.h"
#include "platform/PanzaQt.h"
#include "tests/viewer/ColectieVizualizare.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FerestreInregistrate final : public Ferestre
{
public:
    QStringList Apeluri;

    void ArataMain() override { Apeluri << "Main"; }
    void ArataEditor() override { Apeluri << "Editor"; }
    void ArataVizualizare() override { Apeluri << "Vizualizare"; }
    void ArataDefSel() override { Apeluri << "DefSel"; }
    void ArataTipareste() override { Apeluri << "Tipareste"; }
    void Iesire() override { Apeluri << "Iesire"; }
};

class Fereastra : public ::testing::Test, public ColectieVizualizare
{
protected:
    void Activeaza()
    {
        QEvent activare(QEvent::WindowActivate);
        QApplication::sendEvent(&f, &activare);
    }
    void Apasa(const char *titlu)
    {
        QAction *buton = f.Buton(titlu);
        ASSERT_NE(buton, nullptr) << titlu;
        buton->trigger();
    }
    void Mouse(QEvent::Type tip, double x, double y, Qt::MouseButton buton = Qt::NoButton)
    {
        const QPointF la(x, y);
        QMouseEvent e(tip, la, f.Picture1->mapToGlobal(la), buton,
                      tip == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(buton),
                      Qt::NoModifier);
        QApplication::sendEvent(f.Picture1, &e);
    }
    QRgb PixelPanou(int x, int y) { return f.Picture1->Imagine().pixel(x, y); }

    FerestreInregistrate ferestre;
    fVizualizare f{definitii, ferestre};
};

TEST_F(Fereastra, DrumulPrinFerestreSiStareaIntreAfisari)
{
    Selecteaza({2, 3});
    f.show();
    Activeaza();
    EXPECT_EQ(f.windowTitle(), "Vizualizare Probleme");
    EXPECT_TRUE(f.StatusBar1->currentMessage().startsWith("p12.jpg - Capitolul: Functii"));
    EXPECT_EQ(PixelPanou(59, 39), Poza12.pixel(59, 39));

    Apasa("Arata/Ascunde Obs");
    EXPECT_TRUE(f.Text1->isVisible());
    EXPECT_EQ(f.Text1->toPlainText(), "Domeniul de definitie");
    Apasa("Inainte");
    Apasa("Imprimare");
    EXPECT_EQ(ferestre.Apeluri, QStringList({"Tipareste"}));
    EXPECT_TRUE(f.isVisible());

    Apasa("Revenire Meniu");
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(f.Text1->isHidden());
    EXPECT_EQ(ferestre.Apeluri.last(), "Main");

    f.show();
    Activeaza();
    Apasa("Defineste selectie");
    EXPECT_EQ(platforma.Mesaje, QStringList({"Anulati mai intai filtru curent!"}));
    EXPECT_TRUE(f.isVisible());
    Apasa("Anuleaza selectie");
    EXPECT_TRUE(f.StatusBar1->currentMessage().isEmpty());
    EXPECT_EQ(PixelPanou(10, 10), f.Picture1->Fundal().rgb());
    Apasa("Imprimare");
    EXPECT_EQ(platforma.Mesaje.last(), "Nu avem ce tipari");
    Apasa("Defineste selectie");
    EXPECT_EQ(ferestre.Apeluri, QStringList({"Tipareste", "Main", "DefSel"}));
    EXPECT_FALSE(f.isVisible());
}

TEST_F(Fereastra, TragereaSiIndicatorulPeste20DePixeli)
{
    Selecteaza({2, 3});
    f.show();
    Activeaza();
    Mouse(QEvent::MouseMove, 30, 30);
    EXPECT_EQ(f.Picture1->cursor().shape(), Qt::SizeAllCursor);

    // Dragged with the right button: it pans like the left one.
    Mouse(QEvent::MouseButtonPress, 10, 10, Qt::RightButton);
    Mouse(QEvent::MouseMove, 60, 40, Qt::RightButton);
    Mouse(QEvent::MouseButtonRelease, 60, 40, Qt::RightButton);
    EXPECT_EQ(PixelPanou(50, 30), Poza12.pixel(0, 0));
    EXPECT_EQ(PixelPanou(49, 30), f.Picture1->Fundal().rgb());
}

TEST_F(Fereastra, TastelePagineazaSiMutaPoza)
{
    Selecteaza({2, 3, 2});
    f.show();
    QApplication::setActiveWindow(&f);
    Activeaza();
    const struct
    {
        Qt::Key tasta;
        int pozitie, x, y;
    } randuri[] = {{Qt::Key_End, 4, 0, 0},     {Qt::Key_PageUp, 3, 0, 0},
                   {Qt::Key_Home, 2, 0, 0},    {Qt::Key_PageDown, 3, 0, 0},
                   {Qt::Key_Right, 3, -40, 0}, {Qt::Key_Up, 3, -40, 40}};
    for (const auto &r : randuri) {
        SCOPED_TRACE(r.tasta);
        QTest::keyClick(&f, r.tasta);
        EXPECT_EQ(definitii.PozitieCurenta, r.pozitie);
        EXPECT_EQ(QPoint(f.Logica().Picture2.Panorama.DeplasareX, f.Logica().Picture2.Panorama.DeplasareY),
                  QPoint(r.x, r.y));
    }
    EXPECT_EQ(PixelPanou(0, 40), PozaJpeg.pixel(40, 0));
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_EQ(ferestre.Apeluri, QStringList({"Main"}));
}

TEST_F(Fereastra, ActivareaAdevarataArataPrimaProblema)
{
    Selecteaza({3});
    f.show();
    f.activateWindow();
    const QDeadlineTimer limita(5000);
    while (f.StatusBar1->currentMessage().isEmpty() && !limita.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(f.StatusBar1->currentMessage().startsWith("t.jpeg - Capitolul: Triunghiuri"));
}

} // namespace
