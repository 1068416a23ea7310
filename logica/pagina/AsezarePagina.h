#pragma once

#include "interfete/Recunoastere.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

namespace tezaurel {

// From a scanned page of a problem book to one box per problem.

// The page in grey with its paper made white: a shadow at the binding, grey
// or yellowed paper and an uneven light are divided out, so what is left dark
// is ink. Any format Qt paints; the result is Format_Grayscale8.
QImage UniformizeazaFundal(const QImage &poza);

// The angle, in degrees within ±10, by which the page's text lines are turned
// (QTransform's sense: positive turns clockwise on the screen), found from the
// lines of ink of an evened page.
double UnghiInclinare(const QImage &gri);

// The evened page turned back by unghi about its centre, the corners white;
// same size, Format_Grayscale8.
QImage Indreapta(const QImage &gri, double unghi);

// One problem as proposed on the straightened page.
struct CutieProblema
{
    QRect Cutie;
    QString Numar; // the number it starts with, as printed; empty when none was read
    QString Text;  // its recognised lines, one a line
    // Why the box may hold two problems, for the teacher; empty when nothing is suspicious.
    QString Avertisment;
};

// One box per problem, in reading order, from the lines recognised on the
// straightened page: a line that starts with a number ("1.", "2)", "12.") at
// the left edge of its column starts a problem, every other line ("a) ...")
// belongs to the problem above it. Two columns are read one after the other.
std::vector<CutieProblema> PropuneCutii(const std::vector<RandRecunoscut> &randuri, QSize pagina);

// The part of the problems' text that lies in cutie, from the lines
// recognised on the page: no second recognition for a box the teacher drew.
QString TextDin(const std::vector<RandRecunoscut> &randuri, const QRect &cutie);

// Where a box the teacher splits is cut: in the middle of the widest gap
// between the recognised lines inside it; its middle when it holds fewer than two.
int LiniaDeImpartire(const std::vector<RandRecunoscut> &randuri, const QRect &cutie);

} // namespace tezaurel
