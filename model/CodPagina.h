#pragma once

#include <QByteArray>
#include <QString>

namespace tezaurel {

// Texts on disk are in the Central European Windows code page (1250), so a
// collection made on a Romanian Windows machine opens unchanged.

// Every byte decodes: the five bytes the code page leaves undefined become the
// C1 control with the same number, so re-encoding gives the same bytes back.
QString DecodificaAnsi(const char *octeti, int lungime);

// One byte per character. The comma-below letters (ș ț Ș Ț), which the code
// page lacks, are written as its cedilla letters (ş ţ Ş Ţ); any other
// character the code page cannot hold is written as '?'.
QByteArray CodificaAnsi(const QString &text);
char CodificaCaracterAnsi(char16_t caracter);

} // namespace tezaurel
