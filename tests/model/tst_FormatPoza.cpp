#include "logica/lucrari/ArhivaLucrari.h"
#include "model/AdaugareProbleme.h"
#include "model/ConversiePoze.h"
#include "model/FormatPoza.h"
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

// A grey JPEG's DCT coefficients, block after block, as TurboJPEG turns them by op.
std::vector<short> Coeficientii(const QByteArray &jpeg, int op = TJXOP_NONE)
{
    std::vector<short> c;
    tjtransform t{0, 0, 0, 0, op, TJXOPT_NOOUTPUT | TJXOPT_PERFECT, &c, nullptr};
    t.customFilter = [](short *coef, tjregion r, tjregion, int, int, tjtransform *tt) {
        static_cast<std::vector<short> *>(tt->data)->insert(
            static_cast<std::vector<short> *>(tt->data)->end(), coef, coef + r.w * r.h);
        return 0;
    };
    tjhandle h = tjInitTransform();
    unsigned char *nimic = nullptr;
    unsigned long marime = 0;
    tjTransform(h, reinterpret_cast<const uchar *>(jpeg.data()), jpeg.size(), 1, &nimic, &marime,
                &t, 0);
    tjDestroy(h);
    return c;
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
    // The EXIF orientations and the turn that makes each upright.
    const std::pair<int, int> cazuri[] = {
        {1, TJXOP_NONE},      {2, TJXOP_HFLIP}, {3, TJXOP_ROT180},     {4, TJXOP_VFLIP},
        {5, TJXOP_TRANSPOSE}, {6, TJXOP_ROT90}, {7, TJXOP_TRANSVERSE}, {8, TJXOP_ROT270}};
    for (const auto &[orientare, intoarcere] : cazuri)
        for (const bool motorola : {false, true}) {
            SCOPED_TRACE(orientare * 10 + motorola);
            const QByteArray culcat = CuOrientare(jpeg, orientare, motorola);
            const QByteArray s = PozaDeStocat("telefon.jpg", culcat).value().Octeti;
            EXPECT_EQ(Coeficientii(s), Coeficientii(jpeg, intoarcere));
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
        QImageReader cititor(d.CaleProbleme() + nume); // as stored, its tag unread
        rezultat << QString("%1:%2:%3").arg(nume, cititor.format()).arg(cititor.read().width());
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
    const QByteArray octeti[] = {png, png, OctetiPoza(poza, "BMP"), jpeg, CuOrientare(jpeg), png};
    const QString nume[] = {"a.jpg", "b.png", "c.bmp", "c.jpg", "d.jpg", "f"};
    using P = ConversiePoze::Punct;
    for (const P punct : {P::Jurnal, P::Poza, P::Baza, P::Inregistrare, P::PozaVecheStearsa})
        for (int n = 1;; ++n) {
            SCOPED_TRACE(int(punct) * 10 + n);
            DosarTest dosar;
            std::vector<Problema> probleme;
            for (int i = 0; i < 6; ++i) {
                dosar.ScrieOcteti("Probleme/" + nume[i], octeti[i]);
                probleme.push_back(FaProblema(9, 7, "", "", nume[i], i == 5)); // marked
            }
            dosar.ScrieColectie(probleme);
            Stare(dosar.Cale(), false);
            BazaDate baza(dosar.Cale() + "/Tezaurel.db");
            for (const char *sql :
                 {"INSERT INTO lucrari(id, titlu, scoala, clasa, data, linia_nume, timp_lucru,"
                  " din_oficiu, modificata) VALUES (1, '', '', '', '', 0, 0, 0, '')",
                  "INSERT INTO lucrari_probleme(lucrare, varianta, loc, poza, puncte)"
                  " VALUES (1, 1, 1, 'b.png', 2)"})
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
