#pragma once

#include <QString>

namespace tezaurel {

// A count with its noun as Romanian says it: "1 poză", "19 poze", "20 de
// poze", "101 poze", "120 de poze". "de" stands between the number and the
// noun when the number's last two digits are 00 or from 20 up.
inline QString CuNumar(int n, const QString &unul, const QString &mai)
{
    if (n == 1)
        return QStringLiteral("1 ") + unul;
    const int ultimele = n % 100;
    const bool de = n >= 20 && (ultimele == 0 || ultimele >= 20);
    return QStringLiteral("%1 %2%3").arg(n).arg(de ? QStringLiteral("de ") : QString(), mai);
}

} // namespace tezaurel
