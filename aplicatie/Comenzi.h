#pragma once

#include "interfete/Recunoastere.h"
#include "interfete/Scanner.h"

#include <functional>

namespace tezaurel {

class Colectie;
class SelectieCurenta;
class CompunereLucrare;
class FereastraEditare;
class FereastraVizualizare;

// The features' commands, added to the windows that offer them a menu. A
// window knows only its own feature; what joins two features lives here.

// "Importă" in the editor: a folder of pictures, a colleague's package,
// another Tezaurel folder, a page of several problems (read by motor, scanned
// through scannere).
void LeagaImportul(FereastraEditare &editor, Colectie &definitii, MotorRecunoastere motor,
                   FabricaScannere scannere);
// In the viewer: the selection exported as a package, the problem shown corrected.
void LeagaSchimbul(FereastraVizualizare &vizualizare, SelectieCurenta &selectie);
// In the viewer: the problem shown added to the test paper being composed, the
// paper's window opened (Ctrl+Shift+L); the menu bar's corner tells how many
// problems the paper holds and to whom the problem shown was given.
void LeagaLucrarea(FereastraVizualizare &vizualizare, const SelectieCurenta &selectie,
                   CompunereLucrare &compunere, std::function<void()> arataLucrarea);

} // namespace tezaurel
