#pragma once

#include <QString>

namespace tezaurel {

// Windows never told Poza1.JPG from poza1.jpg, nor PROBLEME from Probleme, so a
// collection copied from a Windows computer may name its pictures and folders
// in another case than the files have. Every place that looks for a picture or
// one of the application's folders finds it through here.
struct CaleGasita
{
    enum class Stare {
        Gasita,  // the exact name, or the one entry that differs from it only in case
        Lipsa,   // neither
        Ambigua, // no exact name, and two or more entries that differ from it only in case
    };

    Stare Rezultat = Stare::Lipsa;
    // The entry on disk when Gasita; otherwise where the exact name would be.
    QString Cale;

    bool EsteGasita() const { return Rezultat == Stare::Gasita; }
};

// The entry nume of the folder dosar. A name holding a '/' is taken as it stands.
CaleGasita GasesteInDosar(const QString &dosar, const QString &nume);

} // namespace tezaurel
