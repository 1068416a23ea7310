#include "lucrari/AsezareLucrare.h"
#include "lucrari/Lucrare.h"

#include <gtest/gtest.h>

namespace {

// Default margins 2/2/1/1 cm: the zone is 1134..10772 across, 567..16271 down,
// the page number takes 15912..16271, so problems end at 15912.
struct Loc
{
    int pagina, y, x, latime, inaltime;
    bool micsorata;
};
struct CazAsezare
{
    const char *nume;
    MarginiLucrare margini;
    int antet;
    std::vector<QSize> poze;
    int pagini;
    std::vector<Loc> locuri; // y is the number line's; the picture starts 360 below
};

const CazAsezare CazuriAsezare[] = {
    {"TreiPeOPagina",
     {},
     1000,
     {{9639, 3000}, {9639, 3000}, {9639, 3000}},
     1,
     {{0, 1807, 1134, 9639, 3000, false},
      {0, 5407, 1134, 9639, 3000, false},
      {0, 9007, 1134, 9639, 3000, false}}},
    {"ATreiaTreceLaPaginaDoi",
     {},
     1000,
     {{9639, 6000}, {9639, 6000}, {9639, 6000}},
     2,
     {{0, 1807, 1134, 9639, 6000, false},
      {0, 8407, 1134, 9639, 6000, false},
      {1, 567, 1134, 9639, 6000, false}}},
    {"PreaInaltaPePaginaGoala", {}, 0, {{1000, 4000}}, 1, {{0, 567, 1134, 3746, 14985, true}}},
    {"PreaInaltaDupaAlta",
     {},
     0,
     {{9639, 3000}, {1000, 4000}},
     2,
     {{0, 567, 1134, 9639, 3000, false}, {1, 567, 1134, 3746, 14985, true}}},
    {"LaTitmeaDintreMargini",
     {3, 3, 2, 2},
     0,
     {{1701, 1000}},
     1,
     {{0, 1134, 1701, 8505, 5000, false}}},
    {"MarginiFaraLoc", {30, 2, 1, 1}, 0, {{9639, 3000}}, 1, {{0, 567, 1134, 9639, 3000, false}}},
    {"PozaNecitita",
     {},
     0,
     {QSize(), {9639, 3000}},
     1,
     {{0, 567, 1134, 9639, 720, false}, {0, 1887, 1134, 9639, 3000, false}}},
};

TEST(AsezareLucrare, Exemple)
{
    for (const CazAsezare &caz : CazuriAsezare) {
        SCOPED_TRACE(caz.nume);
        const AsezareLucrare a = AseazaLucrarea(caz.margini, caz.antet, caz.poze);
        EXPECT_EQ(a.NrPagini, caz.pagini);
        EXPECT_EQ(a.Subsol.bottom(), a.Zona.bottom());
        ASSERT_EQ(a.Locuri.size(), caz.locuri.size());
        for (size_t i = 0; i < caz.locuri.size(); ++i) {
            const Loc &e = caz.locuri[i];
            const LocProblema &l = a.Locuri[i];
            EXPECT_EQ(l.Pagina, e.pagina) << i;
            EXPECT_EQ(l.Eticheta.top(), e.y) << i;
            EXPECT_EQ(l.Poza, QRect(e.x, e.y + 360, e.latime, e.inaltime)) << i;
            EXPECT_EQ(l.Micsorata, e.micsorata) << i;
            EXPECT_LE(l.Poza.bottom(), a.Subsol.top()) << i;
        }
    }
}

TEST(Lucrare, TexteleFoii)
{
    const std::pair<QString, QString> texte[] = {
        {EtichetaProblema(1, 0), "1."},
        {EtichetaProblema(2, 2), "2. (2p)"},
        {EtichetaProblema(3, 1.5), "3. (1,5p)"},
        {TextClasa("IX B"), "Clasa a IX-a B"},
        {TextClasa("a x-a  A"), "Clasa a X-a A"},
        {TextClasa("cerc de excelență"), "cerc de excelență"},
        {LiniaTimp({"", "", "", {}, true, 50, true}),
         "Timp de lucru: 50 de minute. Se acordă 1 punct din oficiu."},
        {LiniaTimp({"", "", "", {}, true, 15, false}), "Timp de lucru: 15 minute."},
        {LiniaTimp({"", "", "", {}, true, 0, false}), ""},
    };
    for (const auto &[obtinut, asteptat] : texte)
        EXPECT_EQ(obtinut, asteptat);

    Lucrare l;
    l.Antet.Titlu = "Test 1/2";
    l.Antet.Data = QDate(2026, 3, 12);
    EXPECT_EQ(l.NumeFisier(), "Test 1-2 12.03.2026.pdf");
    l.Probleme = {{"a", 0, {}}, {"b", 0, {}}};
    EXPECT_EQ(l.AvertismentPuncte(), ""); // no points given: nothing to add up
    l.Probleme = {{"a", 2, {}}, {"b", 3, {}}, {"c", 4, {}}};
    EXPECT_EQ(l.AvertismentPuncte(), "");
    l.Probleme.pop_back();
    EXPECT_EQ(l.AvertismentPuncte(),
              "Atenție: punctele însumează 6 (cu 1 punct din oficiu), nu 10.");
}

} // namespace
