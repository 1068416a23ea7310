// On a 1024 x 768 screen, still common on school computers, every caption of
// the toolbar fits its button whole.
#include "bench/FerestreTacute.h"
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"
#include "viewer/fVizualizare.h"

#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>

#include <gtest/gtest.h>

TEST(Ecran1024, FiecareTitluDinBaraDeButoaneIncapIntreg)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(1024, 768));
    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii d(dosar.Cale(), platforma);
    FerestreTacute ferestre;
    fVizualizare f(d, ferestre);
    for (const QToolButton *b : f.findChildren<QToolButton *>())
        EXPECT_TRUE(!b->defaultAction() || b->fontMetrics().horizontalAdvance(b->text()) + 6 <= b->width()) << b->text();
}
