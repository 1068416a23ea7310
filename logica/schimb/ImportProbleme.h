#pragma once

#include "logica/import/ImportDosar.h"

namespace tezaurel {

class SursaProbleme;
class Colectie;

// Adds the source's problems after the last one of this collection, each
// picture stored before its record, so an interruption at any point leaves
// whole problems only. A picture whose content this collection already has
// is a duplicate and is left out; a name already in use gets a free one
// ("nume (2).jpg"). When the new problems would not fit in the table, none is
// added. The pictures are all copied before the first record is appended,
// the names being copied kept meanwhile in Tezaurel.db; what came with them
// (recognised text, the classes that had them) is stored under their names here.
RaportImport ImportaProbleme(Colectie &definitii, SursaProbleme &sursa, InterfataImport &progres);

} // namespace tezaurel
