#include "app/Aplicatie.h"
#include "app/fMain.h"
#include "editor/fEditareTezaurel.h"
#include "platform/PanzaQt.h"
#include "store/mDefinitii.h"
#include "tests/app/Comenzi.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The application on a test folder with the real glyphs, the banner's seed fixed.
class Main : public ::testing::Test
{
protected:
    Main()
    {
        QDir().mkpath(dosar.Cale() + "/Litere");
        for (int i = 0; i < Banner::NrLitere; ++i)
            QFile::copy(CaleLitera(DOSAR_RESURSE, i), CaleLitera(dosar.Cale(), i));
        f.Ceas = [] { return quint64(20240917); };
    }
    QTimer &Timer() { return *f.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly); }
    // Runs the timer's handler until a swap lands; false when the timer stopped first.
    bool TickPanaLaAterizare()
    {
        const auto inainte = f.Titlu().Ordine();
        while (Timer().isActive()) {
            f.fMain_Timer1_Timer();
            if (f.Titlu().Ordine() != inainte)
                return true;
        }
        return false;
    }
    // The window's own surface, or the hidden canvas the frames are composed on.
    PanzaQt &Panza(bool vizibila)
    {
        for (PanzaQt *p : f.findChildren<PanzaQt *>())
            if (p->isVisibleTo(&f) == vizibila)
                return *p;
        throw std::runtime_error("no canvas");
    }
    bool InOrdine() { return std::ranges::is_sorted(f.Titlu().Ordine()); }

    DosarTest dosar;
    PlatformaScriptata platforma;
    int iesiri = 0;
    Aplicatie aplicatie{dosar.Cale(), platforma, [this] { ++iesiri; }};
    fMain &f = aplicatie.Main();
};

// The load resets the selection's state; the window cannot be closed, only left by "Iesire".
TEST_F(Main, MeniulIncarcareaAjutorulSiIesirea)
{
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "a.jpg")});
    mDefinitii &d = aplicatie.Definitii();
    d.NrCapitole = 7;
    d.NrDiscipline = 4;
    d.SelectieNoua = Adevarat;
    aplicatie.Porneste();
    QStringList titluri;
    for (QAction *a : f.menuBar()->actions())
        titluri << a->text();
    EXPECT_EQ(titluri, QStringList({"Editare Tezaurel", "Vizualizare Tezaurel", "Stergere fizica",
                                    "Ajutor", "Iesire"}));
    EXPECT_EQ(f.windowTitle(), "Main");
    EXPECT_EQ(std::tuple(d.NrProbleme, d.NrCapitole, d.NrDiscipline, d.SelectieNoua),
              std::tuple(2, 1, 1, Fals));
    EXPECT_FALSE(f.close());
    Apasa(f, "Ajutor");
    EXPECT_EQ(platforma.Ajutoare, QStringList({dosar.Cale() + "/help/index.html"}));
    EXPECT_EQ(iesiri, 0);
    Apasa(f, "Iesire");
    EXPECT_EQ(iesiri, 1);
    EXPECT_TRUE(platforma.Mesaje.isEmpty() && platforma.Intrebari.isEmpty());
}

// The window fits the row; the shuffled row is on the window as on the canvas;
// the same seed gives the same shuffle, the clock another; a wider window
// widens only the canvas.
TEST_F(Main, BannerulInFereastra)
{
    aplicatie.Porneste();
    EXPECT_EQ(f.Titlu().RandY(), 283);
    EXPECT_EQ(Panza(true).size(), QSize(1010, 636));
    EXPECT_TRUE(Timer().isActive());
    const QRect rand(20, 283, 970, 65);
    EXPECT_EQ(Panza(true).Imagine().copy(rand), Panza(false).Imagine().copy(rand));
    EXPECT_NE(Panza(true).Imagine().pixel(40, 313), Panza(false).Fundal().rgb());
    const auto primul = f.Titlu().Ordine();
    const auto pozitii = f.Titlu().Pozitii();
    f.fMain_Form_Load();
    EXPECT_EQ(f.Titlu().Ordine(), primul);
    f.Ceas = [] { return quint64(7); };
    f.fMain_Form_Load();
    EXPECT_NE(f.Titlu().Ordine(), primul);
    f.resize(1200, f.height() + 100);
    EXPECT_EQ(Panza(false).Imagine().size(), QSize(1200, 736));
    f.fMain_Timer1_Timer();
    EXPECT_EQ(f.Titlu().RandY(), 283);
    EXPECT_EQ(f.Titlu().Pozitii()[20].X, pozitii[20].X);
}

// A landing sounds while the window is seen; hidden behind the editor, the
// letters go on sorting silently; coming back does not reload the collection.
TEST_F(Main, SunetulDoarCandSeVedeSiEditorulAscundeMain)
{
    aplicatie.Porneste();
    ASSERT_TRUE(TickPanaLaAterizare());
    EXPECT_EQ(platforma.Sunete, QStringList({dosar.Cale() + "/next.wav"}));
    Apasa(f, "Editare Tezaurel");
    ASSERT_FALSE(f.isVisible());
    EXPECT_TRUE(aplicatie.Editor().isVisible());
    while (TickPanaLaAterizare()) {
    }
    EXPECT_EQ(platforma.Sunete.size(), 1);
    EXPECT_TRUE(InOrdine());
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "a.jpg")});
    aplicatie.Editor().hide();
    aplicatie.ArataMain();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(aplicatie.Definitii().NrProbleme, 1);
}

// The purge reloads: the banner starts again mid-swap at the row's width,
// where the window stands.
TEST_F(Main, StergereaFizicaReiaBannerul)
{
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "a.jpg")});
    aplicatie.Porneste();
    for (int tick = 0; tick < 3; ++tick)
        f.fMain_Timer1_Timer();
    f.resize(1300, f.height());
    const QPoint unde = f.pos();
    f.Ceas = [] { return quint64(99); };
    Apasa(f, "Stergere fizica");
    EXPECT_EQ(Panza(true).width(), 1010);
    EXPECT_EQ(f.Titlu().CentruX(), 650);
    EXPECT_EQ(f.pos(), unde);
    EXPECT_TRUE(Timer().isActive());
    EXPECT_FALSE(InOrdine());
}

// The committed glyphs and their copies in the application folder the build
// lays out: 24-bit Windows bitmaps, 40 x 65, white corner.
TEST(ResurseBanner, LiterelePotrivitePentruTitlu)
{
    for (const QString dosar : {DOSAR_RESURSE, DOSAR_APLICATIE_CONSTRUIT})
        for (int i = 0; i < Banner::NrLitere; ++i) {
            QFile bmp(CaleLitera(dosar, i));
            const QByteArray o = bmp.open(QIODevice::ReadOnly) ? bmp.readAll() : QByteArray();
            const QImage litera = QImage::fromData(o);
            EXPECT_TRUE(o.startsWith("BM") && o.size() > 28 && quint8(o.at(28)) == 24 && litera.size() == QSize(40, 65) &&
                        litera.pixel(1, 1) == qRgb(255, 255, 255)) << bmp.fileName().toStdString();
        }
}

} // namespace
