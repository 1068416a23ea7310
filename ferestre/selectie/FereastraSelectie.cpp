#include "ferestre/selectie/FereastraSelectie.h"

#include "interfete/Ferestre.h"
#include "ferestre/comune/Ecran.h"
#include "logica/selectie/AsezareSelectie.h"
#include "model/Colectie.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

const std::array<const char *, 8> TitluriClase = {"Clasa a V-a",    "Clasa a VI-a", "Clasa a VII-a",
                                                  "Clasa a VIII-a", "Clasa a IX-a", "Clasa a X-a",
                                                  "Clasa a XI-a",   "Clasa a XII-a"};
const std::array<const char *, 6> TitluriNiveluri = {"Nivel 5", "Nivel 6", "Nivel 7",
                                                     "Nivel 8", "Nivel 9", "Nivel 10"};

QRect InPixeli(const QRect &twips)
{
    return QRect(Pixeli(twips.left()), Pixeli(twips.top()), Pixeli(twips.width()),
                 Pixeli(twips.height()));
}

// A separator drawn as a sunken line centred on its coordinate.
void AseazaLinie(QFrame *linie, const QLine &twips)
{
    const QPoint a(Pixeli(twips.x1()), Pixeli(twips.y1()));
    const QPoint b(Pixeli(twips.x2()), Pixeli(twips.y2()));
    if (a.y() == b.y())
        linie->setGeometry(a.x(), a.y() - 1, b.x() - a.x(), 3);
    else
        linie->setGeometry(a.x() - 1, a.y(), 3, b.y() - a.y());
}

} // namespace

FereastraSelectie::FereastraSelectie(Colectie &definitii, Ferestre &ferestre, QWidget *parent)
    : FereastraFixa(parent)
    , m_ferestre(ferestre)
    , m_model(definitii)
{
    setWindowTitle(QStringLiteral("Definiti o selectie"));
    auto *client = new QWidget(this);
    setCentralWidget(client);

    // Buttons, options, frames and labels are drawn larger than the lists:
    // the desktop's sans face at 12 points.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(12);

    auto eticheta = [&](const char *nume, const QString &text) {
        auto *l = new QLabel(text, client);
        l->setObjectName(QString::fromLatin1(nume));
        l->setFont(font);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };
    auto lista = [&](const char *nume, QLabel *titlu, ListaDefSel care) {
        auto *l = new QListWidget(client);
        l->setObjectName(QString::fromLatin1(nume));
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        l->setAccessibleName(titlu->text());
        titlu->setBuddy(l);
        connect(l, &QListWidget::itemSelectionChanged, this, [this, l, care] {
            const QList<QListWidgetItem *> alese = l->selectedItems();
            m_model.Evidentiaza(care, alese.isEmpty() ? -1 : l->row(alese.constFirst()));
        });
        return l;
    };
    auto buton = [&](const char *nume, const QString &text, QWidget *parinte,
                     void (FereastraSelectie::*handler)()) {
        auto *b = new QPushButton(text, parinte);
        b->setObjectName(QString::fromLatin1(nume));
        b->setFont(font);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    auto linie = [&](const char *nume, QFrame::Shape forma) {
        auto *l = new QFrame(client);
        l->setObjectName(QString::fromLatin1(nume));
        l->setFrameShape(forma);
        l->setFrameShadow(QFrame::Sunken);
        return l;
    };

    Line2[0] = linie("Line2_0", QFrame::HLine);
    Line2[1] = linie("Line2_1", QFrame::HLine);
    Line1 = linie("Line1", QFrame::VLine);

    Label1 = eticheta("Label1", QStringLiteral("Capitole"));
    llCapitole = lista("llCapitole", Label1, ListaDefSel::llCapitole);
    Label2 = eticheta("Label2", QStringLiteral("Selectie"));
    lSelCaps = lista("lSelCaps", Label2, ListaDefSel::lSelCaps);
    Label3 = eticheta("Label3", QStringLiteral("Disciplina"));
    LDomenii = lista("LDomenii", Label3, ListaDefSel::LDomenii);
    Label4 = eticheta("Label4", QStringLiteral("Selectie"));
    lSelDomenii = lista("lSelDomenii", Label4, ListaDefSel::lSelDomenii);

    Command1 = buton("Command1", QStringLiteral("Selecteaza"), client, &FereastraSelectie::Command1_Click);
    Command4 = buton("Command4", QStringLiteral("Deselecteaza"), client, &FereastraSelectie::Command4_Click);
    Command2 = buton("Command2", QStringLiteral("Selecteaza"), client, &FereastraSelectie::Command2_Click);
    Command5 = buton("Command5", QStringLiteral("Deselecteaza"), client, &FereastraSelectie::Command5_Click);

    Frame1 = new QGroupBox(QStringLiteral("Selectati clasa"), client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFont(font);
    for (int i = 0; i < int(Option1.size()); ++i) {
        auto *o = new QRadioButton(QString::fromLatin1(TitluriClase[i]), Frame1);
        o->setObjectName(QStringLiteral("Option1_%1").arg(i));
        o->setFont(font);
        o->setGeometry(InPixeli(AsezareOptiuneClasa(i)));
        connect(o, &QRadioButton::toggled, this, [this, i](bool ales) {
            if (ales)
                Option1_Click(i);
        });
        Option1[i] = o;
    }
    Frame2 = new QGroupBox(QStringLiteral("Nivel de notare"), client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFont(font);
    for (int i = 0; i < int(Option2.size()); ++i) {
        auto *o = new QRadioButton(QString::fromLatin1(TitluriNiveluri[i]), Frame2);
        o->setObjectName(QStringLiteral("Option2_%1").arg(i));
        o->setFont(font);
        o->setGeometry(InPixeli(AsezareOptiuneNivel(i)));
        connect(o, &QRadioButton::toggled, this, [this, i](bool ales) {
            if (ales)
                Option2_Click(i);
        });
        Option2[i] = o;
    }

    Command3 = buton("Command3", QStringLiteral("Vizualizare"), client, &FereastraSelectie::Command3_Click);

    lCuvinte = eticheta("lCuvinte", QStringLiteral("&Cuvinte din enunț sau observații:"));
    lCuvinte->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    txtCuvinte = new QLineEdit(client);
    txtCuvinte->setObjectName(QStringLiteral("txtCuvinte"));
    txtCuvinte->setAccessibleName(QStringLiteral("Cuvinte din enunț sau observații"));
    lCuvinte->setBuddy(txtCuvinte);
    connect(txtCuvinte, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_model.Filtre.Cuvinte = text; });
    connect(txtCuvinte, &QLineEdit::returnPressed, this, &FereastraSelectie::Command3_Click);
    lCautare = new QLabel(client);
    lCautare->setObjectName(QStringLiteral("lCautare"));
    lCautare->setWordWrap(true);

    // Tab goes down each column, list then its button, and ends on "Vizualizare".
    const QList<QWidget *> ordine = {llCapitole, Command1,   lSelCaps,    Command4,
                                     LDomenii,   Command2,   lSelDomenii, Command5,
                                     Option1[0], Option2[0], Command3, txtCuvinte};
    for (int i = 1; i < ordine.size(); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);

    LabelDate = new QLabel(QStringLiteral("Fără problemele date &clasei:"), client);
    LabelDate->setFont(font);
    TextDate = new QLineEdit(client);
    TextDate->setObjectName(QStringLiteral("TextDate"));
    TextDate->setFont(font);
    TextDate->setPlaceholderText(QStringLiteral("IX B"));
    TextDate->setAccessibleName(QStringLiteral("Fără problemele date clasei"));
    LabelDate->setBuddy(TextDate);
    connect(TextDate, &QLineEdit::textChanged, this,
            [&definitii](const QString &clasa) { definitii.ClasaFaraRepetari = clasa; });
    setTabOrder(Command3, TextDate);

    Form_Load();
}

QListWidget *FereastraSelectie::Lista(ListaDefSel lista) const
{
    switch (lista) {
    case ListaDefSel::llCapitole: return llCapitole;
    case ListaDefSel::lSelCaps: return lSelCaps;
    case ListaDefSel::LDomenii: return LDomenii;
    case ListaDefSel::lSelDomenii: return lSelDomenii;
    }
    return nullptr;
}

void FereastraSelectie::CautareIndisponibila(const QString &motiv)
{
    txtCuvinte->setEnabled(false);
    txtCuvinte->setPlaceholderText(QStringLiteral("indisponibil"));
    txtCuvinte->setToolTip(motiv);
    lCautare->setText(motiv);
}

void FereastraSelectie::ArataStareaCautarii(const QString &text)
{
    lCautare->setText(text);
}

void FereastraSelectie::Form_Load()
{
    // Qt sizes the client area and leaves the border to the window manager,
    // so the window is laid out as if it had none.
    const QSize ecran = MarimeEcran();
    const AsezareSelectie a =
        CalculeazaAsezare(ecran.width() * TwipsPePixel, ecran.height() * TwipsPePixel);
    Label1->setGeometry(InPixeli(a.Label1));
    Label2->setGeometry(InPixeli(a.Label2));
    Label3->setGeometry(InPixeli(a.Label3));
    Label4->setGeometry(InPixeli(a.Label4));
    llCapitole->setGeometry(InPixeli(a.llCapitole));
    lSelCaps->setGeometry(InPixeli(a.lSelCaps));
    LDomenii->setGeometry(InPixeli(a.LDomenii));
    lSelDomenii->setGeometry(InPixeli(a.lSelDomenii));
    Command1->setGeometry(InPixeli(a.Command1));
    Command4->setGeometry(InPixeli(a.Command4));
    Command2->setGeometry(InPixeli(a.Command2));
    Command5->setGeometry(InPixeli(a.Command5));
    Frame1->setGeometry(InPixeli(a.Frame1));
    Frame2->setGeometry(InPixeli(a.Frame2));
    Command3->setGeometry(InPixeli(a.Command3));
    AseazaLinie(Line2[0], a.Line2_0);
    AseazaLinie(Line2[1], a.Line2_1);
    AseazaLinie(Line1, a.Line1);
    // The words share the row of "Vizualizare": the field on its left, the
    // state of the search on its right.
    const QRect c3 = InPixeli(a.Command3);
    const int margine = Pixeli(a.Label1.left());
    const int latimeEticheta = lCuvinte->sizeHint().width();
    lCuvinte->setGeometry(margine, c3.top(), latimeEticheta, c3.height());
    const int stangaCamp = margine + latimeEticheta + Pixeli(100);
    txtCuvinte->setGeometry(stangaCamp, c3.top(), c3.left() - Pixeli(300) - stangaCamp,
                            c3.height());
    // The class whose problems are left out sits at the row's right end, the
    // state of the search between it and "Vizualizare".
    const int latimeDate = LabelDate->sizeHint().width();
    const int campDate = Pixeli(1800);
    const int stangaDate = Pixeli(a.LatimeClient) - margine - campDate - Pixeli(100) - latimeDate;
    LabelDate->setGeometry(stangaDate, c3.top(), latimeDate, c3.height());
    TextDate->setGeometry(stangaDate + latimeDate + Pixeli(100), c3.top(), campDate, c3.height());
    lCautare->setGeometry(c3.right() + Pixeli(300), c3.top() - Pixeli(150),
                          stangaDate - Pixeli(300) - c3.right() - Pixeli(300),
                          c3.height() + Pixeli(300));

    LatimeFixa = a.LatimeFixa;
    InaltimeFixa = a.InaltimeFixa;
    ++BlocareDimensiune;
    // Held from now on: the window cannot be resized at all.
    setFixedSize(Pixeli(LatimeFixa), Pixeli(InaltimeFixa));
    m_model.ListeIncarcate = false;
}

void FereastraSelectie::showEvent(QShowEvent *eveniment)
{
    FereastraFixa::showEvent(eveniment);
    Form_Activate();
}

void FereastraSelectie::changeEvent(QEvent *eveniment)
{
    FereastraFixa::changeEvent(eveniment);
    if (eveniment->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        Form_Activate();
}

void FereastraSelectie::Form_Activate()
{
    if (m_model.UmpleListe())
        ArataModelul();
}

void FereastraSelectie::ArataModelul()
{
    txtCuvinte->clear();
    for (ListaDefSel l : {ListaDefSel::llCapitole, ListaDefSel::lSelCaps, ListaDefSel::LDomenii,
                          ListaDefSel::lSelDomenii}) {
        QListWidget *w = Lista(l);
        const QSignalBlocker blocare(w);
        w->clear();
        w->addItems(m_model.Intrari(l));
        ArataEvidentierea(l);
    }
    // An exclusive group never lets its checked option go; lift that for the reset.
    for (auto *grup : {static_cast<QWidget *>(Frame1), static_cast<QWidget *>(Frame2)}) {
        for (QRadioButton *o : grup->findChildren<QRadioButton *>()) {
            o->setAutoExclusive(false);
            o->setChecked(false);
            o->setAutoExclusive(true);
        }
    }
}

void FereastraSelectie::ArataEvidentierea(ListaDefSel lista)
{
    QListWidget *w = Lista(lista);
    const QSignalBlocker blocare(w);
    const int k = m_model.Evidentiat(lista);
    if (k >= 0) {
        w->setCurrentRow(k);
    } else {
        w->clearSelection();
        w->setCurrentRow(-1);
    }
}

void FereastraSelectie::Option1_Click(int index)
{
    m_model.AlegeClasa(index);
}

void FereastraSelectie::Option2_Click(int index)
{
    m_model.AlegeNivel(index);
}

void FereastraSelectie::Muta(ListaDefSel sursa)
{
    const int k = m_model.Muta(sursa);
    if (k < 0)
        return;
    const ListaDefSel tinta = ModelSelectie::Tinta(sursa);
    QListWidget *s = Lista(sursa);
    QListWidget *t = Lista(tinta);
    {
        // Moving the item itself keeps the list's scroll position.
        const QSignalBlocker blocareS(s);
        const QSignalBlocker blocareT(t);
        t->addItem(s->takeItem(k));
    }
    ArataEvidentierea(sursa);
    ArataEvidentierea(tinta);
}

void FereastraSelectie::Command3_Click()
{
    switch (m_model.Vizualizare()) {
    case ModelSelectie::Rezultat::Refacuta: ArataModelul(); break;
    case ModelSelectie::Rezultat::Predata:
        m_ferestre.ArataVizualizare();
        hide();
        break;
    }
}
