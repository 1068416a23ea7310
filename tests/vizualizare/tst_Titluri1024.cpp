// On a 1024 x 768 screen, still common on school computers, every caption of
// the toolbar fits its button whole.
#include "ferestre/vizualizare/FereastraVizualizare.h"
#include "tests/vizualizare/ColectieVizualizare.h"
#include "unelte/FerestreTacute.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QToolButton>

using namespace tezaurel;

TEST_F(Vizualizare, Ecran1024FiecareTitluDinBaraDeButoaneIncapIntreg)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(1024, 768));
    FerestreTacute ferestre;
    FereastraVizualizare f(sel, ferestre);
    for (const QToolButton *b : f.findChildren<QToolButton *>())
        EXPECT_TRUE(!b->defaultAction() ||
                    b->fontMetrics().horizontalAdvance(b->text()) + 6 <= b->width())
            << b->text();
}

// The status line ends inside the window: what stands at its end (the
// recognition's progress) is read whole, not cut at the screen's edge.
TEST_F(Vizualizare, Ecran1024CapatulLinieiDeStareSeVede)
{
    FerestreTacute ferestre;
    FereastraVizualizare f(sel, ferestre);
    auto *progres = new QLabel(QStringLiteral("120 de poze așteaptă recunoașterea"));
    f.AdaugaInStare(progres);
    f.show();
    QCoreApplication::processEvents();
    const QRect loc(progres->mapTo(&f, QPoint(0, 0)), progres->size());
    EXPECT_TRUE(progres->isVisible() && f.rect().contains(loc))
        << loc.x() << "+" << loc.width() << " in " << f.width();
}
