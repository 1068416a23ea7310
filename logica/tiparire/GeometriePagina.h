#pragma once

#include <QRect>
#include <QSize>

class QImage;
class QPainter;
class QString;

namespace tezaurel {

// The printed page is laid out in twips on an A4 sheet in portrait, whatever
// device it finally lands on: a printer's sheet or the page saved as a picture.
namespace Pagina {
constexpr int TwipsPeCm = 567;
constexpr int Latime = 11907;       // 21 cm
constexpr int Inaltime = 16839;     // 29.7 cm, cut to a whole twip
constexpr int SusAntet = 283;       // 0.5 cm, cut to a whole twip
constexpr int InaltimeAntet = 1134; // 2 cm
// 14 points at 20 twips to the point: the header's size on every device.
constexpr int MarimeLitereAntet = 280;
// A saved page has the screen's resolution, 15 twips to the pixel.
constexpr int TwipsPePixelFisier = 15;

// 794 x 1123: the page at 15 twips to the pixel, rounded.
QSize MarimeFisier();
} // namespace Pagina

struct AsezarePagina
{
    QRect Antet; // the header strip, squeezed to the printable width
    QRect Poza;  // the problem's picture; empty when there is no picture
};

// Margins in centimetres, computed in single precision and cut to whole twips
// as the page has always been laid out. Only the picture's proportions count:
// it is scaled to the printable width and may run past the page's lower edge.
AsezarePagina AseazaPagina(float stanga, float dreapta, float sus, QSize marimePoza);

// Paints the header strip and the picture; the painter's window becomes the
// page in twips over the whole device. The strip is 11907 twips wide before it
// is squeezed, its lines start at its left edge and what does not fit is cut.
void DeseneazaPagina(QPainter &pictor, const AsezarePagina &asezare, const QString &antet,
                     const QImage &poza);

} // namespace tezaurel
