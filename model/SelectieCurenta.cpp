#include "model/SelectieCurenta.h"

namespace tezaurel {

SelectieCurenta::SelectieCurenta(Colectie &colectie)
    : TabelCapitole(Colectie::CapitoleInitiale)
    , TabelDiscipline(Colectie::DisciplineInitiale)
    , m_colectie(colectie)
{
    connect(&colectie, &Colectie::Schimbata, this, [this](const SchimbareColectie &schimbare) {
        if (schimbare.Reincarcata)
            NrSelectie = 1; // positions of the old numbering
    });
}

const Problema *SelectieCurenta::ProblemaAratata() const
{
    if (NrSelectie < 2 || PozitieCurenta < 2 || PozitieCurenta > NrSelectie)
        return nullptr;
    const int slot = Pozitii[size_t(PozitieCurenta)];
    if (slot < 2 || slot > m_colectie.NrProbleme())
        return nullptr;
    return &m_colectie.ProblemaDin(slot);
}

void SelectieCurenta::Reseteaza()
{
    NrCapitole = 1;
    NrDiscipline = 1;
    SelectieNoua = false;
}

} // namespace tezaurel
