#include "app/Banner.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

constexpr QRgb Fundal = 0xfff0f0f0;
constexpr QRgb Rosu = 0xffff0000; // what the canvas showed before the load
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

// Top-left corner of glyph g's picture on the canvas, from its visible block.
QPoint UndeEsteLitera(const QImage &panza, int g)
{
    for (int y = 0; y < panza.height(); ++y)
        for (int x = 0; x < panza.width(); ++x)
            if (panza.pixel(x, y) == CuloareLitera(g))
                return QPoint(x - BlocX, y - BlocY);
    return QPoint(-1, -1);
}

struct GazdaTest final : GazdaBanner
{
    QImage &PanzaAscunsa() override { return panza; }
    void StergePanzaAscunsa() override { panza.fill(Fundal); }
    void CopiazaPeFereastra() override { fereastra = panza.copy(), ++copieri; }
    void ActiveazaTimer(bool activ) override { timer = activ, porniri += activ; }
    bool FereastraVizibila() const override { return true; }
    void CantaSunetul() override { ++sunete; }

    QImage panza{1010, 636, QImage::Format_RGB32};
    QImage fereastra;
    int copieri = 0, porniri = 0, sunete = 0;
    bool timer = false;
};

// Rnd for a shuffle made of the given exchanges; after them every pair is
// equal, so nothing else moves.
std::function<double()> Amestecare(std::vector<std::pair<int, int>> schimburi, int *cereri)
{
    auto numere = std::make_shared<std::vector<double>>();
    for (auto [a, b] : schimburi)
        numere->insert(numere->end(), {(a + 0.5) / 21, (b + 0.5) / 21});
    return [numere, cereri, i = size_t(0)]() mutable {
        ++*cereri;
        return i < numere->size() ? (*numere)[i++] : 0.0;
    };
}

// The row in the designed area; a later load measures the client area it
// finds, rounding down. The shuffle takes two numbers a swap, 201 swaps, and
// skips a swap with itself.
TEST(Banner, RandulSiAmestecarea)
{
    GazdaTest gazda;
    Banner banner(gazda, LitereTest());
    for (const auto &[client, y, centru] : {std::tuple{QSize(1111, 636), 283, 555},
                                            {QSize(1011, 700), 315, 505}, {QSize(1010, 68), -1, 505}}) {
        EXPECT_EQ(banner.Aseaza(client), 1010);
        EXPECT_EQ(std::pair(banner.RandY(), banner.CentruX()), std::pair(y, centru));
    }
    int cereri = 0;
    banner.Amesteca(Amestecare({{0, 20}, {3, 3}, {20, 5}}, &cereri));
    EXPECT_EQ(cereri, 402);
    const std::array<int16_t, 21> asteptat = {20, 1,  2,  3,  4,  0,  6,  7,  8,  9, 10,
                                              11, 12, 13, 14, 15, 16, 17, 18, 19, 5};
    EXPECT_EQ(banner.Ordine(), asteptat);
}

// The main window's load over a canvas still showing something else, then
// `ticuri` timer ticks (-1: until the timer stops). The row is drawn over
// the old picture; only a swap's frame or the final row clear it. A stopped
// timer leaves every glyph in its own slot.
TEST(Banner, AnimatiaPeTicuri)
{
    const struct
    {
        std::vector<std::pair<int, int>> schimburi;
        int ticuri, sunete;
        bool timer;
        QRgb colt;
        std::vector<std::pair<int, QPoint>> litere;
    } cazuri[] = {
        {{}, 0, 0, false, Fundal, {}}, // nothing to sort: the final row at once
        {{{2, 7}}, 0, 0, true, Rosu, {{7, {104, 283}}, {2, {344, 283}}}},
        {{{2, 7}}, 1, 0, true, Fundal, {}},
        // Slots 0 and 1 are 42 pixels apart: the sixth tick lands, and already
        // draws the next swap's first frame.
        {{{0, 1}, {5, 9}}, 5, 0, true, Fundal, {}},
        {{{0, 1}, {5, 9}}, 6, 1, true, Fundal, {{9, {260, 283}}, {0, {20, 283}}}},
        {{{0, 1}, {5, 9}}, -1, 2, false, Fundal, {}},
        // First and last: 233 pixels off the row at the middle (-232.49 rounds down).
        {{{0, 20}}, 59, 0, true, Fundal, {{20, {484, 516}}, {0, {486, 50}}, {1, {62, 283}}}},
        {{{0, 20}}, 116, 0, true, Fundal, {}},
        {{{0, 20}}, 117, 1, false, Fundal, {}},
    };
    for (const auto &c : cazuri) {
        SCOPED_TRACE(testing::Message() << c.schimburi.size() << " swaps, " << c.ticuri << " ticks");
        GazdaTest gazda;
        Banner banner(gazda, LitereTest());
        int cereri = 0;
        gazda.panza.fill(Rosu);
        banner.Aseaza({1111, 636});
        banner.Amesteca(Amestecare(c.schimburi, &cereri));
        banner.DeseneazaRandul();
        banner.Porneste();
        for (int t = 0; c.ticuri < 0 ? gazda.timer : t < c.ticuri; ++t)
            banner.Tick();
        EXPECT_EQ(gazda.sunete, c.sunete);
        EXPECT_EQ(gazda.timer, c.timer);
        EXPECT_EQ(gazda.fereastra.pixel(0, 0), c.colt);
        for (const auto &[g, la] : c.litere)
            EXPECT_EQ(UndeEsteLitera(gazda.fereastra, g), la) << "glyph " << g;
        if (c.timer)
            continue;
        EXPECT_EQ(gazda.porniri, int(c.schimburi.size()));
        for (int g = 0; g < Banner::NrLitere; ++g)
            EXPECT_EQ(UndeEsteLitera(gazda.fereastra, g), QPoint(banner.Pozitii()[g].X, 283)) << g;
        // The glyph's white box is the transparent key.
        EXPECT_EQ(gazda.fereastra.pixel(21, 284), Fundal);
    }
}

// The key colour stays transparent; the copy is stretched and clipped at the edges.
TEST(CopieTransparenta, LasaCheiaSiIntindeSiTaieLaMargini)
{
    QImage litera(4, 4, QImage::Format_RGB32), panza(10, 10, QImage::Format_RGB32);
    litera.fill(qRgb(255, 255, 0));
    litera.setPixel(2, 2, qRgb(0, 0, 0));
    panza.fill(Fundal);
    CopieTransparenta(panza, QRect(3, -2, 8, 8), litera, QRect(0, 0, 4, 4), qRgb(255, 255, 0));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(panza.pixel(x, y), (x - 3) / 2 == 2 && (y + 2) / 2 == 2 ? qRgb(0, 0, 0) : Fundal) << x << "," << y;
}

// A missing glyph file: the letter drawn in its place, in a box of the same size.
TEST(Litere, FisierulLipsaEInlocuitDeLiteraDesenata)
{
    QTemporaryDir dosar;
    const QImage litera = IncarcaLitere(dosar.path())[0];
    EXPECT_EQ(std::pair(litera.size(), litera.pixel(1, 1)), std::pair(QSize(40, 65), qRgb(255, 255, 255)));
    int cerneala = 0;
    for (int y = 0; y < 65; ++y)
        for (int x = 0; x < 40; ++x)
            cerneala += qGray(litera.pixel(x, y)) < 100;
    EXPECT_GT(cerneala, 20);
}

} // namespace
