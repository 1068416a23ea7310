#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace tezaurel {

// What a problem's picture is in Probleme/, decided here alone, whichever way
// it came (the editor, an import, a package, the demonstration tool): the
// Windows program reads JPEG or bitmap content and its editor opens only
// .jpg/.jpeg names, so a collection written here must hold nothing else.
// JPEG and bitmap keep their own bytes, anything else becomes a JPEG. A JPEG
// that asks through EXIF to be shown turned is turned losslessly and its tag
// reset: the Windows program ignores the tag and would show it on its side.
struct PozaStocata
{
    QByteArray Octeti;
    QString Nume;
};

// Nothing when octeti is no picture Qt reads.
std::optional<PozaStocata> PozaDeStocat(const QString &numeDorit, const QByteArray &octeti);

// A .jpg or .jpeg name stays as the teacher gave it; any other picture
// extension becomes .jpg, and a name without one (or with another) gets it.
QString NumeDeStocat(const QString &numeDorit);
bool AreNumeDeStocat(const QString &nume);

// The picture as a JPEG whose text stays sharp: grey when every pixel is grey
// (a third of the size, and what a scan of a page usually is), transparent
// parts on white. Empty when it cannot be encoded.
QByteArray CodificaJpeg(const QImage &poza);

// Whether octeti already are what PozaDeStocat would keep, from their first
// bytes alone: JPEG upright, or bitmap.
bool EsteStocataCorect(const QByteArray &inceput);

// The EXIF orientation of a JPEG (1 to 8; 1 when it has none) and where its
// value lies in octeti (-1 when nowhere).
struct OrientareExif
{
    int Valoare = 1;
    qsizetype Pozitie = -1;
    bool BigEndian = false;
};
OrientareExif CitesteOrientarea(const QByteArray &jpeg);

} // namespace tezaurel
