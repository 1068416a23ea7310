#include "ferestre/comune/Iconite.h"

#include <QString>

// The icons are compiled into this static library; naming their
// initialisation keeps the linker from leaving them out of the program.
static void IncarcaIconitele()
{
    Q_INIT_RESOURCE(ferestre);
}

namespace tezaurel {

QIcon IconitaFerestrei(const char *nume)
{
    static const bool incarcate = (IncarcaIconitele(), true);
    Q_UNUSED(incarcate);
    return QIcon(QStringLiteral(":/iconite/ferestre/%1.png").arg(QLatin1String(nume)));
}

} // namespace tezaurel
