#include "logica/lucrari/AsezareLucrare.h"

#include "logica/tiparire/GeometriePagina.h"

#include <algorithm>

namespace tezaurel {

namespace {
QRect ZonaIntreMargini(const MarginiLucrare &m)
{
    const int stanga = int(m.Stanga * Pagina::TwipsPeCm);
    const int dreapta = int(m.Dreapta * Pagina::TwipsPeCm);
    const int sus = int(m.Sus * Pagina::TwipsPeCm);
    const int jos = int(m.Jos * Pagina::TwipsPeCm);
    return QRect(stanga, sus, Pagina::Latime - stanga - dreapta, Pagina::Inaltime - sus - jos);
}
} // namespace

AsezareLucrare AseazaLucrarea(const MarginiLucrare &margini, int inaltimeAntet,
                              const std::vector<QSize> &poze)
{
    using namespace PaginaLucrare;
    AsezareLucrare a;
    a.Zona = ZonaIntreMargini(margini);
    // At least 5 cm each way, or the problems would be slivers.
    if (a.Zona.width() < 5 * Pagina::TwipsPeCm || a.Zona.height() < 5 * Pagina::TwipsPeCm ||
        a.Zona.left() < 0 || a.Zona.top() < 0)
        a.Zona = ZonaIntreMargini(MarginiLucrare());
    const QRect &z = a.Zona;
    a.Antet = QRect(z.left(), z.top(), z.width(), inaltimeAntet);
    a.Subsol = QRect(z.left(), z.bottom() + 1 - InaltimeSubsol, z.width(), InaltimeSubsol);
    const int fund = a.Subsol.top(); // problems end above the page number

    int pagina = 0;
    int y = z.top() + (inaltimeAntet > 0 ? inaltimeAntet + SpatiuDupaAntet : 0);
    bool paginaGoala = true;
    for (const QSize &marime : poze) {
        const bool arePoza = marime.width() > 0 && marime.height() > 0;
        int inaltimePoza =
            arePoza ? int(qint64(marime.height()) * z.width() / marime.width()) : InaltimeLipsa;
        if (!paginaGoala && y + RandText + inaltimePoza > fund) {
            ++pagina;
            y = z.top();
            paginaGoala = true;
        }
        LocProblema loc;
        loc.Pagina = pagina;
        loc.Eticheta = QRect(z.left(), y, z.width(), RandText);
        int latimePoza = z.width();
        const int loc_ramas = fund - y - RandText;
        if (inaltimePoza > loc_ramas) {
            loc.Micsorata = true;
            inaltimePoza = std::max(loc_ramas, 1);
            if (arePoza)
                latimePoza =
                    std::max(1, int(qint64(marime.width()) * inaltimePoza / marime.height()));
        }
        loc.Poza = QRect(z.left(), y + RandText, latimePoza, inaltimePoza);
        a.Locuri.push_back(loc);
        y = loc.Poza.bottom() + 1 + SpatiuIntreProbleme;
        paginaGoala = false;
    }
    a.NrPagini = pagina + 1;
    return a;
}

} // namespace tezaurel
