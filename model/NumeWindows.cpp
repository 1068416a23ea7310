#include "model/NumeWindows.h"

#include <QDirIterator>
#include <QFileInfo>

namespace tezaurel {

CaleGasita GasesteInDosar(const QString &dosar, const QString &nume)
{
    CaleGasita gasita;
    gasita.Cale = dosar + QLatin1Char('/') + nume;
    // A dangling link is an entry too: it must not be mistaken for a missing name.
    const QFileInfo exacta(gasita.Cale);
    if (exacta.exists() || exacta.isSymLink()) {
        gasita.Rezultat = CaleGasita::Stare::Gasita;
        return gasita;
    }
    QString unic;
    int potriviri = 0;
    QDirIterator intrari(dosar,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (intrari.hasNext()) {
        intrari.next();
        if (intrari.fileName().compare(nume, Qt::CaseInsensitive) == 0 && ++potriviri == 1)
            unic = intrari.filePath();
    }
    if (potriviri == 1) {
        gasita.Rezultat = CaleGasita::Stare::Gasita;
        gasita.Cale = unic;
    } else if (potriviri > 1) {
        gasita.Rezultat = CaleGasita::Stare::Ambigua;
    }
    return gasita;
}

} // namespace tezaurel
