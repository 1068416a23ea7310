#pragma once

#include "logica/selectie/EvaluareSelectie.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace tezaurel {

class SelectieCurenta;

// The four list boxes of the selection dialog: for chapters and for
// disciplines, the ones still available and the ones chosen.
enum class ListaSelectie { Capitole, CapitoleAlese, Discipline, DisciplineAlese };

// Everything the selection dialog knows, without a widget: the available and
// chosen lists with their highlighted entries, the criteria clicked so far,
// and what "Vizualizare" does with them. The window only mirrors it.
class ModelSelectie
{
public:
    explicit ModelSelectie(SelectieCurenta &selectie);

    FiltreSelectie Filtre;
    bool ListeIncarcate = false; // the lists were filled for this showing

    const QStringList &Intrari(ListaSelectie lista) const;
    // The highlighted entry, -1 for none.
    int Evidentiat(ListaSelectie lista) const;
    // The user's highlight; an index outside the list means none.
    void Evidentiaza(ListaSelectie lista, int index);
    // Where the list's move button sends its highlighted entry.
    static ListaSelectie Tinta(ListaSelectie sursa);

    // The activation step: once per showing, fills the available lists with the
    // distinct texts of the collection and clears every choice. False when the
    // lists were already filled and nothing changed.
    bool UmpleListe();
    // Problems added while the lists are filled: their chapters and
    // disciplines not listed yet join the lists. True when a list grew.
    bool AdaugaProblemele(const std::vector<int> &sloturi);

    void AlegeClasa(int index); // index 0..7: classes V..XII
    void AlegeNivel(int index); // index 0..5: levels 5..10

    // Moves the highlighted entry of sursa to the end of its partner list and
    // returns its former index, or -1 when nothing is highlighted. The entry
    // that takes its place is highlighted next, so that repeated presses go on
    // moving entries.
    int Muta(ListaSelectie sursa);

    enum class Rezultat {
        Refacuta, // nothing found and the user asked to redo: the lists are rebuilt
        Predata,  // the selection goes to the viewer; the dialog is to be hidden
    };
    // "Vizualizare": evaluates the criteria into the selection and decides what follows.
    Rezultat Vizualizare();

    static inline const QString MesajNimicGasit =
        QStringLiteral("Nu s-a gasit nici o inregistrare in acest filtru... Refaceti cautarea?");

private:
    struct Lista
    {
        QStringList intrari;
        int evidentiat = -1;
    };
    Lista &L(ListaSelectie lista) { return m_liste[static_cast<int>(lista)]; }
    const Lista &L(ListaSelectie lista) const { return m_liste[static_cast<int>(lista)]; }

    SelectieCurenta &m_selectie;
    std::array<Lista, 4> m_liste;
};

} // namespace tezaurel
