#pragma once

#include "interfete/Recunoastere.h"

#include <QImage>
#include <QRect>

#include <vector>

namespace tezaurel {

// Where a scanned problem's ink lies, so the paper prints the problem and not
// the white page around it.
struct ContinutScan
{
    QRect Chenar;        // the ink and a small margin, in the picture's pixels
    int PrimulRand = -1; // middle of the first line of ink, from Chenar's top; -1: no ink
};

// Looks at a grey picture. Specks of dust and a scanner lid's shadow along an
// edge are not ink; anything that may be text is kept whole. A picture with
// no ink is kept whole.
ContinutScan GasesteContinutul(const QImage &gri);

// The box of the number a scan prints before its problem ("11.", "3)"): the
// first recognised word, when it is such a number; empty otherwise.
QRect NumarulScanului(const std::vector<CuvantRecunoscut> &cuvinte);

} // namespace tezaurel
