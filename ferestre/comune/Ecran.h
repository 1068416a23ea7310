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
// Shrinks a window larger than the screen's free area, its frame included,
// so that no control lies beyond the screen's edges.
void IncapePeEcran(QWidget &fereastra);
// What the title bar and borders add to the client area; before the first
// showing, when there is no frame yet, those of the usual desktops.
QSize CadruFereastra(const QWidget &fereastra);
// Whether the window's title bar can be reached: a place remembered from a
// larger or a second screen may be off this one.
bool PeEcran(const QWidget &fereastra);
// The screen's size in pixels (the primary screen's full geometry).
QSize MarimeEcran();

} // namespace tezaurel
