#pragma once

#include <functional>

namespace tezaurel {

class Colectie;

// Pictures an earlier version stored as they came (a PNG, a .png, .bmp or
// extension-less name, a JPEG lying on its side with an EXIF tag) are made
// what FormatPoza stores, once, at a start that finds itself alone with the
// collection and its database open. A picture that keeps its name is replaced
// in one rename; one that takes a new name is journaled in Tezaurel.db first,
// and a start after a crash finishes it when a record already names the new
// picture, or undoes it otherwise: either state is a whole collection.
// What fails is announced, left as it was and tried again at the next start.
class ConversiePoze
{
public:
    static void Converteste(Colectie &definitii);

    // Where a test stops the program dead.
    enum class Punct { Jurnal, Poza, Baza, Inregistrare, PozaVecheStearsa };
    static inline std::function<void(Punct)> LaPunct;
};

} // namespace tezaurel
