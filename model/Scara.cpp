#include "model/Scara.h"

#include <algorithm>
#include <cmath>

namespace tezaurel {

namespace {
// Factors computed by division land beside the ladder's rungs.
constexpr double Toleranta = 1e-9;
} // namespace

bool Scara::Seteaza(double factor)
{
    const bool schimbat = std::abs(factor - m_factor) > Toleranta;
    m_factor = factor;
    return schimbat;
}

bool Scara::Mareste(QSize poza)
{
    m_latimePanou = 0;
    for (double treapta : Trepte)
        if (treapta > m_factor + Toleranta)
            return Permis(poza, treapta) && Seteaza(treapta);
    return false;
}

bool Scara::Micsoreaza(QSize)
{
    m_latimePanou = 0;
    for (auto t = std::rbegin(Trepte); t != std::rend(Trepte); ++t)
        if (*t < m_factor - Toleranta)
            return Seteaza(*t);
    return false;
}

bool Scara::MarimeNaturala()
{
    m_latimePanou = 0;
    return Seteaza(1.0);
}

bool Scara::PotrivesteLaLatime(QSize poza, int latimePanou)
{
    if (latimePanou <= 0)
        return false;
    m_latimePanou = latimePanou;
    return PozaNoua(poza);
}

bool Scara::Rotita(QSize poza, int unghi)
{
    if (unghi > 0)
        return Mareste(poza);
    if (unghi < 0)
        return Micsoreaza(poza);
    return false;
}

bool Scara::PozaNoua(QSize poza)
{
    if (poza.isEmpty())
        return false;
    double factor = m_factor;
    if (LaLatime())
        factor = std::clamp(double(m_latimePanou) / poza.width(), Trepte[0],
                            Trepte[std::size(Trepte) - 1]);
    if (!Permis(poza, factor)) {
        double permis = 1.0;
        for (double treapta : Trepte)
            if (treapta > 1.0 && treapta < factor && Permis(poza, treapta))
                permis = treapta;
        factor = permis;
    }
    return Seteaza(factor);
}

QSize Scara::Marime(QSize poza, double factor)
{
    return QSize(std::max(1, int(std::lround(poza.width() * factor))),
                 std::max(1, int(std::lround(poza.height() * factor))));
}

bool Scara::Permis(QSize poza, double factor)
{
    if (factor <= 1.0 + Toleranta)
        return true;
    const QSize m = Marime(poza, factor);
    return int64_t(m.width()) * m.height() <= PixeliMaximiAfisati;
}

QPoint Scara::Colt(QPoint colt, QPointF centru, double vechi, double nou)
{
    const double r = nou / vechi;
    return QPoint(int(std::lround(centru.x() - (centru.x() - colt.x()) * r)),
                  int(std::lround(centru.y() - (centru.y() - colt.y()) * r)));
}

} // namespace tezaurel
