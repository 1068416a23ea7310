#include "printing/GeometriePagina.h"
#include "store/CitirePoza.h"
#include "tests/common/PozeGresite.h"
#include "tests/printing/ProblemaAfisata.h"

#include <QDir>
#include <QLocale>

namespace {

const QRgb Alb = qRgb(255, 255, 255);
const QString EroareStocare =
    "A intervenit o eroare la salvarea fisierului. Verificati mediul de stocare.";

TEST(Geometrie, DreptunghiurileInTwips)
{
    const struct
    {
        float stanga, dreapta, sus;
        QSize poza;
        QRect antet, imagine;
    } cazuri[] = {
        // The dialog's starting margins, a picture three quarters as tall as wide.
        {2, 2, 1, {4000, 3000}, {1134, 283, 9639, 1134}, {1134, 1984, 9639, 7229}},
        {0, 0, 0, {100, 100}, {0, 283, 11907, 1134}, {0, 1417, 11907, 11907}},
        // 2.5 cm is 1417.5 twips, cut to 1417; 0.3 cm lands the picture at 1587.6.
        {2.5f, 1.5f, 0.3f, {1000, 2000}, {1417, 283, 9639, 1134}, {1417, 1587, 9639, 19278}},
        {2, 2, 1, {}, {1134, 283, 9639, 1134}, {}}};
    for (const auto &c : cazuri) {
        const AsezarePagina a = AseazaPagina(c.stanga, c.dreapta, c.sus, c.poza);
        EXPECT_EQ(a.Antet, c.antet) << c.stanga;
        EXPECT_EQ(a.Poza, c.imagine) << c.stanga;
    }
    EXPECT_EQ(Pagina::MarimeFisier(), QSize(794, 1123));
    // Far beyond the page, or three hundred thousand times taller than wide:
    // held within the int range.
    EXPECT_GT(AseazaPagina(0, 0, 3e30f, QSize(10, 10)).Poza.top(), Pagina::Inaltime);
    EXPECT_GT(AseazaPagina(2, 2, 1, QSize(1, 300000)).Poza.height(), 0);
}

// The first check that fails gives its message, in the order printer, copies,
// name, margins; the values that pass reach the page.
TEST(Verificare, PrimaVerificareCareCadeIsiSpuneMesajul)
{
    using T = TexteTipareste;
    const QString nimic = "Nu avem nimic de tiparit!...", latime =
        "Marginile Stanga si Dreapta nu lasa loc pe latimea paginii!...",
        exemplare = "Numarul exemplarelor trebuie sa fie un numar intreg intre 1 si 32767!...";
    const auto margine = [](const char *care) {
        return QString("Marginea %1 nu este un numar valid de centimetri!...").arg(care);
    };
    const struct
    {
        bool laImprimanta;
        std::vector<std::pair<QString T::*, const char *>> schimbari;
        QString mesaj;
    } cazuri[] = {
        {true, {{&T::Imprimanta, ""}, {&T::Exemplare, ""}, {&T::Stanga, "x"}}, "Nu ati ales imprimanta!...."},
        {true, {{&T::Exemplare, ""}, {&T::Stanga, "x"}}, "Nu ati definit numarul exemplarelor de tiparit!...."},
        {true, {{&T::Exemplare, "0"}, {&T::Stanga, "x"}}, nimic},
        {true, {{&T::Exemplare, "0.4"}}, nimic},
        {true, {{&T::Exemplare, "0.5"}}, nimic}, // half rounds to even
        {true, {{&T::Exemplare, "doua"}}, exemplare},
        {true, {{&T::Exemplare, "-2"}}, exemplare},
        {true, {{&T::Exemplare, "32768"}}, exemplare},
        {true, {{&T::Exemplare, " "}}, exemplare},
        // A file needs no printer and no copies, only a name that stays in teste/.
        {false, {{&T::Imprimanta, ""}, {&T::Exemplare, "0"}, {&T::NumeFisier, ""}}, "Nu ati definit numele fisierului!..."},
        {false, {{&T::NumeFisier, "../Tezaurel"}}, "Numele fisierului nu poate contine caracterul /: paginile se salveaza numai in folderul teste!..."},
        {true, {{&T::Stanga, "doi"}, {&T::Sus, "x"}}, margine("Stanga")},
        {false, {{&T::Dreapta, ""}}, margine("Dreapta")},
        {true, {{&T::Sus, "-1"}}, margine("Top")},
        {false, {{&T::Jos, "1 cm"}}, margine("Bottom")},
        {true, {{&T::Stanga, "11"}, {&T::Dreapta, "10"}}, latime},
        {true, {{&T::Stanga, "1e30"}}, latime}, // huge, without overflowing on the way
        {true, {{&T::Stanga, "3e38"}}, latime},
        {true, {{&T::Stanga, "100000000"}}, latime},
        {true, {{&T::Exemplare, "2.5"}, {&T::Stanga, "1.5"}, {&T::Jos, "0"}}, ""},
        {true, {{&T::Exemplare, "32767"}}, ""}};
    for (const auto &c : cazuri) {
        SCOPED_TRACE(c.mesaj);
        T t{c.laImprimanta, "PDF", "1", "test1", "2", "2", "1", "1", "Teza\nClasa a IX-a"};
        for (const auto &[camp, valoare] : c.schimbari)
            t.*camp = valoare;
        const auto r = VerificaTiparirea(t);
        EXPECT_EQ(std::holds_alternative<QString>(r) ? std::get<QString>(r) : QString(), c.mesaj);
        if (const auto *p = std::get_if<DatePagina>(&r)) {
            EXPECT_EQ(p->NrExemplare, t.Exemplare == "2.5" ? 2 : 32767);
            EXPECT_EQ(QString::number(p->Stanga) + " " + QString::number(p->Jos) + " " + p->Antet,
                      t.Stanga + " " + t.Jos + " " + t.Antet);
        }
    }
}

TEST(Verificare, BaraDeLaPatruLaZeroCentimetriSiVirgulaRomaneasca)
{
    for (const auto &[valoare, text] : {std::pair{0, "4"}, {40, "0"}, {1, "3.9"}, {39, "0.1"}})
        EXPECT_EQ(TextMargine(valoare), text) << valoare;
    QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
    EXPECT_EQ(TextMargine(15), "2,5");
    EXPECT_EQ(CitesteNumar("2,5"), 2.5);
    EXPECT_EQ(CitesteNumar("2.5"), 2.5);
    EXPECT_EQ(CitesteNumar("abc"), std::nullopt);
    QLocale::setDefault(QLocale::c());
}

// A page composed on a scripted printer or saved to teste/.
class Compunere : public ::testing::Test
{
protected:
    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii d{dosar.Cale(), platforma};
    ImprimantaScriptata imprimanta{{"PDF"}};
    DatePagina date{2, 2, 1, 1, "Teza la matematica", 1, "pagina"};

    // Read by Qt from its content, not through the program's own reader.
    QImage Pagina(const QString &nume = "pagina") const
    {
        QImageReader cititor(dosar.Cale() + "/teste/" + nume + ".jpg");
        cititor.setDecideFormatFromContent(true);
        return cititor.read();
    }
    // The header strip holds ink, and the picture's place is white or not.
    void Antet(const QImage &pagina, bool doarAntetul = true)
    {
        ASSERT_EQ(pagina.size(), QSize(794, 1123));
        EXPECT_LT(CelMaiIntunecat(pagina, QRect(75, 18, 644, 77)), 100);
        EXPECT_EQ(CelMaiIntunecat(pagina, QRect(0, 0, 794, 18)), 255);
        EXPECT_EQ(CelMaiIntunecat(pagina, QRect(0, 96, 794, 36)), 255);
        EXPECT_EQ(CelMaiIntunecat(pagina, QRect(75, 132, 644, 900)) == 255, doarAntetul);
    }
};

TEST_F(Compunere, LaImprimantaOPaginaInExemplareleCerute)
{
    ArataProblema(dosar, d, PozaCadrane(400, 300));
    date.NrExemplare = 3;
    CompunePagina(true, date, d, imprimanta);
    EXPECT_EQ(imprimanta.Operatii, QStringList({"exemplare 3", "portret", "pagina", "sfarsit"}));
    // (1134, 1984, 9639, 7229) twips at one pixel for ten.
    const QImage &f = imprimanta.Foaie;
    EXPECT_TRUE(Aproape(f.pixel(118, 203), SusStanga));
    EXPECT_TRUE(Aproape(f.pixel(1070, 203), SusDreapta));
    EXPECT_TRUE(Aproape(f.pixel(118, 915), JosStanga));
    EXPECT_TRUE(Aproape(f.pixel(1070, 915), JosDreapta));
    EXPECT_EQ(f.pixel(600, 925), Alb);
    EXPECT_EQ(f.pixel(110, 500), Alb);
    imprimanta.Operatii.clear();
    imprimanta.Refuza = true; // a printer that refuses the page brings no message
    CompunePagina(true, date, d, imprimanta);
    EXPECT_EQ(imprimanta.Operatii, QStringList({"exemplare 3", "portret", "pagina"}));
    imprimanta.Refuza = false;
    d.PozitieCurenta = 0; // no problem shown: the header alone
    d.NrSelectie = 1;
    CompunePagina(true, date, d, imprimanta);
    EXPECT_EQ(imprimanta.Foaie.pixel(600, 500), Alb);
    EXPECT_TRUE(platforma.Mesaje.isEmpty());
}

TEST_F(Compunere, InFisierDateBmpSubNumeJpg)
{
    ArataProblema(dosar, d, PozaCadrane(400, 300));
    dosar.ScrieOcteti("teste/pagina.jpg", QByteArray(5000000, 'x')); // replaced
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList({Creat("pagina")}));
    EXPECT_TRUE(imprimanta.Operatii.isEmpty());
    const QByteArray octeti = dosar.CitesteOcteti("teste/pagina.jpg");
    EXPECT_EQ(octeti.left(2), "BM");
    EXPECT_EQ(int(octeti.at(28)), 24) << "bits per pixel";
    EXPECT_LT(octeti.size(), 5000000);
    const QImage pagina = Pagina();
    Antet(pagina, false);
    // The picture's rectangle at 15 twips to the pixel: (75.6, 132.3) to (718.2, 614.2).
    EXPECT_TRUE(Aproape(pagina.pixel(78, 135), SusStanga));
    EXPECT_TRUE(Aproape(pagina.pixel(716, 612), JosDreapta));
    for (const QPoint p : {QPoint(73, 300), QPoint(721, 300), QPoint(400, 130), QPoint(400, 617)})
        EXPECT_EQ(pagina.pixel(p), Alb) << p.x() << "," << p.y();
    // The bottom margin does not change the page; each page saved is reported.
    date.Jos = 3.7f;
    date.NumeFisier = "pagina2";
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje.last(), Creat("pagina2"));
    EXPECT_EQ(dosar.CitesteOcteti("teste/pagina2.jpg"), dosar.CitesteOcteti("teste/pagina.jpg"));
}

// A picture that cannot be read gives a page with the header alone; one too
// large is also reported, on a printer as in a file.
TEST_F(Compunere, PozaCareNuSeCitesteDaDoarAntetul)
{
    const QByteArray jpeg = OctetiPoza(PozaCadrane(400, 300), "JPEG");
    const QString preaMare = MesajPozaPreaMare(dosar.Cale() + "/Probleme/p.jpg", {20000, 20000});
    const std::tuple<const char *, QByteArray, QStringList> cazuri[] = {
        {"gol", "", {}}, {"text", "nu este o poza", {}}, {"taiat", jpeg.left(jpeg.size() / 2), {}},
        {"lipsa", {}, {}}, {"mare", BmpCuMarimea(20000, 20000), {preaMare}}, {"faraprobleme", {}, {}}};
    ArataProblema(dosar, d, QImage());
    for (const auto &[caz, octeti, mesaje] : cazuri) {
        SCOPED_TRACE(caz);
        platforma.Mesaje.clear();
        QFile::remove(d.CaleProbleme() + "p.jpg");
        if (!octeti.isNull())
            dosar.ScrieOcteti("Probleme/p.jpg", octeti);
        if (QByteArray(caz) == "faraprobleme")
            QDir(d.CaleProbleme()).removeRecursively();
        date.NumeFisier = caz;
        CompunePagina(false, date, d, imprimanta);
        EXPECT_EQ(platforma.Mesaje, mesaje + QStringList{Creat(caz)});
        Antet(Pagina(caz));
    }
    QDir().mkpath(d.CaleProbleme());
    dosar.ScrieOcteti("Probleme/p.jpg", BmpCuMarimea(20000, 20000));
    platforma.Mesaje.clear();
    CompunePagina(true, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList{preaMare});
    EXPECT_EQ(CelMaiIntunecat(imprimanta.Foaie, QRect(120, 210, 950, 1400)), 255);
}

// The storage error, and nothing left behind, whatever keeps the page from
// being written; a page in a closed folder is rewritten in place; the longest
// name that fits, with Windows-1250 letters, works.
TEST_F(Compunere, FisierulCareNuPoateFiScrisNuStricaNimic)
{
    const auto inchide = [](const QString &cale) {
        QFile::setPermissions(cale, QFile::ReadOwner | QFile::ExeOwner);
    };
    const auto vechi = [](const QString &teste) {
        QFile f(teste + "pagina.jpg");
        return f.open(QIODevice::WriteOnly) && f.write("vechi") == 5;
    };
    const std::tuple<QString, std::function<void(const QString &)>, bool> cazuri[] = {
        {"pagina", [](const QString &teste) { QDir(teste).removeRecursively(); }, true},
        {"pagina", [](const QString &teste) { QDir(teste).mkpath("pagina.jpg/pastrat"); }, true},
        {QString(300, 'n'), [](const QString &) {}, true},
        {"pagina", inchide, true},
        {"pagina", [&](const QString &teste) { vechi(teste); inchide(teste); }, false}};
    for (const auto &[nume, pregateste, eroare] : cazuri) {
        CaUtilizatorObisnuit([&] {
            DosarTest dosar;
            PlatformaScriptata platforma;
            mDefinitii d(dosar.Cale(), platforma);
            ArataProblema(dosar, d, PozaCadrane(40, 30));
            date.NumeFisier = nume;
            pregateste(d.CaleTeste());
            const QStringList inainte = QDir(d.CaleTeste()).entryList(QDir::AllEntries | QDir::Hidden);
            CompunePagina(false, date, d, imprimanta);
            QFile::setPermissions(d.CaleTeste(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            EXPECT_EQ(platforma.Mesaje, QStringList{eroare ? EroareStocare : Creat(nume)});
            EXPECT_EQ(QDir(d.CaleTeste()).entryList(QDir::AllEntries | QDir::Hidden), inainte);
        });
    }
    // A read-only page stays, for root too, whom the rename would let replace it.
    ArataProblema(dosar, d, PozaCadrane(40, 30));
    vechi(d.CaleTeste());
    inchide(d.CaleTeste() + "pagina.jpg");
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList{EroareStocare});
    EXPECT_EQ(dosar.CitesteOcteti("teste/pagina.jpg"), "vechi");
    platforma.Mesaje.clear();
    ArataProblema(dosar, d, PozaCadrane(400, 300));
    date.NumeFisier = "ăâîşţ" + QString(241, 'n');
    QByteArray octeti;
    for (int i = 0x80; i <= 0xFF; ++i)
        octeti.append(char(i));
    date.Antet = DecodificaAnsi(octeti.constData(), int(octeti.size())) + '\n';
    for (int i = 0; i < 3000; ++i)
        date.Antet += QString(200, QChar(u'ş')) + '\n';
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList{Creat(date.NumeFisier)});
    Antet(Pagina(date.NumeFisier), false);
    EXPECT_TRUE(Aproape(Pagina(date.NumeFisier).pixel(78, 135), SusStanga));
}

TEST_F(Compunere, OPozaFoarteInaltaSeDeseneazaPestePagina)
{
    ArataProblema(dosar, d, QImage());
    QImage fir(1, 300000, QImage::Format_RGB32);
    fir.fill(QColor(SusStanga));
    dosar.ScriePoza("p.jpg", fir);
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList{Creat("pagina")});
    EXPECT_TRUE(Aproape(Pagina().pixel(400, 140), SusStanga));
    EXPECT_TRUE(Aproape(Pagina().pixel(400, 1120), SusStanga));
}

} // namespace
