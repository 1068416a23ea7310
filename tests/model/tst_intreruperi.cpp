// The program stopped dead in the middle of an append or a deletion mark, at
// every write it makes, on collections of 0, 1, 254 and 255 problems, the
// interrupted record torn after 0, 2, 100 or 510-511 bytes: the teacher is
// told, the change is undone in memory, and a fresh start finds every problem
// stored before, unchanged (60 interruptions).
#include "tests/model/AccesJurnal.h"

#include <gtest/gtest.h>

using namespace tezaurel;

TEST(Intreruperi, AdaugareaSiMarcareaIntrerupteNuPierdNimic)
{
    const Problema noua = FaProblema(9, 9, "Geometrie", "Cercul", "nou.jpg");
    for (const int n : {0, 1, 254, 255}) {
        std::vector<Problema> inainte;
        while (int(inainte.size()) < n)
            inainte.push_back(FaProblema(5, 5, "A", QString(inainte.size() % 100, 'c'), "p.jpg"));
        // Writes that pass before the fall, the bytes of the torn one; -1 marks.
        for (const int scrieri : {0, 1, 2, -1})
            for (const int rupt : {0, 2, 100, scrieri < 0 ? 510 : 511}) {
                SCOPED_TRACE(testing::Message() << n << " " << scrieri << " " << rupt);
                ColectieTest k;
                k.dosar.ScrieColectie(inainte);
                k.d.IncarcaColectie();
                k.acces->ScrieriPermise = std::max(scrieri, 0);
                k.acces->Rupt = rupt;
                bool scris = scrieri < 0 && n == 0; // nothing to mark
                if (scrieri >= 0) {
                    scris = k.d.ScrieProblemaNoua(noua);
                    EXPECT_EQ(k.d.NrProbleme(), scris ? n + 2 : n + 1);
                } else if (n > 0) {
                    EXPECT_FALSE(k.d.MarcheazaStearsa(n + 1));
                    EXPECT_FALSE(k.d.ProblemaDin(n + 1).EsteStearsa());
                }
                const QString eroare = scris ? "" : EroareScriere(k.dosar.Colectie());
                EXPECT_EQ(k.d.IaAnunturile().join(""), eroare);
                Colectie dupa(k.dosar.Cale(), k.platforma);
                dupa.IncarcaColectie();
                // The header may be one ahead of the records: the whole ones count.
                const bool adaugata = dupa.NrProbleme() == n + 2 && dupa.ProblemaDin(n + 2) == noua;
                EXPECT_TRUE(dupa.NrProbleme() == n + 1 ? !scris || scrieri < 0
                                                       : adaugata && scrieri >= 0);
                EXPECT_TRUE(std::equal(inainte.begin(), inainte.end(), &dupa.ProblemaDin(2)));
            }
    }
}
