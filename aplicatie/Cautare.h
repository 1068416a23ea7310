#pragma once

#include "interfete/Recunoastere.h"
#include "logica/cautare/RecunoastereFundal.h"

#include <memory>

class QDialog;

namespace tezaurel {

class FereastraSelectie;
class FereastraVizualizare;
class Colectie;
class SelectieCurenta;

// Search by words, joined to the windows that show it: the selection
// dialog's word field, the viewer's recognised text and the progress of the
// recognition in both. The application owns one and hands it each window
// the first time the window is made.
class Cautare
{
public:
    // Registers the index's tables: made before the database opens.
    Cautare(const SelectieCurenta &selectie, MotorRecunoastere motor);
    ~Cautare();

    // After the database opened, and whenever the collection changed.
    void Actualizeaza() { m_fundal.Actualizeaza(); }
    RecunoastereFundal &Fundal() { return m_fundal; }

    void Leaga(FereastraSelectie &defSel);
    void Leaga(FereastraVizualizare &vizualizare);

    // "Textul recunoscut": the text of the problem the viewer shows, in a
    // window of its own from which it can be copied; a message when there is
    // none to show.
    void ArataTextul();

private:
    Colectie &m_definitii;
    const SelectieCurenta &m_selectie;
    RecunoastereFundal m_fundal;
    std::unique_ptr<QDialog> m_fereastraText;
};

} // namespace tezaurel
