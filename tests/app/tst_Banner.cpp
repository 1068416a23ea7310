#include "app/Banner.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr QRgb Fundal = 0xfff0f0f0;
// Where each test glyph's ink sits inside its 40 x 65 picture.
constexpr int BlocX = 5;
constexpr int BlocY = 10;

QRgb CuloareLitera(int g)
{
    return qRgb(10 * g + 5, 200 - 5 * g, 90);
}

// White pictures with a block of colour unique to each glyph, so a frame
// tells which glyph was drawn where.
std::array<QImage, Banner::NrLitere> LitereTest()
{
    std::array<QImage, Banner::NrLitere> litere;
    for (int g = 0; g < Banner::NrLitere; ++g) {
        litere[g] = QImage(40, 65, QImage::Format_RGB32);
        litere[g].fill(Qt::white);
        for (int y = BlocY; y < 55; ++y)
            for (int x = BlocX; x < 35; ++x)
                litere[g].setPixel(x, y, CuloareLitera(g));
    }
    return litere;
}

// Top-left corner of glyph g's picture on the canvas, from its visible block;
// (-1, -1) when it is not there.
QPoint UndeEsteLitera(const QImage &panza, int g)
{
    const QRgb culoare = CuloareLitera(g);
    for (int y = 0; y < panza.height(); ++y) {
        const auto *rand = reinterpret_cast<const QRgb *>(panza.constScanLine(y));
        for (int x = 0; x < panza.width(); ++x)
            if (rand[x] == culoare)
                return QPoint(x - BlocX, y - BlocY);
    }
    return QPoint(-1, -1);
}

class GazdaTest final : public GazdaBanner
{
public:
    QImage &PanzaAscunsa() override { return panza; }
    void StergePanzaAscunsa() override { panza.fill(Fundal); }
    void CopiazaPeFereastra() override
    {
        fereastra = panza.copy();
        ++copieri;
    }
    void ActiveazaTimer(bool activ) override
    {
        timer = activ;
        porniri += activ ? 1 : 0;
    }
    bool FereastraVizibila() const override { return vizibila; }
    void CantaSunetul() override { ++sunete; }

    QImage panza;
    QImage fereastra;
    int copieri = 0;
    bool timer = false;
    int porniri = 0;
    bool vizibila = true;
    int sunete = 0;
};

// Rnd for a shuffle made of the given exchanges; after them every pair is
// equal, so nothing else moves.
std::function<double()> Amestecare(std::vector<std::pair<int, int>> schimburi,
                                   int *cereri = nullptr)
{
    auto numere = std::make_shared<std::vector<double>>();
    for (auto [a, b] : schimburi) {
        numere->push_back((a + 0.5) / 21);
        numere->push_back((b + 0.5) / 21);
    }
    auto urmator = std::make_shared<size_t>(0);
    return [numere, urmator, cereri] {
        if (cereri)
            ++*cereri;
        const size_t i = (*urmator)++;
        return i < numere->size() ? (*numere)[i] : 0.0;
    };
}

class BannerTest : public ::testing::Test
{
protected:
    // The main window's load, with the canvas following the client area.
    void Pregateste(std::vector<std::pair<int, int>> schimburi, QSize client = {1111, 636})
    {
        const int latime = banner.Aseaza(client);
        banner.Amesteca(Amestecare(std::move(schimburi)));
        if (gazda.panza.size() != QSize(latime, client.height())) {
            gazda.panza = QImage(latime, client.height(), QImage::Format_RGB32);
            gazda.panza.fill(Fundal);
        }
        banner.DeseneazaRandul();
        banner.Porneste();
    }

    // Ticks until a swap lands; the number of ticks taken.
    int TickPanaLaAterizare()
    {
        const auto inainte = banner.Ordine();
        for (int tick = 1; tick < 1000; ++tick) {
            banner.Tick();
            if (banner.Ordine() != inainte)
                return tick;
        }
        return -1;
    }

    void AsteaptaRandulFinal()
    {
        for (int g = 0; g < Banner::NrLitere; ++g)
            EXPECT_EQ(banner.Ordine()[g], g);
        for (int g = 0; g < Banner::NrLitere; ++g)
            EXPECT_EQ(UndeEsteLitera(gazda.fereastra, g), QPoint(banner.Pozitii()[g].X, 283))
                << "glyph " << g;
        EXPECT_EQ(gazda.fereastra.pixel(0, 0), Fundal);
    }

    GazdaTest gazda;
    Banner banner{gazda, LitereTest()};
};

// The row in the designed area; a later load measures the client area it
// finds, rounding down. The shuffle takes two numbers a swap, 201 swaps, and
// skips a swap with itself.
TEST_F(BannerTest, RandulSiAmestecarea)
{
    for (const auto &[client, latime, y, centru] :
         {std::tuple{QSize(1111, 636), 1010, 283, 555}, {QSize(1011, 700), 1010, 315, 505},
          {QSize(1010, 68), 1010, -1, 505}}) {
        EXPECT_EQ(banner.Aseaza(client), latime);
        EXPECT_EQ(banner.RandY(), y);
        EXPECT_EQ(banner.CentruX(), centru) << client.width();
    }
    int cereri = 0;
    banner.Amesteca(Amestecare({{0, 20}, {3, 3}, {20, 5}}, &cereri));
    EXPECT_EQ(cereri, 402);
    const std::array<int16_t, 21> asteptat = {20, 1,  2,  3,  4,  0,  6,  7,  8,  9, 10,
                                              11, 12, 13, 14, 15, 16, 17, 18, 19, 5};
    EXPECT_EQ(banner.Ordine(), asteptat);
}

TEST_F(BannerTest, SchimbulVecinilorAterizeazaLaAlSaselea)
{
    // Slots 0 and 1 are 42 pixels apart; a second swap waits at slots 5 and 9.
    Pregateste({{0, 1}, {5, 9}});
    for (int tick = 1; tick <= 5; ++tick)
        banner.Tick();
    EXPECT_EQ(gazda.sunete, 0);
    banner.Tick();
    EXPECT_EQ(gazda.sunete, 1);
    EXPECT_EQ(banner.Ordine()[0], 0);
    EXPECT_EQ(std::pair(banner.Tinta(), banner.Sursa()), std::pair(5, 9));
    // The landing tick already draws the next swap's first frame.
    EXPECT_EQ(UndeEsteLitera(gazda.fereastra, 9), QPoint(260, 283));
    TickPanaLaAterizare();
    EXPECT_FALSE(gazda.timer);
    EXPECT_EQ(gazda.porniri, 2);
    AsteaptaRandulFinal();
}

TEST_F(BannerTest, SchimbulDeLaPrimulLaUltimulTreceLa233DePixeliDeRand)
{
    Pregateste({{0, 20}});
    // The parabola at its middle: -232.49 rounds down.
    EXPECT_EQ(banner.YParabola(-535 + 464), -233);

    for (int tick = 1; tick < 59; ++tick)
        banner.Tick();
    EXPECT_EQ(banner.Acum1(), QPoint(555 - 535 + 464, 283 + 233));
    EXPECT_EQ(banner.Acum2(), QPoint(555 + 395 - 464, 283 - 233));
    banner.Tick();
    // Glyph 20 goes right below the row, glyph 0 left above it; their own
    // slots are left empty, every other glyph stays in place.
    EXPECT_EQ(UndeEsteLitera(gazda.fereastra, 20), QPoint(484, 516));
    EXPECT_EQ(UndeEsteLitera(gazda.fereastra, 0), QPoint(486, 50));
    EXPECT_EQ(gazda.fereastra.pixel(20 + BlocX, 283 + BlocY), Fundal);

    EXPECT_EQ(59 + TickPanaLaAterizare(), 117);
}

// No swap to make: the final row at once. A restart draws over the old row
// without clearing; the first tick clears.
TEST_F(BannerTest, FaraSchimburiSiReluarea)
{
    Pregateste({});
    EXPECT_FALSE(gazda.timer);
    EXPECT_EQ(gazda.copieri, 2);
    Pregateste({{0, 20}});
    for (int tick = 0; tick < 30; ++tick)
        banner.Tick();
    gazda.panza.fill(qRgb(255, 0, 0));
    Pregateste({{2, 7}}, {1010, 636});
    EXPECT_EQ(gazda.fereastra.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(gazda.fereastra.pixel(20 + 1, 283 + 1), qRgb(255, 0, 0));
    EXPECT_EQ(UndeEsteLitera(gazda.fereastra, 7), QPoint(104, 283));
    banner.Tick();
    EXPECT_EQ(gazda.fereastra.pixel(0, 0), Fundal);
}

TEST(CopieTransparenta, LasaCheiaSiIntindeSiTaieLaMargini)
{
    QImage litera(4, 4, QImage::Format_RGB32);
    litera.fill(qRgb(255, 255, 0));
    litera.setPixel(2, 2, qRgb(0, 0, 0));
    QImage panza(10, 10, QImage::Format_RGB32);
    panza.fill(Fundal);

    CopieTransparenta(panza, QRect(0, 0, 8, 8), litera, QRect(0, 0, 4, 4), litera.pixel(1, 1));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(panza.pixel(x, y),
                      (x / 2 == 2 && y / 2 == 2 && x < 8 && y < 8) ? qRgb(0, 0, 0) : Fundal)
                << x << "," << y;

    // Key black this time: only the yellow pixels are copied, clipped at the edges.
    panza.fill(Fundal);
    CopieTransparenta(panza, QRect(7, -2, 4, 4), litera, QRect(0, 0, 4, 4), qRgb(0, 0, 0));
    EXPECT_EQ(panza.pixel(7, 0), qRgb(255, 255, 0));
    EXPECT_EQ(panza.pixel(9, 1), qRgb(255, 255, 0));
    EXPECT_EQ(panza.pixel(9, 0), Fundal);
}

TEST(Litere, FisierulLipsaEInlocuitDeLiteraDesenata)
{
    QTemporaryDir dosar;
    const auto litere = IncarcaLitere(dosar.path());
    for (const QImage &litera : litere) {
        EXPECT_EQ(litera.size(), QSize(40, 65));
        EXPECT_EQ(litera.pixel(1, 1), qRgb(255, 255, 255));
    }
    bool cerneala = false;
    for (int y = 0; y < 65; ++y)
        for (int x = 0; x < 40; ++x)
            cerneala |= qGray(litere[0].pixel(x, y)) < 100;
    EXPECT_TRUE(cerneala);
}

} // namespace
