#include "ferestre/selectie/FereastraSelectie.h"

#include "ferestre/comune/Ecran.h"
#include "ferestre/comune/Iconite.h"
#include "interfete/Ferestre.h"
#include "logica/selectie/AsezareSelectie.h"
#include "model/SelectieCurenta.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace tezaurel {

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

FereastraSelectie::FereastraSelectie(SelectieCurenta &selectie, Ferestre &ferestre, QWidget *parent)
    : FereastraFixa(parent)
    , m_ferestre(ferestre)
    , m_model(selectie)
{
    setWindowTitle(QStringLiteral("Definiti o selectie"));
    setWindowIcon(IconitaFerestrei("selectie"));
    auto *client = new QWidget(this);
    setCentralWidget(client);

    // Buttons, options, frames and labels are drawn larger than the lists:
    // the desktop's sans face at 12 points.
    m_font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    m_font.setPointSize(12);

    ConstruiesteListele(client);
    ConstruiesteOptiunile(client);
    m_butonVizualizare = Buton(client, "butonVizualizare", QStringLiteral("Vizualizare"),
                               &FereastraSelectie::Vizualizeaza);
    ConstruiesteCautarea(client);
    StabilesteOrdineaTab();
    ConstruiesteClasaExclusa(client, selectie);

    Aseaza();
    connect(&selectie.Colectia(), &Colectie::Schimbata, this,
            &FereastraSelectie::LaSchimbareaColectiei);
}

void FereastraSelectie::LaSchimbareaColectiei(const SchimbareColectie &schimbare)
{
    // Read again from the start: the lists are filled anew at the next showing.
    if (schimbare.Reincarcata)
        m_model.ListeIncarcate = false;
    else if (m_model.AdaugaProblemele(schimbare.Adaugate))
        ArataListele();
}

QLabel *FereastraSelectie::Eticheta(QWidget *parinte, const char *nume, const QString &text)
{
    auto *l = new QLabel(text, parinte);
    l->setObjectName(QString::fromLatin1(nume));
    l->setFont(m_font);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QListWidget *FereastraSelectie::ListaNoua(QWidget *parinte, const char *nume, QLabel *titlu,
                                          ListaSelectie care)
{
    auto *l = new QListWidget(parinte);
    l->setObjectName(QString::fromLatin1(nume));
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setAccessibleName(titlu->text());
    titlu->setBuddy(l);
    connect(l, &QListWidget::itemSelectionChanged, this, [this, l, care] {
        const QList<QListWidgetItem *> alese = l->selectedItems();
        m_model.Evidentiaza(care, alese.isEmpty() ? -1 : l->row(alese.constFirst()));
    });
    return l;
}

QPushButton *FereastraSelectie::Buton(QWidget *parinte, const char *nume, const QString &text,
                                      void (FereastraSelectie::*handler)())
{
    auto *b = new QPushButton(text, parinte);
    b->setObjectName(QString::fromLatin1(nume));
    b->setFont(m_font);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, handler);
    return b;
}

QFrame *FereastraSelectie::Linie(QWidget *parinte, const char *nume, QFrame::Shape forma)
{
    auto *l = new QFrame(parinte);
    l->setObjectName(QString::fromLatin1(nume));
    l->setFrameShape(forma);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

void FereastraSelectie::ConstruiesteListele(QWidget *client)
{
    m_linieSubListe = Linie(client, "linieSubListe", QFrame::HLine);
    m_linieSubCadre = Linie(client, "linieSubCadre", QFrame::HLine);
    m_linieMijloc = Linie(client, "linieMijloc", QFrame::VLine);

    m_etichetaCapitole = Eticheta(client, "etichetaCapitole", QStringLiteral("Capitole"));
    m_capitole = ListaNoua(client, "capitole", m_etichetaCapitole, ListaSelectie::Capitole);
    m_etichetaCapitoleAlese = Eticheta(client, "etichetaCapitoleAlese", QStringLiteral("Selectie"));
    m_capitoleAlese =
        ListaNoua(client, "capitoleAlese", m_etichetaCapitoleAlese, ListaSelectie::CapitoleAlese);
    m_etichetaDiscipline = Eticheta(client, "etichetaDiscipline", QStringLiteral("Disciplina"));
    m_discipline = ListaNoua(client, "discipline", m_etichetaDiscipline, ListaSelectie::Discipline);
    m_etichetaDisciplineAlese =
        Eticheta(client, "etichetaDisciplineAlese", QStringLiteral("Selectie"));
    m_disciplineAlese = ListaNoua(client, "disciplineAlese", m_etichetaDisciplineAlese,
                                  ListaSelectie::DisciplineAlese);

    m_butonAlegeCapitol = Buton(client, "butonAlegeCapitol", QStringLiteral("Selecteaza"),
                                &FereastraSelectie::AlegeCapitol);
    m_butonLasaCapitol = Buton(client, "butonLasaCapitol", QStringLiteral("Deselecteaza"),
                               &FereastraSelectie::LasaCapitol);
    m_butonAlegeDisciplina = Buton(client, "butonAlegeDisciplina", QStringLiteral("Selecteaza"),
                                   &FereastraSelectie::AlegeDisciplina);
    m_butonLasaDisciplina = Buton(client, "butonLasaDisciplina", QStringLiteral("Deselecteaza"),
                                  &FereastraSelectie::LasaDisciplina);
}

void FereastraSelectie::ConstruiesteOptiunile(QWidget *client)
{
    m_cadruClase = new QGroupBox(QStringLiteral("Selectati clasa"), client);
    m_cadruClase->setObjectName(QStringLiteral("cadruClase"));
    m_cadruClase->setFont(m_font);
    for (int i = 0; i < int(m_clase.size()); ++i) {
        auto *o = new QRadioButton(QString::fromLatin1(TitluriClase[i]), m_cadruClase);
        o->setObjectName(QStringLiteral("clasa_%1").arg(i));
        o->setFont(m_font);
        o->setGeometry(InPixeli(AsezareOptiuneClasa(i)));
        connect(o, &QRadioButton::toggled, this, [this, i](bool ales) {
            if (ales)
                LaAlegereaClasei(i);
        });
        m_clase[i] = o;
    }
    m_cadruNiveluri = new QGroupBox(QStringLiteral("Nivel de notare"), client);
    m_cadruNiveluri->setObjectName(QStringLiteral("cadruNiveluri"));
    m_cadruNiveluri->setFont(m_font);
    for (int i = 0; i < int(m_niveluri.size()); ++i) {
        auto *o = new QRadioButton(QString::fromLatin1(TitluriNiveluri[i]), m_cadruNiveluri);
        o->setObjectName(QStringLiteral("nivel_%1").arg(i));
        o->setFont(m_font);
        o->setGeometry(InPixeli(AsezareOptiuneNivel(i)));
        connect(o, &QRadioButton::toggled, this, [this, i](bool ales) {
            if (ales)
                LaAlegereaNivelului(i);
        });
        m_niveluri[i] = o;
    }
}

void FereastraSelectie::ConstruiesteCautarea(QWidget *client)
{
    m_etichetaCuvinte =
        Eticheta(client, "etichetaCuvinte", QStringLiteral("&Cuvinte din enunț sau observații:"));
    m_etichetaCuvinte->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_cuvinte = new QLineEdit(client);
    m_cuvinte->setObjectName(QStringLiteral("cuvinte"));
    m_cuvinte->setAccessibleName(QStringLiteral("Cuvinte din enunț sau observații"));
    m_etichetaCuvinte->setBuddy(m_cuvinte);
    connect(m_cuvinte, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_model.Filtre.Cuvinte = text; });
    connect(m_cuvinte, &QLineEdit::returnPressed, this, &FereastraSelectie::Vizualizeaza);
    m_stareCautare = new QLabel(client);
    m_stareCautare->setObjectName(QStringLiteral("stareCautare"));
    m_stareCautare->setWordWrap(true);
}

void FereastraSelectie::StabilesteOrdineaTab()
{
    // Tab goes down each column, list then its button, and ends on "Vizualizare".
    const QList<QWidget *> ordine = {
        m_capitole,   m_butonAlegeCapitol,    m_capitoleAlese,    m_butonLasaCapitol,
        m_discipline, m_butonAlegeDisciplina, m_disciplineAlese,  m_butonLasaDisciplina,
        m_clase[0],   m_niveluri[0],          m_butonVizualizare, m_cuvinte};
    for (int i = 1; i < ordine.size(); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);
}

void FereastraSelectie::ConstruiesteClasaExclusa(QWidget *client, SelectieCurenta &selectie)
{
    m_etichetaClasaExclusa = new QLabel(QStringLiteral("&Fără problemele date clasei:"), client);
    m_etichetaClasaExclusa->setFont(m_font);
    m_clasaExclusa = new QLineEdit(client);
    m_clasaExclusa->setObjectName(QStringLiteral("clasaExclusa"));
    m_clasaExclusa->setFont(m_font);
    m_clasaExclusa->setPlaceholderText(QStringLiteral("IX B"));
    m_clasaExclusa->setAccessibleName(QStringLiteral("Fără problemele date clasei"));
    m_etichetaClasaExclusa->setBuddy(m_clasaExclusa);
    connect(m_clasaExclusa, &QLineEdit::textChanged, this,
            [&selectie](const QString &clasa) { selectie.ClasaFaraRepetari = clasa; });
    setTabOrder(m_butonVizualizare, m_clasaExclusa);
}

QListWidget *FereastraSelectie::Lista(ListaSelectie lista) const
{
    switch (lista) {
    case ListaSelectie::Capitole:
        return m_capitole;
    case ListaSelectie::CapitoleAlese:
        return m_capitoleAlese;
    case ListaSelectie::Discipline:
        return m_discipline;
    case ListaSelectie::DisciplineAlese:
        return m_disciplineAlese;
    }
    return nullptr;
}

void FereastraSelectie::CautareIndisponibila(const QString &motiv)
{
    m_cuvinte->setEnabled(false);
    m_cuvinte->setPlaceholderText(QStringLiteral("indisponibil"));
    m_cuvinte->setToolTip(motiv);
    m_stareCautare->setText(motiv);
    ArataEtichetaCautarii();
}

void FereastraSelectie::ArataStareaCautarii(const QString &text)
{
    // The field says it while empty, the label wherever its words fit.
    m_cuvinte->setPlaceholderText(text);
    m_cuvinte->setToolTip(text);
    m_stareCautare->setText(text);
    ArataEtichetaCautarii();
}

void FereastraSelectie::ArataEtichetaCautarii()
{
    // Beside "Vizualizare" when its words fit there whole; on a narrow screen
    // (a few letters wide at 1024 x 768) on the line under the row.
    const QString text = m_stareCautare->text();
    const QFontMetrics metrici = m_stareCautare->fontMetrics();
    const auto incape = [&](const QRect &loc) {
        bool da = metrici.boundingRect(QRect(0, 0, loc.width(), 1 << 20), Qt::TextWordWrap, text)
                      .height() <= loc.height();
        for (const QString &cuvant : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            da = da && metrici.horizontalAdvance(cuvant) <= loc.width();
        return da;
    };
    m_stareCautare->setVisible(false);
    for (const QRect &loc : m_locuriStare)
        if (!text.isEmpty() && incape(loc)) {
            m_stareCautare->setGeometry(loc);
            m_stareCautare->setVisible(true);
            return;
        }
}

void FereastraSelectie::Aseaza()
{
    // Like the original, the window with its border is as wide as the screen.
    const QSize ecran = MarimeEcran() * TwipsPePixel;
    const QSize cadru = CadruFereastra(*this) * TwipsPePixel;
    const AsezareSelectie a =
        CalculeazaAsezare(ecran.width(), ecran.height(), cadru.width(), cadru.height());
    m_etichetaCapitole->setGeometry(InPixeli(a.EtichetaCapitole));
    m_etichetaCapitoleAlese->setGeometry(InPixeli(a.EtichetaCapitoleAlese));
    m_etichetaDiscipline->setGeometry(InPixeli(a.EtichetaDiscipline));
    m_etichetaDisciplineAlese->setGeometry(InPixeli(a.EtichetaDisciplineAlese));
    m_capitole->setGeometry(InPixeli(a.Capitole));
    m_capitoleAlese->setGeometry(InPixeli(a.CapitoleAlese));
    m_discipline->setGeometry(InPixeli(a.Discipline));
    m_disciplineAlese->setGeometry(InPixeli(a.DisciplineAlese));
    m_butonAlegeCapitol->setGeometry(InPixeli(a.ButonAlegeCapitol));
    m_butonLasaCapitol->setGeometry(InPixeli(a.ButonLasaCapitol));
    m_butonAlegeDisciplina->setGeometry(InPixeli(a.ButonAlegeDisciplina));
    m_butonLasaDisciplina->setGeometry(InPixeli(a.ButonLasaDisciplina));
    m_cadruClase->setGeometry(InPixeli(a.CadruClase));
    m_cadruNiveluri->setGeometry(InPixeli(a.CadruNiveluri));
    m_butonVizualizare->setGeometry(InPixeli(a.ButonVizualizare));
    AseazaLinie(m_linieSubListe, a.LinieSubListe);
    AseazaLinie(m_linieSubCadre, a.LinieSubCadre);
    AseazaLinie(m_linieMijloc, a.LinieMijloc);
    // The words share the row of "Vizualizare": the field on its left, the
    // state of the search on its right.
    const QRect viz = InPixeli(a.ButonVizualizare);
    const int margine = Pixeli(a.EtichetaCapitole.left());
    const int latimeEticheta = m_etichetaCuvinte->sizeHint().width();
    m_etichetaCuvinte->setGeometry(margine, viz.top(), latimeEticheta, viz.height());
    const int stangaCamp = margine + latimeEticheta + Pixeli(100);
    m_cuvinte->setGeometry(stangaCamp, viz.top(), viz.left() - Pixeli(300) - stangaCamp,
                           viz.height());
    // The class whose problems are left out sits at the row's right end, the
    // state of the search between it and "Vizualizare".
    const int latimeDate = m_etichetaClasaExclusa->sizeHint().width();
    const int campDate = Pixeli(1800);
    const int stangaDate = Pixeli(a.LatimeClient) - margine - campDate - Pixeli(100) - latimeDate;
    m_etichetaClasaExclusa->setGeometry(stangaDate, viz.top(), latimeDate, viz.height());
    m_clasaExclusa->setGeometry(stangaDate + latimeDate + Pixeli(100), viz.top(), campDate,
                                viz.height());
    m_locuriStare = {QRect(viz.right() + Pixeli(300), viz.top() - Pixeli(150),
                           stangaDate - Pixeli(300) - viz.right() - Pixeli(300),
                           viz.height() + Pixeli(300)),
                     QRect(margine, viz.bottom() + 1, stangaDate + latimeDate - margine,
                           Pixeli(a.InaltimeFixa) - viz.bottom() - 1)};
    ArataEtichetaCautarii();

    LatimeFixa = a.LatimeFixa;
    InaltimeFixa = a.InaltimeFixa;
    ++BlocareDimensiune;
    // Held from now on: the window cannot be resized at all. The outer size
    // includes the border, which the window manager adds around the client area.
    setFixedSize(Pixeli(a.LatimeClient), Pixeli(a.InaltimeClient));
    m_model.ListeIncarcate = false;
}

void FereastraSelectie::showEvent(QShowEvent *eveniment)
{
    FereastraFixa::showEvent(eveniment);
    Activeaza();
    // Most selections start from a word; the lists are a Tab away.
    if (m_cuvinte->isEnabled())
        m_cuvinte->setFocus();
}

void FereastraSelectie::changeEvent(QEvent *eveniment)
{
    FereastraFixa::changeEvent(eveniment);
    if (eveniment->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        Activeaza();
}

void FereastraSelectie::Activeaza()
{
    if (m_model.UmpleListe())
        ArataModelul();
}

void FereastraSelectie::ArataListele()
{
    for (ListaSelectie l : {ListaSelectie::Capitole, ListaSelectie::CapitoleAlese,
                            ListaSelectie::Discipline, ListaSelectie::DisciplineAlese}) {
        QListWidget *w = Lista(l);
        const QSignalBlocker blocare(w);
        w->clear();
        w->addItems(m_model.Intrari(l));
        ArataEvidentierea(l);
    }
}

void FereastraSelectie::ArataModelul()
{
    // Every criterion goes, so that choosing none again gives every unmarked problem.
    m_cuvinte->clear();
    m_clasaExclusa->clear();
    ArataListele();
    // An exclusive group never lets its checked option go; lift that for the reset.
    for (auto *grup :
         {static_cast<QWidget *>(m_cadruClase), static_cast<QWidget *>(m_cadruNiveluri)}) {
        for (QRadioButton *o : grup->findChildren<QRadioButton *>()) {
            o->setAutoExclusive(false);
            o->setChecked(false);
            o->setAutoExclusive(true);
        }
    }
}

void FereastraSelectie::ArataEvidentierea(ListaSelectie lista)
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

void FereastraSelectie::LaAlegereaClasei(int index)
{
    m_model.AlegeClasa(index);
}

void FereastraSelectie::LaAlegereaNivelului(int index)
{
    m_model.AlegeNivel(index);
}

void FereastraSelectie::Muta(ListaSelectie sursa)
{
    const int k = m_model.Muta(sursa);
    if (k < 0)
        return;
    const ListaSelectie tinta = ModelSelectie::Tinta(sursa);
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

void FereastraSelectie::Vizualizeaza()
{
    switch (m_model.Vizualizare()) {
    case ModelSelectie::Rezultat::Refacuta:
        ArataModelul();
        break;
    case ModelSelectie::Rezultat::Predata:
        m_ferestre.ArataVizualizare();
        hide();
        break;
    }
}

} // namespace tezaurel
