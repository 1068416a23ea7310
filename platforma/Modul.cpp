#include "platforma/Modul.h"

#include <QCoreApplication>
#include <QLibrary>

namespace tezaurel {

QString CaleModul(const char *fisier)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/module/") +
           QLatin1String(fisier);
}

QFunctionPointer FunctieDinModul(const QString &cale, const char *simbol, QString &eroare)
{
    // A QLibrary going out of scope leaves its module loaded, and a second
    // one for the same file only counts another use: the engines made on
    // several threads share one copy.
    QLibrary modul(cale);
    if (!modul.load()) {
        eroare = modul.errorString();
        return nullptr;
    }
    const QFunctionPointer functie = modul.resolve(simbol);
    if (!functie)
        eroare = modul.errorString();
    return functie;
}

} // namespace tezaurel
