#pragma once

#include "interfete/Recunoastere.h"

#include <QImage>
#include <QRect>

#include <vector>

namespace tezaurel {

// A page of a problem book as a teacher scans it, drawn with the answer known:
// numbered problems of one to six lines, formulas written as text, in one or
// two columns, then turned, greyed, shadowed at one edge and speckled.
struct PaginaGenerata
{
    QImage Poza;      // as the scanner gives it, Format_Grayscale8
    double Unghi = 0; // degrees the text was turned by (QTransform's sense)
    int Coloane = 1;
    // The ink of each problem and of each line on the page before it was turned.
    std::vector<QRect> Probleme;
    std::vector<RandRecunoscut> Randuri;
};

// The same samanta draws the same page. Odd seeds give two columns.
PaginaGenerata GenereazaPagina(quint32 samanta, int dpi = 300);

} // namespace tezaurel
