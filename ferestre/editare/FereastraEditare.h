#pragma once

#include "ferestre/comune/FereastraFixa.h"

#include <memory>

class QAction;
class QMenu;
class QMouseEvent;

namespace tezaurel {

class EditareProbleme;
class Ferestre;
class PanzaQt;
class Colectie;

// The problem editor: the window is the canvas the picture is dragged on.
class FereastraEditare : public FereastraFixa
{
    Q_OBJECT

public:
    FereastraEditare(Colectie &definitii, Ferestre &ferestre, QWidget *parent = nullptr);
    ~FereastraEditare() override;

    EditareProbleme &Editare() { return *m_editare; }

    // The menus other features add their commands to.
    enum class Meniu { Importa, Vedere };
    QMenu *MeniuDe(Meniu meniu) const;

protected:
    bool event(QEvent *eveniment) override;

private:
    // The controls stay the window's own; tests find them by their captions.
    QAction *m_deschideFisier = nullptr;
    QAction *m_salveaza = nullptr;
    QAction *m_stergeProblema = nullptr;
    QAction *m_repuneProblema = nullptr;
    QAction *m_revenire = nullptr;

    void LaDeschideFisier();
    void LaSalvare();
    void LaStergere();
    void LaRevenire();
    void Activeaza();
    void LaApasare(QMouseEvent *eveniment);
    void LaMiscare(QMouseEvent *eveniment);
    void LaEliberare(QMouseEvent *eveniment);

    Colectie &m_definitii;
    Ferestre &m_ferestre;
    PanzaQt *m_panza;
    std::unique_ptr<EditareProbleme> m_editare;
    QMenu *m_importa = nullptr;
    QMenu *m_vedere = nullptr;
};

} // namespace tezaurel
