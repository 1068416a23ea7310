// On a 1024 x 768 screen, still common on school computers, every caption of
// the toolbar fits its button whole.
#include "ferestre/vizualizare/FereastraVizualizare.h"
#include "tests/vizualizare/ColectieVizualizare.h"
#include "unelte/FerestreTacute.h"

#include <QGuiApplication>
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
