// The program stopped dead in the middle of an append or a deletion mark, at
// every write it makes: nothing stored before is lost or changed.
#include "tests/store/AccesCuCadere.h"

#include <gtest/gtest.h>

// Append and mark, the interrupted record torn after 0, 2, 100 or 510-511 bytes:
// the teacher is told, the change is undone in memory, and a fresh start finds
// every problem stored before, unchanged.
class Intreruperi : public ::testing::TestWithParam<int>
{};

TEST_P(Intreruperi, AdaugareaSiMarcareaIntrerupteNuPierdNimic)
{
    const int n = GetParam();
    std::vector<Problema> inainte;
    while (int(inainte.size()) < n)
        inainte.push_back(FaProblema(5 + n % 8, 5, "Algebra", QString(inainte.size() % 100, 'c'), "p.jpg"));
    const Problema noua = FaProblema(9, 9, "Geometrie", "Cercul", "nou.jpg");
    // Writes that pass before the fall, the bytes of the torn one; -1 marks.
    for (const int scrieri : {0, 1, 2, -1})
        for (const int rupt : {0, 2, 100, scrieri < 0 ? 510 : 511}) {
            SCOPED_TRACE(testing::Message() << "scrieri=" << scrieri << " rupt=" << rupt);
            Colectie k;
            k.dosar.ScrieColectie(inainte);
            k.d.IncarcaColectie();
            k.acces->ScrieriPermise = std::max(scrieri, 0);
            k.acces->Rupt = rupt;
            bool scris = scrieri < 0 && n == 0;
            if (scrieri >= 0) {
                k.d.TabelProbleme[++k.d.NrProbleme] = noua;
                scris = k.d.ScrieProblemaNoua();
                EXPECT_EQ(k.d.NrProbleme, scris ? n + 2 : n + 1);
            } else if (n > 0) {
                EXPECT_FALSE(k.d.MarcheazaStearsa(n + 1));
                EXPECT_FALSE(k.d.TabelProbleme[n + 1].EsteStearsa());
            }
            EXPECT_EQ(k.platforma.Mesaje, scris ? QStringList() : QStringList{EroareScriere(k.dosar.Colectie())});
            mDefinitii dupa(k.dosar.Cale(), k.platforma);
            dupa.IncarcaColectie();
            EXPECT_TRUE(dupa.NrProbleme == n + 1 ? !scris || scrieri < 0
                                                 : dupa.NrProbleme == n + 2 && scrieri >= 0 && dupa.TabelProbleme[n + 2] == noua);
            EXPECT_TRUE(std::equal(inainte.begin(), inainte.end(), &dupa.TabelProbleme[2]));
        }
}

INSTANTIATE_TEST_SUITE_P(Colectii, Intreruperi, ::testing::Values(0, 1, 254, 255));
