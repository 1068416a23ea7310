#include "logica/selectie/ModelSelectie.h"

#include "interfete/Platforma.h"
#include "model/SelectieCurenta.h"

#include <algorithm>

namespace tezaurel {

ModelSelectie::ModelSelectie(SelectieCurenta &selectie)
    : m_selectie(selectie)
{}

const QStringList &ModelSelectie::Intrari(ListaSelectie lista) const
{
    return L(lista).intrari;
}

int ModelSelectie::Evidentiat(ListaSelectie lista) const
{
    return L(lista).evidentiat;
}

void ModelSelectie::Evidentiaza(ListaSelectie lista, int index)
{
    Lista &l = L(lista);
    l.evidentiat = (index >= 0 && index < l.intrari.size()) ? index : -1;
}

ListaSelectie ModelSelectie::Tinta(ListaSelectie sursa)
{
    switch (sursa) {
    case ListaSelectie::Capitole:
        return ListaSelectie::CapitoleAlese;
    case ListaSelectie::CapitoleAlese:
        return ListaSelectie::Capitole;
    case ListaSelectie::Discipline:
        return ListaSelectie::DisciplineAlese;
    case ListaSelectie::DisciplineAlese:
        return ListaSelectie::Discipline;
    }
    return sursa;
}

bool ModelSelectie::AdaugaProblemele(const std::vector<int> &sloturi)
{
    if (!ListeIncarcate)
        return false; // the next showing fills them from the whole collection
    SelectieCurenta &s = m_selectie;
    const Colectie &d = s.Colectia();
    bool crescut = false;
    auto adauga = [&](ListaSelectie lista, std::vector<QString> &tabel, int16_t &numar,
                      const QString &text, bool exista) {
        if (exista)
            return;
        ++numar;
        PuneInTabel(tabel, numar, text);
        Lista &l = L(lista);
        l.intrari.append(text);
        if (l.evidentiat < 0)
            l.evidentiat = 0;
        crescut = true;
    };
    for (int slot : sloturi) {
        const Problema &p = d.ProblemaDin(slot);
        if (p.Sters != Fals)
            continue;
        const QString c = p.Capitol.FaraBlancuri(), t = p.Disciplina.FaraBlancuri();
        adauga(ListaSelectie::Capitole, s.TabelCapitole, s.NrCapitole, c, ExistaCapitol(s, c));
        adauga(ListaSelectie::Discipline, s.TabelDiscipline, s.NrDiscipline, t,
               ExistaDisciplina(s, t));
    }
    return crescut;
}

bool ModelSelectie::UmpleListe()
{
    if (ListeIncarcate)
        return false;
    ListeIncarcate = true;

    SelectieCurenta &s = m_selectie;
    const Colectie &d = s.Colectia();
    // Start-up and every evaluation leave both tables empty; starting from
    // empty here too keeps a text from being listed twice if they were not.
    s.NrCapitole = 1;
    s.NrDiscipline = 1;

    Lista &capitole = L(ListaSelectie::Capitole);
    capitole = {};
    for (int i = 2; i <= d.NrProbleme(); ++i) {
        const Problema &p = d.ProblemaDin(i);
        const QString c = p.Capitol.FaraBlancuri();
        if (!ExistaCapitol(s, c) && p.Sters == Fals) {
            ++s.NrCapitole;
            PuneInTabel(s.TabelCapitole, s.NrCapitole, c);
            capitole.intrari.append(c);
        }
    }
    capitole.evidentiat = capitole.intrari.isEmpty() ? -1 : 0;

    Lista &discipline = L(ListaSelectie::Discipline);
    discipline = {};
    for (int i = 2; i <= d.NrProbleme(); ++i) {
        const Problema &p = d.ProblemaDin(i);
        const QString t = p.Disciplina.FaraBlancuri();
        if (!ExistaDisciplina(s, t) && p.Sters == Fals) {
            ++s.NrDiscipline;
            PuneInTabel(s.TabelDiscipline, s.NrDiscipline, t);
            discipline.intrari.append(t);
        }
    }
    discipline.evidentiat = discipline.intrari.isEmpty() ? -1 : 0;

    Filtre = {};
    L(ListaSelectie::CapitoleAlese) = {};
    L(ListaSelectie::DisciplineAlese) = {};
    return true;
}

void ModelSelectie::AlegeClasa(int index)
{
    Filtre.FiltruClasa = true;
    m_selectie.ClasaAleasa = int16_t(index + 5);
}

void ModelSelectie::AlegeNivel(int index)
{
    Filtre.FiltruNivel = true;
    m_selectie.NivelAles = int16_t(index + 5);
}

int ModelSelectie::Muta(ListaSelectie sursa)
{
    Lista &s = L(sursa);
    const int k = s.evidentiat;
    if (k < 0 || k >= s.intrari.size())
        return -1;
    L(Tinta(sursa)).intrari.append(s.intrari.takeAt(k));
    s.evidentiat = s.intrari.isEmpty() ? -1 : std::min<int>(k, s.intrari.size() - 1);
    return k;
}

ModelSelectie::Rezultat ModelSelectie::Vizualizare()
{
    SelectieCurenta &s = m_selectie;
    const Colectie &d = s.Colectia();
    ColecteazaAlegeri(s, Intrari(ListaSelectie::CapitoleAlese),
                      Intrari(ListaSelectie::DisciplineAlese), Filtre);
    FiltreazaProbleme(s, Filtre);

    if (s.NrSelectie == 1 && d.platforma().IntrebareDaNu(MesajNimicGasit)) {
        ListeIncarcate = false;
        s.NrCapitole = 1;
        s.NrDiscipline = 1;
        UmpleListe();
        return Rezultat::Refacuta;
    }

    s.SelectieNoua = true;
    s.NrCapitole = 1;
    s.NrDiscipline = 1;
    ListeIncarcate = false;
    return Rezultat::Predata;
}

} // namespace tezaurel
