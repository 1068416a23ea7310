#include "platforma/Traducere.h"

#include <QCoreApplication>
#include <QTranslator>

namespace tezaurel {

bool InstaleazaTraducereaQt(QCoreApplication &aplicatie, const QString &dosarAplicatie)
{
    auto *traducere = new QTranslator(&aplicatie);
    if (traducere->load(QStringLiteral("qt_ro"), dosarAplicatie) &&
        QCoreApplication::installTranslator(traducere))
        return true;
    delete traducere;
    return false;
}

} // namespace tezaurel
