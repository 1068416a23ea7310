#pragma once

#include <QString>

#include <vector>

namespace tezaurel {

// How the problem bank lists what it found; the slot order is the order the
// problems were added in.
enum class OrdineBanca { Adaugare, Capitol, Clasa, Nivel, Folosiri };

// What the teacher narrowed the bank down to. An empty text or a zero
// number leaves that criterion out. Every member has an initialiser, so
// that a filter names only the criteria it uses: {.Clasa = 9}.
struct FiltruBanca
{
    int Clasa = 0;
    int Nivel = 0;
    QString Disciplina{};
    QString Capitol{};
    QString Cuvinte{}; // from the recognised text and the observations
    // Leaves out the problems this class was already given ("IX B").
    QString ClasaNedata{};
    bool ArataStearse = false;
    OrdineBanca Ordine = OrdineBanca::Adaugare;

    bool operator==(const FiltruBanca &) const = default;
};

// The criteria whose lists offer the values present, with their counts.
enum class CampBanca { Clasa, Nivel, Disciplina, Capitol };

struct ValoareBanca
{
    QString Text;  // as the record holds it, trailing blanks left out
    int Numar = 0; // the class or level as a number; 0 for a text field
    int Probleme = 0;
    bool operator==(const ValoareBanca &) const = default;
};

// "IX" for 9: the class as the header of a paper writes it.
QString ClasaRomana(int clasa);

// Points for n problems sharing total as evenly as halves of a point allow,
// the larger shares first: 9 over 5 is 2, 2, 2, 1,5, 1,5.
std::vector<double> PuncteEgale(int n, double total);

} // namespace tezaurel
