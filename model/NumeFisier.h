#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace tezaurel {

// Every picture name that comes from outside the program (another collection's
// record, a package, a probleme.csv row, a folder being imported, the file the
// editor is given) becomes a path under Probleme/. It is taken only when it is
// one plain file name that a record gives back unchanged: a name that climbs
// out (".."), names a sub-folder, or holds a byte a path or a report cannot
// carry would make the program read, write or delete beside the collection.
// Why nume cannot be a picture's name here; nothing when it can.
std::optional<QString> MotivNumeNepermis(const QString &nume);

// The text with NUL and the other control characters written out ("\0",
// "\x1B"), so a report line shows what was there instead of ending early.
QString TextAfisabil(const QString &text);

// A file given from outside is read only when it is a regular file (a device,
// a FIFO or a socket could block forever or never end) and, when it is reached
// through a link, one lying inside dosar, the folder the user chose.
// Why cale cannot be read; nothing when it can. Nothing is opened.
std::optional<QString> MotivNuEFisierObisnuit(const QString &cale, const QString &dosar);

// The largest picture taken from outside, by the bytes it really has.
constexpr qint64 OctetiMaximiPozaPrimita = 300LL * 1024 * 1024;

// The bytes of such a file, at most limita of them whatever its size says, read
// in pieces so that anulat (when given) is asked between them.
struct FisierCitit
{
    std::optional<QByteArray> Octeti;
    QString Motiv; // why not, when Octeti is empty
    bool Anulat = false;
};
FisierCitit CitesteFisierSursa(const QString &cale, const QString &dosar, qint64 limita,
                               const std::function<bool()> &anulat = {});

// A picture carries its own bytes; what a JPEG has after its end marker no
// reader shows, so more than a little of it is someone's payload, not a picture.
constexpr qint64 OctetiMaximiDupaSfarsit = 64 * 1024;
// Why octeti is refused for what follows its JPEG end; nothing for any other picture.
std::optional<QString> MotivDateDupaSfarsit(const QByteArray &octeti);

// A size as the user reads it: whole megabytes as such, anything else with
// enough decimals that it never looks equal to the limit it exceeds.
QString MarimeInMb(qint64 octeti);

} // namespace tezaurel
