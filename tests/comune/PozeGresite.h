#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

// Picture files as a teacher's disk may hold them: whole, cut short, empty,
// or declaring a size that would take gigabytes to decode.

inline QByteArray OctetiPoza(const QImage &poza, const char *format, bool progresiv = false)
{
    QByteArray octeti;
    QBuffer buffer(&octeti);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter scriitor(&buffer, format);
    scriitor.setProgressiveScanWrite(progresiv);
    scriitor.write(poza);
    return octeti;
}

// A real baseline JPEG whose frame header is rewritten to declare latime x
// inaltime: a few kilobytes that would decode to latime * inaltime * 4 bytes.
inline QByteArray JpegCuMarimea(int latime, int inaltime)
{
    QByteArray jpeg = OctetiPoza(QImage(16, 16, QImage::Format_RGB32), "JPEG");
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0)
        return {};
    qToBigEndian<quint16>(quint16(inaltime), jpeg.data() + sof + 5);
    qToBigEndian<quint16>(quint16(latime), jpeg.data() + sof + 7);
    return jpeg;
}

// A 24-bit bitmap header declaring latime x inaltime, followed by one row of pixels.
inline QByteArray BmpCuMarimea(qint32 latime, qint32 inaltime)
{
    QByteArray bmp(54, '\0');
    char *o = bmp.data();
    const quint32 rand = (quint32(latime) * 24 + 31) / 32 * 4;
    o[0] = 'B';
    o[1] = 'M';
    qToLittleEndian<quint32>(quint32(54 + quint64(rand) * quint32(inaltime)), o + 2);
    qToLittleEndian<quint32>(54, o + 10);
    qToLittleEndian<quint32>(40, o + 14);
    qToLittleEndian<qint32>(latime, o + 18);
    qToLittleEndian<qint32>(inaltime, o + 22);
    qToLittleEndian<quint16>(1, o + 26);
    qToLittleEndian<quint16>(24, o + 28);
    bmp.append(QByteArray(qMin<quint32>(rand, 1 << 20), '\x7F'));
    return bmp;
}

inline QByteArray BucataPng(const QByteArray &tip, const QByteArray &date)
{
    const QByteArray bucata = tip + date;
    quint32 crc = 0xFFFFFFFF;
    for (char c : bucata) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    QByteArray lungime(4, '\0');
    qToBigEndian<quint32>(quint32(date.size()), lungime.data());
    QByteArray suma(4, '\0');
    qToBigEndian<quint32>(~crc, suma.data());
    return lungime + bucata + suma;
}

// A PNG declaring latime x inaltime whose pixel data is one empty chunk.
inline QByteArray PngCuMarimea(quint32 latime, quint32 inaltime)
{
    QByteArray antet(13, '\0');
    qToBigEndian<quint32>(latime, antet.data());
    qToBigEndian<quint32>(inaltime, antet.data() + 4);
    antet[8] = 8; // bits per channel
    antet[9] = 2; // RGB
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + BucataPng("IHDR", antet) + BucataPng("IDAT", {}) +
           BucataPng("IEND", {});
}

// A JPEG that says, in EXIF data of either byte order, that it is turned
// (6: a quarter, as a phone held upright writes).
inline QByteArray CuOrientare(QByteArray jpeg, int orientare = 6, bool motorola = true)
{
    const QByteArray tiff =
        motorola ? QByteArray("MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 19) +
                       char(orientare) + QByteArray(6, '\0')
                 : QByteArray("II\x2A\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 18) +
                       char(orientare) + QByteArray(7, '\0');
    return jpeg.insert(2, QByteArray("\xFF\xE1\0\"Exif\0\0", 10) + tiff);
}
