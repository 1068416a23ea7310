#include "printing/GeometriePagina.h"
#include "tests/common/PozeGresite.h"
#include "tests/printing/ProblemaAfisata.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class IntrariPagina : public PaginaTest
{
protected:
    // The header strip holds ink and the picture's place is white.
    void DoarAntetul(const QImage &pagina)
    {
        ASSERT_EQ(pagina.size(), QSize(794, 1123));
        EXPECT_LT(CelMaiIntunecat(pagina, QRect(75, 18, 644, 77)), 100);
        EXPECT_EQ(CelMaiIntunecat(pagina, QRect(75, 132, 644, 900)), 255);
    }
};

TEST_F(IntrariPagina, PozaCareNuSeCitesteDaOPaginaCuAntetulSingur)
{
    const QByteArray jpeg = OctetiPoza(PozaCadrane(400, 300), "JPEG");
    // Empty, text, cut in half, missing, and no Probleme/ folder at all.
    const std::pair<const char *, QByteArray> cazuri[] = {{"gol", ""},
                                                          {"text", "nu este o poza"},
                                                          {"taiat", jpeg.left(jpeg.size() / 2)},
                                                          {"lipsa", {}},
                                                          {"faraprobleme", {}}};
    ArataProblema(dosar, d, QImage());
    for (const auto &[caz, octeti] : cazuri) {
        SCOPED_TRACE(caz);
        platforma.Mesaje.clear();
        QFile::remove(dosar.Cale() + "/Probleme/p.jpg");
        if (!octeti.isNull())
            dosar.ScrieOcteti("Probleme/p.jpg", octeti);
        if (QByteArray(caz) == "faraprobleme")
            QDir(dosar.Cale() + "/Probleme").removeRecursively();
        date.NumeFisier = caz;
        CompunePagina(false, date, d, imprimanta);
        EXPECT_EQ(platforma.Mesaje, QStringList{Creat(caz)});
        DoarAntetul(Pagina(caz));
    }
}

TEST_F(IntrariPagina, PozaPreaMareEsteSpusaIarPaginaAreDoarAntetul)
{
    ArataProblema(dosar, d, QImage());
    dosar.ScrieOcteti("Probleme/p.jpg", BmpCuMarimea(20000, 20000));
    const QString preaMare = "Imaginea este prea mare: " + dosar.Cale() +
                             "/Probleme/p.jpg are 20000 x 20000 pixeli, iar Tezaurel poate "
                             "incarca cel mult 70 de milioane de pixeli (o pagina A3 scanata la "
                             "600 dpi). Scanati problema la o rezolutie mai mica.";
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList({preaMare, Creat("pagina")}));
    DoarAntetul(Pagina());

    platforma.Mesaje.clear();
    CompunePagina(true, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList{preaMare});
    EXPECT_EQ(CelMaiIntunecat(imprimanta.Foaie, QRect(120, 210, 950, 1400)), 255);
}

TEST_F(IntrariPagina, FisierulCareNuPoateFiScrisNuStricaNimic)
{
    ArataProblema(dosar, d, PozaCadrane(40, 30));
    // A folder already has the page's name.
    QDir(dosar.Cale()).mkpath("teste/pagina.jpg/pastrat");
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList{EroareStocare});
    EXPECT_TRUE(QFileInfo(dosar.Cale() + "/teste/pagina.jpg/pastrat").isDir());

    // A name longer than a file name may be: nothing is created.
    platforma.Mesaje.clear();
    date.NumeFisier = QString(300, 'n');
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList{EroareStocare});
    EXPECT_EQ(QDir(dosar.Cale() + "/teste").entryList(QDir::Files | QDir::Hidden), QStringList());

    // The longest that fits, with letters of the code page's upper half.
    platforma.Mesaje.clear();
    date.NumeFisier = QString::fromUtf8("ăâîşţ") + QString(241, 'n');
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList{Creat(date.NumeFisier)});
    EXPECT_EQ(Pagina(date.NumeFisier).size(), QSize(794, 1123));
}

// A page is never created in a closed teste/, nor replaced when read-only (for root too);
// an existing writable one in a closed folder is rewritten in place. Root may write any folder.
TEST_F(IntrariPagina, PaginaInDosarInchisSauPesteUnFisierDoarCitire)
{
    ArataProblema(dosar, d, PozaCadrane(40, 30));
    const QString teste = dosar.Cale() + "/teste", pagina = teste + "/pagina.jpg";
    using P = QFile::Permissions;
    const P rw = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner, r = QFile::ReadOwner | QFile::ExeOwner;
    for (const auto &[fisier, folder, scrisa] : {std::tuple{P(), r, false}, std::tuple{r, rw, false},
                                                 std::tuple{rw, r, true}}) {
        if (folder == r && geteuid() == 0)
            continue;
        QFile::remove(pagina);
        const bool exista = fisier.toInt() != 0;
        if (exista) {
            dosar.ScrieOcteti("teste/pagina.jpg", "vechi");
            QFile::setPermissions(pagina, fisier);
        }
        QFile::setPermissions(teste, folder);
        platforma.Mesaje.clear();
        CompunePagina(false, date, d, imprimanta);
        QFile::setPermissions(teste, rw);
        EXPECT_EQ(platforma.Mesaje, QStringList(scrisa ? Creat("pagina") : EroareStocare));
        EXPECT_EQ(QFile::exists(pagina) ? dosar.CitesteOcteti("teste/pagina.jpg").left(2) : "",
                  scrisa ? "BM" : exista ? "ve" : "");
    }
}

TEST_F(IntrariPagina, AntetulCelMaiLungSiLitereleDinWindows1250)
{
    ArataProblema(dosar, d, PozaCadrane(400, 300));
    QByteArray octeti;
    for (int i = 0x80; i <= 0xFF; ++i)
        octeti.append(char(i));
    date.Antet = DecodificaAnsi(octeti.constData(), int(octeti.size())) + '\n';
    for (int i = 0; i < 3000; ++i)
        date.Antet += QString(200, QChar(u'ş')) + '\n';
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList{Creat("pagina")});
    const QImage pagina = Pagina();
    EXPECT_LT(CelMaiIntunecat(pagina, QRect(75, 18, 644, 77)), 100);
    EXPECT_TRUE(Aproape(pagina.pixel(78, 135), SusStanga));
}

TEST_F(IntrariPagina, MarginiSiPozeDincoloDePaginaNuDepasescIntregii)
{
    // Margins typed as huge numbers are refused, without overflowing on the way.
    TexteTipareste texte;
    texte.LaImprimanta = false;
    texte.NumeFisier = "pagina";
    texte.Dreapta = texte.Sus = texte.Jos = "1";
    for (const char *stanga : {"1e30", "3e38", "100000000"}) {
        texte.Stanga = stanga;
        const auto rezultat = VerificaTiparirea(texte);
        ASSERT_TRUE(std::holds_alternative<QString>(rezultat)) << stanga;
        EXPECT_EQ(std::get<QString>(rezultat),
                  "Marginile Stanga si Dreapta nu lasa loc pe latimea paginii!...");
    }
    const AsezarePagina departe = AseazaPagina(0, 0, 3e30f, QSize(10, 10));
    EXPECT_GT(departe.Poza.top(), Pagina::Inaltime);

    // A picture three hundred thousand times taller than wide: its height on
    // the page is held within the int range and the page is still drawn.
    EXPECT_GT(AseazaPagina(2, 2, 1, QSize(1, 300000)).Poza.height(), 0);
    ArataProblema(dosar, d, QImage());
    QImage fir(1, 300000, QImage::Format_RGB32);
    fir.fill(QColor(SusStanga));
    dosar.ScriePoza("p.jpg", fir);
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList{Creat("pagina")});
    const QImage pagina = Pagina();
    EXPECT_TRUE(Aproape(pagina.pixel(400, 140), SusStanga));
    EXPECT_TRUE(Aproape(pagina.pixel(400, 1120), SusStanga));
}

} // namespace
