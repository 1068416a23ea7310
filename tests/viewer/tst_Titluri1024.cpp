// On a 1024 x 768 screen, still common on school computers.
#include "bench/FerestreTacute.h"
#include "tests/viewer/ColectieVizualizare.h"
#include "viewer/fVizualizare.h"

#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>

#include <gtest/gtest.h>

TEST(Ecran1024, FiecareTitluDinBaraDeButoaneIncapIntreg)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(1024, 768));
    ColectieVizualizare colectie;
    FerestreTacute ferestre;
    fVizualizare f(colectie.definitii, ferestre);
    for (const QToolButton *b : f.findChildren<QToolButton *>())
        EXPECT_TRUE(!b->defaultAction() || b->fontMetrics().horizontalAdvance(b->text()) + 6 <= b->width())
            << b->text().toStdString();
}
