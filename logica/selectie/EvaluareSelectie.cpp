#include "logica/selectie/EvaluareSelectie.h"

#include "logica/cautare/IndexText.h"
#include "logica/lucrari/ArhivaLucrari.h"
#include "model/SelectieCurenta.h"

namespace tezaurel {

namespace {

bool ExistaIn(const std::vector<QString> &tabel, int ultimul, const QString &text)
{
    for (int i = 2; i <= ultimul; ++i) {
        if (tabel[i] == text)
            return true;
    }
    return false;
}

void CopiazaAlegeri(std::vector<QString> &tabel, int16_t &ultimul, const QStringList &alese)
{
    for (int s = 0; s < alese.size(); ++s)
        PuneInTabel(tabel, s + 2, alese.at(s));
    ultimul = int16_t(alese.size() + 1);
}

} // namespace

bool ExistaCapitol(const SelectieCurenta &selectie, const QString &text)
{
    return ExistaIn(selectie.TabelCapitole, selectie.NrCapitole, text);
}

bool ExistaDisciplina(const SelectieCurenta &selectie, const QString &text)
{
    return ExistaIn(selectie.TabelDiscipline, selectie.NrDiscipline, text);
}

void PuneInTabel(std::vector<QString> &tabel, int i, const QString &text)
{
    if (i >= int(tabel.size()))
        tabel.resize(i + 1);
    tabel[i] = text;
}

void ColecteazaAlegeri(SelectieCurenta &selectie, const QStringList &capitole,
                       const QStringList &discipline, FiltreSelectie &filtre)
{
    filtre.FiltruCapitole = !capitole.isEmpty();
    if (!capitole.isEmpty())
        CopiazaAlegeri(selectie.TabelCapitole, selectie.NrCapitole, capitole);
    filtre.FiltruDiscipline = !discipline.isEmpty();
    if (!discipline.isEmpty())
        CopiazaAlegeri(selectie.TabelDiscipline, selectie.NrDiscipline, discipline);
}

void FiltreazaProbleme(SelectieCurenta &selectie, const FiltreSelectie &filtre)
{
    const Colectie &definitii = selectie.Colectia();
    const auto cuCuvinte = IndexText::Cauta(definitii.Baza(), filtre.Cuvinte);
    int16_t ultimul = 1;
    const QSet<QString> date =
        selectie.ClasaFaraRepetari.trimmed().isEmpty()
            ? QSet<QString>()
            : ArhivaLucrari(definitii.Baza()).PozeDateClasei(selectie.ClasaFaraRepetari);
    for (int i = 2; i <= definitii.NrProbleme(); ++i) {
        const Problema &p = definitii.ProblemaDin(i);
        // The whole-number criteria first: they are cheap and drop most records.
        if (p.EsteStearsa())
            continue;
        if (filtre.FiltruClasa && p.Clasa != selectie.ClasaAleasa)
            continue;
        if (filtre.FiltruNivel && p.Nivel != selectie.NivelAles)
            continue;
        if (filtre.FiltruCapitole && !ExistaCapitol(selectie, p.Capitol.FaraBlancuri()))
            continue;
        if (filtre.FiltruDiscipline && !ExistaDisciplina(selectie, p.Disciplina.FaraBlancuri()))
            continue;
        if (!date.isEmpty() && date.contains(p.Fisier.FaraBlancuri()))
            continue;
        if (cuCuvinte && !cuCuvinte->contains(p.Fisier.FaraBlancuri()))
            continue;
        selectie.Pozitii[++ultimul] = int16_t(i);
    }
    selectie.NrSelectie = ultimul;
}

} // namespace tezaurel
