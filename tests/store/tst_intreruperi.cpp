// The program stopped dead in the middle of an append or a deletion mark, at
// every write it makes, and with the interrupted write torn part-way: a fresh
// start must still find every problem stored before, unchanged.
#include "tests/store/AccesJurnal.h"

#include <gtest/gtest.h>

namespace {

class Intreruperi : public ::testing::TestWithParam<int>
{};

TEST_P(Intreruperi, AdaugareaSiMarcareaIntrerupteNuPierdNimic)
{
    const int n = GetParam();
    std::vector<Problema> inainte;
    for (int i = 0; i < n; ++i)
        inainte.push_back(FaProblema(5 + i % 8, 5 + i % 6, "Algebra", QString("Capitolul %1").arg(i),
                                     QString("p%1.jpg").arg(i)));
    const Problema noua = FaProblema(9, 9, "Geometrie", "Cercul", "nou.jpg");
    // Writes that pass before the fall, the bytes of the torn one; -1 marks.
    const std::pair<int, int> cazuri[] = {{0, 0},  {0, 2},  {0, 100},  {0, 511},  {1, 0},
                                          {1, 2},  {1, 100}, {1, 511}, {2, 0},    {2, 2},
                                          {2, 100}, {2, 511}, {-1, 0}, {-1, 2}, {-1, 100}, {-1, 510}};
    for (const auto &[scrieri, rupt] : cazuri) {
        SCOPED_TRACE(testing::Message() << "scrieri=" << scrieri << " rupt=" << rupt);
        Colectie k;
        k.dosar.ScrieColectie(inainte);
        k.d.IncarcaColectie();
        k.acces->ScrieriPermise = std::max(scrieri, 0);
        k.acces->Rupt = rupt;
        bool scris = false;
        if (scrieri >= 0) {
            k.d.TabelProbleme[++k.d.NrProbleme] = noua;
            scris = k.d.ScrieProblemaNoua();
            EXPECT_EQ(k.d.NrProbleme, scris ? n + 2 : n + 1); // undone in memory
        } else if (n > 0) {
            EXPECT_FALSE(k.d.MarcheazaStearsa(n + 1));
            EXPECT_FALSE(k.d.TabelProbleme[n + 1].EsteStearsa());
        }
        const auto dupa = k.Reincarcat();
        ASSERT_GE(dupa->NrProbleme, n + 1);
        ASSERT_LE(dupa->NrProbleme, scrieri < 0 ? n + 1 : n + 2);
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(dupa->TabelProbleme[i + 2], inainte[size_t(i)]) << i;
        EXPECT_TRUE(dupa->NrProbleme == n + 1 || dupa->TabelProbleme[n + 2] == noua);
        EXPECT_TRUE(!scris || dupa->NrProbleme == n + 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Colectii, Intreruperi, ::testing::Values(0, 1, 254, 255));

} // namespace
