#include "interfete/Panza.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace tezaurel {

void CopiazaDreptunghi(QImage &tinta, const QImage &sursa, QSize marime, QPoint la)
{
    if (tinta.isNull() || sursa.isNull())
        return;
    // In 64 bits: a picture dragged far away must not wrap round into view.
    const qint64 latime = std::min(marime.width(), sursa.width());
    const qint64 inaltime = std::min(marime.height(), sursa.height());
    const qint64 x0 = std::max<qint64>(la.x(), 0);
    const qint64 y0 = std::max<qint64>(la.y(), 0);
    const qint64 x1 = std::min<qint64>(la.x() + latime, tinta.width());
    const qint64 y1 = std::min<qint64>(la.y() + inaltime, tinta.height());
    if (x0 >= x1 || y0 >= y1)
        return;

    const int sx = int(x0 - la.x());
    const int sy = int(y0 - la.y());
    const int w = int(x1 - x0);
    const int h = int(y1 - y0);
    if (tinta.format() == sursa.format() && tinta.depth() == 32) {
        uchar *randTinta = tinta.bits() + y0 * tinta.bytesPerLine() + x0 * 4;
        const uchar *randSursa = sursa.constBits() + qint64(sy) * sursa.bytesPerLine() + sx * 4;
        for (int y = 0; y < h; ++y) {
            std::memcpy(randTinta, randSursa, size_t(w) * 4);
            randTinta += tinta.bytesPerLine();
            randSursa += sursa.bytesPerLine();
        }
        return;
    }
    QPainter pictor(&tinta);
    pictor.setCompositionMode(QPainter::CompositionMode_Source);
    pictor.drawImage(QPoint(int(x0), int(y0)), sursa, QRect(sx, sy, w, h));
}

} // namespace tezaurel
