#include "printing/CompunePagina.h"
#include "printing/VerificareTipareste.h"
#include "tests/common/PlatformaScriptata.h"
#include "tests/printing/ImprimantaScriptata.h"
#include "tests/printing/ProblemaAfisata.h"

#include <QDir>
#include <QImageReader>

#include <gtest/gtest.h>

namespace {

const QString Creat =
    QStringLiteral("A fost creat fisierul: pagina.jpg in folderul de lucru al aplicatiei.");
const QString EroareStocare =
    QStringLiteral("A intervenit o eroare la salvarea fisierului. Verificati mediul de stocare.");

class Compunere : public ::testing::Test
{
protected:
    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii d{dosar.Cale(), platforma};
    ImprimantaScriptata imprimanta{{QStringLiteral("PDF")}};
    DatePagina date = [] {
        DatePagina p;
        p.Antet = QStringLiteral("Teza la matematica");
        p.NumeFisier = QStringLiteral("pagina");
        return p;
    }();

    QImage CitestePagina()
    {
        QImageReader cititor(dosar.Cale() + QStringLiteral("/teste/pagina.jpg"));
        cititor.setDecideFormatFromContent(true);
        return cititor.read();
    }
};

TEST_F(Compunere, LaImprimantaOPaginaInExemplareleCerute)
{
    ArataProblema(dosar, d, PozaCadrane(400, 300));
    date.NrExemplare = 3;
    CompunePagina(true, date, d, imprimanta);

    EXPECT_EQ(imprimanta.Operatii, QStringList({"exemplare 3", "portret", "pagina", "sfarsit"}));
    EXPECT_TRUE(platforma.Mesaje.isEmpty());
    // (1134, 1984, 9639, 7229) twips at one pixel for ten.
    const QImage &f = imprimanta.Foaie;
    EXPECT_TRUE(Aproape(f.pixel(118, 203), SusStanga));
    EXPECT_TRUE(Aproape(f.pixel(1070, 203), SusDreapta));
    EXPECT_TRUE(Aproape(f.pixel(118, 915), JosStanga));
    EXPECT_TRUE(Aproape(f.pixel(1070, 915), JosDreapta));
    EXPECT_EQ(f.pixel(108, 500), qRgb(255, 255, 255));
    EXPECT_EQ(f.pixel(600, 925), qRgb(255, 255, 255));
}

TEST_F(Compunere, ImprimantaCareRefuzaNuAduceMesaje)
{
    ArataProblema(dosar, d, PozaCadrane(400, 300));
    imprimanta.Refuza = true;
    CompunePagina(true, date, d, imprimanta);
    EXPECT_EQ(imprimanta.Operatii, QStringList({"exemplare 1", "portret", "pagina"}));
    EXPECT_TRUE(platforma.Mesaje.isEmpty());
}

TEST_F(Compunere, InFisierDateBmpSubNumeJpg)
{
    ArataProblema(dosar, d, PozaCadrane(400, 300));
    CompunePagina(false, date, d, imprimanta);

    EXPECT_EQ(platforma.Mesaje, QStringList({Creat}));
    EXPECT_TRUE(imprimanta.Operatii.isEmpty());
    const QByteArray octeti = dosar.CitesteOcteti(QStringLiteral("teste/pagina.jpg"));
    ASSERT_GT(octeti.size(), 54);
    EXPECT_EQ(octeti.left(2), QByteArray("BM"));
    EXPECT_EQ(int(octeti[28]), 24) << "bits per pixel";

    const QImage pagina = CitestePagina();
    EXPECT_EQ(pagina.size(), QSize(794, 1123));
    // The picture's rectangle at 15 twips to the pixel: (75.6, 132.3) to (718.2, 614.2).
    EXPECT_TRUE(Aproape(pagina.pixel(78, 135), SusStanga));
    EXPECT_TRUE(Aproape(pagina.pixel(716, 135), SusDreapta));
    EXPECT_TRUE(Aproape(pagina.pixel(78, 612), JosStanga));
    EXPECT_TRUE(Aproape(pagina.pixel(716, 612), JosDreapta));
    EXPECT_EQ(pagina.pixel(73, 300), qRgb(255, 255, 255));
    EXPECT_EQ(pagina.pixel(721, 300), qRgb(255, 255, 255));
    EXPECT_EQ(pagina.pixel(400, 130), qRgb(255, 255, 255));
    EXPECT_EQ(pagina.pixel(400, 617), qRgb(255, 255, 255));
    // Above the picture, the header's ink lies in its strip, (75.6, 18.9) to (718.2, 94.5).
    int cerneala = 0;
    for (int y = 0; y < 132; ++y)
        for (int x = 0; x < 794; ++x)
            if (qGray(pagina.pixel(x, y)) < 100) {
                ++cerneala;
                EXPECT_TRUE(QRect(75, 18, 644, 77).contains(x, y)) << x << "," << y;
            }
    EXPECT_GT(cerneala, 100);
}

TEST_F(Compunere, FisierulExistentEsteSuprascris)
{
    ArataProblema(dosar, d, PozaCadrane(400, 300));
    dosar.ScrieOcteti(QStringLiteral("teste/pagina.jpg"), QByteArray(5000000, 'x'));
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList({Creat}));
    EXPECT_EQ(CitestePagina().size(), QSize(794, 1123));
    EXPECT_LT(dosar.CitesteOcteti(QStringLiteral("teste/pagina.jpg")).size(), 5000000);

    // Several pages in a row, each reported.
    date.NumeFisier = QStringLiteral("pagina2");
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje.last(),
              "A fost creat fisierul: pagina2.jpg in folderul de lucru al aplicatiei.");
}

TEST_F(Compunere, FaraFolderulTesteNuSeCreeazaNimic)
{
    ArataProblema(dosar, d, PozaCadrane(400, 300));
    ASSERT_TRUE(QDir(dosar.Cale() + QStringLiteral("/teste")).removeRecursively());
    const QStringList inainte = QDir(dosar.Cale()).entryList(QDir::AllEntries | QDir::Hidden);
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList({EroareStocare}));
    EXPECT_EQ(QDir(dosar.Cale()).entryList(QDir::AllEntries | QDir::Hidden), inainte);
}

TEST_F(Compunere, PozaCareNuSeCitesteLasaDoarAntetul)
{
    ArataProblema(dosar, d, QImage());
    dosar.ScrieOcteti(QStringLiteral("Probleme/p.jpg"), QByteArray("nu este o poza"));
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList({Creat}));
    const QImage pagina = CitestePagina();
    EXPECT_EQ(pagina.pixel(400, 300), qRgb(255, 255, 255));
    EXPECT_LT(CelMaiIntunecat(pagina, QRect(75, 18, 644, 77)), 100);
}

TEST_F(Compunere, FaraProblemaAfisataTotAntetul)
{
    d.PozitieCurenta = 0;
    d.NrSelectie = 1;
    CompunePagina(true, date, d, imprimanta);
    EXPECT_EQ(imprimanta.Operatii.size(), 4);
    EXPECT_EQ(imprimanta.Foaie.pixel(600, 500), qRgb(255, 255, 255));
}

TEST_F(Compunere, MargineaDeJosNuSchimbaPagina)
{
    ArataProblema(dosar, d, PozaModel(300, 500));
    date.Jos = 0;
    CompunePagina(false, date, d, imprimanta);
    const QImage cuZero = CitestePagina();
    date.Jos = 3.7f;
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(CitestePagina(), cuZero);
}

TEST_F(Compunere, PozaFoarteInaltaEsteTaiataDeMarginePaginii)
{
    ArataProblema(dosar, d, PozaCadrane(100, 1000));
    CompunePagina(false, date, d, imprimanta);
    const QImage pagina = CitestePagina();
    // Scaled to the width, not shrunk to fit: the lower quarters begin far below the sheet.
    EXPECT_TRUE(Aproape(pagina.pixel(100, 1120), SusStanga));
    EXPECT_TRUE(Aproape(pagina.pixel(700, 1120), SusDreapta));
}

} // namespace
