#include "store/StocarePoza.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

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

bool StocheazaPoza(const QString &sursa, const QImage &poza, const QString &destinatie)
{
    QByteArray octeti;
    if (!sursa.isEmpty()) {
        QFile fisierSursa(sursa);
        if (!fisierSursa.open(QIODevice::ReadOnly))
            return false;
        octeti = fisierSursa.readAll();
    }

    QSaveFile fisier(destinatie);
    if (!fisier.open(QIODevice::WriteOnly))
        return false;
    const bool scris = SePastreazaOctetii(octeti) ? fisier.write(octeti) == octeti.size()
                                                  : QImageWriter(&fisier, "BMP").write(poza);
    if (!scris) {
        fisier.cancelWriting();
        return false;
    }
    return fisier.commit();
}

bool ScrieOctetiPoza(const QByteArray &octeti, const QString &destinatie)
{
    QSaveFile fisier(destinatie);
    return fisier.open(QIODevice::WriteOnly) && fisier.write(octeti) == octeti.size()
           && fisier.commit();
}
