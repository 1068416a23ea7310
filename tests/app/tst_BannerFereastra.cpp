#include "app/Aplicatie.h"
#include "app/Banner.h"
#include "app/fMain.h"
#include "platform/PanzaQt.h"
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The window's banner with the real glyphs, copied into the test's application folder.
class BannerFereastra : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir().mkpath(dosar.Cale() + "/Litere");
        for (int i = 0; i < Banner::NrLitere; ++i)
            QFile::copy(CaleLitera(DOSAR_RESURSE, i), CaleLitera(dosar.Cale(), i));
        aplicatie.Main().Ceas = [] { return quint64(20240917); };
    }

    // Runs the timer's handler until a swap lands; false when the timer stopped first.
    bool TickPanaLaAterizare()
    {
        fMain &f = aplicatie.Main();
        const auto inainte = f.Titlu().Ordine();
        while (f.Timer1->isActive()) {
            f.fMain_Timer1_Timer();
            if (f.Titlu().Ordine() != inainte)
                return true;
        }
        return false;
    }

    static bool InOrdine(const Banner &banner)
    {
        for (int i = 0; i < Banner::NrLitere; ++i)
            if (banner.Ordine()[i] != i)
                return false;
        return true;
    }

    DosarTest dosar;
    PlatformaScriptata platforma;
    Aplicatie aplicatie{dosar.Cale(), platforma, [] {}};
};

TEST_F(BannerFereastra, IncarcareaPotrivesteFereastraDupaRand)
{
    aplicatie.Porneste();
    fMain &f = aplicatie.Main();
    EXPECT_EQ(f.Titlu().RandY(), 283);
    EXPECT_EQ(f.Panza().size(), QSize(1010, 636));
    EXPECT_TRUE(f.Timer1->isActive());

    // The shuffled row is on the window, the same as on the canvas.
    const QRect rand(20, 283, 970, 65);
    EXPECT_EQ(f.Panza().Imagine().copy(rand), f.Picture2->Imagine().copy(rand));
    EXPECT_NE(f.Panza().Imagine().pixel(20 + 20, 283 + 30), f.Picture2->Fundal().rgb());
}

TEST_F(BannerFereastra, AceeasiSamantaAcelasiAmestecSiCeasulDaAltul)
{
    aplicatie.Porneste();
    fMain &f = aplicatie.Main();
    const auto primul = f.Titlu().Ordine();
    f.fMain_Form_Load();
    EXPECT_EQ(f.Titlu().Ordine(), primul);
    f.Ceas = [] { return quint64(7); };
    f.fMain_Form_Load();
    EXPECT_NE(f.Titlu().Ordine(), primul);
}

TEST_F(BannerFereastra, SunetulCandFereastraSeVedeSiAnimatiaMergeSiAscunsa)
{
    aplicatie.Porneste();
    fMain &f = aplicatie.Main();
    ASSERT_TRUE(TickPanaLaAterizare());
    EXPECT_EQ(platforma.Sunete, QStringList({dosar.Cale() + "/next.wav"}));

    // The editor is open: the main window is hidden and the letters go on sorting.
    f.mEditareTezaurel->trigger();
    ASSERT_FALSE(f.isVisible());
    while (TickPanaLaAterizare()) {
    }
    EXPECT_EQ(platforma.Sunete.size(), 1);
    EXPECT_FALSE(f.Timer1->isActive());
    EXPECT_TRUE(InOrdine(f.Titlu()));
}

TEST_F(BannerFereastra, MarireaFerestreiMaresteDoarPanza)
{
    aplicatie.Porneste();
    fMain &f = aplicatie.Main();
    const auto pozitii = f.Titlu().Pozitii();
    f.resize(1200, f.height() + 100);
    EXPECT_EQ(f.Picture2->Imagine().size(), QSize(1200, 736));
    f.fMain_Timer1_Timer();
    EXPECT_EQ(f.Titlu().RandY(), 283);
    for (int i = 0; i < Banner::NrLitere; ++i)
        EXPECT_EQ(f.Titlu().Pozitii()[i].X, pozitii[i].X);
}

TEST_F(BannerFereastra, StergereaFizicaReiaBannerulInLatimeaDe1010)
{
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "a.jpg")});
    aplicatie.Porneste();
    fMain &f = aplicatie.Main();
    // Mid-swap: the restart does not wait for the animation to end.
    for (int tick = 0; tick < 3; ++tick)
        f.fMain_Timer1_Timer();
    f.resize(1300, f.height());
    const QPoint unde = f.pos();

    f.Ceas = [] { return quint64(99); };
    f.mStergereFizica->trigger();
    EXPECT_EQ(f.Panza().width(), 1010);
    EXPECT_EQ(f.Titlu().CentruX(), 650);
    EXPECT_EQ(f.pos(), unde);
    EXPECT_TRUE(f.Timer1->isActive());
    EXPECT_FALSE(InOrdine(f.Titlu()));
}

// The committed assets, and their copies in the application folder the build lays out.
QStringList DosareCuResurse()
{
    return {QStringLiteral(DOSAR_RESURSE), QStringLiteral(DOSAR_APLICATIE_CONSTRUIT)};
}

TEST(ResurseBanner, LiterelePotrivitePentruTitlu)
{
    for (const QString &dosar : DosareCuResurse()) {
        for (int i = 0; i < Banner::NrLitere; ++i) {
            QImageReader cititor(CaleLitera(dosar, i));
            const QImage litera = cititor.read();
            ASSERT_FALSE(litera.isNull()) << cititor.fileName().toStdString();
            EXPECT_EQ(litera.size(), QSize(40, 65));
            EXPECT_EQ(litera.pixel(1, 1), qRgb(255, 255, 255));
        }
        // A 24-bit Windows bitmap: 'BM', then 24 in the info header's bit count.
        QFile bmp(CaleLitera(dosar, 0));
        ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
        const QByteArray antet = bmp.read(30);
        EXPECT_TRUE(antet.startsWith("BM"));
        EXPECT_EQ(quint8(antet[28]), 24);
    }
}

} // namespace
