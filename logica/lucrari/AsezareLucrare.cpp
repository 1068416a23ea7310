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

QRect ZonaLucrare(const MarginiLucrare &margini)
{
    const QRect z = ZonaIntreMargini(margini);
    // At least 5 cm each way, or the problems would be slivers.
    if (z.width() < 5 * Pagina::TwipsPeCm || z.height() < 5 * Pagina::TwipsPeCm || z.left() < 0 ||
        z.top() < 0)
        return ZonaIntreMargini(MarginiLucrare());
    return z;
}

AsezareLucrare AseazaLucrarea(const MarginiLucrare &margini, int inaltimeAntet,
                              const std::vector<ProblemaDeAsezat> &probleme)
{
    using namespace PaginaLucrare;
    AsezareLucrare a;
    a.Zona = ZonaLucrare(margini);
    const QRect &z = a.Zona;
    a.Antet = QRect(z.left(), z.top(), z.width(), inaltimeAntet);
    a.Subsol = QRect(z.left(), z.bottom() + 1 - InaltimeSubsol, z.width(), InaltimeSubsol);
    const int fund = a.Subsol.top(); // problems end above the page number
    const int stangaPoza = z.left() + ColoanaNumar;
    const int latimeDisponibila = z.right() + 1 - stangaPoza;

    int pagina = 0;
    int y = z.top() + (inaltimeAntet > 0 ? inaltimeAntet + SpatiuDupaAntet : 0);
    bool paginaGoala = true;
    for (const ProblemaDeAsezat &p : probleme) {
        const bool arePoza = !p.Poza.isEmpty();
        int inaltimePoza = arePoza ? p.Poza.height() : InaltimeLipsa;
        int latimePoza = latimeDisponibila;
        if (arePoza && p.Poza.width() <= latimeDisponibila)
            latimePoza = p.Poza.width();
        else if (arePoza) // wider than the column leaves: scaled to it
            inaltimePoza =
                std::max(1, int(qint64(inaltimePoza) * latimeDisponibila / p.Poza.width()));
        // Room to work never takes more than a page leaves beside a line of text.
        const int spatiu = std::clamp(p.Spatiu, 0, fund - z.top() - RandText);
        if (!paginaGoala && y + std::max(inaltimePoza, RandText) + spatiu > fund) {
            ++pagina;
            y = z.top();
        }
        LocProblema loc;
        loc.Pagina = pagina;
        const int ramas = std::max(fund - y - spatiu, 1);
        if (inaltimePoza > ramas) {
            loc.Micsorata = true;
            if (arePoza)
                latimePoza = std::max(1, int(qint64(latimePoza) * ramas / inaltimePoza));
            inaltimePoza = ramas;
        }
        loc.Poza = QRect(stangaPoza, y, latimePoza, inaltimePoza);
        const int mijloc = arePoza && p.PrimulRand >= 0
                               ? int(qint64(p.PrimulRand) * inaltimePoza / p.Poza.height())
                               : RandText / 2;
        // Level with the first line, but never above the picture's top.
        loc.Eticheta =
            QRect(z.left(), y + std::max(0, mijloc - RandText / 2), ColoanaNumar, RandText);
        const int sub = std::max(loc.Poza.bottom(), loc.Eticheta.bottom()) + 1;
        if (spatiu > 0)
            loc.Spatiu = QRect(stangaPoza, sub, latimeDisponibila, spatiu);
        a.Locuri.push_back(loc);
        y = sub + spatiu + SpatiuIntreProbleme;
        paginaGoala = false;
    }
    a.NrPagini = pagina + 1;
    return a;
}

} // namespace tezaurel
