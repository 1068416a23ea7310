#include "printing/VerificareTipareste.h"

#include <QLocale>

#include <functional>

#include <gtest/gtest.h>

namespace {

// The dialog as it opens, with a printer chosen and a file name typed.
TexteTipareste Pregatite(bool laImprimanta)
{
    TexteTipareste t;
    t.LaImprimanta = laImprimanta;
    t.Imprimanta = QStringLiteral("PDF");
    t.Exemplare = QStringLiteral("1");
    t.NumeFisier = QStringLiteral("test1");
    t.Stanga = t.Dreapta = QStringLiteral("2");
    t.Sus = t.Jos = QStringLiteral("1");
    return t;
}

QString Mesaj(const TexteTipareste &t)
{
    const auto r = VerificaTiparirea(t);
    return std::holds_alternative<QString>(r) ? std::get<QString>(r) : QString();
}

struct Refuz
{
    const char *nume;
    bool laImprimanta;
    std::function<void(TexteTipareste &)> schimba;
    const char *mesaj;
};

void PrintTo(const Refuz &r, std::ostream *os)
{
    *os << r.nume;
}

class Verificare : public ::testing::TestWithParam<Refuz>
{};

TEST_P(Verificare, PrimaVerificareCareCadeIsiSpuneMesajul)
{
    TexteTipareste t = Pregatite(GetParam().laImprimanta);
    GetParam().schimba(t);
    EXPECT_EQ(Mesaj(t), QString::fromUtf8(GetParam().mesaj));
}

const char *const Neales = "Nu ati ales imprimanta!....";
const char *const FaraExemplare = "Nu ati definit numarul exemplarelor de tiparit!....";
const char *const Nimic = "Nu avem nimic de tiparit!...";
const char *const ExemplareGresite =
    "Numarul exemplarelor trebuie sa fie un numar intreg intre 1 si 32767!...";
const char *const FaraNume = "Nu ati definit numele fisierului!...";

INSTANTIATE_TEST_SUITE_P(
    Print, Verificare,
    ::testing::Values(
        // The printer is checked before the copies, and the copies before the margins.
        Refuz{"FaraImprimanta", true,
              [](auto &x) {
                  x.Imprimanta.clear();
                  x.Exemplare.clear();
                  x.Stanga = "x";
              },
              Neales},
        Refuz{"ExemplareGoale", true,
              [](auto &x) {
                  x.Exemplare.clear();
                  x.Stanga = "x";
              },
              FaraExemplare},
        Refuz{"ZeroExemplare", true,
              [](auto &x) {
                  x.Exemplare = "0";
                  x.Stanga = "x";
              },
              Nimic},
        Refuz{"SubJumatateSeRotunjesteLaZero", true, [](auto &x) { x.Exemplare = "0.4"; }, Nimic},
        Refuz{"JumatateaMergeLaPar", true, [](auto &x) { x.Exemplare = "0.5"; }, Nimic},
        Refuz{"Litere", true, [](auto &x) { x.Exemplare = "doua"; }, ExemplareGresite},
        Refuz{"Negativ", true, [](auto &x) { x.Exemplare = "-2"; }, ExemplareGresite},
        Refuz{"PesteInteger", true, [](auto &x) { x.Exemplare = "32768"; }, ExemplareGresite},
        Refuz{"Blanc", true, [](auto &x) { x.Exemplare = " "; }, ExemplareGresite},
        // A file needs no printer and no copies, only a name that stays in teste/.
        Refuz{"FisierFaraNume", false,
              [](auto &x) {
                  x.Imprimanta.clear();
                  x.Exemplare = "0";
                  x.NumeFisier.clear();
              },
              FaraNume},
        Refuz{"NumeCuDosar", false, [](auto &x) { x.NumeFisier = "../Tezaurel"; },
              "Numele fisierului nu poate contine caracterul /: paginile se salveaza numai in "
              "folderul teste!..."},
        Refuz{"StangaText", true,
              [](auto &x) {
                  x.Stanga = "doi";
                  x.Sus = "x";
              },
              "Marginea Stanga nu este un numar valid de centimetri!..."},
        Refuz{"DreaptaGoala", false, [](auto &x) { x.Dreapta.clear(); },
              "Marginea Dreapta nu este un numar valid de centimetri!..."},
        Refuz{"SusNegativ", true, [](auto &x) { x.Sus = "-1"; },
              "Marginea Top nu este un numar valid de centimetri!..."},
        Refuz{"JosText", false, [](auto &x) { x.Jos = "1 cm"; },
              "Marginea Bottom nu este un numar valid de centimetri!..."},
        Refuz{"MarginiPreaLate", true,
              [](auto &x) {
                  x.Stanga = "11";
                  x.Dreapta = "10";
              },
              "Marginile Stanga si Dreapta nu lasa loc pe latimea paginii!..."}),
    [](const ::testing::TestParamInfo<Refuz> &caz) { return std::string(caz.param.nume); });

TEST(Verificare, ValorileTrecuteAjungInPagina)
{
    TexteTipareste t = Pregatite(true);
    t.Exemplare = QStringLiteral("2.5");
    t.Stanga = QStringLiteral("1.5");
    t.Jos = QStringLiteral("0");
    t.Antet = QStringLiteral("Teza\nClasa a IX-a");
    const auto r = VerificaTiparirea(t);
    ASSERT_TRUE(std::holds_alternative<DatePagina>(r)) << qPrintable(std::get<QString>(r));
    const DatePagina &d = std::get<DatePagina>(r);
    EXPECT_EQ(d.NrExemplare, 2);
    EXPECT_FLOAT_EQ(d.Stanga, 1.5f);
    EXPECT_FLOAT_EQ(d.Dreapta, 2);
    EXPECT_FLOAT_EQ(d.Sus, 1);
    EXPECT_FLOAT_EQ(d.Jos, 0);
    EXPECT_EQ(d.Antet, t.Antet);

    t.Exemplare = QStringLiteral("3.5");
    EXPECT_EQ(std::get<DatePagina>(VerificaTiparirea(t)).NrExemplare, 4);
    t.Exemplare = QStringLiteral("32767");
    EXPECT_EQ(std::get<DatePagina>(VerificaTiparirea(t)).NrExemplare, 32767);

    // For a file the copies box is not looked at.
    TexteTipareste f = Pregatite(false);
    f.Exemplare = QStringLiteral("0");
    EXPECT_EQ(std::get<DatePagina>(VerificaTiparirea(f)).NumeFisier, QStringLiteral("test1"));
}

TEST(Margini, BaraDeLaPatruLaZeroCentimetri)
{
    EXPECT_EQ(TextMargine(0), "4");
    EXPECT_EQ(TextMargine(40), "0");
    EXPECT_EQ(TextMargine(20), "2");
    EXPECT_EQ(TextMargine(30), "1");
    EXPECT_EQ(TextMargine(1), "3.9");
    EXPECT_EQ(TextMargine(3), "3.7");
    EXPECT_EQ(TextMargine(39), "0.1");
}

class MarginiRomanesti : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania)); }
    void TearDown() override { QLocale::setDefault(m_inainte); }

private:
    QLocale m_inainte;
};

TEST_F(MarginiRomanesti, VirgulaZecimalaSiPunctulDeasemenea)
{
    EXPECT_EQ(TextMargine(15), "2,5");
    EXPECT_EQ(CitesteNumar(TextMargine(15)), 2.5);
    EXPECT_EQ(CitesteNumar("2.5"), 2.5);
    EXPECT_EQ(CitesteNumar("abc"), std::nullopt);
    EXPECT_EQ(CitesteNumar(""), std::nullopt);
}

} // namespace
