#include "aplicatie/Aplicatie.h"
#include "ferestre/comune/PanzaQt.h"
#include "ferestre/editare/FereastraEditare.h"
#include "ferestre/principala/FereastraPrincipala.h"
#include "logica/editare/EditareProbleme.h"
#include "tests/aplicatie/Comenzi.h"
#include "tests/comune/DosarTest.h"
#include "tests/comune/PlatformaScriptata.h"

#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace tezaurel;

namespace {

void Mouse(QWidget &w, QEvent::Type tip, QPointF la, Qt::MouseButton buton = Qt::NoButton)
{
    QMouseEvent e(tip, la, w.mapToGlobal(la), tip == QEvent::MouseMove ? Qt::NoButton : buton,
                  tip == QEvent::MouseButtonRelease ? Qt::NoButton : buton, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

// The bar's order; the window forwards any button's drag and its activation; "Revenire" goes
// back to the main window and the next showing keeps the offset.
TEST(FereastraEditor, TragereaActivareaSiRevenirea)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    Aplicatie aplicatie{dosar.Cale(), platforma, RecunoastereTesseract(), ImprimanteQt, [] {}};
    aplicatie.Porneste();
    Apasa(aplicatie.Principala(), "Editare Tezaurel");
    FereastraEditare &f = aplicatie.Editor();
    QStringList bara; // the original four keep their places, the later commands follow
    for (QAction *a : f.menuBar()->actions())
        bara << a->text();
    EXPECT_EQ(bara, QStringList({"Deschide fisier", "Salveaza problema", "Sterge problema",
                                 "Revenire", "Anulează ștergerea", "Importă", "Vedere"}));
    const QImage poza = PozaModel(1200, 900);
    poza.save(dosar.Cale() + "/scan.jpg", "BMP");
    platforma.FisiereAlese.push_back(dosar.Cale() + "/scan.jpg");
    Apasa(f, "Deschide fisier");
    PanzaQt &p = *f.findChild<PanzaQt *>();
    Mouse(p, QEvent::MouseButtonPress, {400, 300}, Qt::RightButton);
    Mouse(p, QEvent::MouseMove, {450, 280}, Qt::RightButton);
    EXPECT_EQ(p.Imagine().pixel(50, 0), poza.pixel(0, 20));
    Mouse(p, QEvent::MouseButtonRelease, {450, 280}, Qt::RightButton);
    Mouse(p, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
    QEvent activare(QEvent::WindowActivate);
    QApplication::sendEvent(&f, &activare);
    const QImage inainte = p.Imagine();
    Mouse(p, QEvent::MouseMove, {300, 300});
    EXPECT_EQ(p.Imagine(), inainte);
    Apasa(f, "Revenire");
    EXPECT_TRUE(!f.isVisible() && aplicatie.Principala().isVisible());
    EXPECT_EQ(p.Imagine().pixel(100, 100), p.Fundal().rgb());
    Apasa(aplicatie.Principala(), "Editare Tezaurel");
    EXPECT_TRUE(f.isVisible() && f.Editare().NumeFisier().isEmpty());
    EXPECT_EQ(QPoint(f.Editare().StareTragere().DeplasareX, f.Editare().LatimeImagine()),
              QPoint(50, 1200));
}

} // namespace
