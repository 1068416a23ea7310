#pragma once

#include "interfete/Recunoastere.h"
#include "logica/lucrari/AsezareLucrare.h"
#include "logica/lucrari/Lucrare.h"

#include <QImage>
#include <QString>

#include <functional>
#include <map>
#include <vector>

class QPainter;

namespace tezaurel {

class Imprimanta;

// A problem's picture as it prints: trimmed to its ink, the scan's own number
// covered, brought to print resolution.
struct PozaPregatita
{
    QImage Poza;         // null: the picture cannot be read
    QSize Marime;        // in twips, as printed when a page has room for it
    int PrimulRand = -1; // twips from the top to the middle of its first line; -1: none
};
// Kept between two drawings of the same paper, so the preview follows each change quickly.
using PozePregatite = std::map<QString, PozaPregatita>;
// Draws page i of a document on a painter whose device has the sheet foaie.
using DesenarePagina = std::function<void(QPainter &pictor, int i, QSize foaie)>;
// The pages in a PDF written in one checked step: a failure leaves no
// half-written file; motiv, when given, gets why the file could not be written.
bool ScriePdfPagini(int nrPagini, const DesenarePagina &deseneaza, const QString &titlu,
                    const QString &cale, QString *motiv);
// Every page on the current printer, in the copies asked for.
bool TiparestePagini(int nrPagini, const DesenarePagina &deseneaza, Imprimanta &imprimanta,
                     int exemplare);

// The words recognised on a picture of Probleme/, with their boxes; none when unknown.
using CuvintePoza = std::function<std::vector<CuvantRecunoscut>(const QString &poza)>;

// Draws a test paper: the header on the first page, the problems in their
// places, the page number at the foot, on any device: a printer, a PDF file,
// a preview picture. Header, numbers and page numbers are text, so a PDF
// reader can find them.
class RedareLucrare
{
public:
    // Pictures are printed at this resolution at most: a 300-dpi scan is
    // brought down to it, which keeps a PDF of six scanned pages small.
    static constexpr int PunctePeInch = 200;
    // A scan of black text on white is printed in black and white, finer:
    // one bit a pixel, losslessly compressed, is both sharper and smaller.
    static constexpr int PunctePeInchText = 300;

    // The pictures are read and prepared here; cuvinte, when given, finds the
    // numbers the scans print (see Lucrare::AscundeNumerele).
    RedareLucrare(const Lucrare &lucrare, const QString &dosarProbleme,
                  const MarginiLucrare &margini, PozePregatite *pastrate = nullptr,
                  const CuvintePoza &cuvinte = {});

    int NrPagini() const { return m_asezare.NrPagini; }
    const Lucrare &LucrareaRedata() const { return m_lucrare; }
    // Problem i's picture as it prints; null when no problem is chosen there.
    const PozaPregatita *PozaProblemei(size_t i) const { return m_pregatite[i]; }

    // The painter's window becomes the sheet in twips over marimeFoaie, the
    // device's whole sheet in its own units.
    void Deseneaza(QPainter &pictor, int pagina, QSize marimeFoaie);
    QImage Previzualizare(int pagina, int latimePixeli);
    // Writes the PDF in one step: a failure leaves no half-written file.
    bool ScriePdf(const QString &cale) { return ScriePdf({this}, cale); }
    // Every page on the current printer, in the copies asked for.
    bool Tipareste(Imprimanta &imprimanta, int exemplare)
    {
        return Tipareste({this}, imprimanta, exemplare);
    }
    // The variants of a paper one after another in one document, each with
    // its own page numbers.
    // motiv, when given, gets why the file could not be written.
    static bool ScriePdf(const std::vector<RedareLucrare *> &variante, const QString &cale,
                         QString *motiv = nullptr);
    static bool Tipareste(const std::vector<RedareLucrare *> &variante, Imprimanta &imprimanta,
                          int exemplare);

    static int InaltimeAntet(const AntetLucrare &antet);

    // Prepares one picture for a zone of the given width; public for the
    // grading scheme, which prints the solutions' scans the same way.
    static PozaPregatita Pregateste(QImage poza, int latimeZona,
                                    const std::vector<CuvantRecunoscut> &cuvinte);

private:
    // Each problem's scan in m_pregatite, those not prepared yet several at once.
    void PregatesteToate(const Lucrare &lucrare, const CuvintePoza &cuvinte);
    void DeseneazaAntet(QPainter &pictor);
    void DeseneazaProblema(QPainter &pictor, size_t i);

    const Lucrare &m_lucrare;
    QString m_dosar;
    AsezareLucrare m_asezare;
    PozePregatite m_proprii;
    PozePregatite &m_poze;
    int m_latimeZona = 0;
    std::vector<const PozaPregatita *> m_pregatite; // one a problem; null: no problem chosen
};

} // namespace tezaurel
