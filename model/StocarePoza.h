#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace tezaurel {

// The bytes the editor hands to AdaugareProbleme for the picture it shows:
// the chosen file's own, which FormatPoza keeps when they are JPEG or bitmap,
// or, when sursa is empty (the chosen file is no longer the picture shown),
// poza, the picture as it was decoded, as a JPEG.
// Nothing when sursa cannot be read or poza encoded.
std::optional<QByteArray> OctetiDeStocat(const QString &sursa, const QImage &poza);

} // namespace tezaurel
