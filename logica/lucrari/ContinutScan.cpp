#include "logica/lucrari/ContinutScan.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstring>

namespace tezaurel {

namespace {
// Ink is looked at in cells of a few pixels: a speck smaller than a quarter
// of a cell is noise, while the stroke of a letter at 300 dpi fills more.
struct Celule
{
    int Latura = 1;
    int Coloane = 0;
    int Randuri = 0;
    std::vector<uchar> Cerneala; // a cell a byte, row after row

    bool Are(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < Coloane && y < Randuri &&
               Cerneala[size_t(y) * size_t(Coloane) + size_t(x)];
    }
};

// A scanned page is mostly white: eight pixels at a time are passed over
// while none of them is dark (each has its top bit set).
void NumaraRandul(const uchar *rand, int latime, int latura, std::vector<int> &numar)
{
    constexpr quint64 Luminoase = 0x8080808080808080ULL;
    int x = 0;
    for (; x + 8 <= latime; x += 8) {
        quint64 opt;
        std::memcpy(&opt, rand + x, sizeof opt);
        if ((opt & Luminoase) == Luminoase)
            continue;
        for (int i = x; i < x + 8; ++i)
            numar[size_t(i / latura)] += rand[i] < 128;
    }
    for (; x < latime; ++x)
        numar[size_t(x / latura)] += rand[x] < 128;
}

Celule NumaraCerneala(const QImage &gri)
{
    Celule c;
    c.Latura = std::max(1, std::min(gri.width(), gri.height()) / 600);
    c.Coloane = (gri.width() + c.Latura - 1) / c.Latura;
    c.Randuri = (gri.height() + c.Latura - 1) / c.Latura;
    std::vector<int> numar(size_t(c.Coloane));
    c.Cerneala.assign(size_t(c.Coloane) * size_t(c.Randuri), 0);
    const int prag = std::max(1, c.Latura * c.Latura / 4);
    const int latime = gri.width();
    for (int r = 0; r < c.Randuri; ++r) {
        std::fill(numar.begin(), numar.end(), 0);
        const int sfarsit = std::min(gri.height(), (r + 1) * c.Latura);
        for (int y = r * c.Latura; y < sfarsit; ++y)
            NumaraRandul(gri.constScanLine(y), latime, c.Latura, numar);
        for (int k = 0; k < c.Coloane; ++k)
            c.Cerneala[size_t(r) * size_t(c.Coloane) + size_t(k)] = numar[size_t(k)] >= prag;
    }
    return c;
}

// A shadow along an edge darkens most of the cells of the rows or columns it
// covers; text never does. Returns how many of them lie at each edge.
struct Umbre
{
    int Sus = 0, Jos = 0, Stanga = 0, Dreapta = 0;
};

Umbre GasesteUmbrele(const Celule &c)
{
    auto randPlin = [&](int y) {
        int n = 0;
        for (int x = 0; x < c.Coloane; ++x)
            n += c.Are(x, y);
        return n * 2 > c.Coloane;
    };
    auto coloanaPlina = [&](int x) {
        int n = 0;
        for (int y = 0; y < c.Randuri; ++y)
            n += c.Are(x, y);
        return n * 2 > c.Randuri;
    };
    Umbre u;
    while (u.Sus < c.Randuri && randPlin(u.Sus))
        ++u.Sus;
    while (u.Jos < c.Randuri - u.Sus && randPlin(c.Randuri - 1 - u.Jos))
        ++u.Jos;
    while (u.Stanga < c.Coloane && coloanaPlina(u.Stanga))
        ++u.Stanga;
    while (u.Dreapta < c.Coloane - u.Stanga && coloanaPlina(c.Coloane - 1 - u.Dreapta))
        ++u.Dreapta;
    // The grey fringe of a shadow is a cell or two wider than its dark core.
    auto cuFranj = [](int n) { return n > 0 ? n + 2 : 0; };
    return {cuFranj(u.Sus), cuFranj(u.Jos), cuFranj(u.Stanga), cuFranj(u.Dreapta)};
}
} // namespace

ContinutScan GasesteContinutul(const QImage &gri)
{
    ContinutScan rezultat{gri.rect(), -1};
    if (gri.isNull() || gri.format() != QImage::Format_Grayscale8)
        return rezultat;
    const Celule c = NumaraCerneala(gri);
    const Umbre u = GasesteUmbrele(c);
    int stanga = c.Coloane, dreapta = -1, sus = c.Randuri, jos = -1;
    std::vector<uchar> randuri(size_t(c.Randuri), 0);
    for (int y = u.Sus; y < c.Randuri - u.Jos; ++y)
        for (int x = u.Stanga; x < c.Coloane - u.Dreapta; ++x) {
            if (!c.Are(x, y))
                continue;
            // Dust makes a cell of ink or two; the smallest dot of print, three.
            int vecini = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    vecini += (dx || dy) && c.Are(x + dx, y + dy);
            if (vecini < 2)
                continue;
            stanga = std::min(stanga, x);
            dreapta = std::max(dreapta, x);
            sus = std::min(sus, y);
            jos = std::max(jos, y);
            randuri[size_t(y)] = 1;
        }
    if (dreapta < 0)
        return rezultat;
    // 2 mm of white kept around the ink, at the scan's own resolution.
    const int dpi = qRound(gri.dotsPerMeterX() * 0.0254);
    const int margine = (dpi >= 70 && dpi <= 1200 ? dpi : 300) * 2 / 25;
    const QRect cerneala(QPoint(stanga * c.Latura, sus * c.Latura),
                         QPoint((dreapta + 1) * c.Latura - 1, (jos + 1) * c.Latura - 1));
    rezultat.Chenar =
        cerneala.adjusted(-margine, -margine, margine, margine).intersected(gri.rect());
    int sfarsitRand = sus;
    while (sfarsitRand + 1 <= jos && randuri[size_t(sfarsitRand + 1)])
        ++sfarsitRand;
    const int mijloc = (sus * c.Latura + (sfarsitRand + 1) * c.Latura) / 2;
    rezultat.PrimulRand = mijloc - rezultat.Chenar.top();
    return rezultat;
}

QRect NumarulScanului(const std::vector<CuvantRecunoscut> &cuvinte)
{
    // "11.", "3)", "IV.", "(2)": what a collection prints before its problems.
    static const QRegularExpression numar(
        QStringLiteral("^\\(?([0-9]{1,3}|[IVXLivxl]{1,5})[.)]$|^\\([0-9]{1,3}\\)$"));
    if (cuvinte.empty() || !numar.match(cuvinte.front().Text.trimmed()).hasMatch())
        return QRect();
    return cuvinte.front().Chenar;
}

} // namespace tezaurel
