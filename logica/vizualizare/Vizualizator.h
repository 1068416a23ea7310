#pragma once

#include "model/CachePoze.h"
#include "model/PozaPanoramata.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>

namespace tezaurel {

class Panza;
class Colectie;
class SelectieCurenta;
struct Problema;

// The viewer's commands; the window gives each its caption and key.
enum class ComandaVizualizare {
    Prima,
    Inainte,
    Inapoi,
    Ultima,
    DefinesteSelectie,
    AnuleazaSelectie,
    ObservatiiArataAscunde,
    Imprimare,
    Revenire
};

// What the viewer does, without its widgets: paging through the current
// selection, the observations, the status line, the holder with the picture,
// its neighbours read ahead, and the dragging and zooming of it. The window
// forwards its events here, mirrors the texts into its controls and carries
// out the moves to other windows.
class Vizualizator
{
public:
    // What the window has to do after a command.
    enum class Urmare { Ramane, Selectie, Tiparire, Principala };

    Vizualizator(SelectieCurenta &selectie, Panza &panou);

    // --- the window's state, kept between showings
    bool Activat = false;
    QString TextStare;               // the status line; empty after a cancel
    QString Observatii;              // the observations box's text
    bool ObservatiiVizibile = false; // the observations box is shown
    PozaPanoramata Poza;             // the holder: the problem's picture, dragged and zoomed

    CachePoze &Cache() { return m_cache; }

    // Before the first showing.
    void Incarca();
    // Each time the window becomes the active one.
    void Activeaza();

    Urmare Executa(ComandaVizualizare comanda);

    void ArataProblema(int16_t &Pozitie);
    // The shown problem's slot in TabelProbleme; 0 when none is shown.
    int SlotCurent() const;
    // After the shown problem's details changed: the texts again, the picture left as it is.
    void ReafiseazaDetalii();
    // True when the selection dialog is to be shown and the viewer hidden.
    bool DefinesteSelectie();
    void AnuleazaSelectie();
    void ArataAscundeObservatiile();

    // Pointer events of the panel, in its pixels. A move while no drag is in
    // progress answers the pointer shape to show; during a drag, nothing.
    void Apasa(double x, double y);
    std::optional<Qt::CursorShape> Misca(double x, double y);
    void Elibereaza(double x, double y);
    // An arrow key: the picture moves by (dx, dy) from where it rests, as
    // after a drag. Nothing while a drag is in progress or nothing is shown.
    void Panoreaza(int dx, int dy);

private:
    // A picture that is missing, not understood, cut short or too large
    // leaves the holder empty and so the panel blank.
    CachePoze::PozaGata IncarcaPoza(const QString &cale);
    QString CalePoza(int16_t pozitie) const;
    void CompuneTexte(const Problema &p);

    Colectie &m_definitii;
    SelectieCurenta &m_selectie;
    CachePoze m_cache;
    // Where the last problem shown stood: paging goes on the way it went.
    int16_t m_aratata = 0;
};

} // namespace tezaurel
