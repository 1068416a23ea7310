#pragma once

#include "logica/tiparire/GeometriePagina.h"

#include <QImage>
#include <QString>

namespace tezaurel {

class Imprimanta;
class SelectieCurenta;
struct DatePagina;

// The page as saved to a file: white, at the screen's 15 twips to the pixel.
QImage PaginaFisier(const AsezarePagina &asezare, const QString &antet, const QImage &poza);

// One page with the problem the viewer shows under the header text: on the
// current printer in the copies asked for, or saved as bitmap data to
// teste/<name>.jpg, the user being told how the saving went. Printer failures
// are not reported; the page of a picture that cannot be read carries the header alone.
void CompunePagina(bool LaImprimanta, const DatePagina &date, const SelectieCurenta &selectie,
                   Imprimanta &imprimanta);

} // namespace tezaurel
