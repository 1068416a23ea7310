#pragma once

#include "ferestre/comune/FereastraFixa.h"
#include "logica/banner/Banner.h"

#include <QRandomGenerator>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QTimer;

namespace tezaurel {

class Ferestre;
class PanzaQt;
class Colectie;
class SelectieCurenta;

// The start-up window and hub: its menu leads to every other window.
class FereastraPrincipala : public FereastraFixa, private GazdaBanner
{
    Q_OBJECT

public:
    FereastraPrincipala(SelectieCurenta &selectie, Ferestre &ferestre, QWidget *parent = nullptr);
    ~FereastraPrincipala() override;

    // The load sequence; run before the first showing and again after a purge.
    void Incarca();
    void Redimensioneaza();
    // One step of the title animation.
    void LaTic();

    const Banner &Titlu() const { return *m_banner; }

    // Seeds the banner's shuffle at each load; the system clock unless a test fixes it.
    std::function<quint64()> Ceas;

    // The collection in use, named in the banner's tooltip and, when the user
    // chose it, in the title.
    void NumesteColectia(const QString &dosar, bool inTitlu, bool doarCitire);
    // Another collection: the folder given, or asked for when "".
    std::function<void(const QString &)> DeschideColectia;
    // The folders opened before, the latest first.
    std::function<QStringList()> ColectiiRecente;

protected:
    void resizeEvent(QResizeEvent *eveniment) override;

private:
    // The controls stay the window's own; tests find them by their captions.
    QAction *m_editare = nullptr;
    QAction *m_vizualizare = nullptr;
    QAction *m_stergereFizica = nullptr;
    QAction *m_ajutor = nullptr;
    QAction *m_iesire = nullptr;
    QAction *m_deschideColectia = nullptr;
    QMenu *m_recente = nullptr;

    QTimer *m_ceasBanner = nullptr;
    PanzaQt *m_panzaAscunsa = nullptr; // hidden canvas on which the banner's frames are composed

    void ConstruiesteMeniul();
    void LaEditare();
    void LaVizualizare();
    void LaStergereFizica();
    void LaAjutor();
    void LaIesire();
    void UmpleRecentele();

    // The client area as laid out now, even before the first showing.
    QSize MarimeClient();

    QImage &PanzaAscunsa() override;
    void StergePanzaAscunsa() override;
    void CopiazaPeFereastra() override;
    void ActiveazaTimer(bool activ) override;
    bool FereastraVizibila() const override;
    void CantaSunetul() override;

    Colectie &m_definitii;
    SelectieCurenta &m_selectie;
    Ferestre &m_ferestre;
    PanzaQt *m_panza;
    QRandomGenerator m_aleator;
    std::unique_ptr<Banner> m_banner;
};

} // namespace tezaurel
