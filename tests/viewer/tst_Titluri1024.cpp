// On a 1024 x 768 screen, still common on school computers.
#include "app/Ferestre.h"
#include "tests/viewer/ColectieVizualizare.h"
#include "viewer/fVizualizare.h"

#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

struct FaraDrumuri final : Ferestre
{
    void ArataMain() override {}
    void ArataEditor() override {}
    void ArataVizualizare() override {}
    void ArataDefSel() override {}
    void ArataTipareste() override {}
    void Iesire() override {}
};

TEST(Ecran1024, FiecareTitluDinBaraDeButoaneIncapIntreg)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(1024, 768));
    ColectieVizualizare colectie;
    FaraDrumuri ferestre;
    fVizualizare f(colectie.definitii, ferestre);
    for (const QToolButton *buton : f.findChildren<QToolButton *>()) {
        if (buton->defaultAction() && !buton->text().isEmpty()) {
            EXPECT_LE(buton->fontMetrics().horizontalAdvance(buton->text()) + 6, buton->width())
                << buton->text().toStdString();
        }
    }
}

} // namespace
