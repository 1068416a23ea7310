#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace tezaurel {

// The bytes a problem's picture is stored as in Probleme/ (by AdaugareProbleme).
// A JPEG, PNG or bitmap keeps its own bytes: a 300-dpi scan stays a few
// hundred kilobytes instead of a 26 MB bitmap, and readers recognise the
// format by content whatever the name says. Any other format Qt reads is
// stored as a bitmap of poza, the picture as it was decoded, and so is poza
// when sursa is empty (the chosen file is no longer the picture shown).
// Nothing when sursa cannot be read or poza encoded.
std::optional<QByteArray> OctetiDeStocat(const QString &sursa, const QImage &poza);

} // namespace tezaurel
