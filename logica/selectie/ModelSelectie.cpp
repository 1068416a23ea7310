#include "logica/selectie/ModelSelectie.h"

#include "interfete/Platforma.h"
#include "model/Colectie.h"

#include <algorithm>

namespace tezaurel {

ModelSelectie::ModelSelectie(Colectie &definitii)
    : m_definitii(definitii)
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
    Colectie &d = m_definitii;
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
        adauga(ListaSelectie::Capitole, d.TabelCapitole, d.NrCapitole, c, ExistaCapitol(d, c));
        adauga(ListaSelectie::Discipline, d.TabelDiscipline, d.NrDiscipline, t,
               ExistaDisciplina(d, t));
    }
    return crescut;
}

bool ModelSelectie::UmpleListe()
{
    if (ListeIncarcate)
        return false;
    ListeIncarcate = true;

    Colectie &d = m_definitii;
    // Start-up and every evaluation leave both tables empty; starting from
    // empty here too keeps a text from being listed twice if they were not.
    d.NrCapitole = 1;
    d.NrDiscipline = 1;

    Lista &capitole = L(ListaSelectie::Capitole);
    capitole = {};
    for (int i = 2; i <= d.NrProbleme(); ++i) {
        const Problema &p = d.ProblemaDin(i);
        const QString c = p.Capitol.FaraBlancuri();
        if (!ExistaCapitol(d, c) && p.Sters == Fals) {
            ++d.NrCapitole;
            PuneInTabel(d.TabelCapitole, d.NrCapitole, c);
            capitole.intrari.append(c);
        }
    }
    capitole.evidentiat = capitole.intrari.isEmpty() ? -1 : 0;

    Lista &discipline = L(ListaSelectie::Discipline);
    discipline = {};
    for (int i = 2; i <= d.NrProbleme(); ++i) {
        const Problema &p = d.ProblemaDin(i);
        const QString t = p.Disciplina.FaraBlancuri();
        if (!ExistaDisciplina(d, t) && p.Sters == Fals) {
            ++d.NrDiscipline;
            PuneInTabel(d.TabelDiscipline, d.NrDiscipline, t);
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
    m_definitii.ClasaAleasa = int16_t(index + 5);
}

void ModelSelectie::AlegeNivel(int index)
{
    Filtre.FiltruNivel = true;
    m_definitii.NivelAles = int16_t(index + 5);
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
    Colectie &d = m_definitii;
    ColecteazaAlegeri(d, Intrari(ListaSelectie::CapitoleAlese),
                      Intrari(ListaSelectie::DisciplineAlese), Filtre);
    FiltreazaProbleme(d, Filtre);

    if (d.NrSelectie == 1 && d.platforma().IntrebareDaNu(MesajNimicGasit)) {
        ListeIncarcate = false;
        d.NrCapitole = 1;
        d.NrDiscipline = 1;
        UmpleListe();
        return Rezultat::Refacuta;
    }

    d.SelectieNoua = true;
    d.NrCapitole = 1;
    d.NrDiscipline = 1;
    ListeIncarcate = false;
    return Rezultat::Predata;
}

} // namespace tezaurel
