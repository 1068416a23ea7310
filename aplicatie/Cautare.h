#pragma once

#include "interfete/Recunoastere.h"
#include "logica/cautare/RecunoastereFundal.h"

#include <QPointer>
#include <QString>

#include <optional>

class QDialog;
class QWidget;

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
    // The shown problem's text; nullopt with the reason when there is none.
    std::optional<QString> TextulAratat(QString &nume, QString &motiv) const;
    // The open text window follows the problem the viewer pages to.
    void UrmeazaProblema();
    void Completeaza(const QString &nume, const QString &text);
    void FaFereastraText();

    Colectie &m_definitii;
    const SelectieCurenta &m_selectie;
    RecunoastereFundal m_fundal;
    QWidget *m_vizualizare = nullptr;
    QPointer<QDialog> m_fereastraText;
};

} // namespace tezaurel
