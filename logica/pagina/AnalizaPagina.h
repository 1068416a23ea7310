#pragma once

#include "interfete/Recunoastere.h"
#include "logica/pagina/AsezarePagina.h"

#include <QImage>
#include <QString>

#include <atomic>
#include <optional>
#include <vector>

namespace tezaurel {

// A page as the window works on it: straightened, evened, read once.
struct PaginaAnalizata
{
    QImage Pagina;    // straightened and evened, Format_Grayscale8
    double Unghi = 0; // how far the page was turned, in degrees
    std::vector<RandRecunoscut> Randuri;
    std::vector<CutieProblema> Cutii;
    QString Eroare; // why no boxes were proposed, for the teacher; empty when they were
};

// Evens, straightens and recognises the page once, and proposes its boxes.
// Without an engine, or when it reads nothing, the page is still straightened
// and Eroare says why the teacher must draw the boxes. Nothing once oprire
// turns true.
std::optional<PaginaAnalizata> AnalizeazaPagina(const QImage &poza, Recunoastere *motor,
                                                const std::atomic<bool> &oprire);

// The picture of a page file: any picture Qt reads, or the first page of a
// PDF (drawn at 300 dpi by poppler's pdftoppm). A null picture and eroare
// set, in Romanian, when it cannot be read.
QImage CitestePagina(const QString &cale, QString &eroare);

} // namespace tezaurel
