#include "model/CitirePoza.h"
#include "tests/comune/DosarTest.h"
#include "tests/comune/PozeGresite.h"

#include <QDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tezaurel;

using Stare = PozaCitita::Stare;

// Every file carries a .jpg name: the content alone decides.
TEST(CitirePoza, FiecareFisierDaRezultatulSau)
{
    DosarTest dosar;
    const QImage model = PozaModel(120, 90);
    const QByteArray jpeg = OctetiPoza(model, "JPEG"), progresiv = OctetiPoza(model, "JPEG", true);
    const QByteArray bmp = OctetiPoza(model, "BMP"), png = OctetiPoza(model, "PNG");
    QImage a4(4960, 7016, QImage::Format_RGB32); // above Qt's default limit of 128 MB
    a4.fill(Qt::white);
    QDir(dosar.Cale()).mkpath("Probleme/dosar.jpg");
    // Opening a pipe for reading would wait for a writer for ever.
    ASSERT_EQ(mkfifo(QFile::encodeName(dosar.Cale() + "/Probleme/teava.jpg").constData(), 0600), 0);
    const struct
    {
        const char *nume;
        QByteArray octeti; // null: made above, or missing
        Stare asteptat;
        QSize marime; // checked when valid
    } cazuri[] = {
        {"jpeg", jpeg, Stare::Citita, {120, 90}},
        {"bmp", bmp, Stare::Citita, {120, 90}},
        {"png", png, Stare::Citita, {120, 90}},
        {"progresiv", progresiv, Stare::Citita, {120, 90}},
        {"a4", OctetiPoza(a4, "JPEG"), Stare::Citita, {4960, 7016}},
        // Bytes after the end marker, as some cameras append, do not matter.
        {"coada", jpeg + QByteArray(300, '\0'), Stare::Citita, {120, 90}},
        {"gol", "", Stare::Goala, {}},
        {"text", "nu este o poza", Stare::Necitita, {}},
        {"zerouri", QByteArray(4096, '\0'), Stare::Necitita, {}},
        {"lipsa", {}, Stare::Lipsa, {}},
        {"dosar", {}, Stare::Lipsa, {}},
        {"teava", {}, Stare::Lipsa, {}},
        // Qt would paint the missing part grey and call the picture read.
        {"jpegjumatate", jpeg.left(jpeg.size() / 2), Stare::Incompleta, {}},
        {"jpegantet", jpeg.left(700), Stare::Incompleta, {}},
        {"jpegfarasfarsit", jpeg.chopped(2), Stare::Incompleta, {120, 90}},
        {"progresivjumatate", progresiv.left(progresiv.size() / 2), Stare::Incompleta, {120, 90}},
        {"bmpjumatate", bmp.left(bmp.size() / 2), Stare::Incompleta, {120, 90}},
        {"pngjumatate", png.left(png.size() / 2), Stare::Necitita, {}},
        // A few kilobytes each, declaring gigabytes of pixels.
        {"jpeguriasa", JpegCuMarimea(60000, 60000), Stare::PreaMare, {60000, 60000}},
        {"bmpuriasa", BmpCuMarimea(100000, 100000), Stare::PreaMare, {100000, 100000}},
        {"bmpinalta", BmpCuMarimea(1, -70000001), Stare::PreaMare, {1, 70000001}},
        {"pnguriasa", PngCuMarimea(200000, 200000), Stare::PreaMare, {200000, 200000}},
        // Dimensions no picture has, whose row arithmetic overflows 64 bits.
        {"bmpfalsificat", BmpCuMarimea(INT_MIN, INT_MIN), Stare::Incompleta, {}},
        {"pestelimita", BmpCuMarimea(8367, 8367), Stare::PreaMare, {8367, 8367}}, // 70,006,689
        {"lalimita", BmpCuMarimea(1, -70000000), Stare::Incompleta, {1, 70000000}},
    };
    for (const auto &c : cazuri) {
        SCOPED_TRACE(c.nume);
        const QString cale = dosar.Cale() + "/Probleme/" + c.nume + ".jpg";
        if (!c.octeti.isNull())
            dosar.ScrieOcteti(QStringLiteral("Probleme/") + c.nume + ".jpg", c.octeti);
        const PozaCitita citita = CitestePoza(cale);
        EXPECT_EQ(citita.Rezultat, c.asteptat);
        EXPECT_EQ(VerificaPoza(cale).Rezultat, c.asteptat);
        const PozaCitita gri = CitestePozaGri(cale);
        EXPECT_EQ(gri.Rezultat, c.asteptat);
        EXPECT_EQ(gri.Poza.size(), citita.Poza.size());
        EXPECT_EQ(citita.Poza.isNull(), c.asteptat != Stare::Citita);
        EXPECT_TRUE(!c.marime.isValid() || citita.Marime == c.marime);
        EXPECT_TRUE(c.asteptat != Stare::Citita || citita.Poza.size() == c.marime);
    }
}

// What recognition reads: the picture upright, in the greys of its colours, at
// the resolution the file declares, 300 dpi where it declares none.
TEST(CitirePoza, GriIndreptataCuRezolutiaDeclarata)
{
    DosarTest dosar;
    const auto la = [](int dpi) {
        QImage p = PozaModel(120, 90);
        p.setDotsPerMeterX(qRound(dpi / 0.0254));
        p.setDotsPerMeterY(qRound(dpi / 0.0254));
        return p;
    };
    QByteArray jpegFara = OctetiPoza(la(200), "JPEG"), bmpFara = OctetiPoza(la(200), "BMP");
    jpegFara[13] = 0;                            // JFIF units: an aspect ratio only
    bmpFara.replace(38, 8, QByteArray(8, '\0')); // no pixels per metre
    const struct
    {
        const char *nume;
        QByteArray octeti;
        QSize marime;
        int dpi;
    } cazuri[] = {
        {"jpeg", OctetiPoza(la(200), "JPEG"), {120, 90}, 200},
        {"jpegfara", jpegFara, {120, 90}, 300},
        {"progresiv", OctetiPoza(la(150), "JPEG", true), {120, 90}, 150},
        // Its JFIF header no longer first, as a camera writes them.
        {"culcata", CuOrientare(OctetiPoza(la(200), "JPEG"), 6), {90, 120}, 300},
        {"bmp", OctetiPoza(la(150), "BMP"), {120, 90}, 150},
        {"bmpfara", bmpFara, {120, 90}, 300},
    };
    for (const auto &c : cazuri) {
        SCOPED_TRACE(c.nume);
        const QString nume = QStringLiteral("Probleme/") + c.nume + ".jpg";
        dosar.ScrieOcteti(nume, c.octeti);
        const QImage gri = CitestePozaGri(dosar.Cale() + "/" + nume).Poza;
        const QImage culori = CitestePoza(dosar.Cale() + "/" + nume).Poza;
        ASSERT_EQ(gri.format(), QImage::Format_Grayscale8);
        EXPECT_EQ(gri.size(), c.marime);
        EXPECT_EQ(qRound(gri.dotsPerMeterX() * 0.0254), c.dpi);
        EXPECT_EQ(qRound(gri.dotsPerMeterY() * 0.0254), c.dpi);
        // libjpeg gives the luma itself; Qt's conversion, for the rest, weighs
        // the colours its own way, 7 levels away on average.
        double abatere = 0;
        for (int y = 0; y < culori.height(); ++y)
            for (int x = 0; x < culori.width(); ++x) {
                const QRgb p = culori.pixel(x, y);
                abatere += qAbs(qGray(gri.pixel(x, y)) -
                                (299 * qRed(p) + 587 * qGreen(p) + 114 * qBlue(p) + 500) / 1000);
            }
        EXPECT_LT(abatere / (culori.width() * culori.height()), 8);
    }
}
