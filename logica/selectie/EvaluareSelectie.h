#pragma once

#include "model/Problema.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace tezaurel {

class SelectieCurenta;

// The dialog's criteria as the evaluation sees them; True = -1, False = 0.
struct FiltreSelectie
{
    bool FiltruClasa = false;      // a class option was clicked
    bool FiltruNivel = false;      // a level option was clicked
    bool FiltruCapitole = false;   // at least one chapter was chosen
    bool FiltruDiscipline = false; // at least one discipline was chosen
    // Words the recognised text or the observations must hold; none = no filter.
    QString Cuvinte;
};

// Exact, case-sensitive; the text is compared as given, against slots
// 2..NrCapitole (2..NrDiscipline) of the shared tables.
bool ExistaCapitol(const SelectieCurenta &selectie, const QString &text);
bool ExistaDisciplina(const SelectieCurenta &selectie, const QString &text);

// Stores text in slot i of a working table, which grows when a collection
// has more distinct texts than the table's first size.
void PuneInTabel(std::vector<QString> &tabel, int i, const QString &text);

// Puts the chosen texts in TabelCapitole/TabelDiscipline from slot 2 and sets
// FiltruCapitole/FiltruDiscipline. An empty choice leaves its table alone.
void ColecteazaAlegeri(SelectieCurenta &selectie, const QStringList &capitole,
                       const QStringList &discipline, FiltreSelectie &filtre);

// Fills Pozitii/NrSelectie with every unmarked problem meeting every active
// criterion, in table order. The four filter stages are fused into one pass:
// each keeps or drops a position by itself, so the survivors are the same.
// The words only narrow what the other criteria keep, in the same order.
void FiltreazaProbleme(SelectieCurenta &selectie, const FiltreSelectie &filtre);

} // namespace tezaurel
