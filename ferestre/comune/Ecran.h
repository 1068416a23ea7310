#pragma once

#include <QSize>

class QWidget;

namespace tezaurel {

// Window layout is designed in twips; the screen here has 15 twips to the pixel.
constexpr int TwipsPePixel = 15;
constexpr int Pixeli(int twips)
{
    return twips / TwipsPePixel;
}

void CentreazaPeEcran(QWidget &fereastra);
// The screen's size in pixels (the primary screen's full geometry).
QSize MarimeEcran();

} // namespace tezaurel
