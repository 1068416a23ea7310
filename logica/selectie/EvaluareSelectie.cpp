#include "logica/selectie/EvaluareSelectie.h"

#include "logica/cautare/IndexText.h"
#include "logica/lucrari/ArhivaLucrari.h"
#include "model/Colectie.h"

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

bool ExistaCapitol(const Colectie &definitii, const QString &text)
{
    return ExistaIn(definitii.TabelCapitole, definitii.NrCapitole, text);
}

bool ExistaDisciplina(const Colectie &definitii, const QString &text)
{
    return ExistaIn(definitii.TabelDiscipline, definitii.NrDiscipline, text);
}

void PuneInTabel(std::vector<QString> &tabel, int i, const QString &text)
{
    if (i >= int(tabel.size()))
        tabel.resize(i + 1);
    tabel[i] = text;
}

void ColecteazaAlegeri(Colectie &definitii, const QStringList &capitole,
                       const QStringList &discipline, FiltreSelectie &filtre)
{
    filtre.FiltruCapitole = !capitole.isEmpty();
    if (!capitole.isEmpty())
        CopiazaAlegeri(definitii.TabelCapitole, definitii.NrCapitole, capitole);
    filtre.FiltruDiscipline = !discipline.isEmpty();
    if (!discipline.isEmpty())
        CopiazaAlegeri(definitii.TabelDiscipline, definitii.NrDiscipline, discipline);
}

void FiltreazaProbleme(Colectie &definitii, const FiltreSelectie &filtre)
{
    const auto cuCuvinte = IndexText::Cauta(definitii.Baza(), filtre.Cuvinte);
    int16_t ultimul = 1;
    const QSet<QString> date =
        definitii.ClasaFaraRepetari.trimmed().isEmpty()
            ? QSet<QString>()
            : ArhivaLucrari(definitii.Baza()).PozeDateClasei(definitii.ClasaFaraRepetari);
    for (int i = 2; i <= definitii.NrProbleme(); ++i) {
        const Problema &p = definitii.ProblemaDin(i);
        // The whole-number criteria first: they are cheap and drop most records.
        if (p.EsteStearsa())
            continue;
        if (filtre.FiltruClasa && p.Clasa != definitii.ClasaAleasa)
            continue;
        if (filtre.FiltruNivel && p.Nivel != definitii.NivelAles)
            continue;
        if (filtre.FiltruCapitole && !ExistaCapitol(definitii, p.Capitol.FaraBlancuri()))
            continue;
        if (filtre.FiltruDiscipline && !ExistaDisciplina(definitii, p.Disciplina.FaraBlancuri()))
            continue;
        if (!date.isEmpty() && date.contains(p.Fisier.FaraBlancuri()))
            continue;
        if (cuCuvinte && !cuCuvinte->contains(p.Fisier.FaraBlancuri()))
            continue;
        definitii.Selectie[++ultimul] = int16_t(i);
    }
    definitii.NrSelectie = ultimul;
}

} // namespace tezaurel
