#include "ferestre/vizualizare/FereastraVizualizare.h"

#include "interfete/Ferestre.h"
#include "ferestre/comune/MeniuZoom.h"
#include "ferestre/comune/Ecran.h"
#include "ferestre/comune/PanzaQt.h"
#include "interfete/Platforma.h"
#include "model/Colectie.h"

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

namespace {
constexpr int LatimePicture1 = Pixeli(19095);
constexpr int InaltimePicture1 = Pixeli(9975);
constexpr int LatimeText1 = Pixeli(5295);
constexpr int InaltimeText1 = Pixeli(1815);

// An empty caption is the separator.
const char *const TitluriButoane[] = {"Prima",
                                      "Inainte",
                                      "Inapoi",
                                      "Ultima",
                                      "",
                                      "Defineste selectie",
                                      "Anuleaza selectie",
                                      "Arata/Ascunde Obs",
                                      "Imprimare",
                                      "Revenire Meniu"};

// Keys of the toolbar's commands; the captions stay as they are.
const struct
{
    const char *titlu;
    const char *tasta;
} TasteButoane[] = {{"Prima", "Home"},
                    {"Inainte", "PgDown"},
                    {"Inapoi", "PgUp"},
                    {"Ultima", "End"},
                    {"Defineste selectie", "Ctrl+D"},
                    {"Anuleaza selectie", "Ctrl+Shift+D"},
                    {"Arata/Ascunde Obs", "Ctrl+O"},
                    {"Imprimare", "Ctrl+P"},
                    {"Revenire Meniu", "Esc"}};

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

FereastraVizualizare::FereastraVizualizare(Colectie &definitii, Ferestre &ferestre, QWidget *parent)
    : FereastraFixa(parent)
    , Toolbar1(new QToolBar(this))
    , Picture1(new PanzaQt)
    , Text1(new QPlainTextEdit(Picture1))
    , StatusBar1(new QStatusBar(Picture1))
    , m_ferestre(ferestre)
    , m_definitii(definitii)
    , m_logica(definitii, *Picture1)
{
    setWindowTitle(QStringLiteral("Vizualizare Probleme"));

    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const char *titlu : TitluriButoane) {
        if (*titlu == '\0') {
            Toolbar1->addSeparator();
            continue;
        }
        QAction *buton = Toolbar1->addAction(QString::fromLatin1(titlu));
        // The buttons are a tenth of the window wide: a caption cut short
        // can still be read whole.
        buton->setToolTip(buton->text());
        Toolbar1->widgetForAction(buton)->setFocusPolicy(Qt::NoFocus);
    }
    for (const auto &t : TasteButoane) {
        QAction *buton = Buton(QString::fromLatin1(t.titlu));
        buton->setShortcut(QKeySequence(QString::fromLatin1(t.tasta)));
        buton->setToolTip(QStringLiteral("%1 (%2)").arg(
            buton->text(), buton->shortcut().toString(QKeySequence::NativeText)));
    }
    for (const auto &t : TastePanoramare) {
        auto *tasta = new QAction(this);
        tasta->setShortcut(t.tasta);
        connect(tasta, &QAction::triggered, this, [this, t] { m_logica.Panoreaza(t.dx, t.dy); });
        addAction(tasta);
    }
    addToolBar(Qt::TopToolBarArea, Toolbar1);
    connect(Toolbar1, &QToolBar::actionTriggered, this, &FereastraVizualizare::Toolbar1_ButtonClick);

    // The client area below the toolbar; the panel sits at its top-left and
    // is clipped by it where the panel is larger than the window.
    auto *client = new QWidget;
    setCentralWidget(client);
    Picture1->setParent(client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->move(0, 0);
    connect(Picture1, &PanzaQt::Apasat, this, &FereastraVizualizare::Picture1_MouseDown);
    connect(Picture1, &PanzaQt::Miscat, this, &FereastraVizualizare::Picture1_MouseMove);
    connect(Picture1, &PanzaQt::Eliberat, this, &FereastraVizualizare::Picture1_MouseUp);
    AdaugaZoom(*MeniuDe(Meniu::Vedere), *Picture1, m_logica.Picture2,
               [this] { return std::min(width(), Picture1->width()); });

    Text1->setObjectName(QStringLiteral("Text1"));
    // What is typed here would be saved nowhere.
    Text1->setReadOnly(true);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setAutoFillBackground(true);
    // A press on the status line must not start dragging the picture below it.
    StatusBar1->setAttribute(Qt::WA_NoMousePropagation);

    Form_Load();
}

FereastraVizualizare::~FereastraVizualizare() = default;

QAction *FereastraVizualizare::Buton(const QString &titlu) const
{
    for (QAction *a : Toolbar1->actions())
        if (a->text() == titlu)
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
    StatusBar1->addPermanentWidget(control);
}

void FereastraVizualizare::Form_Load()
{
    m_logica.Form_Load();
    Text1->hide();

    // The designed panel shows whole below the toolbar, as far as the screen allows.
    const QScreen *ecran = QGuiApplication::primaryScreen();
    const int inaltimeMaxima = ecran ? ecran->availableGeometry().height() * 9 / 10 : 700;
    resize(LatimeNormala(), std::min(InaltimeDeasupra() + InaltimePicture1, inaltimeMaxima));
    Form_Resize();
}

void FereastraVizualizare::Form_Activate()
{
    m_logica.Form_Activate();
    Afiseaza();
}

void FereastraVizualizare::Form_Resize()
{
    if (StareNormala(windowState())) {
        const int latime = LatimeNormala();
        if (width() != latime)
            resize(latime, height());
        const int latimeButon = latime / 10;
        for (QAction *a : Toolbar1->actions())
            if (!a->isSeparator())
                if (QWidget *buton = Toolbar1->widgetForAction(a))
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
    QFont font = QApplication::font(Toolbar1);
    // A desktop may give its font in pixels; shrinking is done in points.
    font.setPointSizeF(QFontInfo(font).pointSizeF());
    for (;;) {
        const QFontMetrics masura(font);
        bool incap = true;
        for (QAction *a : Toolbar1->actions())
            incap = incap && masura.horizontalAdvance(a->text()) + Margini <= latimeButon;
        if (incap || font.pointSizeF() - 0.5 < MarimeMinima)
            break;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    if (Toolbar1->font() != font)
        Toolbar1->setFont(font);
}

void FereastraVizualizare::Aseaza()
{
    // The window's client height, toolbar included; the panel starts below
    // the toolbar, so its lower part lies past the window's bottom edge.
    const int inaltime = height();
    const int latime = width();
    const int toolbar = InaltimeDeasupra();
    Picture1->resize(LatimePicture1, inaltime);
    const int inaltimeBara = StatusBar1->sizeHint().height();
    StatusBar1->setGeometry(0, inaltime - inaltimeBara - toolbar, LatimePicture1, inaltimeBara);
    // Against the window's right edge, but never past the panel that holds it:
    // on a screen wider than the panel it would otherwise be clipped away.
    const int dreapta = std::min(latime, LatimePicture1);
    Text1->setGeometry(dreapta - LatimeText1, inaltime - InaltimeText1, LatimeText1, InaltimeText1);
    // Asked for, it is read over the status line rather than under it.
    Text1->raise();
}

int FereastraVizualizare::InaltimeToolbar() const
{
    return Toolbar1->sizeHint().height();
}

int FereastraVizualizare::InaltimeDeasupra() const
{
    // menuWidget(), unlike menuBar(), does not create a bar that has no menu yet.
    const QWidget *bara = menuWidget();
    return InaltimeToolbar() + (bara && !bara->actions().isEmpty() ? bara->sizeHint().height() : 0);
}

void FereastraVizualizare::Afiseaza()
{
    if (StatusBar1->currentMessage() != m_logica.TextStare) {
        if (m_logica.TextStare.isEmpty())
            StatusBar1->clearMessage();
        else
            StatusBar1->showMessage(m_logica.TextStare);
    }
    if (Text1->toPlainText() != m_logica.Text1)
        Text1->setPlainText(m_logica.Text1);
    Text1->setVisible(m_logica.Text1Vizibil);
}

bool FereastraVizualizare::event(QEvent *eveniment)
{
    if (eveniment->type() == QEvent::WindowActivate)
        Form_Activate();
    return FereastraFixa::event(eveniment);
}

void FereastraVizualizare::resizeEvent(QResizeEvent *eveniment)
{
    FereastraFixa::resizeEvent(eveniment);
    Form_Resize();
}

void FereastraVizualizare::Toolbar1_ButtonClick(QAction *buton)
{
    const Vizualizator::Urmare urmare = m_logica.Toolbar1_ButtonClick(buton->text());
    Afiseaza();
    switch (urmare) {
    case Vizualizator::Urmare::Ramane:
        break;
    case Vizualizator::Urmare::DefSel:
        m_ferestre.ArataSelectia();
        hide();
        break;
    case Vizualizator::Urmare::Tipareste:
        m_ferestre.ArataTiparirea();
        break;
    case Vizualizator::Urmare::Main:
        hide();
        m_ferestre.ArataPrincipala();
        break;
    }
    emit ButonApasat();
}

void FereastraVizualizare::Picture1_MouseDown(QMouseEvent *eveniment)
{
    m_logica.Picture1_MouseDown(eveniment->position().x(), eveniment->position().y());
}

void FereastraVizualizare::Picture1_MouseMove(QMouseEvent *eveniment)
{
    const QPointF la = eveniment->position();
    if (const auto forma = m_logica.Picture1_MouseMove(la.x(), la.y()))
        Picture1->setCursor(*forma);
}

void FereastraVizualizare::Picture1_MouseUp(QMouseEvent *eveniment)
{
    m_logica.Picture1_MouseUp(eveniment->position().x(), eveniment->position().y());
}
