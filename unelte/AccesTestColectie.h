#pragma once

#include "model/Colectie.h"

namespace tezaurel {

// For tests and benchmarks only: a table laid out in memory, without the file
// and the lock that every write of the program goes through.
struct AccesTestColectie
{
    static std::vector<Problema> &Tabel(Colectie &d) { return d.m_probleme; }
    static int16_t &Numar(Colectie &d) { return d.m_nrProbleme; }
};

} // namespace tezaurel
