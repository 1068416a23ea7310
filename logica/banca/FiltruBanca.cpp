#include "logica/banca/FiltruBanca.h"

#include <cmath>

namespace tezaurel {

QString ClasaRomana(int clasa)
{
    if (clasa <= 0 || clasa >= 40)
        return clasa == 0 ? QString() : QString::number(clasa);
    static constexpr const char *zeci[] = {"", "X", "XX", "XXX"};
    static constexpr const char *unitati[] = {"",  "I",  "II",  "III",  "IV",
                                              "V", "VI", "VII", "VIII", "IX"};
    return QString::fromLatin1(zeci[clasa / 10]) + QString::fromLatin1(unitati[clasa % 10]);
}

std::vector<double> PuncteEgale(int n, double total)
{
    std::vector<double> puncte;
    if (n <= 0 || total <= 0)
        return puncte;
    const int jumatati = int(std::lround(total * 2));
    for (int i = 0; i < n; ++i)
        puncte.push_back((jumatati / n + (i < jumatati % n ? 1 : 0)) / 2.0);
    return puncte;
}

} // namespace tezaurel
