#pragma once

#include <functional>

class QMenu;

namespace tezaurel {

class PanzaQt;
class PozaPanoramata;

// The zoom commands of a window that shows a picture, with their keys, added
// to meniu; Ctrl + the wheel over panza zooms about the pointer. latimeVizibila
// answers the width of the part of the panel the window shows.
void AdaugaZoom(QMenu &meniu, PanzaQt &panza, PozaPanoramata &poza,
                std::function<int()> latimeVizibila);

} // namespace tezaurel
