#pragma once

#include "logica/import/DetaliiProblema.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QStringList>

#include <vector>

namespace tezaurel {

class Colectie;

// One box of the page as the teacher leaves it.
struct ProblemaDePagina
{
    QRect Cutie; // on the straightened page
    DetaliiProblema Detalii;
    QString Text; // what recognition read inside it
};

struct ImportPagina
{
    QImage Pagina;     // straightened and evened, what the boxes lie on
    QString NumeSursa; // the page's file name; the problems' pictures are named after it
    std::vector<ProblemaDePagina> Probleme;
    // The page's file as it came, kept in Tezaurel.db with the import's record
    // only when the teacher asks; empty otherwise.
    QByteArray Original;
};

struct RaportPagina
{
    QStringList Adaugate; // the pictures' names in the collection
    QStringList Omise;    // "caseta 3: why", in Romanian
};

// The picture of a box: cut from the page with a little paper around it and
// stored as small as it stays readable, grey JPEG, or a one-bit bitmap when
// the crop is only ink and paper and that is smaller.
QByteArray OctetiDecupaj(const QImage &pagina, const QRect &cutie);

// Each box becomes a problem through the collection's one way in, its
// recognised text written to the search index so that it is not read again,
// and the import noted in Tezaurel.db. Stops at the first box the collection
// cannot take; what was added stays.
RaportPagina SalveazaPagina(Colectie &d, const ImportPagina &import);

} // namespace tezaurel
