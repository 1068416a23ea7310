#pragma once

#include "logica/banca/FiltruBanca.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <optional>
#include <vector>

namespace tezaurel {

class ArhivaLucrari;
class Colectie;
struct SchimbareColectie;

// The problem bank's search: the collection narrowed by every criterion of a
// FiltruBanca at once, and, for each list of values, what the other criteria
// leave, so a list never offers a choice that would find nothing. It follows
// the collection as it changes, here or in another program.
class ModelBanca : public QObject
{
    Q_OBJECT

public:
    ModelBanca(Colectie &colectie, ArhivaLucrari &arhiva);

    const FiltruBanca &Filtru() const { return m_filtru; }
    void SeteazaFiltru(const FiltruBanca &filtru);
    // Every problem again, in the same order.
    void Reseteaza();

    // The slots found, in the order asked for.
    const std::vector<int> &Rezultate() const { return m_rezultate; }
    // The values present among the problems the other criteria leave, with
    // how many problems have each; classes and levels by number, texts
    // alphabetically.
    std::vector<ValoareBanca> Valori(CampBanca camp) const;
    // How many times the problem in this slot was given to a class.
    int Folosiri(int slot) const;

    // After a paper was printed or saved: who was given what changed.
    void FolosireSchimbata();
    // After recognition indexed more pictures: the words may find more.
    void TextSchimbat();

signals:
    void Schimbat();

private:
    // A problem's fields decoded once, not at each key the teacher types.
    struct Rand
    {
        int Clasa = 0;
        int Nivel = 0;
        QString Disciplina;
        QString Capitol;
        QString Poza;
        bool Stearsa = false;
    };
    enum Criteriu : unsigned {
        PrinClasa = 1,
        PrinNivel = 2,
        PrinDisciplina = 4,
        PrinCapitol = 8,
        PrinRest = 16,
        Toate = 31
    };

    void Incarca(int slot);
    void ColectieSchimbata(const SchimbareColectie &schimbare);
    unsigned Potriviri(const Rand &r) const;
    void Filtreaza();
    void Sorteaza();

    Colectie &m_colectie;
    ArhivaLucrari &m_arhiva;
    FiltruBanca m_filtru;
    std::vector<Rand> m_randuri; // by slot
    std::vector<int> m_rezultate;
    std::vector<unsigned> m_potriviri;     // by slot, for the lists' counts
    std::optional<QSet<QString>> m_gasite; // by the words; none when no word
    QSet<QString> m_date;                  // pictures the class was given
    mutable std::optional<QHash<QString, int>> m_folosiri;
};

} // namespace tezaurel
