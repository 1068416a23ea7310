#include "printing/VerificareTipareste.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

// The dialog as it opens, with a printer chosen and a file name typed.
TexteTipareste Pregatite(bool laImprimanta)
{
    TexteTipareste t;
    t.LaImprimanta = laImprimanta;
    t.Imprimanta = "PDF";
    t.Exemplare = "1";
    t.NumeFisier = "test1";
    t.Stanga = t.Dreapta = "2";
    t.Sus = t.Jos = "1";
    return t;
}

using Camp = QString TexteTipareste::*;
struct Schimbare
{
    Camp camp;
    const char *valoare;
};
const Camp Imp = &TexteTipareste::Imprimanta, Ex = &TexteTipareste::Exemplare,
           Nume = &TexteTipareste::NumeFisier, St = &TexteTipareste::Stanga,
           Dr = &TexteTipareste::Dreapta, Sus = &TexteTipareste::Sus, Jos = &TexteTipareste::Jos;

const char *const Nimic = "Nu avem nimic de tiparit!...";
const char *const ExemplareGresite =
    "Numarul exemplarelor trebuie sa fie un numar intreg intre 1 si 32767!...";

TEST(Verificare, PrimaVerificareCareCadeIsiSpuneMesajul)
{
    // Several fields wrong at once show the order: printer, copies, name, margins.
    const struct
    {
        bool laImprimanta;
        std::vector<Schimbare> schimbari;
        const char *mesaj;
    } cazuri[] = {
        {true, {{Imp, ""}, {Ex, ""}, {St, "x"}}, "Nu ati ales imprimanta!...."},
        {true, {{Ex, ""}, {St, "x"}}, "Nu ati definit numarul exemplarelor de tiparit!...."},
        {true, {{Ex, "0"}, {St, "x"}}, Nimic},
        {true, {{Ex, "0.4"}}, Nimic},
        {true, {{Ex, "0.5"}}, Nimic}, // half rounds to even
        {true, {{Ex, "doua"}}, ExemplareGresite},
        {true, {{Ex, "-2"}}, ExemplareGresite},
        {true, {{Ex, "32768"}}, ExemplareGresite},
        {true, {{Ex, " "}}, ExemplareGresite},
        // A file needs no printer and no copies, only a name that stays in teste/.
        {false, {{Imp, ""}, {Ex, "0"}, {Nume, ""}}, "Nu ati definit numele fisierului!..."},
        {false,
         {{Nume, "../Tezaurel"}},
         "Numele fisierului nu poate contine caracterul /: paginile se salveaza numai in "
         "folderul teste!..."},
        {true,
         {{St, "doi"}, {Sus, "x"}},
         "Marginea Stanga nu este un numar valid de centimetri!..."},
        {false, {{Dr, ""}}, "Marginea Dreapta nu este un numar valid de centimetri!..."},
        {true, {{Sus, "-1"}}, "Marginea Top nu este un numar valid de centimetri!..."},
        {false, {{Jos, "1 cm"}}, "Marginea Bottom nu este un numar valid de centimetri!..."},
        {true,
         {{St, "11"}, {Dr, "10"}},
         "Marginile Stanga si Dreapta nu lasa loc pe latimea paginii!..."},
    };
    for (const auto &c : cazuri) {
        SCOPED_TRACE(c.mesaj);
        TexteTipareste t = Pregatite(c.laImprimanta);
        for (const Schimbare &s : c.schimbari)
            t.*s.camp = s.valoare;
        const auto r = VerificaTiparirea(t);
        ASSERT_TRUE(std::holds_alternative<QString>(r));
        EXPECT_EQ(std::get<QString>(r), c.mesaj);
    }
}

TEST(Verificare, ValorileTrecuteAjungInPagina)
{
    TexteTipareste t = Pregatite(true);
    t.Exemplare = "2.5";
    t.Stanga = "1.5";
    t.Jos = "0";
    t.Antet = "Teza\nClasa a IX-a";
    const auto r = VerificaTiparirea(t);
    ASSERT_TRUE(std::holds_alternative<DatePagina>(r)) << qPrintable(std::get<QString>(r));
    const DatePagina &d = std::get<DatePagina>(r);
    EXPECT_EQ(d.NrExemplare, 2);
    EXPECT_FLOAT_EQ(d.Stanga, 1.5f);
    EXPECT_FLOAT_EQ(d.Jos, 0);
    EXPECT_EQ(d.Antet, t.Antet);

    t.Exemplare = "32767";
    EXPECT_EQ(std::get<DatePagina>(VerificaTiparirea(t)).NrExemplare, 32767);
}

TEST(Margini, BaraDeLaPatruLaZeroCentimetriSiVirgulaRomaneasca)
{
    const std::pair<int, const char *> bara[] = {{0, "4"}, {40, "0"}, {1, "3.9"}, {39, "0.1"}};
    for (const auto &[valoare, text] : bara)
        EXPECT_EQ(TextMargine(valoare), text) << valoare;

    const QLocale inainte;
    QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
    EXPECT_EQ(TextMargine(15), "2,5");
    EXPECT_EQ(CitesteNumar(TextMargine(15)), 2.5);
    EXPECT_EQ(CitesteNumar("2.5"), 2.5);
    EXPECT_EQ(CitesteNumar("abc"), std::nullopt);
    QLocale::setDefault(inainte);
}

} // namespace
