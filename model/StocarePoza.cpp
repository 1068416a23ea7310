#include "model/StocarePoza.h"

#include "model/FormatPoza.h"

#include <QFile>

namespace tezaurel {

std::optional<QByteArray> OctetiDeStocat(const QString &sursa, const QImage &poza)
{
    if (sursa.isEmpty()) {
        QByteArray jpeg = CodificaJpeg(poza);
        if (jpeg.isEmpty())
            return std::nullopt;
        return jpeg;
    }
    QFile fisierSursa(sursa);
    if (!fisierSursa.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray octeti = fisierSursa.readAll();
    if (fisierSursa.error() != QFileDevice::NoError)
        return std::nullopt;
    return octeti;
}

} // namespace tezaurel
