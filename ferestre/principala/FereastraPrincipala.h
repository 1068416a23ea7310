#pragma once

#include "logica/banner/Banner.h"
#include "ferestre/comune/FereastraFixa.h"

#include <QRandomGenerator>

#include <functional>
#include <memory>

class Ferestre;
class PanzaQt;
class Colectie;
class QAction;
class QTimer;

// The start-up window and hub: its menu leads to every other window.
class FereastraPrincipala : public FereastraFixa, private GazdaBanner
{
    Q_OBJECT

public:
    FereastraPrincipala(Colectie &definitii, Ferestre &ferestre, QWidget *parent = nullptr);
    ~FereastraPrincipala() override;

    // The load sequence; run before the first showing and again after a purge.
    void fMain_Form_Load();
    void fMain_Form_Resize();
    // One step of the title animation.
    void fMain_Timer1_Timer();

    const Banner &Titlu() const { return *m_banner; }

    // Seeds the banner's shuffle at each load; the system clock unless a test fixes it.
    std::function<quint64()> Ceas;

protected:
    void resizeEvent(QResizeEvent *eveniment) override;

private:
    // The controls stay the window's own; tests find them by their captions.
    QAction *mEditareTezaurel = nullptr;
    QAction *mVizualizareTezaurel = nullptr;
    QAction *mStergereFizica = nullptr;
    QAction *mAjutor = nullptr;
    QAction *mIesire = nullptr;

    QTimer *Timer1 = nullptr;
    PanzaQt *Picture2 = nullptr; // hidden canvas on which the banner's frames are composed

    void fMain_mEditareTezaurel_Click();
    void fMain_mVizualizareTezaurel_Click();
    void fMain_mStergereFizica_Click();
    void fMain_mAjutor_Click();
    void fMain_mIesire_Click();

    // The client area as laid out now, even before the first showing.
    QSize MarimeClient();

    QImage &PanzaAscunsa() override;
    void StergePanzaAscunsa() override;
    void CopiazaPeFereastra() override;
    void ActiveazaTimer(bool activ) override;
    bool FereastraVizibila() const override;
    void CantaSunetul() override;

    Colectie &m_definitii;
    Ferestre &m_ferestre;
    PanzaQt *m_panza;
    QRandomGenerator m_aleator;
    std::unique_ptr<Banner> m_banner;
};
