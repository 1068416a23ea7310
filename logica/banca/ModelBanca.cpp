#include "logica/banca/ModelBanca.h"

#include "logica/cautare/IndexText.h"
#include "logica/lucrari/ArhivaLucrari.h"
#include "model/Colectie.h"

#include <algorithm>
#include <map>
#include <utility>

namespace tezaurel {

ModelBanca::ModelBanca(Colectie &colectie, ArhivaLucrari &arhiva)
    : m_colectie(colectie)
    , m_arhiva(arhiva)
{
    ColectieSchimbata(SchimbareColectie{{}, {}, true});
    connect(&colectie, &Colectie::Schimbata, this, &ModelBanca::ColectieSchimbata);
}

void ModelBanca::Incarca(int slot)
{
    const Problema &p = m_colectie.ProblemaDin(slot);
    m_randuri[size_t(slot)] = {p.Clasa,
                               p.Nivel,
                               p.Disciplina.FaraBlancuri(),
                               p.Capitol.FaraBlancuri(),
                               p.Fisier.FaraBlancuri(),
                               p.EsteStearsa()};
}

void ModelBanca::ColectieSchimbata(const SchimbareColectie &schimbare)
{
    const int ultimul = m_colectie.NrProbleme();
    const int vechi = int(m_randuri.size());
    m_randuri.resize(size_t(std::max(ultimul + 1, 2)));
    if (schimbare.Reincarcata) {
        for (int s = 2; s <= ultimul; ++s)
            Incarca(s);
    } else {
        for (int s = std::max(vechi, 2); s <= ultimul; ++s)
            Incarca(s);
        for (int s : schimbare.Modificate)
            if (s >= 2 && s <= ultimul)
                Incarca(s);
    }
    // Observations are searched with the text, and they may have changed.
    if (!m_filtru.Cuvinte.isEmpty())
        m_gasite = IndexText::Cauta(m_colectie.Baza(), m_filtru.Cuvinte);
    Filtreaza();
}

void ModelBanca::SeteazaFiltru(const FiltruBanca &filtru)
{
    if (filtru == m_filtru)
        return;
    const FiltruBanca vechi = std::exchange(m_filtru, filtru);
    if (filtru.Cuvinte != vechi.Cuvinte)
        m_gasite = IndexText::Cauta(m_colectie.Baza(), filtru.Cuvinte);
    if (filtru.ClasaNedata != vechi.ClasaNedata)
        m_date = filtru.ClasaNedata.trimmed().isEmpty()
                     ? QSet<QString>()
                     : m_arhiva.PozeDateClasei(filtru.ClasaNedata);
    if (filtru.Ordine == OrdineBanca::Folosiri && vechi.Ordine != OrdineBanca::Folosiri)
        m_folosiri.reset();
    Filtreaza();
}

void ModelBanca::Reseteaza()
{
    FiltruBanca gol;
    gol.Ordine = m_filtru.Ordine;
    SeteazaFiltru(gol);
}

void ModelBanca::FolosireSchimbata()
{
    m_folosiri.reset();
    if (!m_filtru.ClasaNedata.trimmed().isEmpty())
        m_date = m_arhiva.PozeDateClasei(m_filtru.ClasaNedata);
    Filtreaza();
}

void ModelBanca::TextSchimbat()
{
    if (m_filtru.Cuvinte.isEmpty())
        return;
    m_gasite = IndexText::Cauta(m_colectie.Baza(), m_filtru.Cuvinte);
    Filtreaza();
}

unsigned ModelBanca::Potriviri(const Rand &r) const
{
    const FiltruBanca &f = m_filtru;
    unsigned m = 0;
    if (f.Clasa == 0 || r.Clasa == f.Clasa)
        m |= PrinClasa;
    if (f.Nivel == 0 || r.Nivel == f.Nivel)
        m |= PrinNivel;
    if (f.Disciplina.isEmpty() || r.Disciplina == f.Disciplina)
        m |= PrinDisciplina;
    if (f.Capitol.isEmpty() || r.Capitol == f.Capitol)
        m |= PrinCapitol;
    if ((f.ArataStearse || !r.Stearsa) && (!m_gasite || m_gasite->contains(r.Poza)) &&
        !m_date.contains(r.Poza))
        m |= PrinRest;
    return m;
}

void ModelBanca::Filtreaza()
{
    m_rezultate.clear();
    m_potriviri.assign(m_randuri.size(), 0);
    for (int s = 2; s < int(m_randuri.size()); ++s) {
        m_potriviri[size_t(s)] = Potriviri(m_randuri[size_t(s)]);
        if (m_potriviri[size_t(s)] == Toate)
            m_rezultate.push_back(s);
    }
    Sorteaza();
    emit Schimbat();
}

void ModelBanca::Sorteaza()
{
    auto dupa = [this](auto cheie) {
        std::stable_sort(m_rezultate.begin(), m_rezultate.end(), [&](int a, int b) {
            return cheie(m_randuri[size_t(a)]) < cheie(m_randuri[size_t(b)]);
        });
    };
    switch (m_filtru.Ordine) {
    case OrdineBanca::Adaugare:
        break;
    case OrdineBanca::Capitol:
        std::stable_sort(m_rezultate.begin(), m_rezultate.end(), [this](int a, int b) {
            return m_randuri[size_t(a)].Capitol.compare(m_randuri[size_t(b)].Capitol,
                                                        Qt::CaseInsensitive) < 0;
        });
        break;
    case OrdineBanca::Clasa:
        dupa([](const Rand &r) { return r.Clasa; });
        break;
    case OrdineBanca::Nivel:
        dupa([](const Rand &r) { return r.Nivel; });
        break;
    case OrdineBanca::Folosiri:
        // The most used first: what the teacher reaches for again.
        if (!m_folosiri)
            m_folosiri = m_arhiva.NrFolosiri();
        dupa([this](const Rand &r) { return -m_folosiri->value(r.Poza); });
        break;
    }
}

int ModelBanca::Folosiri(int slot) const
{
    if (!m_folosiri)
        m_folosiri = m_arhiva.NrFolosiri();
    return slot >= 2 && slot < int(m_randuri.size())
               ? m_folosiri->value(m_randuri[size_t(slot)].Poza)
               : 0;
}

std::vector<ValoareBanca> ModelBanca::Valori(CampBanca camp) const
{
    const unsigned propriu = camp == CampBanca::Clasa        ? PrinClasa
                             : camp == CampBanca::Nivel      ? PrinNivel
                             : camp == CampBanca::Disciplina ? PrinDisciplina
                                                             : PrinCapitol;
    std::map<int, int> numere;
    std::map<QString, std::pair<QString, int>> texte; // by the text folded, for the order
    for (int s = 2; s < int(m_randuri.size()); ++s) {
        if ((m_potriviri[size_t(s)] | propriu) != Toate)
            continue;
        const Rand &r = m_randuri[size_t(s)];
        if (camp == CampBanca::Clasa || camp == CampBanca::Nivel) {
            ++numere[camp == CampBanca::Clasa ? r.Clasa : r.Nivel];
            continue;
        }
        const QString &text = camp == CampBanca::Disciplina ? r.Disciplina : r.Capitol;
        auto &valoare = texte[text.toCaseFolded() + QChar(0) + text];
        valoare.first = text;
        ++valoare.second;
    }
    std::vector<ValoareBanca> valori;
    for (const auto &[numar, probleme] : numere)
        valori.push_back({QString::number(numar), numar, probleme});
    for (const auto &[cheie, valoare] : texte)
        valori.push_back({valoare.first, 0, valoare.second});
    return valori;
}

} // namespace tezaurel
