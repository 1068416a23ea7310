#include "logica/lucrari/ArhivaLucrari.h"
#include "model/AdaugareProbleme.h"
#include "model/ConversiePoze.h"
#include "model/FormatPoza.h"
#include "tests/comune/PlatformaScriptata.h"
#include "tests/comune/PozeGresite.h"
#include "tests/model/AccesJurnal.h"

#include <QImageReader>
#include <QSqlQuery>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <turbojpeg.h>

using namespace tezaurel;

namespace {

QImage Citita(QByteArray octeti, QByteArray *format = nullptr, bool intoarsa = true)
{
    QBuffer buffer(&octeti);
    QImageReader cititor(&buffer);
    cititor.setAutoTransform(intoarsa);
    if (format)
        *format = cititor.format();
    return cititor.read();
}

// An EXIF block in either byte order whose one tag is the orientation.
QByteArray CuOrientare(QByteArray jpeg, int orientare, bool motorola)
{
    const QByteArray tiff =
        motorola ? QByteArray("MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 19) +
                       char(orientare) + QByteArray(6, '\0')
                 : QByteArray("II\x2A\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 18) +
                       char(orientare) + QByteArray(7, '\0');
    return jpeg.insert(2, QByteArray("\xFF\xE1\0\x22"
                                     "Exif\0\0",
                                     10) +
                              tiff);
}

// A grey JPEG's DCT coefficients, [block row][block column][v * 8 + u].
using Coeficienti = std::vector<std::vector<std::array<short, 64>>>;
Coeficienti Coeficientii(const QByteArray &jpeg)
{
    Coeficienti c(1);
    tjtransform t{0, 0, 0, 0, TJXOP_NONE, TJXOPT_NOOUTPUT, &c, nullptr};
    t.customFilter = [](short *coef, tjregion r, tjregion, int, int, tjtransform *tt) {
        auto &cc = *static_cast<Coeficienti *>(tt->data);
        for (int y = 0; y < r.h / 8; ++y, cc.emplace_back())
            for (int x = 0; x < r.w / 8; ++x, coef += 64)
                std::copy(coef, coef + 64, cc.back().emplace_back().begin());
        return 0;
    };
    tjhandle h = tjInitTransform();
    unsigned char *nimic = nullptr;
    unsigned long marime = 0;
    tjTransform(h, reinterpret_cast<const uchar *>(jpeg.data()), jpeg.size(), 1, &nimic, &marime,
                &t, 0);
    tjDestroy(h);
    c.pop_back();
    return c;
}

// A picture turned by moving whole blocks: transposed, then mirrored across,
// then down; a mirrored block negates its odd frequencies along that axis.
Coeficienti Intors(Coeficienti c, bool transpune, bool oglinda, bool rasturna)
{
    Coeficienti n = c;
    if (transpune) {
        n.assign(c[0].size(), std::vector<std::array<short, 64>>(c.size()));
        for (size_t y = 0; y < c.size(); ++y)
            for (size_t x = 0; x < c[0].size(); ++x)
                for (int k = 0; k < 64; ++k)
                    n[x][y][k % 8 * 8 + k / 8] = c[y][x][k];
    }
    for (size_t y = 0; y < n.size(); ++y) {
        if (oglinda)
            std::reverse(n[y].begin(), n[y].end());
        for (auto &bloc : n[y])
            for (int k = 0; k < 64; ++k)
                bloc[k] *= ((oglinda && k % 2) != (rasturna && k / 8 % 2)) ? -1 : 1;
    }
    if (rasturna)
        std::reverse(n.begin(), n.end());
    return n;
}

} // namespace

// What the Windows program reads (JPEG or bitmap content, a .jpg/.jpeg name)
// is kept; every other picture becomes a JPEG, grey when it is grey.
TEST(FormatPoza, FiecareFormatDevineJpegSauBitmapCuNumeJpg)
{
    const QImage color = PozaModel(48, 32), gri = color.convertToFormat(QImage::Format_Grayscale8);
    const QByteArray jpeg = OctetiPoza(color, "JPEG"), bmp = OctetiPoza(color, "BMP");
    const QByteArray gif("GIF89a\1\0\1\0\x80\0\0\0\0\0\xFF\xFF\xFF!\xF9\4\1\0\0\0\0,\0\0\0\0"
                         "\1\0\1\0\0\2\2D\1\0;",
                         43); // one transparent black pixel, white once stored
    QImage alb(1, 1, QImage::Format_RGB32);
    alb.fill(Qt::white);
    const std::tuple<QString, QByteArray, QString, QByteArray, QImage> cazuri[] = {
        {"scan.JPEG", jpeg, "scan.JPEG", jpeg, color},
        {"scan.bmp", bmp, "scan.jpg", bmp, color},
        {"scan.png", OctetiPoza(color, "PNG"), "scan.jpg", "jpeg", color},
        {"gri.png", OctetiPoza(gri, "PNG"), "gri.jpg", "jpeggri", gri},
        {"scan", OctetiPoza(color, "PPM"), "scan.jpg", "jpeg", color},
        {"scan.tif", OctetiPoza(color, "TIFF"), "scan.jpg", "jpeg", color},
        {"a.gif", gif, "a.jpg", "jpeggri", alb},
        {"scan.2024", OctetiPoza(color, "PNG"), "scan.2024.jpg", "jpeg", color},
        {"text.jpg", "nu este o poza", "", "", {}}}; // nothing stored
    for (const auto &[nume, octeti, numeStocat, asteptati, poza] : cazuri) {
        SCOPED_TRACE(nume.toStdString());
        const PozaStocata s = PozaDeStocat(nume, octeti).value_or(PozaStocata());
        EXPECT_EQ(s.Nume, numeStocat);
        QByteArray format;
        const QImage stocata = Citita(s.Octeti, &format);
        if (!asteptati.startsWith("jpeg")) {
            EXPECT_EQ(s.Octeti, asteptati);
            continue;
        }
        EXPECT_EQ(format + (stocata.format() == QImage::Format_Grayscale8 ? "gri" : ""), asteptati);
        int abatere = 0; // a JPEG of quality 92 stays within a few levels
        for (int y = 0; y < poza.height(); ++y)
            for (int x = 0; x < poza.width(); ++x)
                abatere =
                    std::max(abatere, qAbs(qGray(stocata.pixel(x, y)) - qGray(poza.pixel(x, y))));
        EXPECT_LE(abatere, 12);
    }
}

// A JPEG lying on its side is turned without being decoded: the stored
// coefficients are the original's, moved; its tag then says upright.
TEST(FormatPoza, OrientareaExifSeIndreaptaFaraPierderi)
{
    const QByteArray jpeg =
        OctetiPoza(PozaModel(40, 24).convertToFormat(QImage::Format_Grayscale8), "JPEG");
    const Coeficienti original = Coeficientii(jpeg);
    ASSERT_EQ(original.size(), 3u);
    // The EXIF orientation: transposed, mirrored across, mirrored down.
    const std::tuple<int, bool, bool, bool> cazuri[] = {
        {1, false, false, false}, {2, false, true, false}, {3, false, true, true},
        {4, false, false, true},  {5, true, false, false}, {6, true, true, false},
        {7, true, true, true},    {8, true, false, true}};
    for (const auto &[orientare, transpune, oglinda, rasturna] : cazuri)
        for (const bool motorola : {false, true}) {
            SCOPED_TRACE(orientare * 10 + motorola);
            const QByteArray culcat = CuOrientare(jpeg, orientare, motorola);
            const QByteArray s = PozaDeStocat("telefon.jpg", culcat).value().Octeti;
            EXPECT_EQ(Coeficientii(s), Intors(original, transpune, oglinda, rasturna));
            EXPECT_EQ(Citita(s, nullptr, false).size(), Citita(culcat).size()); // upright
            EXPECT_EQ(Citita(s, nullptr, false), Citita(s));                    // its tag 1
        }
}

// Started afresh after whatever came before (recovery and conversion only when
// a start follows): each record's name, format and size as stored, the files no
// record names, the pictures the papers name.
QString Stare(const QString &dosar, bool porneste)
{
    PlatformaScriptata platforma;
    Colectie d(dosar, platforma);
    ArhivaLucrari::Inregistreaza(d.Baza());
    d.IncarcaColectie();
    d.Baza().Deschide();
    if (porneste) {
        RecupereazaPozeleJurnalizate(d);
        ConversiePoze::Converteste(d);
    }
    QStringList rezultat, orfane = QDir(d.CaleProbleme()).entryList(QDir::Files | QDir::Hidden);
    for (int i = 2; i <= d.NrProbleme(); ++i) {
        const QString nume = d.ProblemaDin(i).Fisier.FaraBlancuri();
        QFile f(d.CaleProbleme() + nume);
        QByteArray format;
        const QImage poza =
            f.open(QIODevice::ReadOnly) ? Citita(f.readAll(), &format, false) : QImage();
        rezultat << QString("%1:%2:%3").arg(nume, format).arg(poza.width());
        orfane.removeAll(nume);
    }
    QSqlQuery q(d.Baza().Conexiune());
    q.exec("SELECT group_concat(poza) FROM lucrari_probleme");
    return rezultat.join(' ') + " |" + orfane.join(' ') + "| " +
           (q.next() ? q.value(0).toString() : "");
}

// An earlier version's pictures become what the Windows program reads, picture,
// record and papers together; a start stopped dead at any step leaves every
// problem with its picture, and the next start ends the work.
TEST(FormatPoza, ConversiaOpritaOriundeLasaColectiaIntreaga)
{
    const QImage poza = PozaModel(40, 24);
    const QByteArray png = OctetiPoza(poza, "PNG"),
                     jpeg = OctetiPoza(poza.convertToFormat(QImage::Format_Grayscale8), "JPEG");
    const std::pair<const char *, QByteArray> poze[] = {{"a.jpg", png},
                                                        {"b.png", png},
                                                        {"c.bmp", OctetiPoza(poza, "BMP")},
                                                        {"c.jpg", jpeg},
                                                        {"d.jpg", CuOrientare(jpeg, 6, true)},
                                                        {"f", png}};
    using P = ConversiePoze::Punct;
    for (const P punct : {P::Jurnal, P::Poza, P::Baza, P::Inregistrare, P::PozaVecheStearsa})
        for (int n = 1;; ++n) {
            SCOPED_TRACE(int(punct) * 10 + n);
            DosarTest dosar;
            std::vector<Problema> probleme;
            for (const auto &[nume, octeti] : poze) {
                dosar.ScrieOcteti(QString("Probleme/") + nume, octeti);
                probleme.push_back(FaProblema(9, 7, "", "", nume, nume[0] == 'f'));
            }
            dosar.ScrieColectie(probleme);
            Stare(dosar.Cale(), false);
            BazaDate baza(dosar.Cale() + "/Tezaurel.db");
            for (const char *sql :
                 {"INSERT INTO lucrari VALUES (1, '', '', '', '', 0, 0, 0, 0, '', 1)",
                  "INSERT INTO lucrari_probleme VALUES (1, 1, 1, 'b.png', 2)"})
                ASSERT_TRUE(baza.Deschide() && QSqlQuery(baza.Conexiune()).exec(sql));
            const pid_t copil = fork();
            if (copil == 0) {
                int atins = 0;
                ConversiePoze::LaPunct = [&](P p) {
                    if (p == punct && ++atins == n)
                        _exit(0);
                };
                Stare(dosar.Cale(), true);
                _exit(2);
            }
            int iesire = 0;
            waitpid(copil, &iesire, 0);
            const QString oprita = Stare(dosar.Cale(), false);
            EXPECT_FALSE(oprita.contains(":0")) << oprita.toStdString(); // every picture there
            EXPECT_EQ(Stare(dosar.Cale(), true),
                      "a.jpg:jpeg:40 b.jpg:jpeg:40 c (2).jpg:bmp:40 c.jpg:jpeg:40 d.jpg:jpeg:24 "
                      "f.jpg:jpeg:40 || b.jpg");
            if (WEXITSTATUS(iesire) == 2)
                break;
        }
}
