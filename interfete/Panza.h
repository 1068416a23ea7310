#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>

namespace tezaurel {

// A drawing surface: what a picture is shown and dragged on. The windows hand
// in their PanzaQt; a test hands in a recording one.
class Panza
{
public:
    virtual ~Panza() = default;

    // Fills the surface with its background colour.
    virtual void Cls() = 0;
    // A plain copy of the marime rectangle at the top-left of sursa with its
    // corner at la, replacing what was there and clipped to the surface.
    virtual void Copiaza(const QImage &sursa, QSize marime, QPoint la) = 0;
    // Makes the latest drawing visible.
    virtual void Refresh() = 0;
    virtual QColor Fundal() const = 0;
};

// The one copy behind Panza::Copiaza, for one image onto another. Between
// images of the same 32-bit format it copies whole rows and allocates nothing,
// so a drag step costs what the visible part costs, however large the picture.
void CopiazaDreptunghi(QImage &tinta, const QImage &sursa, QSize marime, QPoint la);

} // namespace tezaurel
