#pragma once

#include "platform/FereastraFixa.h"

class Ferestre;
class Panza;
class mDefinitii;
class QAction;

// The start-up window and hub: its menu leads to every other window.
class fMain : public FereastraFixa
{
    Q_OBJECT

public:
    fMain(mDefinitii &definitii, Ferestre &ferestre, QWidget *parent = nullptr);

    // The load sequence; run before the first showing and again after a purge.
    void fMain_Form_Load();

    Panza &Suprafata() { return *m_suprafata; }
    QAction *mEditareTezaurel = nullptr;
    QAction *mVizualizareTezaurel = nullptr;
    QAction *mStergereFizica = nullptr;
    QAction *mAjutor = nullptr;
    QAction *mIesire = nullptr;

protected:
    void resizeEvent(QResizeEvent *eveniment) override;

private:
    void fMain_mEditareTezaurel_Click();
    void fMain_mVizualizareTezaurel_Click();
    void fMain_mStergereFizica_Click();
    void fMain_mAjutor_Click();
    void fMain_mIesire_Click();

    mDefinitii &m_definitii;
    Ferestre &m_ferestre;
    Panza *m_suprafata;
};
