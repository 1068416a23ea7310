#pragma once

#include <QPoint>
#include <QPointF>
#include <QSize>

#include <cstdint>

namespace tezaurel {

// How large a picture is shown: a factor from a fixed ladder, or fitted to the
// panel's width, which then holds for every picture paged to. A factor above
// one costs a scaled copy of the picture, so it stops where that copy would
// pass PixeliMaximiAfisati; natural size and below are always allowed.
class Scara
{
public:
    static constexpr double Trepte[] = {0.1, 0.125, 0.25, 1.0 / 3, 0.5, 2.0 / 3, 0.75,
                                        1.0, 1.25,  1.5,  2.0,     3.0, 4.0};
    static constexpr int64_t PixeliMaximiAfisati = 16'000'000;

    double Factor() const { return m_factor; }
    bool LaLatime() const { return m_latimePanou > 0; }

    // poza is the natural size of the picture shown; each command answers
    // whether the factor changed.
    bool Mareste(QSize poza);
    bool Micsoreaza(QSize poza);
    bool MarimeNaturala();
    bool PotrivesteLaLatime(QSize poza, int latimePanou);
    // A wheel turn of unghi eighths of a degree: one step per notch either way.
    bool Rotita(QSize poza, int unghi);
    // Another picture: refitted in the width mode, and a factor it could not
    // take lowered to the largest it can.
    bool PozaNoua(QSize poza);

    // The shown size, at least one pixel each way.
    static QSize Marime(QSize poza, double factor);
    static bool Permis(QSize poza, double factor);
    // The picture's new corner, so that the point under centru stays put.
    static QPoint Colt(QPoint colt, QPointF centru, double vechi, double nou);

private:
    bool Seteaza(double factor);

    double m_factor = 1.0;
    int m_latimePanou = 0; // while fitted to the width
};

} // namespace tezaurel
