#include "platforma/Traducere.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace tezaurel {

bool InstaleazaTraducereaQt(QCoreApplication &aplicatie, const QString &dosarAplicatie)
{
    // Dates, month and day names, numbers ("2,0") and the pictures' kinds in
    // the file dialog follow the default locale, not the system's.
    QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
    auto *traducere = new QTranslator(&aplicatie);
    if (traducere->load(QStringLiteral("qt_ro"), dosarAplicatie) &&
        QCoreApplication::installTranslator(traducere))
        return true;
    delete traducere;
    return false;
}

} // namespace tezaurel
