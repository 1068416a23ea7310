#include "logica/tiparire/GeometriePagina.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace tezaurel {

QSize Pagina::MarimeFisier()
{
    return {qRound(double(Latime) / TwipsPePixelFisier),
            qRound(double(Inaltime) / TwipsPePixelFisier)};
}

namespace {

// Cut to a whole twip. A margin typed as 1e30 or a picture a million times
// taller than wide lies far off the page anyway; it is held where a QRect's
// corners still fit in an int instead of overflowing the conversion.
int TwipIntreg(double valoare)
{
    constexpr double Maxim = (1 << 30) - 1;
    if (std::isnan(valoare))
        return 0;
    return int(std::clamp(std::floor(valoare), -Maxim, Maxim));
}

} // namespace

AsezarePagina AseazaPagina(float stanga, float dreapta, float sus, QSize marimePoza)
{
    using namespace Pagina;
    // Single precision throughout, as the page has always been computed: the
    // rounding of the last twip depends on it.
    const float latimeUtila = float(Latime) - (stanga + dreapta) * float(TwipsPeCm);
    const int x = TwipIntreg(stanga * float(TwipsPeCm));
    const int latime = TwipIntreg(latimeUtila);

    AsezarePagina asezare;
    asezare.Antet = QRect(x, SusAntet, latime, InaltimeAntet);
    if (marimePoza.width() > 0 && marimePoza.height() > 0) {
        const int y = TwipIntreg(double(sus * float(TwipsPeCm)) + 2.5 * TwipsPeCm);
        const float inaltime = latimeUtila * float(marimePoza.height()) / float(marimePoza.width());
        asezare.Poza = QRect(x, y, latime, TwipIntreg(inaltime));
    }
    return asezare;
}

namespace {

QFont FontAntet()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    // Pixels of the painter's window, that is twips.
    font.setPixelSize(Pagina::MarimeLitereAntet);
    return font;
}

void DeseneazaAntet(QPainter &pictor, const QRect &unde, const QString &antet)
{
    using namespace Pagina;
    pictor.save();
    // The strip is composed at its full width and then squeezed horizontally
    // only, so the text keeps its height whatever the margins.
    pictor.translate(unde.topLeft());
    pictor.scale(double(unde.width()) / Latime, double(unde.height()) / InaltimeAntet);
    const QRect fasie(0, 0, Latime, InaltimeAntet);
    pictor.setClipRect(fasie, Qt::IntersectClip);
    pictor.fillRect(fasie, Qt::white);

    const QFont font = FontAntet();
    pictor.setFont(font);
    pictor.setPen(Qt::black);
    const QFontMetricsF masura(font);
    QString text = antet;
    text.remove(QLatin1Char('\r'));
    qreal y = 0;
    for (const QString &linie : text.split(QLatin1Char('\n'))) {
        if (y >= InaltimeAntet)
            break;
        pictor.drawText(QPointF(0, y + masura.ascent()), linie);
        y += masura.lineSpacing();
    }
    pictor.restore();
}

} // namespace

void DeseneazaPagina(QPainter &pictor, const AsezarePagina &asezare, const QString &antet,
                     const QImage &poza)
{
    pictor.setWindow(0, 0, Pagina::Latime, Pagina::Inaltime);
    if (asezare.Antet.width() > 0)
        DeseneazaAntet(pictor, asezare.Antet, antet);
    if (!poza.isNull() && asezare.Poza.width() > 0 && asezare.Poza.height() > 0) {
        pictor.save();
        pictor.setRenderHint(QPainter::SmoothPixmapTransform);
        pictor.drawImage(asezare.Poza, poza);
        pictor.restore();
    }
}

} // namespace tezaurel
