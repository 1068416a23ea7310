// On a 1024 x 768 screen, still common on school computers, every caption of
// the toolbar fits its button whole, and every window fits the screen.
#include "aplicatie/Aplicatie.h"
#include "ferestre/editare/FereastraEditare.h"
#include "ferestre/lucrari/FereastraLucrare.h"
#include "ferestre/principala/FereastraPrincipala.h"
#include "ferestre/selectie/FereastraSelectie.h"
#include "ferestre/vizualizare/FereastraVizualizare.h"
#include "tests/aplicatie/Comenzi.h"
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

// The windows open inside the screen, and the next run shows each where the
// last one left it.
TEST(Ecran1024, FerestreleIncapSiRamanUndeAuFostLasate)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    QMap<QString, QByteArray> asezari;
    const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
    for (int rulare = 0; rulare < 2; ++rulare) {
        Aplicatie a{dosar.Cale(), platforma, RecunoastereTesseract(), ImprimanteQt, [] {}};
        a.CitesteAsezarea = [&](const QString &f) { return asezari.value(f); };
        a.ScrieAsezarea = [&](const QString &f, const QByteArray &g) { asezari[f] = g; };
        a.Porneste();
        a.ArataSelectia();
        a.ArataEditor();
        Apasa(a.Vizualizare(), "Deschide lucrarea");
        const QList<QWidget *> ferestre = {&a.Principala(), &a.Editor(), &a.Selectie(),
                                           &a.Lucrare()};
        for (QWidget *f : ferestre) {
            EXPECT_TRUE(ecran.contains(f->frameGeometry())) << f->windowTitle().toStdString();
            if (rulare == 0)
                f->move(ecran.topLeft() + QPoint(2, 2));
            else
                EXPECT_EQ(f->pos(), ecran.topLeft() + QPoint(2, 2))
                    << f->windowTitle().toStdString();
        }
    }
}
