#include "model/Panoramare.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tezaurel {

namespace {
// Halves go to the even neighbour (the default rounding mode of the FPU).
template <typename T> T Rotunjeste(double valoare)
{
    const double r = std::nearbyint(valoare);
    return static_cast<T>(std::clamp(r, double(std::numeric_limits<T>::min()),
                                     double(std::numeric_limits<T>::max())));
}
} // namespace

void Panoramare::Apasa(double x, double y)
{
    Tragere = true;
    XStart = Rotunjeste<int16_t>(x);
    YStart = Rotunjeste<int16_t>(y);
}

std::optional<QPoint> Panoramare::Misca(double x, double y) const
{
    if (!Tragere)
        return std::nullopt;
    return Pozitie(x, y);
}

QPoint Panoramare::Elibereaza(double x, double y)
{
    Tragere = false;
    const QPoint p = Pozitie(x, y);
    DeplasareX = p.x();
    DeplasareY = p.y();
    return p;
}

QPoint Panoramare::Pozitie(double x, double y) const
{
    return QPoint(Rotunjeste<int32_t>(DeplasareX + x - XStart),
                  Rotunjeste<int32_t>(DeplasareY + y - YStart));
}

} // namespace tezaurel
