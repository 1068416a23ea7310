#include "store/CitirePoza.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PozeGresite.h"

#include <QDir>

#include <gtest/gtest.h>

#include <climits>

#include <sys/stat.h>

namespace {

using Stare = PozaCitita::Stare;

// Every file carries a .jpg name: the content alone decides. The size is the
// one the file declares (checked when given), and that of the picture read.
TEST(CitirePoza, FiecareFisierDaRezultatulSau)
{
    const QImage model = PozaModel(120, 90);
    const QByteArray jpeg = OctetiPoza(model, "JPEG"), progresiv = OctetiPoza(model, "JPEG", true),
                     bmp = OctetiPoza(model, "BMP"), png = OctetiPoza(model, "PNG");
    const QSize m(120, 90);
    const struct
    {
        QByteArray octeti;
        Stare asteptat;
        QSize marime;
    } cazuri[] = {
        {jpeg, Stare::Citita, m}, {progresiv, Stare::Citita, m}, {bmp, Stare::Citita, m},
        {png, Stare::Citita, m},
        {jpeg + QByteArray(300, '\0'), Stare::Citita, m}, // bytes after the end marker
        {{}, Stare::Goala, {}}, {"nu este o poza", Stare::Necitita, {}},
        {QByteArray(4096, '\0'), Stare::Necitita, {}},
        // Qt would paint the missing part grey and call the picture read.
        {jpeg.left(jpeg.size() / 2), Stare::Incompleta, {}}, {jpeg.left(700), Stare::Incompleta, {}},
        {jpeg.chopped(2), Stare::Incompleta, m},
        {progresiv.left(progresiv.size() / 2), Stare::Incompleta, m},
        {bmp.left(bmp.size() / 2), Stare::Incompleta, m}, {png.left(png.size() / 2), Stare::Necitita, {}},
        // A few kilobytes each, declaring gigabytes of pixels.
        {JpegCuMarimea(60000, 60000), Stare::PreaMare, {60000, 60000}},
        {BmpCuMarimea(100000, 100000), Stare::PreaMare, {100000, 100000}},
        {BmpCuMarimea(1, -70000001), Stare::PreaMare, {1, 70000001}},
        {PngCuMarimea(200000, 200000), Stare::PreaMare, {200000, 200000}},
        // Dimensions whose row arithmetic overflows 64 bits.
        {BmpCuMarimea(INT_MIN, INT_MIN), Stare::Incompleta, {}},
        {BmpCuMarimea(8367, 8367), Stare::PreaMare, {8367, 8367}}};
    DosarTest dosar;
    int i = 0;
    for (const auto &c : cazuri) {
        SCOPED_TRACE(i);
        const QString nume = QString("Probleme/%1.jpg").arg(i++);
        dosar.ScrieOcteti(nume, c.octeti);
        const PozaCitita citita = CitestePoza(dosar.Cale() + "/" + nume);
        EXPECT_EQ(citita.Rezultat, c.asteptat);
        EXPECT_EQ(citita.Poza.isNull() ? QSize() : citita.Poza.size(), c.asteptat == Stare::Citita ? m : QSize());
        if (c.marime.isValid()) {
            EXPECT_EQ(citita.Marime, c.marime);
        }
    }
    // What is not a file is not opened: a pipe would wait for a writer for ever.
    QDir(dosar.Cale()).mkpath("Probleme/dosar.jpg");
    ASSERT_EQ(mkfifo(QFile::encodeName(dosar.Cale() + "/Probleme/teava.jpg").constData(), 0600), 0);
    for (const char *nume : {"lipsa.jpg", "dosar.jpg", "teava.jpg"})
        EXPECT_EQ(CitestePoza(dosar.Cale() + "/Probleme/" + nume).Rezultat, Stare::Lipsa) << nume;
}

TEST(CitirePoza, PaginaA3La600DpiIncapeOPozaMaiMareNu)
{
    const std::pair<QSize, bool> cazuri[] = {
        {{4960, 7016}, true},    {{8000, 6000}, true}, {{7016, 9921}, true},
        {{8366, 8366}, true},    {{8367, 8367}, false}, // 69,989,956 and 70,006,689 pixels
        {{1, 70000000}, true},   {{1, 70000001}, false}, {{65535, 65535}, false}};
    for (const auto &[marime, acceptata] : cazuri)
        EXPECT_EQ(MarimeAcceptata(marime), acceptata) << marime.width() << "x" << marime.height();
    EXPECT_EQ(MesajPozaPreaMare("/a/Probleme/p.jpg", QSize(8400, 8400)),
              "Imaginea este prea mare: /a/Probleme/p.jpg are 8400 x 8400 pixeli, iar Tezaurel "
              "poate incarca cel mult 70 de milioane de pixeli (o pagina A3 scanata la 600 dpi). "
              "Scanati problema la o rezolutie mai mica.");
    // Above Qt's default limit of 128 MB once held at 4 bytes a pixel.
    DosarTest dosar;
    QImage pagina(4960, 7016, QImage::Format_RGB32);
    pagina.fill(Qt::white);
    dosar.ScrieOcteti("Probleme/a4.jpg", OctetiPoza(pagina, "JPEG"));
    const PozaCitita citita = CitestePoza(dosar.Cale() + "/Probleme/a4.jpg");
    EXPECT_EQ(citita.Rezultat, Stare::Citita);
    EXPECT_EQ(citita.Poza.size(), QSize(4960, 7016));
}

} // namespace
