#pragma once

#include <QPoint>

#include <cstdint>
#include <optional>

namespace tezaurel {

// Dragging a picture about its surface. The picture stays at its shown size in
// a hidden holder and each step copies it whole to a new position; this class
// only decides where. One instance per window, all zero when it is created.
class Panoramare
{
public:
    bool Tragere = false;
    int16_t XStart = 0;
    int16_t YStart = 0;
    int32_t DeplasareX = 0;
    int32_t DeplasareY = 0;

    // Any mouse button. Nothing is drawn.
    void Apasa(double x, double y);
    // Where to draw the picture after clearing the canvas; nothing while idle.
    std::optional<QPoint> Misca(double x, double y) const;
    // Ends the drag, pressed or not, and commits the position. The picture is
    // drawn there without clearing the canvas first.
    QPoint Elibereaza(double x, double y);
    // The window became active: the drag ends without committing.
    void Activare() { Tragere = false; }
    // A new picture starts at the canvas's corner.
    void ImagineNoua() { DeplasareX = DeplasareY = 0; }

    // The picture's corner for a pointer at (x, y), halves rounded to even.
    QPoint Pozitie(double x, double y) const;
};

} // namespace tezaurel
