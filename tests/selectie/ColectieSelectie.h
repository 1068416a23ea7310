#pragma once

#include "logica/selectie/ModelSelectie.h"
#include "model/SelectieCurenta.h"
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
    SelectieCurenta sel{d};
    ModelSelectie model{sel};

    Selectie() { Pune({}); }
    void Pune(const std::vector<Problema> &probleme)
    {
        AccesTestColectie::Numar(d) = sel.NrCapitole = sel.NrDiscipline = 1;
        for (const Problema &p : probleme)
            AccesTestColectie::Tabel(d)[++AccesTestColectie::Numar(d)] = p;
    }
    // The selected slots, positions 2..NrSelectie.
    V Selectate() const
    {
        return V(sel.Pozitii.begin() + 2,
                 sel.Pozitii.begin() + std::max<int>(sel.NrSelectie + 1, 2));
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
