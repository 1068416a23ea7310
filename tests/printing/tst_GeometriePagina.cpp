#include "printing/GeometriePagina.h"

#include <gtest/gtest.h>

namespace {

TEST(Geometrie, DreptunghiurileInTwips)
{
    const struct
    {
        const char *nume;
        float stanga, dreapta, sus;
        QSize poza;
        QRect antet, imagine;
    } cazuri[] = {
        // clang-format off
        // The dialog's starting margins, a picture three quarters as tall as wide.
        {"ExemplulLucrat", 2, 2, 1, {4000, 3000}, {1134, 283, 9639, 1134}, {1134, 1984, 9639, 7229}},
        {"FaraMargini", 0, 0, 0, {100, 100}, {0, 283, 11907, 1134}, {0, 1417, 11907, 11907}},
        // 2.5 cm is 1417.5 twips, cut to 1417; 0.3 cm lands the picture at 1587.6.
        {"JumatatiTaiate", 2.5f, 1.5f, 0.3f, {1000, 2000}, {1417, 283, 9639, 1134}, {1417, 1587, 9639, 19278}},
        {"FaraPoza", 2, 2, 1, {}, {1134, 283, 9639, 1134}, {}},
        // clang-format on
    };
    for (const auto &c : cazuri) {
        SCOPED_TRACE(c.nume);
        const AsezarePagina a = AseazaPagina(c.stanga, c.dreapta, c.sus, c.poza);
        EXPECT_EQ(a.Antet, c.antet);
        EXPECT_EQ(a.Poza, c.imagine);
    }
    EXPECT_EQ(Pagina::MarimeFisier(), QSize(794, 1123));
}

} // namespace
