#include "model/CitirePoza.h"
#include "model/FormatPoza.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <turbojpeg.h>

#include <climits>
#include <cstring>

namespace tezaurel {

namespace {

// Qt's own guard, for a format that tells its size only while decoding: room
// for the largest accepted picture even at 8 bytes a pixel (16-bit channels).
constexpr int LimitaAlocareMb = int(PixeliMaximiPoza * 8 / (1024 * 1024)) + 1;

bool EsteMarker(uchar octet, uchar de, uchar pana)
{
    return octet >= de && octet <= pana;
}

// libjpeg decodes a cut JPEG without complaint, painting the missing part
// grey; the end-of-image marker after the scans is what tells a whole file.
// Where the picture ends (just past that marker); -1 when it never does.
qint64 SfarsitJpeg(const uchar *d, qint64 n)
{
    if (n < 4 || d[0] != 0xFF || d[1] != 0xD8)
        return -1;
    qint64 i = 2;
    bool inScanare = false;
    while (i < n) {
        if (inScanare) {
            // Inside entropy-coded data 0xFF is followed only by a stuffed
            // zero, a restart marker or a fill byte; anything else ends the scan.
            const void *ff = std::memchr(d + i, 0xFF, size_t(n - i));
            if (!ff)
                return -1;
            i = static_cast<const uchar *>(ff) - d;
            if (i + 1 >= n)
                return -1;
            const uchar m = d[i + 1];
            if (m == 0x00 || EsteMarker(m, 0xD0, 0xD7)) {
                i += 2;
                continue;
            }
            if (m == 0xFF) {
                ++i;
                continue;
            }
            inScanare = false;
            continue;
        }
        // Between segments: skip to a marker and over its fill bytes.
        while (i < n && d[i] != 0xFF)
            ++i;
        while (i < n && d[i] == 0xFF)
            ++i;
        if (i >= n)
            return -1;
        const uchar marker = d[i++];
        if (marker == 0xD9)
            return i;
        if (marker == 0x01 || EsteMarker(marker, 0xD0, 0xD7))
            continue;
        if (i + 2 > n)
            return -1;
        const int lungime = (d[i] << 8) | d[i + 1];
        if (lungime < 2)
            return -1;
        i += lungime;
        if (marker == 0xDA)
            inScanare = true;
    }
    return -1;
}

quint32 Cuvant32(const QByteArray &o, int la)
{
    return quint32(uchar(o[la])) | quint32(uchar(o[la + 1])) << 8 |
           quint32(uchar(o[la + 2])) << 16 | quint32(uchar(o[la + 3])) << 24;
}

quint16 Cuvant16(const QByteArray &o, int la)
{
    return quint16(uchar(o[la]) | uchar(o[la + 1]) << 8);
}

struct AntetBitmap
{
    qint64 InceputDate = 0;
    qint64 Latime = 0;
    qint64 Inaltime = 0; // negative for rows stored top to bottom
    int Biti = 0;
    quint32 Compresie = 0;
};

// The two header layouts in use: the old 12-byte one and BITMAPINFOHEADER
// with its later extensions.
bool CitesteAntetBitmap(const QByteArray &antet, AntetBitmap &b)
{
    if (antet.size() < 26 || !antet.startsWith("BM"))
        return false;
    b.InceputDate = Cuvant32(antet, 10);
    const quint32 marimeAntet = Cuvant32(antet, 14);
    if (marimeAntet == 12) {
        b.Latime = Cuvant16(antet, 18);
        b.Inaltime = Cuvant16(antet, 20);
        b.Biti = Cuvant16(antet, 24);
        return true;
    }
    if (marimeAntet < 40 || antet.size() < 34)
        return false;
    b.Latime = qint32(Cuvant32(antet, 18));
    b.Inaltime = qint32(Cuvant32(antet, 22));
    b.Biti = Cuvant16(antet, 28);
    b.Compresie = Cuvant32(antet, 30);
    return true;
}

// Qt reads a cut bitmap as far as it goes and leaves the rest of the rows
// undefined. An uncompressed bitmap says exactly how long it must be; the
// compressed kinds are left to the decoder.
bool BitmapIntreg(const AntetBitmap &b, qint64 marimeFisier)
{
    if (b.Compresie != 0 && b.Compresie != 3) // BI_RGB, BI_BITFIELDS
        return true;
    const qint64 rand = (qAbs(b.Latime) * b.Biti + 31) / 32 * 4;
    // In floating point: a forged header may multiply past 64 bits.
    return double(marimeFisier) >= double(b.InceputDate) + double(rand) * double(qAbs(b.Inaltime));
}

} // namespace

bool MarimeAcceptata(QSize marime)
{
    return int64_t(marime.width()) * marime.height() <= PixeliMaximiPoza;
}

QString MesajPozaPreaMare(const QString &cale, QSize marime)
{
    return QStringLiteral("Imaginea este prea mare: %1 are %2 x %3 pixeli, iar Tezaurel poate "
                          "incarca cel mult 70 de milioane de pixeli (o pagina A3 scanata la "
                          "600 dpi). Scanati problema la o rezolutie mai mica.")
        .arg(cale)
        .arg(marime.width())
        .arg(marime.height());
}

namespace {
// The size the file's header gives, read before any decoding so that a huge
// picture is refused without its memory; invalid when it gives none.
QSize MarimeDeclarata(QFile &fisier, const AntetBitmap *bitmap)
{
    QSize marime;
    {
        QImageReader cititor(&fisier);
        cititor.setDecideFormatFromContent(true);
        const QSize declarata = cititor.size();
        // A bitmap stored top to bottom declares a negative height.
        if (declarata.width() > 0 && declarata.height() != 0)
            marime = QSize(qAbs(declarata.width()), qAbs(declarata.height()));
    }
    // Qt will not even tell the size of a bitmap over 16384 x 16384.
    if (!marime.isValid() && bitmap && bitmap->Latime > 0 && bitmap->Latime <= INT_MAX &&
        qAbs(bitmap->Inaltime) <= INT_MAX)
        marime = QSize(int(bitmap->Latime), int(qAbs(bitmap->Inaltime)));
    return marime;
}

// False for a JPEG or bitmap whose file was cut short; other formats are
// left to the decoder.
bool EsteIntreaga(QFile &fisier, const QByteArray &antet, const AntetBitmap *bitmap)
{
    bool intreg = true;
    if (antet.startsWith("\xFF\xD8\xFF")) {
        // Mapped, not read: the scan for the end marker costs no copy of the file.
        if (uchar *octeti = fisier.map(0, fisier.size())) {
            intreg = SfarsitJpeg(octeti, fisier.size()) >= 0;
            fisier.unmap(octeti);
        }
    } else if (bitmap) {
        intreg = BitmapIntreg(*bitmap, fisier.size());
    }
    return intreg;
}

// Recognition works from the resolution: a 300-dpi scan that Tesseract takes
// for 96 dpi is read as noise, slower and with five times the memory. What
// the file declares (a JFIF density, a bitmap's pixels per metre), and 300 dpi,
// the usual for a scan, where it declares none and Qt would give the screen's.
void RezolutiaDeclarata(const QByteArray &antet, bool esteBitmap, QImage &gri)
{
    const auto d = reinterpret_cast<const uchar *>(antet.constData());
    int peMetruX = 0, peMetruY = 0;
    if (esteBitmap) {
        // Qt has already taken the bitmap's own, when it gives one.
        if (antet.size() < 42 || Cuvant32(antet, 38) != 0)
            return;
    } else if (!antet.startsWith("\xFF\xD8\xFF")) {
        return;
    } else if (antet.size() >= 18 && d[3] == 0xE0 && antet.mid(6, 5) == QByteArray("JFIF", 5) &&
               (d[13] == 1 || d[13] == 2)) {
        const double unitate = d[13] == 1 ? 100 / 2.54 : 100; // per inch, per centimetre
        peMetruX = qRound((d[14] << 8 | d[15]) * unitate);
        peMetruY = qRound((d[16] << 8 | d[17]) * unitate);
    }
    constexpr int PeMetru300Dpi = 11811;
    gri.setDotsPerMeterX(peMetruX > 0 ? peMetruX : PeMetru300Dpi);
    gri.setDotsPerMeterY(peMetruY > 0 ? peMetruY : PeMetru300Dpi);
}

// libjpeg turns the colours into grey while it decodes, skipping the colour
// planes altogether. Null when it cannot (CMYK, a picture to be turned by its
// EXIF tag): Qt's reader then does the whole work.
QImage JpegGri(QFile &fisier)
{
    QImage gri;
    const qint64 n = fisier.size();
    const uchar *d = fisier.map(0, n);
    if (!d)
        return gri;
    tjhandle tj = tjInitDecompress();
    int latime = 0, inaltime = 0, esantionare = 0, culori = 0;
    if (tj &&
        CitesteOrientarea(QByteArray::fromRawData(reinterpret_cast<const char *>(d), n)).Valoare ==
            1 &&
        tjDecompressHeader3(tj, d, n, &latime, &inaltime, &esantionare, &culori) == 0 &&
        culori != TJCS_CMYK && culori != TJCS_YCCK && MarimeAcceptata(QSize(latime, inaltime))) {
        gri = QImage(latime, inaltime, QImage::Format_Grayscale8);
        // A warning (a stray byte libjpeg skips) still decodes the whole picture.
        if (!gri.isNull() &&
            tjDecompress2(tj, d, n, gri.bits(), latime, int(gri.bytesPerLine()), inaltime,
                          TJPF_GRAY, 0) != 0 &&
            tjGetErrorCode(tj) == TJERR_FATAL)
            gri = QImage();
    }
    if (tj)
        tjDestroy(tj);
    fisier.unmap(const_cast<uchar *>(d));
    return gri;
}

enum class Citire { Intreaga, Verificare, Gri };

PozaCitita Citeste(const QString &cale, Citire fel)
{
    const bool doarVerifica = fel == Citire::Verificare;
    PozaCitita rezultat;
    const QFileInfo info(cale);
    // A folder, a pipe or a device would block or never end; only files hold pictures.
    if (!info.isFile())
        return rezultat;
    if (info.size() == 0) {
        rezultat.Rezultat = PozaCitita::Stare::Goala;
        return rezultat;
    }
    rezultat.Rezultat = PozaCitita::Stare::Necitita;
    QFile fisier(cale);
    if (!fisier.open(QIODevice::ReadOnly))
        return rezultat;
    const QByteArray antet = fisier.peek(64);

    AntetBitmap bitmap;
    const bool esteBitmap = CitesteAntetBitmap(antet, bitmap);
    rezultat.Marime = MarimeDeclarata(fisier, esteBitmap ? &bitmap : nullptr);
    if (rezultat.Marime.isValid() && !MarimeAcceptata(rezultat.Marime)) {
        rezultat.Rezultat = PozaCitita::Stare::PreaMare;
        return rezultat;
    }

    if (!EsteIntreaga(fisier, antet, esteBitmap ? &bitmap : nullptr)) {
        rezultat.Rezultat = PozaCitita::Stare::Incompleta;
        return rezultat;
    }
    // The walk through a JPEG's segments and scans is the check that tells;
    // decoding would add nothing, since libjpeg paints over damaged data.
    if (doarVerifica && antet.startsWith("\xFF\xD8\xFF") && rezultat.Marime.isValid()) {
        rezultat.Rezultat = PozaCitita::Stare::Citita;
        return rezultat;
    }

    if (fel == Citire::Gri && antet.startsWith("\xFF\xD8\xFF")) {
        if (QImage gri = JpegGri(fisier); !gri.isNull()) {
            RezolutiaDeclarata(antet, false, gri);
            rezultat.Marime = gri.size();
            rezultat.Poza = std::move(gri);
            rezultat.Rezultat = PozaCitita::Stare::Citita;
            return rezultat;
        }
    }

    fisier.seek(0);
    QImageReader cititor(&fisier);
    cititor.setDecideFormatFromContent(true);
    cititor.setAllocationLimit(LimitaAlocareMb);
    // A phone photo says in its EXIF data which way is up; the stored file
    // keeps that data, so every reader turns the picture the same way.
    cititor.setAutoTransform(true);
    QImage poza = cititor.read();
    if (poza.isNull())
        return rezultat;
    if (!MarimeAcceptata(poza.size())) {
        rezultat.Marime = poza.size();
        rezultat.Rezultat = PozaCitita::Stare::PreaMare;
        return rezultat;
    }
    if (!doarVerifica) {
        rezultat.Marime = poza.size();
        rezultat.Poza = std::move(poza);
        if (fel == Citire::Gri) {
            rezultat.Poza.convertTo(QImage::Format_Grayscale8);
            RezolutiaDeclarata(antet, esteBitmap, rezultat.Poza);
        }
    }
    rezultat.Rezultat = PozaCitita::Stare::Citita;
    return rezultat;
}
} // namespace

PozaCitita CitestePoza(const QString &cale)
{
    return Citeste(cale, Citire::Intreaga);
}

PozaCitita VerificaPoza(const QString &cale)
{
    return Citeste(cale, Citire::Verificare);
}

PozaCitita CitestePozaGri(const QString &cale)
{
    return Citeste(cale, Citire::Gri);
}

qint64 SfarsitJpeg(const QByteArray &octeti)
{
    return SfarsitJpeg(reinterpret_cast<const uchar *>(octeti.constData()), octeti.size());
}

} // namespace tezaurel
