#include "app/Aplicatie.h"
#include "app/fMain.h"
#include "editor/EditareProbleme.h"
#include "editor/fEditareTezaurel.h"
#include "platform/PanzaQt.h"
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

class FereastraEditor : public ::testing::Test
{
protected:
    DosarTest dosar;
    PlatformaScriptata platforma;
    Aplicatie aplicatie{dosar.Cale(), platforma, [] {}};

    fEditareTezaurel &DeschideEditorul()
    {
        aplicatie.Porneste();
        aplicatie.Main().mEditareTezaurel->trigger();
        return aplicatie.Editor();
    }
    QString Poza(const QImage &poza)
    {
        const QString cale = dosar.Cale() + "/scan.jpg";
        poza.save(cale, "BMP");
        return cale;
    }
    static void Mouse(QWidget &w, QEvent::Type tip, QPointF la, Qt::MouseButton buton)
    {
        const Qt::MouseButtons apasate = tip == QEvent::MouseButtonRelease ? Qt::NoButton : buton;
        QMouseEvent e(tip, la, w.mapToGlobal(la), tip == QEvent::MouseMove ? Qt::NoButton : buton,
                      apasate, Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    }
};

TEST_F(FereastraEditor, PozaIncarcataSeTrageCuOriceButonSiRamaneIntreAfisari)
{
    fEditareTezaurel &f = DeschideEditorul();
    const QImage poza = PozaModel(1200, 900);
    platforma.FisiereAlese.push_back(Poza(poza));
    f.mIntroduceProblema->trigger();
    ASSERT_EQ(f.Editare().NumeFisier(), "scan.jpg");

    const QImage vazuta = f.grab().toImage();
    const QPoint colt = f.Panza().geometry().topLeft();
    EXPECT_EQ(vazuta.pixel(colt + QPoint(300, 200)), poza.pixel(300, 200));

    PanzaQt &p = f.Panza();
    Mouse(p, QEvent::MouseButtonPress, {400, 300}, Qt::RightButton);
    Mouse(p, QEvent::MouseMove, {450, 280}, Qt::RightButton);
    EXPECT_EQ(p.Imagine().pixel(50, 0), poza.pixel(0, 20));
    EXPECT_EQ(p.Imagine().pixel(10, 10), p.Fundal().rgb());
    Mouse(p, QEvent::MouseButtonRelease, {450, 280}, Qt::RightButton);
    Mouse(p, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
    Mouse(p, QEvent::MouseButtonRelease, {90, 100}, Qt::LeftButton);
    EXPECT_EQ(f.Editare().StareTragere().DeplasareX, 40);
    EXPECT_EQ(f.Editare().StareTragere().DeplasareY, -20);

    // Activation ends a drag: later moves leave the canvas alone.
    Mouse(p, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
    QEvent activare(QEvent::WindowActivate);
    QApplication::sendEvent(&f, &activare);
    const QImage inainte = p.Imagine();
    Mouse(p, QEvent::MouseMove, {300, 300}, Qt::NoButton);
    EXPECT_EQ(p.Imagine(), inainte);

    f.mRevenire->trigger();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(aplicatie.Main().isVisible());
    EXPECT_EQ(p.Imagine().pixel(100, 100), p.Fundal().rgb());

    aplicatie.Main().mEditareTezaurel->trigger();
    EXPECT_EQ(&aplicatie.Editor(), &f);
    EXPECT_EQ(f.Editare().NumeFisier(), "");
    EXPECT_EQ(f.Editare().StareTragere().DeplasareX, 40);
    EXPECT_EQ(f.Editare().LatimeImagine(), 1200);
    EXPECT_TRUE(platforma.Mesaje.isEmpty());
}

} // namespace
