#include "ferestre/principala/FereastraPrincipala.h"

#include "ferestre/comune/Ecran.h"
#include "ferestre/comune/Iconite.h"
#include "ferestre/comune/PanzaQt.h"
#include "interfete/Ferestre.h"
#include "interfete/Platforma.h"
#include "model/SelectieCurenta.h"
#include "model/StergereFizica.h"

#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <chrono>

namespace tezaurel {

namespace {
constexpr int LatimeClient = Pixeli(16665);
constexpr int InaltimeClient = Pixeli(9540);
} // namespace

FereastraPrincipala::FereastraPrincipala(SelectieCurenta &selectie, Ferestre &ferestre,
                                         QWidget *parent)
    : FereastraFixa(parent)
    , m_definitii(selectie.Colectia())
    , m_selectie(selectie)
    , m_ferestre(ferestre)
    , m_panza(new PanzaQt(this))
{
    setWindowTitle(QStringLiteral("Main"));
    setWindowIcon(IconitaFerestrei("principala"));
    setCentralWidget(m_panza);
    NumesteColectia(m_definitii.DosarAplicatie(), false, false);

    ConstruiesteMeniul();

    // Start from the designed client area; the banner later fits the width to its letters.
    m_panza->setMinimumSize(1, 1);
    resize(LatimeClient, InaltimeClient + menuBar()->sizeHint().height());

    Ceas = [] {
        return static_cast<quint64>(std::chrono::system_clock::now().time_since_epoch().count());
    };
    m_ceasBanner = new QTimer(this);
    m_ceasBanner->setInterval(Banner::IntervalTimer);
    connect(m_ceasBanner, &QTimer::timeout, this, &FereastraPrincipala::LaTic);

    m_panzaAscunsa = new PanzaQt(m_panza);
    m_panzaAscunsa->hide();

    m_banner = std::make_unique<Banner>(static_cast<GazdaBanner &>(*this),
                                        IncarcaLitere(m_definitii.DosarResurse()));
}

FereastraPrincipala::~FereastraPrincipala() = default;

void FereastraPrincipala::ConstruiesteMeniul()
{
    auto adauga = [this](const char *titlu, const char *tasta,
                         void (FereastraPrincipala::*handler)()) {
        QAction *a = menuBar()->addAction(QString::fromLatin1(titlu));
        // Keys rather than mnemonics: an "&" would change the captions.
        a->setShortcut(QKeySequence(QString::fromLatin1(tasta)));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    m_editare = adauga("Editare Tezaurel", "Ctrl+E", &FereastraPrincipala::LaEditare);
    m_vizualizare = adauga("Vizualizare Tezaurel", "Ctrl+R", &FereastraPrincipala::LaVizualizare);
    m_stergereFizica =
        adauga("Stergere fizica", "Ctrl+Shift+Del", &FereastraPrincipala::LaStergereFizica);
    m_ajutor = adauga("Ajutor", "F1", &FereastraPrincipala::LaAjutor);
    m_iesire = adauga("Iesire", "Ctrl+Q", &FereastraPrincipala::LaIesire);
    // A collection on a school share or a stick, after the original's five.
    m_deschideColectia = menuBar()->addAction(QStringLiteral("Deschide colecția…"));
    m_deschideColectia->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+O")));
    connect(m_deschideColectia, &QAction::triggered, this, [this] {
        if (DeschideColectia)
            DeschideColectia(QString());
    });
    m_recente = menuBar()->addMenu(QStringLiteral("Colecții &recente"));
    connect(m_recente, &QMenu::aboutToShow, this, &FereastraPrincipala::UmpleRecentele);
}

void FereastraPrincipala::UmpleRecentele()
{
    m_recente->clear();
    const QStringList dosare = ColectiiRecente ? ColectiiRecente() : QStringList();
    for (const QString &dosar : dosare)
        m_recente->addAction(QDir::toNativeSeparators(dosar), this, [this, dosar] {
            if (DeschideColectia)
                DeschideColectia(dosar);
        });
    if (dosare.isEmpty())
        m_recente->addAction(QStringLiteral("(nicio altă colecție deschisă până acum)"))
            ->setEnabled(false);
}

void FereastraPrincipala::NumesteColectia(const QString &dosar, bool inTitlu, bool doarCitire)
{
    // "Main" alone is the collection the program finds by itself.
    const QString nume = QDir::toNativeSeparators(dosar);
    setWindowTitle(inTitlu ? QStringLiteral("Main – %1").arg(QFileInfo(dosar).fileName())
                           : QStringLiteral("Main"));
    // A shared install keeps each user's collection elsewhere: say where.
    m_panza->setToolTip(doarCitire ? QStringLiteral("Colecția: %1 (doar citire: nu se poate salva "
                                                    "nimic)")
                                         .arg(nume)
                                   : QStringLiteral("Colecția: %1").arg(nume));
}

void FereastraPrincipala::Incarca()
{
    m_aleator.seed(Ceas());
    m_definitii.IncarcaColectie();
    m_selectie.Reseteaza();

    const QSize client = MarimeClient();
    const int latimeBanner = m_banner->Aseaza(client);
    resize(width() - client.width() + latimeBanner, height());
    m_banner->Amesteca([this] { return m_aleator.generateDouble(); });
    const QSize noua = MarimeClient();
    m_panzaAscunsa->setGeometry(0, 0, noua.width(), noua.height());
    m_banner->DeseneazaRandul();
    m_banner->Porneste();
}

void FereastraPrincipala::Redimensioneaza()
{
    if (!m_panzaAscunsa) // a resize while the window is still being built
        return;
    m_panzaAscunsa->setGeometry(0, 0, m_panza->width(), m_panza->height());
}

void FereastraPrincipala::LaTic()
{
    m_banner->Tick();
}

void FereastraPrincipala::resizeEvent(QResizeEvent *eveniment)
{
    FereastraFixa::resizeEvent(eveniment);
    Redimensioneaza();
}

QSize FereastraPrincipala::MarimeClient()
{
    // Qt lays a hidden window out only when it is shown, but the load measures
    // and resizes the client area before the first showing.
    layout()->invalidate();
    layout()->activate();
    return m_panza->size();
}

QImage &FereastraPrincipala::PanzaAscunsa()
{
    return m_panzaAscunsa->Imagine();
}

void FereastraPrincipala::StergePanzaAscunsa()
{
    m_panzaAscunsa->Cls();
}

void FereastraPrincipala::CopiazaPeFereastra()
{
    m_panza->Copiaza(m_panzaAscunsa->Imagine(), m_panza->size(), QPoint(0, 0));
    m_panza->Refresh();
}

void FereastraPrincipala::ActiveazaTimer(bool activ)
{
    if (activ)
        m_ceasBanner->start();
    else
        m_ceasBanner->stop();
}

bool FereastraPrincipala::FereastraVizibila() const
{
    return isVisible();
}

void FereastraPrincipala::CantaSunetul()
{
    m_definitii.platforma().CantaSunet(m_definitii.DosarResurse() + QStringLiteral("/next.wav"));
}

void FereastraPrincipala::LaEditare()
{
    hide();
    m_ferestre.ArataEditor();
}

void FereastraPrincipala::LaVizualizare()
{
    hide();
    m_ferestre.ArataVizualizare();
}

void FereastraPrincipala::LaStergereFizica()
{
    const bool compactata = StergereFizica(m_definitii);
    m_definitii.platforma().ArataAnunturile(m_definitii.IaAnunturile());
    if (compactata)
        Incarca();
}

void FereastraPrincipala::LaAjutor()
{
    m_definitii.platforma().DeschideAjutor(m_definitii.DosarResurse() +
                                           QStringLiteral("/help/index.html"));
}

void FereastraPrincipala::LaIesire()
{
    m_ferestre.Iesire();
}

} // namespace tezaurel
