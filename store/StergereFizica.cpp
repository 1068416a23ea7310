#include "store/StergereFizica.h"

#include "platform/Platforma.h"
#include "store/mDefinitii.h"

bool StergereFizica(mDefinitii &definitii)
{
    if (definitii.NrProbleme < 2) {
        definitii.platforma().Mesaj(QStringLiteral("Nu sunt probleme de sters"));
        return false;
    }
    return true;
}
