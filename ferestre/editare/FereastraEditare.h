#pragma once

#include "ferestre/comune/FereastraFixa.h"

#include <memory>

class EditareProbleme;
class Ferestre;
class PanzaQt;
class QAction;
class QMouseEvent;
class Colectie;

// The problem editor: the window is the canvas the picture is dragged on.
class FereastraEditare : public FereastraFixa
{
    Q_OBJECT

public:
    FereastraEditare(Colectie &definitii, Ferestre &ferestre, QWidget *parent = nullptr);
    ~FereastraEditare() override;

    EditareProbleme &Editare() { return *m_editare; }

protected:
    bool event(QEvent *eveniment) override;

private:
    // The controls stay the window's own; tests find them by their captions.
    QAction *mIntroduceProblema = nullptr;
    QAction *mSalveaza = nullptr;
    QAction *mStergeProblema = nullptr;
    QAction *mRepuneProblema = nullptr;
    QAction *mImportaDosar = nullptr;
    QAction *mRevenire = nullptr;

    void fEditareTezaurel_mIntroduceProblema_Click();
    void fEditareTezaurel_mSalveaza_Click();
    void fEditareTezaurel_mStergeProblema_Click();
    void fEditareTezaurel_mImportaDosar_Click();
    // A colleague's package, or another Tezaurel folder when dinDosar.
    void ImportaSchimb(bool dinDosar);
    void fEditareTezaurel_mRevenire_Click();
    void fEditareTezaurel_Form_Activate();
    void fEditareTezaurel_Form_MouseDown(QMouseEvent *eveniment);
    void fEditareTezaurel_Form_MouseMove(QMouseEvent *eveniment);
    void fEditareTezaurel_Form_MouseUp(QMouseEvent *eveniment);

    Colectie &m_definitii;
    Ferestre &m_ferestre;
    PanzaQt *m_panza;
    std::unique_ptr<EditareProbleme> m_editare;
};
