#include "ferestre/pagina/FereastraPagina.h"
#include "ferestre/pagina/VederePagina.h"
#include "logica/cautare/IndexText.h"
#include "logica/pagina/AnalizaPagina.h"
#include "logica/pagina/AsezarePagina.h"
#include "logica/pagina/SalvarePagina.h"
#include "model/BazaDate.h"
#include "model/Colectie.h"
#include "platforma/ScannerSane.h"
#include "tests/comune/DosarTest.h"
#include "tests/comune/PlatformaScriptata.h"
#include "unelte/GeneratorPagina.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTransform>

#include <gtest/gtest.h>

using namespace tezaurel;

namespace {

double Iou(const QRect &a, const QRect &b)
{
    const QRect comun = a & b;
    const double c = double(comun.width()) * comun.height();
    return c / (double(a.width()) * a.height() + double(b.width()) * b.height() - c);
}

// What recognition reads on the straightened page: the lines as drawn, turned
// by what the straightening left of the angle.
std::vector<RandRecunoscut> RanduriCitite(const PaginaGenerata &p, double rest)
{
    const QPointF centru(p.Poza.width() / 2.0, p.Poza.height() / 2.0);
    const QTransform intoarce = QTransform()
                                    .translate(centru.x(), centru.y())
                                    .rotate(rest)
                                    .translate(-centru.x(), -centru.y());
    std::vector<RandRecunoscut> randuri = p.Randuri;
    for (auto &r : randuri)
        r.Cutie = intoarce.mapRect(r.Cutie);
    return randuri;
}

TEST(Pagina, PaginiGenerateSeImpartInProblemeCuCutiileLor)
{
    int cunoscute = 0, gasite = 0;
    for (quint32 samanta = 1; samanta <= 30; ++samanta) {
        SCOPED_TRACE(samanta);
        const PaginaGenerata p = GenereazaPagina(samanta, 150);
        const QImage gri = UniformizeazaFundal(p.Poza);
        // The margins, shadowed edge included, are white paper after evening.
        int intunecate = 0;
        for (int y = 0; y < gri.height(); y += 3)
            for (int x : {2, 30, gri.width() - 30, gri.width() - 3})
                intunecate += gri.pixelColor(x, y).value() < 200;
        EXPECT_LT(intunecate, gri.height() / 300);
        const double unghi = UnghiInclinare(gri);
        EXPECT_NEAR(unghi, p.Unghi, 0.3);
        const auto cutii = PropuneCutii(RanduriCitite(p, p.Unghi - unghi), gri.size());
        for (size_t i = 0; i < p.Probleme.size(); ++i) {
            ++cunoscute;
            const auto buna = std::find_if(cutii.begin(), cutii.end(), [&](const auto &c) {
                return Iou(c.Cutie, p.Probleme[i]) >= 0.9 && c.Numar.toInt() == int(i) + 1;
            });
            gasite += buna != cutii.end();
            // A problem not found alone is inside a box that warns of it.
            EXPECT_TRUE(buna != cutii.end() ||
                        std::any_of(cutii.begin(), cutii.end(),
                                    [&](auto &c) {
                                        return c.Cutie.intersects(p.Probleme[i]) &&
                                               !c.Avertisment.isEmpty();
                                    }))
                << i + 1;
        }
    }
    EXPECT_GE(gasite * 100, cunoscute * 95) << gasite << " din " << cunoscute;
}

TEST(Pagina, NumereleIncepProblemeleSubpunctelePastreazaProblema)
{
    // Lines as "x y block text", 20 pixels tall, on a page 1000 wide; one case a row.
    const struct
    {
        std::vector<const char *> Randuri;
        const char *Numere; // the boxes' numbers; "-" for a box without one
        int Avertismente;
    } cazuri[] = {
        {{"0 0 0 1. Aflați x", "40 30 0 a) 2x = 4", "40 60 0 b) 3x = 9", "0 90 0 2) Calculați"},
         "1 2",
         0},
        {{"0 0 0 3.", "60 0 1 Rezolvați ecuația", "40 30 1 x + 1 = 2", "0 60 2 4. Fie"}, "3 4", 0},
        {{"0 0 0 1. Latura", "0 30 0 3.5 cm este latura", "40 60 0 12. nu e la margine"}, "1", 0},
        {{"0 0 0 1. Prima", "0 30 0 3. A treia"}, "1 3", 1},
        {{"0 0 0 1. Prima", "40 30 0 rând", "40 200 0 încă unul", "0 230 0 2. A doua"}, "1 2", 1},
        {{"0 0 0 1. Prima", "40 30 0 a", "40 60 0 b", "40 108 0 c", "40 138 0 d"}, "1", 1},
        {{"0 0 0 Capitolul 2", "0 30 0 5. Fie"}, "- 5", 1},
        {{"0 0 0 1. Stânga", "0 30 0 2. Stânga", "520 0 0 3. Dreapta", "520 30 0 4. Dreapta"},
         "1 2 3 4",
         0},
        // The number lost by the reading: its dot left, or a new block hanging out.
        {{"0 0 0 1. Prima", "40 30 0 x", "0 60 0 . Arătați", "40 90 0 x = 1", "0 120 1 Fie",
          "40 150 1 f(x) = 2", "0 180 1 Deci"},
         "1 - -",
         0},
    };
    for (const auto &caz : cazuri) {
        std::vector<RandRecunoscut> randuri;
        for (const char *r : caz.Randuri) {
            const QStringList p = QString::fromUtf8(r).split(' ');
            randuri.push_back(
                {QRect(p[0].toInt(), p[1].toInt(), 400, 20), p.mid(3).join(' '), p[2].toInt()});
        }
        QStringList numere;
        int avertismente = 0;
        for (const auto &c : PropuneCutii(randuri, QSize(1000, 1400))) {
            numere << (c.Numar.isEmpty() ? QStringLiteral("-") : c.Numar);
            avertismente += !c.Avertisment.isEmpty();
        }
        EXPECT_EQ(numere.join(' '), caz.Numere) << caz.Randuri[0];
        EXPECT_EQ(avertismente, caz.Avertismente) << caz.Randuri[0];
    }
}

} // namespace

TEST(Pagina, ScanerulDeTestAlSistemuluiScaneaza)
{
    // Only SANE's own test device, whatever scanners the machine has.
    QTemporaryDir configurare;
    QFile dll(configurare.filePath("dll.conf"));
    ASSERT_TRUE(dll.open(QIODevice::WriteOnly) && dll.write("test\n") > 0);
    dll.close();
    qputenv("SANE_CONFIG_DIR", QFile::encodeName(configurare.path()));
    ScannerSane scanner;
    QString eroare;
    const auto dispozitive = scanner.Dispozitive(eroare);
    ASSERT_FALSE(dispozitive.empty()) << eroare;
    const struct
    {
        OptiuniScanare Optiuni;
        bool Anuleaza;
        int Pagini;
        QImage::Format Format;
    } cazuri[] = {
        {{300, false, false}, false, 1, QImage::Format_Grayscale8},
        {{150, true, false}, false, 1, QImage::Format_RGB888},
        {{50, false, true}, false, 10, QImage::Format_Grayscale8}, // the test feeder holds ten
        {{300, false, false}, true, 0, QImage::Format_Invalid},
    };
    for (const auto &caz : cazuri) {
        std::atomic<bool> anulare = false;
        int procent = 0;
        const auto rezultat = scanner.Scaneaza(
            dispozitive[0].Nume, caz.Optiuni,
            [&](int, int p) {
                procent = std::max(procent, p);
                anulare = caz.Anuleaza;
            },
            anulare);
        ASSERT_EQ(int(rezultat.Pagini.size()), caz.Pagini) << rezultat.Eroare.toStdString();
        EXPECT_EQ(rezultat.Anulata, caz.Anuleaza);
        EXPECT_EQ(procent == 100, !caz.Anuleaza);
        for (const QImage &p : rezultat.Pagini) {
            EXPECT_EQ(p.format(), caz.Format);
            EXPECT_EQ(qRound(p.dotsPerMeterX() * 0.0254), caz.Optiuni.Rezolutie);
        }
    }
}

TEST(Pagina, CasetelePaginiiDevinProblemeCuPozaSiTextulLor)
{
    const struct
    {
        bool PastreazaPagina;
        const char *CapitolAlDoilea; // too long for its field: that box is left out
        int Adaugate;
    } cazuri[] = {{false, "Funcții", 3}, {true, "Funcții", 3}, {false, "", 2}};
    for (const auto &caz : cazuri) {
        DosarTest dosar;
        PlatformaScriptata platforma;
        dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Ecuații", "veche.bmp")});
        dosar.ScriePoza("veche.bmp", QImage(4, 4, QImage::Format_RGB32));
        Colectie d(dosar.Cale(), platforma);
        d.IncarcaColectie();
        IndexText::InregistreazaSchema(d.Baza());
        ASSERT_TRUE(d.Baza().Deschide());
        const PaginaGenerata p = GenereazaPagina(4, 150);
        ImportPagina import{Indreapta(UniformizeazaFundal(p.Poza), p.Unghi),
                            "/scanari/Culegere ș.png",
                            {},
                            caz.PastreazaPagina ? QByteArray("original") : QByteArray()};
        for (int i = 0; i < 3; ++i) {
            DetaliiProblema detalii{10, 8, "Algebra", i == 1 ? caz.CapitolAlDoilea : "Funcții", {}};
            if (*caz.CapitolAlDoilea == 0 && i == 1)
                detalii.Capitol.fill('x', 101);
            import.Probleme.push_back({p.Probleme[size_t(i)], detalii, QString("text %1").arg(i)});
        }
        const RaportPagina raport = SalveazaPagina(d, import);
        ASSERT_EQ(raport.Adaugate.size(), caz.Adaugate) << raport.Omise.join('\n').toStdString();
        EXPECT_EQ(d.NrProbleme(), 2 + caz.Adaugate);
        for (int i = 0, k = 0; i < 3; ++i) {
            if (i == 1 && caz.Adaugate == 2)
                continue;
            const QString nume = raport.Adaugate[k++];
            EXPECT_EQ(nume, QString("Culegere ş_p0%1.jpg").arg(i + 1));
            const QByteArray octeti = dosar.CitesteOcteti("Probleme/" + nume);
            EXPECT_EQ(octeti, OctetiDecupaj(import.Pagina, import.Probleme[size_t(i)].Cutie));
            const QImage poza = QImage::fromData(octeti);
            EXPECT_TRUE(poza.allGray() &&
                        (octeti.startsWith("\xFF\xD8") || octeti.startsWith("BM")));
            int cerneala = 0; // ink on the picture's edge: the box was cut too tight
            for (int x = 0; x < poza.width(); ++x)
                for (int y : {0, poza.height() - 1})
                    cerneala += qGray(poza.pixel(x, y)) < 128;
            EXPECT_EQ(cerneala, 0);
            EXPECT_EQ(IndexText::Text(d.Baza(), nume), QString("text %1").arg(i));
            EXPECT_EQ(d.ProblemaDin(2 + k).Clasa, 10);
        }
        QSqlQuery q(d.Baza().Conexiune());
        ASSERT_TRUE(q.exec("SELECT pagina FROM importuri_pagina") && q.next());
        EXPECT_EQ(q.value(0).toByteArray(), caz.PastreazaPagina ? "original" : "");
    }
}

// "Reads" the straightened page as the generator drew it.
struct MotorPagina final : Recunoastere
{
    static inline std::vector<RandRecunoscut> Randuri;
    std::optional<QString> Recunoaste(QImage, const std::atomic<bool> &) override
    {
        return std::nullopt;
    }
    std::optional<std::vector<RandRecunoscut>> RecunoasteRanduri(QImage,
                                                                 const std::atomic<bool> &) override
    {
        return Randuri;
    }
};

TEST(Pagina, CaseteleSeUnescSeImpartSiSeSterg)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    Colectie d(dosar.Cale(), platforma);
    const PaginaGenerata p = GenereazaPagina(6, 150);
    MotorPagina::Randuri = p.Randuri;
    ASSERT_TRUE(p.Poza.save(dosar.Cale() + "/pagina.png"));
    FereastraPagina fereastra(d, {{}, [] { return std::make_unique<MotorPagina>(); }}, {});
    ASSERT_TRUE(fereastra.DeschideFisier(dosar.Cale() + "/pagina.png"));
    VederePagina &v = fereastra.Vedere();
    const size_t n = p.Probleme.size();
    ASSERT_EQ(v.Casete().size(), n);
    const QRect doua = p.Probleme[0] | p.Probleme[1];
    const struct
    {
        std::vector<int> Alese;
        std::function<void()> Fapta;
        size_t Casete;
        QRect Cuprinde, Exclude; // what the first box holds afterwards, and what not
    } pasi[] = {
        {{0, 1}, [&] { v.Uneste(); }, n - 1, doua, p.Probleme[2]},
        {{0},
         [&] { v.Imparte(LiniaDeImpartire(p.Randuri, doua)); },
         n,
         p.Probleme[0],
         p.Probleme[1]},
        {{0, 2}, [&] { v.StergeAlese(); }, n - 2, p.Probleme[1], p.Probleme[0]},
    };
    for (const auto &pas : pasi) {
        v.Alege(pas.Alese);
        pas.Fapta();
        ASSERT_EQ(v.Casete().size(), pas.Casete);
        EXPECT_TRUE(v.Casete()[0].Cutie.contains(pas.Cuprinde)) << pas.Casete;
        EXPECT_FALSE(v.Casete()[0].Cutie.intersects(pas.Exclude)) << pas.Casete;
    }
}

// A page file: a PDF's first page drawn at 300 dpi in grey, a picture as it
// is, anything else refused with its name.
TEST(Pagina, FisierulPaginiiPdfPozaSauAltceva)
{
    QTemporaryDir dosar;
    {
        QPdfWriter pdf(dosar.filePath("carte.pdf"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        QPainter p(&pdf);
        p.drawText(QPointF(500, 500), "1. Calculați 2 + 2.");
        pdf.newPage();
    }
    QImage mica(300, 200, QImage::Format_RGB32);
    mica.fill(Qt::yellow);
    mica.save(dosar.filePath("poza.png"));
    QFile text(dosar.filePath("nota.png"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("nu este o poza") > 0);
    text.close();
    const struct
    {
        const char *nume;
        QSize marime;
        bool gri, eroare;
    } cazuri[] = {{"carte.pdf", {2480, 3509}, true, false},
                  {"poza.png", {300, 200}, false, false},
                  {"nota.png", {0, 0}, false, true}};
    for (const auto &c : cazuri) {
        QString eroare;
        const QImage pagina = CitestePagina(dosar.filePath(c.nume), eroare);
        EXPECT_EQ(pagina.size(), c.marime) << c.nume;
        EXPECT_EQ(pagina.isGrayscale() && !pagina.isNull(), c.gri) << c.nume;
        EXPECT_EQ(eroare.contains(c.nume), c.eroare) << c.nume << eroare.toStdString();
    }
}
