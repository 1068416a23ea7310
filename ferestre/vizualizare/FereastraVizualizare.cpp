#include "ferestre/vizualizare/FereastraVizualizare.h"

#include "ferestre/comune/Ecran.h"
#include "ferestre/comune/Iconite.h"
#include "ferestre/comune/MeniuZoom.h"
#include "ferestre/comune/PanzaQt.h"
#include "interfete/Ferestre.h"
#include "interfete/Platforma.h"
#include "model/SelectieCurenta.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace tezaurel {

namespace {
constexpr int LatimePanou = Pixeli(19095);
constexpr int InaltimePanou = Pixeli(9975);
constexpr int LatimeObservatii = Pixeli(5295);
constexpr int InaltimeObservatii = Pixeli(1815);

// The toolbar's buttons in order, each with its caption and key.
const struct
{
    ComandaVizualizare comanda;
    const char *titlu;
    const char *tasta;
    bool separatorInainte;
} ButoaneBara[] = {
    {ComandaVizualizare::Prima, "Prima", "Home", false},
    {ComandaVizualizare::Inainte, "Inainte", "PgDown", false},
    {ComandaVizualizare::Inapoi, "Inapoi", "PgUp", false},
    {ComandaVizualizare::Ultima, "Ultima", "End", false},
    {ComandaVizualizare::DefinesteSelectie, "Defineste selectie", "Ctrl+D", true},
    {ComandaVizualizare::AnuleazaSelectie, "Anuleaza selectie", "Ctrl+Shift+D", false},
    {ComandaVizualizare::ObservatiiArataAscunde, "Arata/Ascunde Obs", "Ctrl+O", false},
    {ComandaVizualizare::Imprimare, "Imprimare", "Ctrl+P", false},
    {ComandaVizualizare::Revenire, "Revenire Meniu", "Esc", false},
};

// An arrow key moves the picture the other way, as a scroll bar would.
constexpr int PasPanoramare = 40;
const struct
{
    Qt::Key tasta;
    int dx, dy;
} TastePanoramare[] = {{Qt::Key_Left, PasPanoramare, 0},
                       {Qt::Key_Right, -PasPanoramare, 0},
                       {Qt::Key_Up, 0, PasPanoramare},
                       {Qt::Key_Down, 0, -PasPanoramare}};

bool StareNormala(Qt::WindowStates stare)
{
    return !(stare & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

int LatimeNormala()
{
    return int(0.9 * MarimeEcran().width());
}
} // namespace

FereastraVizualizare::FereastraVizualizare(SelectieCurenta &selectie, Ferestre &ferestre,
                                           QWidget *parent)
    : FereastraFixa(parent)
    , m_bara(new QToolBar(this))
    , m_panou(new PanzaQt)
    , m_observatii(new QPlainTextEdit(m_panou))
    , m_stare(new QStatusBar(m_panou))
    , m_ferestre(ferestre)
    , m_definitii(selectie.Colectia())
    , m_logica(selectie, *m_panou)
{
    setWindowTitle(QStringLiteral("Vizualizare Probleme"));
    setWindowIcon(IconitaFerestrei("vizualizare"));
    ConstruiesteBara();
    ConstruiestePanoul();
    Incarca();
}

void FereastraVizualizare::ConstruiesteBara()
{
    m_bara->setObjectName(QStringLiteral("bara"));
    m_bara->setMovable(false);
    m_bara->setFloatable(false);
    m_bara->setContextMenuPolicy(Qt::PreventContextMenu);
    m_bara->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const auto &b : ButoaneBara) {
        if (b.separatorInainte)
            m_bara->addSeparator();
        QAction *buton = m_bara->addAction(QString::fromLatin1(b.titlu));
        buton->setData(int(b.comanda));
        buton->setShortcut(QKeySequence(QString::fromLatin1(b.tasta)));
        // The buttons are a tenth of the window wide: a caption cut short
        // can still be read whole.
        buton->setToolTip(QStringLiteral("%1 (%2)").arg(
            buton->text(), buton->shortcut().toString(QKeySequence::NativeText)));
        m_bara->widgetForAction(buton)->setFocusPolicy(Qt::NoFocus);
    }
    for (const auto &t : TastePanoramare) {
        auto *tasta = new QAction(this);
        tasta->setShortcut(t.tasta);
        connect(tasta, &QAction::triggered, this, [this, t] { m_logica.Panoreaza(t.dx, t.dy); });
        addAction(tasta);
    }
    addToolBar(Qt::TopToolBarArea, m_bara);
    connect(m_bara, &QToolBar::actionTriggered, this, &FereastraVizualizare::LaComanda);
}

void FereastraVizualizare::ConstruiestePanoul()
{
    // The client area below the toolbar; the panel sits at its top-left and
    // is clipped by it where the panel is larger than the window.
    auto *client = new QWidget;
    setCentralWidget(client);
    m_panou->setParent(client);
    m_panou->setObjectName(QStringLiteral("panou"));
    m_panou->move(0, 0);
    connect(m_panou, &PanzaQt::Apasat, this, &FereastraVizualizare::LaApasare);
    connect(m_panou, &PanzaQt::Miscat, this, &FereastraVizualizare::LaMiscare);
    connect(m_panou, &PanzaQt::Eliberat, this, &FereastraVizualizare::LaEliberare);
    AdaugaZoom(*MeniuDe(Meniu::Vedere), *m_panou, m_logica.Poza,
               [this] { return std::min(width(), m_panou->width()); });

    m_observatii->setObjectName(QStringLiteral("observatii"));
    // What is typed here would be saved nowhere.
    m_observatii->setReadOnly(true);
    m_stare->setObjectName(QStringLiteral("stare"));
    m_stare->setSizeGripEnabled(false);
    m_stare->setAutoFillBackground(true);
    // A press on the status line must not start dragging the picture below it.
    m_stare->setAttribute(Qt::WA_NoMousePropagation);
}

FereastraVizualizare::~FereastraVizualizare() = default;

QAction *FereastraVizualizare::Buton(const QString &titlu) const
{
    for (QAction *a : m_bara->actions())
        if (!a->isSeparator() && a->text() == titlu)
            return a;
    return nullptr;
}

QMenu *FereastraVizualizare::MeniuDe(Meniu meniu)
{
    QMenu *&facut = m_meniuri[meniu];
    if (!facut) {
        static const std::map<Meniu, const char *> titluri = {{Meniu::Vedere, "Vedere"},
                                                              {Meniu::Schimb, "Schimb"},
                                                              {Meniu::Problema, "Problemă"},
                                                              {Meniu::Lucrare, "Lucrare"}};
        facut = menuBar()->addMenu(QString::fromUtf8(titluri.at(meniu)));
        Aseaza();
    }
    return facut;
}

void FereastraVizualizare::ProblemaSchimbata()
{
    m_logica.ReafiseazaDetalii();
    Afiseaza();
}

void FereastraVizualizare::AdaugaInStare(QWidget *control)
{
    m_stare->addPermanentWidget(control);
}

void FereastraVizualizare::Incarca()
{
    m_logica.Incarca();
    m_observatii->hide();

    // The designed panel shows whole below the toolbar, as far as the screen allows.
    const QScreen *ecran = QGuiApplication::primaryScreen();
    const int inaltimeMaxima = ecran ? ecran->availableGeometry().height() * 9 / 10 : 700;
    resize(LatimeNormala(), std::min(InaltimeDeasupra() + InaltimePanou, inaltimeMaxima));
    Redimensioneaza();
}

void FereastraVizualizare::Activeaza()
{
    m_logica.Activeaza();
    Afiseaza();
}

void FereastraVizualizare::Redimensioneaza()
{
    if (StareNormala(windowState())) {
        const int latime = LatimeNormala();
        if (width() != latime)
            resize(latime, height());
        const int latimeButon = latime / 10;
        for (QAction *a : m_bara->actions())
            if (!a->isSeparator())
                if (QWidget *buton = m_bara->widgetForAction(a))
                    buton->setFixedWidth(latimeButon);
        PotrivesteTitlurile(latimeButon);
    }
    Aseaza();
}

void FereastraVizualizare::PotrivesteTitlurile(int latimeButon)
{
    // A tenth of a 1024-pixel screen is narrower than "Arata/Ascunde Obs" in
    // the usual font: the toolbar's font shrinks until every caption fits whole,
    // never below a size still read from a desk's distance.
    constexpr double MarimeMinima = 6.5;
    constexpr int Margini = 10; // the button's frame and padding, both sides
    QFont font = QApplication::font(m_bara);
    // A desktop may give its font in pixels; shrinking is done in points.
    font.setPointSizeF(QFontInfo(font).pointSizeF());
    for (;;) {
        const QFontMetrics masura(font);
        bool incap = true;
        for (QAction *a : m_bara->actions())
            incap = incap && masura.horizontalAdvance(a->text()) + Margini <= latimeButon;
        if (incap || font.pointSizeF() - 0.5 < MarimeMinima)
            break;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    if (m_bara->font() != font)
        m_bara->setFont(font);
}

void FereastraVizualizare::Aseaza()
{
    // The window's client height, toolbar included; the panel starts below
    // the toolbar, so its lower part lies past the window's bottom edge.
    const int inaltime = height();
    const int latime = width();
    const int toolbar = InaltimeDeasupra();
    m_panou->resize(LatimePanou, inaltime);
    const int inaltimeBara = m_stare->sizeHint().height();
    const int susStare = inaltime - inaltimeBara - toolbar;
    // Against the window's right edge, but never past the panel that holds it:
    // on a screen wider than the panel it would otherwise be clipped away.
    const int dreapta = std::min(latime, LatimePanou);
    // As wide as what is seen of it, so that its end (the recognition's
    // progress) is not cut at the edge of a narrower window.
    m_stare->setGeometry(0, susStare, dreapta, inaltimeBara);
    // Standing on the status line, not over it: on a small screen the line's
    // end (the recognition's progress) was hidden behind the box.
    m_observatii->setGeometry(dreapta - LatimeObservatii, susStare - InaltimeObservatii,
                              LatimeObservatii, InaltimeObservatii);
    // Asked for, it is read over the picture rather than under it.
    m_observatii->raise();
}

int FereastraVizualizare::InaltimeBara() const
{
    return m_bara->sizeHint().height();
}

int FereastraVizualizare::InaltimeDeasupra() const
{
    // menuWidget(), unlike menuBar(), does not create a bar that has no menu yet.
    const QWidget *bara = menuWidget();
    return InaltimeBara() + (bara && !bara->actions().isEmpty() ? bara->sizeHint().height() : 0);
}

void FereastraVizualizare::Afiseaza()
{
    if (m_stare->currentMessage() != m_logica.TextStare) {
        if (m_logica.TextStare.isEmpty())
            m_stare->clearMessage();
        else
            m_stare->showMessage(m_logica.TextStare);
    }
    if (m_observatii->toPlainText() != m_logica.Observatii)
        m_observatii->setPlainText(m_logica.Observatii);
    m_observatii->setVisible(m_logica.ObservatiiVizibile);
}

bool FereastraVizualizare::event(QEvent *eveniment)
{
    if (eveniment->type() == QEvent::WindowActivate)
        Activeaza();
    return FereastraFixa::event(eveniment);
}

void FereastraVizualizare::resizeEvent(QResizeEvent *eveniment)
{
    FereastraFixa::resizeEvent(eveniment);
    Redimensioneaza();
}

void FereastraVizualizare::LaComanda(QAction *buton)
{
    const Vizualizator::Urmare urmare =
        m_logica.Executa(static_cast<ComandaVizualizare>(buton->data().toInt()));
    Afiseaza();
    switch (urmare) {
    case Vizualizator::Urmare::Ramane:
        break;
    case Vizualizator::Urmare::Selectie:
        m_ferestre.ArataSelectia();
        hide();
        break;
    case Vizualizator::Urmare::Tiparire:
        m_ferestre.ArataTiparirea();
        break;
    case Vizualizator::Urmare::Principala:
        hide();
        m_ferestre.ArataPrincipala();
        break;
    }
    emit ButonApasat();
}

void FereastraVizualizare::LaApasare(QMouseEvent *eveniment)
{
    m_logica.Apasa(eveniment->position().x(), eveniment->position().y());
}

void FereastraVizualizare::LaMiscare(QMouseEvent *eveniment)
{
    const QPointF la = eveniment->position();
    if (const auto forma = m_logica.Misca(la.x(), la.y()))
        m_panou->setCursor(*forma);
}

void FereastraVizualizare::LaEliberare(QMouseEvent *eveniment)
{
    m_logica.Elibereaza(eveniment->position().x(), eveniment->position().y());
}

} // namespace tezaurel
