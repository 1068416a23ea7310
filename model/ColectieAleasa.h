#pragma once

#include "model/DosareAplicatie.h"

namespace tezaurel {

// The collection a run opens, and whether its folder can take anything.
struct ColectieAleasa
{
    DosareAplicatie Dosare;
    // The collection is shown but nothing can be written into its folder.
    bool DoarCitire = false;

    bool operator==(const ColectieAleasa &) const = default;
};

// What AlegeDosare decides, with a collection beside the program that the
// user may not write read-only.
ColectieAleasa AlegeColectia(const QString &dosarProgram, bool programScriere,
                             const QString &xdgDataHome, const QString &home);
ColectieAleasa ColectiaProgramului(const QString &dosarProgram);

// A collection chosen by the user (--colectie, "Deschide colecția…"): its data
// in that folder, the assets where the program finds them.
ColectieAleasa ColectiaDin(const QString &dosarColectie, const QString &dosarProgram);

// Why a folder cannot be opened as a collection, "" when it can. A folder
// without Tezaurel.stn can, as a new collection, once the user agreed.
QString MotivDosarNepotrivit(const QString &dosarColectie);
bool ContineColectie(const QString &dosar);

} // namespace tezaurel
