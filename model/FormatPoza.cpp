#include "model/FormatPoza.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <turbojpeg.h>

namespace tezaurel {

namespace {

// High enough that the thin strokes of a scanned text keep their edges.
constexpr int CalitateJpeg = 92;

QByteArray Format(QByteArray octeti)
{
    QBuffer buffer(&octeti);
    QImageReader cititor(&buffer);
    cititor.setDecideFormatFromContent(true);
    return cititor.format();
}

quint32 Citeste(const QByteArray &o, qsizetype p, int octeti, bool bigEndian)
{
    quint32 valoare = 0;
    for (int i = 0; i < octeti; ++i) {
        const quint32 b = quint8(o[p + (bigEndian ? i : octeti - 1 - i)]);
        valoare = (valoare << 8) | b;
    }
    return valoare;
}

// The orientation in the first IFD of the TIFF block that starts at tiff.
OrientareExif OrientareDinTiff(const QByteArray &o, qsizetype tiff, qsizetype sfarsit)
{
    OrientareExif r;
    if (tiff + 8 > sfarsit || (o.mid(tiff, 2) != "MM" && o.mid(tiff, 2) != "II"))
        return r;
    const bool be = o[tiff] == 'M';
    const qsizetype ifd = tiff + Citeste(o, tiff + 4, 4, be);
    if (ifd < tiff || ifd + 2 > sfarsit)
        return r;
    const quint32 intrari = Citeste(o, ifd, 2, be);
    for (quint32 i = 0; i < intrari && ifd + 2 + 12 * (i + 1) <= sfarsit; ++i) {
        const qsizetype e = ifd + 2 + 12 * i;
        if (Citeste(o, e, 2, be) == 0x0112 && Citeste(o, e + 2, 2, be) == 3) {
            r.Valoare = int(Citeste(o, e + 8, 2, be));
            r.Pozitie = e + 8;
            r.BigEndian = be;
            if (r.Valoare < 1 || r.Valoare > 8)
                r.Valoare = 1; // nonsense is shown as stored, as every viewer does
            return r;
        }
    }
    return r;
}

// Turned by moving the DCT blocks, never decoded: the pixels stay exactly the
// scan's. Edge blocks that cannot move whole are trimmed (under 16 pixels of
// margin) rather than left unturned at the edge.
std::optional<QByteArray> IndreaptaFaraPierderi(const QByteArray &jpeg, const OrientareExif &o)
{
    static constexpr int Operatii[] = {TJXOP_NONE,   TJXOP_NONE,       TJXOP_HFLIP,
                                       TJXOP_ROT180, TJXOP_VFLIP,      TJXOP_TRANSPOSE,
                                       TJXOP_ROT90,  TJXOP_TRANSVERSE, TJXOP_ROT270};
    tjhandle transformare = tjInitTransform();
    if (!transformare)
        return std::nullopt;
    std::optional<QByteArray> rezultat;
    for (const int optiuni : {TJXOPT_PERFECT, TJXOPT_TRIM}) {
        tjtransform t{};
        t.op = Operatii[o.Valoare];
        t.options = optiuni;
        unsigned char *iesire = nullptr;
        unsigned long marime = 0;
        if (tjTransform(transformare, reinterpret_cast<const unsigned char *>(jpeg.constData()),
                        (unsigned long)jpeg.size(), 1, &iesire, &marime, &t, 0) == 0)
            rezultat = QByteArray(reinterpret_cast<const char *>(iesire), qsizetype(marime));
        tjFree(iesire);
        if (rezultat)
            break;
    }
    tjDestroy(transformare);
    if (!rezultat)
        return std::nullopt;
    // The markers came along: the tag now says the picture is upright.
    const OrientareExif copiata = CitesteOrientarea(*rezultat);
    if (copiata.Pozitie < 0)
        return std::nullopt;
    (*rezultat)[copiata.Pozitie] = char(copiata.BigEndian ? 0 : 1);
    (*rezultat)[copiata.Pozitie + 1] = char(copiata.BigEndian ? 1 : 0);
    return rezultat;
}

QImage Decodifica(QByteArray octeti)
{
    QBuffer buffer(&octeti);
    QImageReader cititor(&buffer);
    cititor.setDecideFormatFromContent(true);
    cititor.setAutoTransform(true);
    return cititor.read();
}

} // namespace

OrientareExif CitesteOrientarea(const QByteArray &o)
{
    if (!o.startsWith("\xFF\xD8"))
        return {};
    for (qsizetype p = 2; p + 4 <= o.size();) {
        if (quint8(o[p]) != 0xFF)
            return {};
        const quint8 marcaj = quint8(o[p + 1]);
        if (marcaj == 0xFF) { // fill before a marker
            ++p;
            continue;
        }
        if (marcaj == 0xDA || marcaj == 0xD9)
            return {}; // the picture data: EXIF comes before it
        const qsizetype sfarsit = std::min(o.size(), p + 2 + Citeste(o, p + 2, 2, true));
        if (marcaj == 0xE1 && o.mid(p + 4, 6) == QByteArray("Exif\0\0", 6))
            return OrientareDinTiff(o, p + 10, sfarsit);
        p = sfarsit;
    }
    return {};
}

QString NumeDeStocat(const QString &numeDorit)
{
    if (AreNumeDeStocat(numeDorit))
        return numeDorit;
    const QFileInfo info(numeDorit);
    const QByteArray extensie = info.suffix().toLower().toLatin1();
    if (!info.completeBaseName().isEmpty() &&
        (QImageReader::supportedImageFormats().contains(extensie) || extensie == "tif"))
        return numeDorit.chopped(extensie.size()) + QStringLiteral("jpg");
    return numeDorit + QStringLiteral(".jpg");
}

bool AreNumeDeStocat(const QString &nume)
{
    return nume.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ||
           nume.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive);
}

bool EsteStocataCorect(const QByteArray &inceput)
{
    const QByteArray format = Format(inceput);
    return format == "bmp" || (format == "jpeg" && CitesteOrientarea(inceput).Valoare == 1);
}

QByteArray CodificaJpeg(const QImage &poza)
{
    QImage deScris = poza;
    if (poza.hasAlphaChannel()) {
        deScris = QImage(poza.size(), QImage::Format_RGB32);
        deScris.fill(Qt::white);
        QPainter(&deScris).drawImage(0, 0, poza);
    }
    deScris = deScris.allGray() ? deScris.convertToFormat(QImage::Format_Grayscale8)
                                : deScris.convertToFormat(QImage::Format_RGB32);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    QImageWriter scriitor(&buffer, "jpeg");
    scriitor.setQuality(CalitateJpeg);
    if (deScris.isNull() || !buffer.open(QIODevice::WriteOnly) || !scriitor.write(deScris))
        return {};
    return jpeg;
}

std::optional<PozaStocata> PozaDeStocat(const QString &numeDorit, const QByteArray &octeti)
{
    PozaStocata stocata{octeti, NumeDeStocat(numeDorit)};
    const QByteArray format = Format(octeti);
    if (format == "bmp")
        return stocata;
    if (format == "jpeg") {
        const OrientareExif orientare = CitesteOrientarea(octeti);
        if (orientare.Valoare == 1)
            return stocata;
        if (std::optional<QByteArray> intoarsa = IndreaptaFaraPierderi(octeti, orientare)) {
            stocata.Octeti = std::move(*intoarsa);
            return stocata;
        }
        // A JPEG TurboJPEG cannot take apart is turned as Qt shows it.
    }
    stocata.Octeti = CodificaJpeg(Decodifica(octeti));
    if (stocata.Octeti.isEmpty())
        return std::nullopt;
    return stocata;
}

} // namespace tezaurel
