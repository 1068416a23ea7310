#include "logica/banner/Banner.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

using namespace tezaurel;

namespace {

constexpr QRgb Fundal = 0xfff0f0f0;
constexpr QRgb Rosu = 0xffff0000; // what the canvas showed before the load
// Where each test glyph's ink sits inside its 40 x 65 picture.
constexpr int BlocX = 5, BlocY = 10;

const auto CuloareLitera = [](int g) { return qRgb(10 * g + 5, 200 - 5 * g, 90); };

// White pictures with a block of colour unique to each glyph, so a frame
// tells which glyph was drawn where.
std::array<QImage, Banner::NrLitere> LitereTest()
{
    std::array<QImage, Banner::NrLitere> litere;
    for (int g = 0; g < Banner::NrLitere; ++g) {
        litere[g] = QImage(40, 65, QImage::Format_RGB32);
        litere[g].fill(Qt::white);
        QPainter(&litere[g]).fillRect(BlocX, BlocY, 30, 45, QColor(CuloareLitera(g)));
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
    void CopiazaPeFereastra() override { fereastra = panza.copy(); }
    void ActiveazaTimer(bool activ) override { timer = activ, porniri += activ; }
    bool FereastraVizibila() const override { return true; }
    void CantaSunetul() override { ++sunete; }

    QImage panza{1010, 636, QImage::Format_RGB32};
    QImage fereastra;
    int porniri = 0, sunete = 0;
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

// The main window's load over a canvas still showing something else, then
// `ticuri` timer ticks (-1: until the timer stops). The shuffle takes two
// numbers a swap, 201 swaps; the row sits in the designed area and is drawn
// over the old picture; only a swap's frame or the final row clear it. A
// stopped timer leaves every glyph in its own slot.
TEST(Banner, AnimatiaPeTicuri)
{
    // Swaps, ticks, sounds, timer running, the window's corner, glyphs and where
    // they show. Nothing to sort: the final row at once. Slots 0 and 1 are 42
    // pixels apart: the sixth tick lands (slots 2 and 7, 240 apart: the 31st), and already draws
    // the next swap's first frame. First and last: 233 pixels off the row at the middle (-232.49
    // rounds down).
    // clang-format off
    const std::tuple<std::vector<std::pair<int, int>>, int, int, bool, QRgb,
                     std::vector<std::pair<int, QPoint>>> cazuri[] = {
        {{}, 0, 0, false, Fundal, {}},
        {{{0, 20}, {20, 5}}, 0, 0, true, Rosu, {{20, {20, 283}}, {0, {260, 283}}, {5, {950, 283}}}},
        {{{2, 7}}, 0, 0, true, Rosu, {{7, {104, 283}}, {2, {344, 283}}}},
        {{{2, 7}}, 30, 0, true, Fundal, {}},
        {{{0, 1}, {5, 9}}, 5, 0, true, Fundal, {}},
        {{{0, 1}, {5, 9}}, 6, 1, true, Fundal, {{9, {260, 283}}, {0, {20, 283}}}},
        {{{0, 1}, {5, 9}}, -1, 2, false, Fundal, {}},
        {{{0, 20}}, 59, 0, true, Fundal, {{20, {484, 516}}, {0, {486, 50}}, {1, {62, 283}}}},
        {{{0, 20}}, 116, 0, true, Fundal, {}},
        {{{0, 20}}, 117, 1, false, Fundal, {}}};
    // clang-format on
    for (const auto &[schimburi, ticuri, sunete, timer, colt, litere] : cazuri) {
        SCOPED_TRACE(testing::Message() << schimburi.size() << " swaps, " << ticuri << " ticks");
        GazdaTest gazda;
        Banner banner(gazda, LitereTest());
        int cereri = 0;
        gazda.panza.fill(Rosu);
        banner.Aseaza({1111, 636});
        banner.Amesteca(Amestecare(schimburi, &cereri));
        banner.DeseneazaRandul();
        banner.Porneste();
        for (int t = 0; ticuri < 0 ? gazda.timer : t < ticuri; ++t)
            banner.Tick();
        EXPECT_EQ(cereri, 402);
        EXPECT_EQ(std::tuple(gazda.sunete, gazda.timer, gazda.fereastra.pixel(0, 0)),
                  std::tuple(sunete, timer, colt));
        for (const auto &[g, la] : litere)
            EXPECT_EQ(UndeEsteLitera(gazda.fereastra, g), la) << "glyph " << g;
        if (timer)
            continue;
        EXPECT_EQ(gazda.porniri, int(schimburi.size()));
        for (int g = 0; g < Banner::NrLitere; ++g)
            EXPECT_EQ(UndeEsteLitera(gazda.fereastra, g), QPoint(banner.Pozitii()[g].X, 283)) << g;
        // The glyph's white box is the transparent key.
        EXPECT_EQ(gazda.fereastra.pixel(21, 284), Fundal);
    }
}

} // namespace
