#pragma once

#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <vector>

// Shared state as start-up leaves it, with a collection put straight into
// the table (slots from 2) instead of read from a file.
struct ColectieSelectie
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii d{dosar.Cale(), platforma};

    ColectieSelectie()
    {
        d.NrProbleme = 1;
        d.NrCapitole = 1;
        d.NrDiscipline = 1;
    }

    void Pune(const std::vector<Problema> &probleme)
    {
        int i = 1;
        for (const Problema &p : probleme)
            d.TabelProbleme[++i] = p;
        d.NrProbleme = int16_t(i);
    }

    // Positions in Selectie slots 2..NrSelectie.
    std::vector<int> Selectate() const
    {
        std::vector<int> pozitii;
        for (int s = 2; s <= d.NrSelectie; ++s)
            pozitii.push_back(d.Selectie[s]);
        return pozitii;
    }
};

inline Problema P(int clasa, int nivel, const QString &disciplina, const QString &capitol,
                  bool stearsa = false)
{
    return FaProblema(clasa, nivel, disciplina, capitol, QStringLiteral("p.jpg"), stearsa);
}
