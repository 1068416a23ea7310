#pragma once

#include "logica/selectie/ModelSelectie.h"
#include "model/Colectie.h"
#include "tests/comune/DosarTest.h"
#include "tests/comune/PlatformaScriptata.h"
#include "unelte/AccesTestColectie.h"

#include <gtest/gtest.h>

using namespace tezaurel;

using L = ListaSelectie;
using V = std::vector<int>;

// Shared state as start-up leaves it, with a collection put straight into the
// table (slots from 2), and the dialog's model on it.
class Selectie : public ::testing::Test
{
protected:
    DosarTest dosar;
    PlatformaScriptata platforma;
    Colectie d{dosar.Cale(), platforma};
    ModelSelectie model{d};

    Selectie() { Pune({}); }
    void Pune(const std::vector<Problema> &probleme)
    {
        AccesTestColectie::Numar(d) = d.NrCapitole = d.NrDiscipline = 1;
        for (const Problema &p : probleme)
            AccesTestColectie::Tabel(d)[++AccesTestColectie::Numar(d)] = p;
    }
    // Positions in Selectie slots 2..NrSelectie.
    V Selectate() const
    {
        return V(d.Selectie.begin() + 2, d.Selectie.begin() + std::max<int>(d.NrSelectie + 1, 2));
    }
    void Muta(L sursa, int index)
    {
        model.Evidentiaza(sursa, index);
        EXPECT_EQ(model.Muta(sursa), index);
    }
    void Alege(L sursa, const QString &text)
    {
        Muta(sursa, int(model.Intrari(sursa).indexOf(text)));
    }
};

inline Problema P(int clasa, int nivel, const QString &disciplina, const QString &capitol,
                  bool stearsa = false)
{
    return FaProblema(clasa, nivel, disciplina, capitol, QStringLiteral("p.jpg"), stearsa);
}
