#pragma once

#include <QImage>
#include <QString>

// Puts a problem's picture into Probleme/. A JPEG, PNG or bitmap keeps its own
// bytes: a 300-dpi scan stays a few hundred kilobytes instead of a 26 MB
// bitmap, and readers recognise the format by content whatever the name says.
// Any other format Qt reads is written as a bitmap of poza, the picture as it
// was decoded, and so is poza when sursa is empty (the chosen file is no
// longer the picture shown). The file is written aside and renamed into
// place, so a failure or a crash never leaves half a picture under the
// problem's name.
// False when destinatie could not be written; nothing is left behind then.
bool StocheazaPoza(const QString &sursa, const QImage &poza, const QString &destinatie);

// The same for a picture's bytes already in memory (one taken out of a package).
bool ScrieOctetiPoza(const QByteArray &octeti, const QString &destinatie);
