#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>

namespace tezaurel {

// The most pixels a problem's picture may have. An A3 page scanned at 600 dpi
// (7016 x 9921, 69.6 million) still fits, and so does every A4 scan and phone
// photo. Held at 4 bytes a pixel, such a picture takes 280 MB; the program holds
// at most three at once (the editor's, the viewer's and the page's), under 1 GB
// on a school computer of 4 GB. A file that says it is larger is refused before
// anything is decoded, however small the file itself.
constexpr int64_t PixeliMaximiPoza = 70'000'000;

// The outcome of reading a picture file; the picture itself only when Citita.
struct PozaCitita
{
    enum class Stare {
        Citita,
        Lipsa,      // no such file, or a folder or device in its place
        Goala,      // zero bytes
        Necitita,   // not a picture this program understands, or unreadable
        Incompleta, // a JPEG or bitmap cut short: its end is missing
        PreaMare,   // more than PixeliMaximiPoza pixels
    };

    Stare Rezultat = Stare::Lipsa;
    QImage Poza;
    QSize Marime; // as the file declares it, when it could be told
};

// Every reader of pictures goes through here, so the editor never stores a
// picture that the viewer or the page cannot show. The format is recognised
// by the content, never by the name.
PozaCitita CitestePoza(const QString &cale);
// The same checks without keeping the picture, and a JPEG not decoded at all:
// its segments and scans are walked to its end, which is what tells a whole
// one, so a folder of phone photos is checked quickly. Poza stays empty.
PozaCitita VerificaPoza(const QString &cale);
// The picture in grey levels (Format_Grayscale8), what recognition reads. A
// JPEG is turned grey while it is decoded, never held in colour: a colour A4
// scan costs 9 MB instead of 35 MB beside the pages the teacher is shown.
PozaCitita CitestePozaGri(const QString &cale);

bool MarimeAcceptata(QSize marime);

// The one text for a picture over the limit, wherever it is met.
QString MesajPozaPreaMare(const QString &cale, QSize marime);

// Where a JPEG's bytes end (just past its end marker); -1 when octeti is no
// whole JPEG.
qint64 SfarsitJpeg(const QByteArray &octeti);

} // namespace tezaurel
