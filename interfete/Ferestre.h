#pragma once

namespace tezaurel {

// The roads between the windows. Each window exists once: it is created the
// first time it is shown and afterwards only hidden and shown again, so it
// keeps its state. A window asks for the next one through here and hides
// itself; it never holds another window.
class Ferestre
{
public:
    virtual ~Ferestre() = default;

    virtual void ArataPrincipala() = 0;
    virtual void ArataEditor() = 0;
    virtual void ArataVizualizare() = 0;
    virtual void ArataSelectia() = 0;
    // Modal: returns once the print dialog has hidden itself.
    virtual void ArataTiparirea() = 0;
    // Ends the program at once; nothing is left to save.
    virtual void Iesire() = 0;
};

} // namespace tezaurel
