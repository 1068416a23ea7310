#pragma once

#include "ferestre/comune/FereastraFixa.h"
#include "logica/vizualizare/Vizualizator.h"

#include <map>
#include <memory>

class QAction;
class QMenu;
class QMouseEvent;
class QPlainTextEdit;
class QStatusBar;
class QToolBar;

namespace tezaurel {

class Ferestre;
class PanzaQt;
class Colectie;
class SelectieCurenta;

// Pages through the current selection: the picture in a panel where it can
// be dragged, the observations in a box shown on request, the problem's
// metadata in the status line.
class FereastraVizualizare : public FereastraFixa
{
    Q_OBJECT

public:
    FereastraVizualizare(SelectieCurenta &selectie, Ferestre &ferestre, QWidget *parent = nullptr);
    ~FereastraVizualizare() override;

    Vizualizator &Logica() { return m_logica; }
    // The toolbar button with this caption; nullptr when there is none.
    QAction *Buton(const QString &titlu) const;
    // The menus of the viewer's menu bar, each made on first use. The toolbar
    // keeps the window's own commands; every command added later lives in
    // these menus, so the toolbar's captions keep their room.
    enum class Meniu { Vedere, Schimb, Problema, Lucrare };
    QMenu *MeniuDe(Meniu meniu);
    // The problem shown was changed: its details and picture shown again.
    void ProblemaSchimbata();
    // A permanent label or gauge at the right end of the status line.
    void AdaugaInStare(QWidget *control);

signals:
    // A toolbar button has done its work: the problem shown may be another.
    void ButonApasat();

protected:
    bool event(QEvent *eveniment) override;
    void resizeEvent(QResizeEvent *eveniment) override;

private:
    void ConstruiesteBara();
    void ConstruiestePanoul();
    void Incarca();
    void Activeaza();
    void Redimensioneaza();
    void LaComanda(QAction *buton);
    void LaApasare(QMouseEvent *eveniment);
    void LaMiscare(QMouseEvent *eveniment);
    void LaEliberare(QMouseEvent *eveniment);

    // Places the status bar and the observations box against the window's
    // bottom and right edges and stretches the panel to the window's height.
    void Aseaza();
    // Shrinks the toolbar's font until every caption fits a button this wide.
    void PotrivesteTitlurile(int latimeButon);
    // Mirrors the logic's texts and the box's visibility into the controls.
    void Afiseaza();
    int InaltimeBara() const;
    // The menu bar and the toolbar together: what lies above the client area.
    int InaltimeDeasupra() const;

    QToolBar *m_bara;
    PanzaQt *m_panou;
    QPlainTextEdit *m_observatii;
    QStatusBar *m_stare;
    Ferestre &m_ferestre;
    Colectie &m_definitii;
    Vizualizator m_logica;
    std::map<Meniu, QMenu *> m_meniuri;
};

} // namespace tezaurel
