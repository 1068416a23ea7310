#include "ferestre/principala/FereastraPrincipala.h"

#include "interfete/Ferestre.h"
#include "ferestre/comune/Ecran.h"
#include "ferestre/comune/PanzaQt.h"
#include "interfete/Platforma.h"
#include "model/StergereFizica.h"
#include "model/Colectie.h"

#include <QDir>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>

#include <chrono>

namespace {
constexpr int LatimeClient = Pixeli(16665);
constexpr int InaltimeClient = Pixeli(9540);
} // namespace

FereastraPrincipala::FereastraPrincipala(Colectie &definitii, Ferestre &ferestre, QWidget *parent)
    : FereastraFixa(parent), m_definitii(definitii), m_ferestre(ferestre),
      m_panza(new PanzaQt(this))
{
    setWindowTitle(QStringLiteral("Main"));
    setCentralWidget(m_panza);
    // A shared install keeps each user's collection elsewhere: say where.
    m_panza->setToolTip(QStringLiteral("Dosarul de date: %1")
                            .arg(QDir::toNativeSeparators(m_definitii.DosarAplicatie())));

    auto adauga = [this](const QString &titlu, void (FereastraPrincipala::*handler)()) {
        QAction *a = menuBar()->addAction(titlu);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    mEditareTezaurel = adauga(QStringLiteral("Editare Tezaurel"), &FereastraPrincipala::fMain_mEditareTezaurel_Click);
    mVizualizareTezaurel =
        adauga(QStringLiteral("Vizualizare Tezaurel"), &FereastraPrincipala::fMain_mVizualizareTezaurel_Click);
    mStergereFizica = adauga(QStringLiteral("Stergere fizica"), &FereastraPrincipala::fMain_mStergereFizica_Click);
    mAjutor = adauga(QStringLiteral("Ajutor"), &FereastraPrincipala::fMain_mAjutor_Click);
    mIesire = adauga(QStringLiteral("Iesire"), &FereastraPrincipala::fMain_mIesire_Click);
    // Keys rather than mnemonics: an "&" would change the captions.
    mEditareTezaurel->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    mVizualizareTezaurel->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    mStergereFizica->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+Del")));
    mAjutor->setShortcut(QKeySequence(QStringLiteral("F1")));
    mIesire->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));

    // Start from the designed client area; the banner later fits the width to its letters.
    m_panza->setMinimumSize(1, 1);
    resize(LatimeClient, InaltimeClient + menuBar()->sizeHint().height());

    Ceas = [] {
        return static_cast<quint64>(std::chrono::system_clock::now().time_since_epoch().count());
    };
    Timer1 = new QTimer(this);
    Timer1->setInterval(Banner::IntervalTimer);
    connect(Timer1, &QTimer::timeout, this, &FereastraPrincipala::fMain_Timer1_Timer);

    Picture2 = new PanzaQt(m_panza);
    Picture2->hide();

    m_banner = std::make_unique<Banner>(static_cast<GazdaBanner &>(*this),
                                        IncarcaLitere(m_definitii.DosarResurse()));
}

FereastraPrincipala::~FereastraPrincipala() = default;

void FereastraPrincipala::fMain_Form_Load()
{
    m_aleator.seed(Ceas());
    m_definitii.IncarcaColectie();
    m_definitii.NrCapitole = 1;
    m_definitii.NrDiscipline = 1;
    m_definitii.SelectieNoua = false;

    const QSize client = MarimeClient();
    const int latimeBanner = m_banner->Aseaza(client);
    resize(width() - client.width() + latimeBanner, height());
    m_banner->Amesteca([this] { return m_aleator.generateDouble(); });
    const QSize noua = MarimeClient();
    Picture2->setGeometry(0, 0, noua.width(), noua.height());
    m_banner->DeseneazaRandul();
    m_banner->Porneste();
}

void FereastraPrincipala::fMain_Form_Resize()
{
    if (!Picture2) // a resize while the window is still being built
        return;
    Picture2->setGeometry(0, 0, m_panza->width(), m_panza->height());
}

void FereastraPrincipala::fMain_Timer1_Timer()
{
    m_banner->Tick();
}

void FereastraPrincipala::resizeEvent(QResizeEvent *eveniment)
{
    FereastraFixa::resizeEvent(eveniment);
    fMain_Form_Resize();
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
    return Picture2->Imagine();
}

void FereastraPrincipala::StergePanzaAscunsa()
{
    Picture2->Cls();
}

void FereastraPrincipala::CopiazaPeFereastra()
{
    m_panza->Copiaza(Picture2->Imagine(), m_panza->size(), QPoint(0, 0));
    m_panza->Refresh();
}

void FereastraPrincipala::ActiveazaTimer(bool activ)
{
    if (activ)
        Timer1->start();
    else
        Timer1->stop();
}

bool FereastraPrincipala::FereastraVizibila() const
{
    return isVisible();
}

void FereastraPrincipala::CantaSunetul()
{
    m_definitii.platforma().CantaSunet(m_definitii.DosarResurse() + QStringLiteral("/next.wav"));
}

void FereastraPrincipala::fMain_mEditareTezaurel_Click()
{
    hide();
    m_ferestre.ArataEditor();
}

void FereastraPrincipala::fMain_mVizualizareTezaurel_Click()
{
    hide();
    m_ferestre.ArataVizualizare();
}

void FereastraPrincipala::fMain_mStergereFizica_Click()
{
    const bool compactata = StergereFizica(m_definitii);
    m_definitii.platforma().ArataAnunturile(m_definitii.IaAnunturile());
    if (compactata) {
        fMain_Form_Load();
        m_ferestre.ColectieSchimbata();
    }
}

void FereastraPrincipala::fMain_mAjutor_Click()
{
    m_definitii.platforma().DeschideAjutor(m_definitii.DosarResurse() +
                                           QStringLiteral("/help/index.html"));
}

void FereastraPrincipala::fMain_mIesire_Click()
{
    m_ferestre.Iesire();
}
