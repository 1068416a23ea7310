#include "tests/printing/ProblemaAfisata.h"

#include <QDir>

namespace {

const QRgb Alb = qRgb(255, 255, 255);
using Compunere = PaginaTest;

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
    EXPECT_EQ(f.pixel(600, 925), Alb);

    // A printer that refuses the page brings no message.
    imprimanta.Operatii.clear();
    imprimanta.Refuza = true;
    date.NrExemplare = 1;
    CompunePagina(true, date, d, imprimanta);
    EXPECT_EQ(imprimanta.Operatii, QStringList({"exemplare 1", "portret", "pagina"}));
    EXPECT_TRUE(platforma.Mesaje.isEmpty());

    // No problem shown: the header alone.
    imprimanta.Refuza = false;
    d.PozitieCurenta = 0;
    d.NrSelectie = 1;
    CompunePagina(true, date, d, imprimanta);
    EXPECT_EQ(imprimanta.Foaie.pixel(600, 500), Alb);
}

TEST_F(Compunere, InFisierDateBmpSubNumeJpg)
{
    ArataProblema(dosar, d, PozaCadrane(400, 300));
    dosar.ScrieOcteti("teste/pagina.jpg", QByteArray(5000000, 'x')); // replaced
    CompunePagina(false, date, d, imprimanta);

    EXPECT_EQ(platforma.Mesaje, QStringList({Creat("pagina")}));
    EXPECT_TRUE(imprimanta.Operatii.isEmpty());
    const QByteArray octeti = dosar.CitesteOcteti("teste/pagina.jpg");
    ASSERT_GT(octeti.size(), 54);
    ASSERT_LT(octeti.size(), 5000000);
    EXPECT_EQ(octeti.left(2), QByteArray("BM"));
    EXPECT_EQ(int(octeti[28]), 24) << "bits per pixel";

    const QImage pagina = Pagina();
    EXPECT_EQ(pagina.size(), QSize(794, 1123));
    // The picture's rectangle at 15 twips to the pixel: (75.6, 132.3) to (718.2, 614.2).
    EXPECT_TRUE(Aproape(pagina.pixel(78, 135), SusStanga));
    EXPECT_TRUE(Aproape(pagina.pixel(716, 612), JosDreapta));
    for (const QPoint p : {QPoint(73, 300), QPoint(721, 300), QPoint(400, 130), QPoint(400, 617)})
        EXPECT_EQ(pagina.pixel(p), Alb) << p.x() << "," << p.y();
    // Above the picture, the header's ink lies in its strip, (75.6, 18.9) to (718.2, 94.5).
    EXPECT_LT(CelMaiIntunecat(pagina, QRect(75, 18, 644, 77)), 100);
    EXPECT_EQ(CelMaiIntunecat(pagina, QRect(0, 0, 794, 18)), 255);
    EXPECT_EQ(CelMaiIntunecat(pagina, QRect(0, 96, 794, 36)), 255);

    // The bottom margin does not change the page; each page saved is reported.
    date.Jos = 3.7f;
    date.NumeFisier = "pagina2";
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje.last(), Creat("pagina2"));
    EXPECT_EQ(dosar.CitesteOcteti("teste/pagina2.jpg"), dosar.CitesteOcteti("teste/pagina.jpg"));
}

TEST_F(Compunere, FaraFolderulTesteNuSeCreeazaNimic)
{
    ArataProblema(dosar, d, PozaCadrane(400, 300));
    ASSERT_TRUE(QDir(dosar.Cale() + "/teste").removeRecursively());
    const QStringList inainte = QDir(dosar.Cale()).entryList(QDir::AllEntries | QDir::Hidden);
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList({EroareStocare}));
    EXPECT_EQ(QDir(dosar.Cale()).entryList(QDir::AllEntries | QDir::Hidden), inainte);
}

} // namespace
