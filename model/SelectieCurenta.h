#pragma once

#include "model/Colectie.h"

#include <QObject>
#include <QString>

#include <array>
#include <vector>

namespace tezaurel {

// The problems the user chose to page through, and the selection dialog's
// working tables. Positions into the collection's numbering, so a collection
// read again from the start drops them; owned by the application beside the
// collection and handed to the windows that choose, page and print.
class SelectieCurenta : public QObject
{
    Q_OBJECT

public:
    explicit SelectieCurenta(Colectie &colectie);

    Colectie &Colectia() const { return m_colectie; }

    // --- the selection dialog's working tables (slots 2..Nr used)
    std::vector<QString> TabelCapitole;
    int16_t NrCapitole = 0;
    std::vector<QString> TabelDiscipline;
    int16_t NrDiscipline = 0;
    int16_t ClasaAleasa = 0;
    // The selection leaves out the problems this class was given; empty: none.
    QString ClasaFaraRepetari;
    int16_t NivelAles = 0;

    // --- the selection: slots of the collection in positions 2..NrSelectie
    std::array<int16_t, Colectie::UltimulSlot + 1> Pozitii{};
    int16_t NrSelectie = 0;
    bool SelectieNoua = false;
    int16_t PozitieCurenta = 0;

    const Problema &ProblemaLa(int pozitie) const
    {
        return m_colectie.ProblemaDin(Pozitii[size_t(pozitie)]);
    }
    // The problem the viewer shows now; nullptr when the selection is empty.
    const Problema *ProblemaAratata() const;
    // As at start-up: nothing chosen, no table filled.
    void Reseteaza();

signals:
    // The viewer turned to another problem of the selection, or emptied it:
    // what is shown beside the viewer follows.
    void ProblemaAratataSchimbata();

private:
    Colectie &m_colectie;
};

} // namespace tezaurel
