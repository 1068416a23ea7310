#include "model/StocarePoza.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

namespace tezaurel {

namespace {
bool SePastreazaOctetii(QByteArray octeti)
{
    QBuffer buffer(&octeti);
    QImageReader cititor(&buffer);
    cititor.setDecideFormatFromContent(true);
    const QByteArray format = cititor.format();
    return format == "jpeg" || format == "png" || format == "bmp";
}
} // namespace

std::optional<QByteArray> OctetiDeStocat(const QString &sursa, const QImage &poza)
{
    QByteArray octeti;
    if (!sursa.isEmpty()) {
        QFile fisierSursa(sursa);
        if (!fisierSursa.open(QIODevice::ReadOnly))
            return std::nullopt;
        octeti = fisierSursa.readAll();
        if (fisierSursa.error() != QFileDevice::NoError)
            return std::nullopt;
    }
    if (SePastreazaOctetii(octeti))
        return octeti;
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    if (!buffer.open(QIODevice::WriteOnly) || !QImageWriter(&buffer, "BMP").write(poza))
        return std::nullopt;
    return bitmap;
}

} // namespace tezaurel
