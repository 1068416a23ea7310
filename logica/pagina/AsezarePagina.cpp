#include "logica/pagina/AsezarePagina.h"

#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace tezaurel {

namespace {

// A block of the page larger than any letter's stroke and smaller than the
// slope of a shadow: its brightest pixels are the paper there.
constexpr int LaturaBloc = 32;
// Paper is taken as white from this share of its local brightness up: the
// noise of a scanner's sensor disappears with it, ink keeps its edges.
constexpr double PragAlb = 0.85;

// The 90th percentile of a block: bright specks of noise do not count as paper.
int LuminaHartie(const QImage &gri, int x0, int y0)
{
    std::array<int, 256> histograma{};
    const int x1 = std::min(x0 + LaturaBloc, gri.width());
    const int y1 = std::min(y0 + LaturaBloc, gri.height());
    for (int y = y0; y < y1; ++y) {
        const uchar *rand = gri.constScanLine(y);
        for (int x = x0; x < x1; ++x)
            ++histograma[rand[x]];
    }
    const int prag = (x1 - x0) * (y1 - y0) / 10;
    int numarate = 0;
    for (int v = 255; v > 0; --v)
        if ((numarate += histograma[size_t(v)]) > prag)
            return v;
    return 1;
}

// The paper's brightness everywhere, from the blocks' brightness: a block
// much darker than its brightest neighbour is all ink (a drawing, a thick
// title) and takes the neighbour's; a shadow darkens by less from block to block.
QImage HartaHartie(const QImage &gri)
{
    const int lat = (gri.width() + LaturaBloc - 1) / LaturaBloc;
    const int inalt = (gri.height() + LaturaBloc - 1) / LaturaBloc;
    QImage blocuri(lat, inalt, QImage::Format_Grayscale8);
    for (int by = 0; by < inalt; ++by)
        for (int bx = 0; bx < lat; ++bx)
            blocuri.scanLine(by)[bx] = uchar(LuminaHartie(gri, bx * LaturaBloc, by * LaturaBloc));
    QImage vecini = blocuri;
    for (int by = 0; by < inalt; ++by)
        for (int bx = 0; bx < lat; ++bx) {
            uchar maxim = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int x = std::clamp(bx + dx, 0, lat - 1);
                    const int y = std::clamp(by + dy, 0, inalt - 1);
                    maxim = std::max(maxim, blocuri.constScanLine(y)[x]);
                }
            const uchar propriu = blocuri.constScanLine(by)[bx];
            vecini.scanLine(by)[bx] = propriu * 10 < maxim * 7 ? maxim : propriu;
        }
    return vecini.scaled(gri.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The ink of a page at most 1240 pixels wide, as points about its centre.
std::vector<std::pair<float, float>> PuncteCerneala(const QImage &gri)
{
    const QImage mica = gri.width() > 1240 ? gri.scaledToWidth(1240, Qt::SmoothTransformation)
                                           : gri.convertToFormat(QImage::Format_Grayscale8);
    const float cx = mica.width() / 2.0F;
    const float cy = mica.height() / 2.0F;
    std::vector<std::pair<float, float>> puncte;
    for (int y = 0; y < mica.height(); ++y) {
        const uchar *rand = mica.constScanLine(y);
        for (int x = 0; x < mica.width(); ++x)
            if (rand[x] < 128)
                puncte.emplace_back(float(x) - cx, float(y) - cy);
    }
    return puncte;
}

// How sharply the ink falls into rows when the page is turned back by grade:
// the sum of squares of the rows' ink is largest when each text line lies in
// rows of its own.
double Claritate(const std::vector<std::pair<float, float>> &puncte, double grade, int inaltime)
{
    const double rad = grade * std::numbers::pi / 180.0;
    const float s = float(std::sin(rad));
    const float c = float(std::cos(rad));
    std::vector<int> randuri(size_t(inaltime) * 2 + 1, 0);
    for (const auto &[x, y] : puncte) {
        const int r = int(std::lround(y * c - x * s)) + inaltime;
        if (r >= 0 && r < int(randuri.size()))
            ++randuri[size_t(r)];
    }
    double suma = 0;
    for (const int n : randuri)
        suma += double(n) * n;
    return suma;
}

} // namespace

QImage UniformizeazaFundal(const QImage &poza)
{
    QImage gri = poza.convertToFormat(QImage::Format_Grayscale8);
    if (gri.isNull())
        return gri;
    const QImage hartie = HartaHartie(gri);
    for (int y = 0; y < gri.height(); ++y) {
        uchar *rand = gri.scanLine(y);
        const uchar *lumina = hartie.constScanLine(y);
        for (int x = 0; x < gri.width(); ++x) {
            const double alb = std::max(1.0, lumina[x] * PragAlb);
            rand[x] = uchar(std::min(255.0, rand[x] * 255.0 / alb));
        }
    }
    return gri;
}

double UnghiInclinare(const QImage &gri)
{
    const auto puncte = PuncteCerneala(gri);
    if (puncte.empty())
        return 0;
    const int inaltime = int(std::hypot(gri.width(), gri.height())); // bounds every turned point
    double cel = 0;
    // Coarse to fine: a tenth of the previous step each time, around the best.
    for (double pas : {0.5, 0.1, 0.02}) {
        const double centru = cel;
        const double raza = pas == 0.5 ? 10.0 : pas * 5;
        double maxim = -1;
        for (double grade = centru - raza; grade <= centru + raza + 1e-9; grade += pas) {
            const double c = Claritate(puncte, grade, inaltime);
            if (c > maxim) {
                maxim = c;
                cel = grade;
            }
        }
    }
    return std::clamp(cel, -10.0, 10.0);
}

QImage Indreapta(const QImage &gri, double unghi)
{
    QImage drept(gri.size(), QImage::Format_RGB32);
    drept.fill(Qt::white);
    {
        QPainter pictor(&drept);
        pictor.setRenderHint(QPainter::SmoothPixmapTransform);
        const QPointF centru(gri.width() / 2.0, gri.height() / 2.0);
        pictor.translate(centru);
        pictor.rotate(-unghi);
        pictor.translate(-centru);
        pictor.drawImage(0, 0, gri);
    }
    return drept.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace tezaurel
