#pragma once

#include "logica/lucrari/AsezareLucrare.h"
#include "logica/lucrari/Lucrare.h"

#include <QImage>
#include <QString>

#include <map>
#include <vector>

class QPainter;

namespace tezaurel {

class Imprimanta;

// Pictures already read and brought to print resolution, kept between two
// drawings of the same paper so the preview follows each change quickly.
using PozePregatite = std::map<QString, QImage>;

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

    RedareLucrare(const Lucrare &lucrare, const QString &dosarProbleme,
                  const MarginiLucrare &margini, PozePregatite *pastrate = nullptr);

    int NrPagini() const { return m_asezare.NrPagini; }

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

private:
    QImage Poza(int i);
    void DeseneazaAntet(QPainter &pictor);

    const Lucrare &m_lucrare;
    QString m_dosar;
    AsezareLucrare m_asezare;
    PozePregatite m_proprii;
    PozePregatite &m_poze;
};

} // namespace tezaurel
