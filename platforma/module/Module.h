#pragma once

#include "interfete/Recunoastere.h"

#include <QString>

namespace tezaurel {

// Tesseract brings forty libraries of its own and Qt Multimedia twenty: loaded
// with the program they cost the main window a third of its start. They live
// in modules in module/ beside the program instead, each loaded the first time it is
// needed (platforma/Modul.h). What a module offers is made by one function
// with C linkage, the only name looked up in it.

inline constexpr char ModulRecunoastere[] = "libtezaurel_recunoastere.so";
inline constexpr char FabricaRecunoastere[] = "tezaurel_recunoastere_noua";
// An engine reading with the language data in dosarDate; the caller owns it.
using FabricaRecunoastereFn = Recunoastere *(*)(const QString &dosarDate);

// Plays a short sound file, one at a time.
class Sunet
{
public:
    virtual ~Sunet() = default;
    virtual void Canta(const QString &cale) = 0;
};

inline constexpr char ModulSunet[] = "libtezaurel_sunet.so";
inline constexpr char FabricaSunet[] = "tezaurel_sunet_nou";
using FabricaSunetFn = Sunet *(*)();

} // namespace tezaurel
