#include "store/CitirePoza.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PozeGresite.h"

#include <QDir>

#include <gtest/gtest.h>

#include <climits>

#include <sys/stat.h>

namespace {

using Stare = PozaCitita::Stare;

const QImage Model = PozaModel(120, 90);

struct Fisier
{
    const char *nume;
    QByteArray octeti;
    Stare asteptat;
    QSize marime; // checked when valid
};

class CitirePoza : public ::testing::TestWithParam<Fisier>
{
protected:
    DosarTest dosar;
};

TEST_P(CitirePoza, FiecareFisierDaRezultatulSau)
{
    const Fisier &f = GetParam();
    // Every file carries a .jpg name: the content alone decides.
    const QString cale = dosar.Cale() + "/Probleme/" + f.nume + ".jpg";
    dosar.ScrieOcteti(QStringLiteral("Probleme/") + f.nume + ".jpg", f.octeti);
    const PozaCitita citita = CitestePoza(cale);
    EXPECT_EQ(citita.Rezultat, f.asteptat);
    EXPECT_EQ(citita.Poza.isNull(), f.asteptat != Stare::Citita);
    if (f.marime.isValid()) {
        EXPECT_EQ(citita.Marime, f.marime);
    }
    if (f.asteptat == Stare::Citita) {
        EXPECT_EQ(citita.Poza.size(), f.marime);
    }
}

const QByteArray Jpeg = OctetiPoza(Model, "JPEG");
const QByteArray JpegProgresiv = OctetiPoza(Model, "JPEG", true);
const QByteArray Bmp = OctetiPoza(Model, "BMP");
const QByteArray Png = OctetiPoza(Model, "PNG");

INSTANTIATE_TEST_SUITE_P(
    Fisiere, CitirePoza,
    ::testing::Values(
        Fisier{"jpeg", Jpeg, Stare::Citita, {120, 90}},
        Fisier{"progresiv", JpegProgresiv, Stare::Citita, {120, 90}},
        Fisier{"bmp", Bmp, Stare::Citita, {120, 90}}, Fisier{"png", Png, Stare::Citita, {120, 90}},
        // Bytes after the end marker, as some cameras append, do not matter.
        Fisier{"coada", Jpeg + QByteArray(300, '\0'), Stare::Citita, {120, 90}},
        Fisier{"gol", {}, Stare::Goala, {}}, Fisier{"text", "nu este o poza", Stare::Necitita, {}},
        Fisier{"zerouri", QByteArray(4096, '\0'), Stare::Necitita, {}},
        // Qt would paint the missing part grey and call the picture read.
        Fisier{"jpegjumatate", Jpeg.left(Jpeg.size() / 2), Stare::Incompleta, {}},
        Fisier{"jpegantet", Jpeg.left(700), Stare::Incompleta, {}},
        Fisier{"jpegfarasfarsit", Jpeg.chopped(2), Stare::Incompleta, {120, 90}},
        Fisier{"progresivjumatate",
               JpegProgresiv.left(JpegProgresiv.size() / 2),
               Stare::Incompleta,
               {120, 90}},
        Fisier{"bmpjumatate", Bmp.left(Bmp.size() / 2), Stare::Incompleta, {120, 90}},
        Fisier{"pngjumatate", Png.left(Png.size() / 2), Stare::Necitita, {}},
        // A few kilobytes each, declaring gigabytes of pixels.
        Fisier{"jpeguriasa", JpegCuMarimea(60000, 60000), Stare::PreaMare, {60000, 60000}},
        Fisier{"bmpuriasa", BmpCuMarimea(100000, 100000), Stare::PreaMare, {100000, 100000}},
        Fisier{"bmpinalta", BmpCuMarimea(1, -70000001), Stare::PreaMare, {1, 70000001}},
        Fisier{"pnguriasa", PngCuMarimea(200000, 200000), Stare::PreaMare, {200000, 200000}},
        // Dimensions no picture has, whose row arithmetic overflows 64 bits.
        Fisier{"bmpfalsificat", BmpCuMarimea(INT_MIN, INT_MIN), Stare::Incompleta, {}},
        Fisier{"pestelimita", BmpCuMarimea(8367, 8367), Stare::PreaMare, {8367, 8367}}),
    [](const auto &caz) { return std::string(caz.param.nume); });

TEST(LimitaPoza, PaginaA3La600DpiIncapeOPozaMaiMareNu)
{
    const struct
    {
        QSize marime;
        bool acceptata;
    } cazuri[] = {
        {{2480, 3508}, true},  // A4 at 300 dpi
        {{4960, 7016}, true},  // A4 at 600 dpi
        {{8000, 6000}, true},  // a 48-megapixel phone photo
        {{7016, 9921}, true},  // A3 at 600 dpi
        {{8366, 8366}, true},  // 69,989,956 pixels
        {{8367, 8367}, false}, // 70,006,689
        {{1, 70000000}, true},   {{1, 70000001}, false},
        {{65535, 65535}, false}, // the largest a JPEG can declare
    };
    for (const auto &c : cazuri)
        EXPECT_EQ(MarimeAcceptata(c.marime), c.acceptata)
            << c.marime.width() << "x" << c.marime.height();
    EXPECT_EQ(MesajPozaPreaMare("/a/Probleme/p.jpg", QSize(8400, 8400)),
              "Imaginea este prea mare: /a/Probleme/p.jpg are 8400 x 8400 pixeli, iar Tezaurel "
              "poate incarca cel mult 70 de milioane de pixeli (o pagina A3 scanata la 600 dpi). "
              "Scanati problema la o rezolutie mai mica.");
}

// Above Qt's default limit of 128 MB once held at 4 bytes a pixel.
TEST(LimitaPoza, OPaginaA4ScanataLa600DpiSeCiteste)
{
    DosarTest dosar;
    QImage pagina(4960, 7016, QImage::Format_RGB32);
    pagina.fill(Qt::white);
    pagina.setPixel(4959, 7015, qRgb(0, 0, 0));
    dosar.ScrieOcteti("Probleme/a4.jpg", OctetiPoza(pagina, "JPEG"));
    const PozaCitita citita = CitestePoza(dosar.Cale() + "/Probleme/a4.jpg");
    ASSERT_EQ(citita.Rezultat, Stare::Citita);
    EXPECT_EQ(citita.Poza.size(), QSize(4960, 7016));
}

TEST(LimitaPoza, CeNuEsteFisierNuSeDeschide)
{
    DosarTest dosar;
    EXPECT_EQ(CitestePoza(dosar.Cale() + "/Probleme/lipsa.jpg").Rezultat, Stare::Lipsa);
    QDir(dosar.Cale()).mkpath("Probleme/dosar.jpg");
    EXPECT_EQ(CitestePoza(dosar.Cale() + "/Probleme/dosar.jpg").Rezultat, Stare::Lipsa);
    // Opening a pipe for reading would wait for a writer for ever.
    const QString teava = dosar.Cale() + "/Probleme/teava.jpg";
    ASSERT_EQ(mkfifo(QFile::encodeName(teava).constData(), 0600), 0);
    EXPECT_EQ(CitestePoza(teava).Rezultat, Stare::Lipsa);
}

} // namespace
