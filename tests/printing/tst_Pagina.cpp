#include "printing/GeometriePagina.h"
#include "tests/printing/ProblemaAfisata.h"

#include <QLocale>

namespace {

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
}

// The first check that fails gives its message, in the order printer, copies,
// name, margins; the values that pass reach the page.
TEST(Verificare, PrimaVerificareCareCadeIsiSpuneMesajul)
{
    using T = TexteTipareste;
    const QString nimic = "Nu avem nimic de tiparit!...",
                  latime = "Marginile Stanga si Dreapta nu lasa loc pe latimea paginii!...",
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
    const QLocale inainte;
    QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
    EXPECT_EQ(TextMargine(15), "2,5");
    EXPECT_EQ(CitesteNumar("2,5"), 2.5);
    EXPECT_EQ(CitesteNumar("2.5"), 2.5);
    EXPECT_EQ(CitesteNumar("abc"), std::nullopt);
    QLocale::setDefault(inainte);
}

using Compunere = PaginaTest;

// On the printer: the copies asked for, one page; a refusing printer brings no
// message; with no problem shown, the header alone.
TEST_F(Compunere, LaImprimantaOPaginaInExemplareleCerute)
{
    ArataProblema(dosar, d, PozaCadrane(400, 300));
    date.NrExemplare = 3;
    CompunePagina(true, date, d, imprimanta);
    EXPECT_EQ(imprimanta.Operatii, QStringList({"exemplare 3", "portret", "pagina", "sfarsit"}));
    Cadrane(imprimanta.Foaie, 10);
    imprimanta.Operatii.clear();
    imprimanta.Refuza = true;
    CompunePagina(true, date, d, imprimanta);
    EXPECT_EQ(imprimanta.Operatii, QStringList({"exemplare 3", "portret", "pagina"}));
    imprimanta.Refuza = false;
    d.PozitieCurenta = 0;
    d.NrSelectie = 1;
    CompunePagina(true, date, d, imprimanta);
    EXPECT_EQ(imprimanta.Foaie.pixel(600, 500), Alb);
    EXPECT_TRUE(platforma.Mesaje.isEmpty());
}

// To a file: bitmap data under a .jpg name at the screen's resolution, an
// earlier page of that name replaced; the bottom margin changes nothing.
TEST_F(Compunere, InFisierDateBmpSubNumeJpg)
{
    ArataProblema(dosar, d, PozaCadrane(400, 300));
    dosar.ScrieOcteti("teste/pagina.jpg", QByteArray(5000000, 'x'));
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList({Creat("pagina")}));
    EXPECT_TRUE(imprimanta.Operatii.isEmpty());
    const QByteArray octeti = dosar.CitesteOcteti("teste/pagina.jpg");
    EXPECT_EQ(octeti.left(2), "BM");
    EXPECT_EQ(int(octeti.at(28)), 24) << "bits per pixel";
    EXPECT_LT(octeti.size(), 5000000);
    ASSERT_EQ(Pagina().size(), QSize(794, 1123));
    Cadrane(Pagina(), 15);
    date.Jos = 3.7f;
    date.NumeFisier = "pagina2";
    CompunePagina(false, date, d, imprimanta);
    EXPECT_EQ(platforma.Mesaje.last(), Creat("pagina2"));
    EXPECT_EQ(dosar.CitesteOcteti("teste/pagina2.jpg"), octeti);
}

} // namespace
