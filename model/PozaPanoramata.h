#pragma once

#include "model/Panoramare.h"
#include "model/Scara.h"

#include <QImage>

namespace tezaurel {

class Panza;

// A picture shown on a Panza, dragged about and zoomed: what the editor and
// the viewer share. The holder keeps the picture at natural size and, beside
// it, the picture as shown, scaled once per zoom change so that every drag
// step is a plain copy of rows that allocates nothing, at any zoom.
class PozaPanoramata
{
public:
    explicit PozaPanoramata(Panza &panza);

    Panoramare Panorama;

    const QImage &Naturala() const { return m_naturala; }
    const QImage &Afisata() const { return m_afisata; }
    const Scara &Zoom() const { return m_scara; }

    // A new picture, drawn at the panel's corner at the zoom chosen so far.
    // An empty one leaves the panel blank. afisata: the picture already
    // scaled by factor, used when that is the zoom it is shown at.
    void Arata(QImage poza, QImage afisata = {}, double factor = 1.0);
    // Releases the picture and blanks the panel.
    void Goleste();
    // Blanks the panel; the holder keeps its size, filled with background,
    // and is dragged about as a blank surface.
    void Albeste();

    // Pointer events, in panel pixels.
    void Apasa(double x, double y) { Panorama.Apasa(x, y); }
    void Misca(double x, double y);
    void Elibereaza(double x, double y);
    void Activare() { Panorama.Activare(); }
    // A step of the arrow keys: the picture moves as under a drag.
    void Deplaseaza(int dx, int dy);

    // Zoom commands about the panel's corner, and the wheel about the
    // pointer. latimePanou: the width of the panel's visible part.
    void Mareste() { Redeseneaza(m_scara.Mareste(m_naturala.size()), {}); }
    void Micsoreaza() { Redeseneaza(m_scara.Micsoreaza(m_naturala.size()), {}); }
    void MarimeNaturala() { Redeseneaza(m_scara.MarimeNaturala(), {}); }
    void PotrivesteLaLatime(int latimePanou);
    void Rotita(int unghi, QPointF la)
    {
        Redeseneaza(m_scara.Rotita(m_naturala.size(), unghi), la);
    }

    // The one smooth scaling, in the picture's own pixel format.
    static QImage Scalata(const QImage &poza, double factor);

private:
    void Scaleaza();
    // After a zoom command: the point under centru stays put.
    void Redeseneaza(bool schimbat, QPointF centru);
    void Deseneaza(QPoint la);

    Panza &m_panza;
    Scara m_scara;
    QImage m_naturala;
    QImage m_afisata;
    double m_factorAfisat = 1.0; // the factor m_afisata was scaled with
};

} // namespace tezaurel
