#include "ferestre/banca/FereastraBanca.h"

#include "ferestre/banca/ModelRezultate.h"
#include "ferestre/comune/Iconite.h"
#include "interfete/Imprimanta.h"
#include "interfete/Platforma.h"
#include "logica/banca/LucrareBanca.h"
#include "logica/banca/Miniaturi.h"
#include "logica/banca/ModelBanca.h"
#include "logica/cautare/IndexText.h"
#include "logica/editare/EditareProbleme.h"
#include "logica/lucrari/CompunereLucrare.h"
#include "logica/lucrari/RedareLucrare.h"
#include "logica/tiparire/VerificareTiparire.h"
#include "model/CitirePoza.h"
#include "model/Colectie.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDragEnterEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace tezaurel {

namespace {
// Keys typed faster than this are answered together; the results still
// follow the last key within 50 ms (bench_banca measures the filtering).
constexpr int PauzaTastareMs = 25;
constexpr int PauzaRedesenareMs = 120;

QAction *Comanda(QWidget *unde, const QString &text, const QKeySequence &taste,
                 std::function<void()> fa, Qt::ShortcutContext context = Qt::WindowShortcut)
{
    auto *a = new QAction(text, unde);
    a->setShortcut(taste);
    a->setShortcutContext(context);
    QObject::connect(a, &QAction::triggered, unde, std::move(fa));
    unde->addAction(a);
    return a;
}

// A short caption where the panel is narrow; the command's whole name is read
// out and shown over it, with its key.
QPushButton *Buton(QAction *comanda, QWidget *parinte, const QString &scurt = {})
{
    auto *b = new QPushButton(scurt.isEmpty() ? comanda->text() : scurt, parinte);
    b->setToolTip(comanda->text() + QStringLiteral(" (") +
                  comanda->shortcut().toString(QKeySequence::NativeText) + QLatin1Char(')'));
    b->setAccessibleName(comanda->text().remove(QLatin1Char('&')));
    QObject::connect(b, &QPushButton::clicked, comanda, &QAction::trigger);
    return b;
}

QComboBox *Lista(const QString &nume, QWidget *parinte)
{
    auto *c = new QComboBox(parinte);
    c->setAccessibleName(nume);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(8);
    return c;
}
} // namespace

TabelLucrare::TabelLucrare(QWidget *parinte)
    : QTableWidget(0, 2, parinte)
{
    setHorizontalHeaderLabels({QStringLiteral("Problema"), QStringLiteral("Puncte")});
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    verticalHeader()->hide(); // each problem's number is in its name
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(true);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
}

void TabelLucrare::dragEnterEvent(QDragEnterEvent *e)
{
    if (e->source() == this || e->mimeData()->hasFormat(ModelRezultate::TipPoza))
        e->acceptProposedAction();
}

void TabelLucrare::dragMoveEvent(QDragMoveEvent *e)
{
    QTableWidget::dragMoveEvent(e);
    e->acceptProposedAction();
}

void TabelLucrare::dropEvent(QDropEvent *e)
{
    // The table's own rows are the paper's: they move through the paper, never by the view.
    e->setDropAction(Qt::IgnoreAction);
    e->accept();
    if (e->source() == this) {
        const int tinta = rowAt(e->position().toPoint().y());
        emit Mutata(currentRow(), tinta < 0 ? rowCount() - 1 : tinta);
        return;
    }
    const QStringList poze =
        QString::fromUtf8(e->mimeData()->data(ModelRezultate::TipPoza)).split(QLatin1Char('\n'));
    for (const QString &poza : poze)
        if (!poza.isEmpty())
            emit Adusa(poza);
}

FereastraBanca::FereastraBanca(Colectie &definitii, CompunereLucrare &compunere,
                               LucrareBanca &lucrare, const QString &dosarMiniaturi,
                               std::function<MarginiLucrare()> margini,
                               std::unique_ptr<Imprimanta> imprimanta, QString setari,
                               QWidget *parinte)
    : QWidget(parinte)
    , m_definitii(definitii)
    , m_compunere(compunere)
    , m_lucrare(lucrare)
    , m_margini(std::move(margini))
    , m_imprimanta(std::move(imprimanta))
    , m_setari(std::move(setari))
    , m_miniaturi(std::make_unique<Miniaturi>(dosarMiniaturi))
    , m_model(std::make_unique<ModelBanca>(definitii, compunere.Arhiva()))
{
    setWindowTitle(QStringLiteral("Banca de probleme"));
    setWindowIcon(IconitaFerestrei("banca"));
    setAccessibleName(windowTitle());
    setMinimumSize(800, 560);
    m_rezultateModel = new ModelRezultate(definitii, *m_model, *m_miniaturi, this);

    m_impartire = new QSplitter(Qt::Horizontal, this);
    m_impartire->setObjectName(QStringLiteral("impartire"));
    m_impartire->setChildrenCollapsible(false);
    m_impartire->addWidget(FaFiltre());
    m_impartire->addWidget(FaRezultate());
    m_impartire->addWidget(FaPrevizualizare());
    m_impartire->addWidget(FaLucrarea());
    // A wider window widens the results and the problem, not the filters.
    for (int panou : {1, 2})
        m_impartire->setStretchFactor(panou, 1);
    auto *tot = new QVBoxLayout(this);
    tot->setContentsMargins(4, 4, 4, 4);
    tot->addWidget(m_impartire);
    FaComenzi();

    connect(m_model.get(), &ModelBanca::Schimbat, this, [this] {
        UmpleListele();
        const int n = int(m_model->Rezultate().size());
        m_numar->setText(n == 1 ? QStringLiteral("o problemă")
                                : QStringLiteral("%1 probleme").arg(n));
        // The list was made again: the problem looked at stays chosen while it is found.
        const auto &gasite = m_model->Rezultate();
        const auto gasit = std::find(gasite.begin(), gasite.end(), m_slotAles);
        if (n > 0 && !m_rezultate->currentIndex().isValid())
            m_rezultate->setCurrentIndex(
                m_rezultateModel->index(gasit != gasite.end() ? int(gasit - gasite.begin()) : 0));
        else
            AratSelectia();
    });
    connect(&definitii, &Colectie::Schimbata, this, [this] {
        m_miniaturi->Reverifica();
        m_pozaVeche = true; // its picture or details may have changed
    });
    connect(&compunere, &CompunereLucrare::Schimbata, this, &FereastraBanca::LucrareSchimbata);
    CitesteSetarile();
    LucrareSchimbata();
}

FereastraBanca::~FereastraBanca() = default;

QWidget *FereastraBanca::FaFiltre()
{
    auto *panou = new QWidget(this);
    auto *f = new QFormLayout(panou);
    f->setRowWrapPolicy(QFormLayout::WrapAllRows);
    f->setContentsMargins(2, 2, 2, 2);
    m_cuvinte = new QLineEdit(panou);
    m_cuvinte->setAccessibleName(QStringLiteral("Cuvinte"));
    m_cuvinte->setPlaceholderText(QStringLiteral("din text sau observații"));
    m_cuvinte->setClearButtonEnabled(true);
    m_tastare = new QTimer(this);
    m_tastare->setSingleShot(true);
    m_tastare->setInterval(PauzaTastareMs);
    connect(m_cuvinte, &QLineEdit::textEdited, m_tastare, qOverload<>(&QTimer::start));
    connect(m_cuvinte, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (t.isEmpty()) // the clear button answers at once
            FiltruSchimbat();
    });
    connect(m_tastare, &QTimer::timeout, this, &FereastraBanca::FiltruSchimbat);
    f->addRow(QStringLiteral("C&uvinte:"), m_cuvinte);
    m_clasa = Lista(QStringLiteral("Clasa"), panou);
    f->addRow(QStringLiteral("C&lasa:"), m_clasa);
    m_nivel = Lista(QStringLiteral("Nivelul"), panou);
    f->addRow(QStringLiteral("&Nivelul:"), m_nivel);
    m_disciplina = Lista(QStringLiteral("Disciplina"), panou);
    f->addRow(QStringLiteral("&Disciplina:"), m_disciplina);
    m_capitol = Lista(QStringLiteral("Capitolul"), panou);
    f->addRow(QStringLiteral("Ca&pitolul:"), m_capitol);
    for (QComboBox *c : {m_clasa, m_nivel, m_disciplina, m_capitol})
        connect(c, &QComboBox::activated, this, &FereastraBanca::FiltruSchimbat);
    m_nedata = new QLineEdit(panou);
    m_nedata->setAccessibleName(QStringLiteral("Nedată încă clasei"));
    m_nedata->setPlaceholderText(QStringLiteral("de exemplu IX B"));
    m_nedata->setClearButtonEnabled(true);
    connect(m_nedata, &QLineEdit::textEdited, m_tastare, qOverload<>(&QTimer::start));
    connect(m_nedata, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (t.isEmpty())
            FiltruSchimbat();
    });
    f->addRow(QStringLiteral("N&edată încă clasei:"), m_nedata);
    m_stearse = new QCheckBox(QStringLiteral("Și cele ma&rcate pentru ștergere"), panou);
    connect(m_stearse, &QCheckBox::toggled, this, &FereastraBanca::FiltruSchimbat);
    f->addRow(m_stearse);
    m_ordine = Lista(QStringLiteral("Ordonate după"), panou);
    m_ordine->addItems({QStringLiteral("ordinea adăugării"), QStringLiteral("capitol"),
                        QStringLiteral("clasă"), QStringLiteral("nivel"),
                        QStringLiteral("cât au fost folosite")});
    connect(m_ordine, &QComboBox::activated, this, &FereastraBanca::FiltruSchimbat);
    f->addRow(QStringLiteral("&Ordonate după:"), m_ordine);
    m_compacta = new QCheckBox(QStringLiteral("Listă &compactă"), panou);
    connect(m_compacta, &QCheckBox::toggled, this, [this](bool compacta) {
        m_rezultateModel->SeteazaMiniaturi(!compacta);
        m_rezultate->setViewMode(compacta ? QListView::ListMode : QListView::IconMode);
        m_rezultate->setGridSize(
            compacta ? QSize() : QSize(Miniaturi::Latura + 16, Miniaturi::Inaltime + 44));
        m_rezultate->setDragDropMode(QAbstractItemView::DragOnly);
    });
    f->addRow(m_compacta);
    auto *toate = new QPushButton(QStringLiteral("Toate pro&blemele"), panou);
    toate->setAccessibleName(QStringLiteral("Toate problemele"));
    connect(toate, &QPushButton::clicked, this, [this] {
        m_cuvinte->clear();
        m_nedata->clear();
        m_model->Reseteaza();
        m_stearse->setChecked(false);
        FiltruSchimbat();
    });
    f->addRow(toate);
    return panou;
}

QWidget *FereastraBanca::FaRezultate()
{
    auto *panou = new QWidget(this);
    auto *v = new QVBoxLayout(panou);
    v->setContentsMargins(2, 2, 2, 2);
    m_numar = new QLabel(panou);
    m_numar->setAccessibleName(QStringLiteral("Număr de probleme"));
    v->addWidget(m_numar);
    m_rezultate = new QListView(panou);
    m_rezultate->setAccessibleName(QStringLiteral("Rezultate"));
    m_rezultate->setModel(m_rezultateModel);
    m_rezultate->setViewMode(QListView::IconMode);
    m_rezultate->setResizeMode(QListView::Adjust);
    m_rezultate->setMovement(QListView::Static);
    m_rezultate->setUniformItemSizes(true);
    m_rezultate->setWordWrap(true);
    m_rezultate->setIconSize(QSize(Miniaturi::Latura, Miniaturi::Inaltime));
    m_rezultate->setGridSize(QSize(Miniaturi::Latura + 16, Miniaturi::Inaltime + 44));
    m_rezultate->setDragEnabled(true);
    m_rezultate->setDragDropMode(QAbstractItemView::DragOnly);
    m_rezultate->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_rezultate, &QListView::activated, this, &FereastraBanca::Adauga);
    connect(m_rezultate->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FereastraBanca::AratSelectia);
    v->addWidget(m_rezultate);
    return panou;
}

QWidget *FereastraBanca::FaPrevizualizare()
{
    auto *panou = new QWidget(this);
    auto *v = new QVBoxLayout(panou);
    v->setContentsMargins(2, 2, 2, 2);
    m_pozitie = new QLabel(panou);
    m_pozitie->setAccessibleName(QStringLiteral("Poziția"));
    v->addWidget(m_pozitie);
    m_zona = new QScrollArea(panou);
    m_zona->setAccessibleName(QStringLiteral("Problema aleasă"));
    m_zona->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_zona->setFocusPolicy(Qt::StrongFocus);
    m_imagine = new QLabel;
    m_zona->setWidget(m_imagine);
    m_zona->setWidgetResizable(false);
    v->addWidget(m_zona, 3);
    m_detalii = new QLabel(panou);
    m_detalii->setAccessibleName(QStringLiteral("Detalii"));
    m_detalii->setWordWrap(true);
    m_detalii->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    v->addWidget(m_detalii);
    m_text = new QPlainTextEdit(panou);
    m_text->setAccessibleName(QStringLiteral("Textul recunoscut"));
    m_text->setReadOnly(true);
    m_text->setMaximumHeight(90);
    m_text->setTabChangesFocus(true);
    v->addWidget(m_text, 1);
    return panou;
}

QWidget *FereastraBanca::FaLucrarea()
{
    auto *panou = new QWidget(this);
    auto *v = new QVBoxLayout(panou);
    v->setContentsMargins(2, 2, 2, 2);
    auto *f = new QFormLayout;
    m_titlu = new QLineEdit(panou);
    m_titlu->setAccessibleName(QStringLiteral("Titlul lucrării"));
    f->addRow(QStringLiteral("T&itlu:"), m_titlu);
    auto *rand = new QHBoxLayout;
    m_clasaAntet = new QLineEdit(panou);
    m_clasaAntet->setAccessibleName(QStringLiteral("Clasa lucrării"));
    m_clasaAntet->setMaximumWidth(70);
    m_data = new QDateEdit(panou);
    m_data->setAccessibleName(QStringLiteral("Data lucrării"));
    m_data->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_data->setCalendarPopup(true);
    rand->addWidget(m_clasaAntet);
    rand->addWidget(m_data);
    f->addRow(QStringLiteral("Clasa, data:"), rand);
    m_timp = new QSpinBox(panou);
    m_timp->setAccessibleName(QStringLiteral("Timp de lucru"));
    m_timp->setRange(0, 300);
    m_timp->setSuffix(QStringLiteral(" min"));
    m_timp->setSpecialValueText(QStringLiteral("nespecificat"));
    f->addRow(QStringLiteral("Ti&mp:"), m_timp);
    v->addLayout(f);
    for (QLineEdit *e : {m_titlu, m_clasaAntet})
        connect(e, &QLineEdit::editingFinished, this, &FereastraBanca::AntetSchimbat);
    connect(m_data, &QDateEdit::dateChanged, this, &FereastraBanca::AntetSchimbat);
    connect(m_timp, &QSpinBox::valueChanged, this, &FereastraBanca::AntetSchimbat);

    m_tabel = new TabelLucrare(panou);
    m_tabel->setAccessibleName(QStringLiteral("Lucrarea"));
    connect(m_tabel, &QTableWidget::itemChanged, this, &FereastraBanca::PuncteTastate);
    connect(m_tabel, &TabelLucrare::Mutata, &m_lucrare, &LucrareBanca::Muta);
    connect(m_tabel, &TabelLucrare::Adusa, this,
            [this](const QString &poza) { m_lucrare.Adauga(poza); });
    v->addWidget(m_tabel, 2);
    m_total = new QLabel(panou);
    m_total->setAccessibleName(QStringLiteral("Total puncte"));
    m_total->setWordWrap(true);
    v->addWidget(m_total);

    m_zonaPagini = new QScrollArea(panou);
    m_zonaPagini->setAccessibleName(QStringLiteral("Pagina lucrării"));
    m_zonaPagini->setWidgetResizable(true);
    m_zonaPagini->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto *continut = new QWidget;
    m_pagini = new QVBoxLayout(continut);
    m_pagini->setContentsMargins(0, 0, 0, 0);
    m_zonaPagini->setWidget(continut);
    v->addWidget(m_zonaPagini, 3);
    m_redesenare = new QTimer(this);
    m_redesenare->setSingleShot(true);
    m_redesenare->setInterval(PauzaRedesenareMs);
    connect(m_redesenare, &QTimer::timeout, this, &FereastraBanca::DeseneazaPaginile);

    auto *tiparire = new QHBoxLayout;
    m_imprimante = Lista(QStringLiteral("Imprimanta"), panou);
    m_imprimante->addItems(m_imprimanta->Imprimante());
    m_exemplare = new QSpinBox(panou);
    m_exemplare->setAccessibleName(QStringLiteral("Exemplare"));
    m_exemplare->setRange(1, 200);
    tiparire->addWidget(m_imprimante, 1);
    tiparire->addWidget(m_exemplare);
    v->addLayout(tiparire);
    return panou;
}

void FereastraBanca::FaComenzi()
{
    Comanda(this, QStringLiteral("Caută cuvinte"), QKeySequence::Find, [this] { CautaCuvinte(); });
    QAction *adauga = Comanda(this, QStringLiteral("Adaugă în lucrare"),
                              QKeySequence(Qt::CTRL | Qt::Key_Return), [this] { Adauga(); });
    QAction *corecteaza =
        Comanda(this, QStringLiteral("Corectează detaliile…"), QKeySequence(Qt::Key_F2), [this] {
            if (const int slot = SlotAles(); slot && Corecteaza)
                Corecteaza(slot);
        });
    QAction *marcheaza = Comanda(
        m_rezultate, QStringLiteral("Marchează pentru ștergere"), QKeySequence::Delete,
        [this] { Marcheaza(); }, Qt::WidgetShortcut);
    QAction *repune = Comanda(this, QStringLiteral("Repune în colecție"),
                              QKeySequence(Qt::CTRL | Qt::Key_R), [this] { Repune(); });
    QAction *tipareste =
        Comanda(this, QStringLiteral("Tipărește"), QKeySequence::Print, [this] { Tipareste(); });
    QAction *pdf = Comanda(this, QStringLiteral("Salvează PDF"), QKeySequence::Save,
                           [this] { SalveazaPdf(); });
    QAction *anuleaza = Comanda(this, QStringLiteral("Anulează"), QKeySequence::Undo,
                                [this] { m_lucrare.Anuleaza(); });
    QAction *toate =
        Comanda(this, QStringLiteral("Adaugă toate cele găsite"),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Return), [this] { AdaugaToate(); });
    QAction *noua = Comanda(this, QStringLiteral("Lucrare nouă"), QKeySequence::New, [this] {
        m_lucrare.Noua();
        FiltruSchimbat(); // the class again from the filter
    });
    m_rezultate->insertActions(marcheaza, {adauga, toate, corecteaza});
    m_rezultate->addAction(repune);
    Comanda(this, QStringLiteral("Mărește"), QKeySequence::ZoomIn, [this] { Zoom(1.25); });
    Comanda(this, QStringLiteral("Mărește"), QKeySequence(Qt::CTRL | Qt::Key_Equal),
            [this] { Zoom(1.25); });
    Comanda(this, QStringLiteral("Micșorează"), QKeySequence::ZoomOut, [this] { Zoom(0.8); });
    Comanda(this, QStringLiteral("Cât lățimea"), QKeySequence(Qt::CTRL | Qt::Key_0),
            [this] { Zoom(0); });
    Comanda(this, QStringLiteral("Închide"), QKeySequence::Close, [this] { close(); });
    Comanda(this, QStringLiteral("Ajutor"), QKeySequence::HelpContents, [this] {
        if (Ajutor)
            Ajutor();
    });
    Comanda(
        m_tabel, QStringLiteral("Mai sus"), QKeySequence(Qt::CTRL | Qt::Key_Up),
        [this] { MutaInLucrare(-1); }, Qt::WidgetShortcut);
    Comanda(
        m_tabel, QStringLiteral("Mai jos"), QKeySequence(Qt::CTRL | Qt::Key_Down),
        [this] { MutaInLucrare(1); }, Qt::WidgetShortcut);
    Comanda(
        m_tabel, QStringLiteral("Scoate din lucrare"), QKeySequence::Delete,
        [this] {
            if (m_tabel->currentRow() >= 0)
                m_lucrare.Scoate(m_tabel->currentRow());
        },
        Qt::WidgetShortcut);
    m_tabel->setContextMenuPolicy(Qt::ActionsContextMenu);

    // The buttons under the problem and under the paper, in the tab order.
    auto *problema = new QHBoxLayout;
    const QList<QWidget *> sub{Buton(adauga, this, QStringLiteral("Adaugă")),
                               Buton(corecteaza, this, QStringLiteral("Corectează…")),
                               Buton(repune, this, QStringLiteral("Repune"))};
    for (QWidget *b : sub)
        problema->addWidget(b);
    qobject_cast<QVBoxLayout *>(m_zona->parentWidget()->layout())->addLayout(problema);
    auto *lucrare = new QHBoxLayout;
    const QList<QWidget *> jos{Buton(tipareste, this), Buton(pdf, this, QStringLiteral("PDF")),
                               Buton(anuleaza, this)};
    for (QWidget *b : jos)
        lucrare->addWidget(b);
    // Tab goes through each panel's buttons before the next panel, not at the end.
    QWidget *inainte = m_text;
    for (QWidget *b : sub + QList<QWidget *>{m_titlu})
        setTabOrder(std::exchange(inainte, b), b);
    inainte = m_exemplare;
    for (QWidget *b : jos)
        setTabOrder(std::exchange(inainte, b), b);
    m_tabel->insertAction(nullptr, noua);
    qobject_cast<QVBoxLayout *>(m_tabel->parentWidget()->layout())->addLayout(lucrare);
    m_zona->viewport()->installEventFilter(this);
    m_imagine->installEventFilter(this);
}

void FereastraBanca::CautaCuvinte()
{
    m_cuvinte->setFocus(Qt::ShortcutFocusReason);
    m_cuvinte->selectAll();
}

int FereastraBanca::SlotAles() const
{
    const QModelIndex i = m_rezultate->currentIndex();
    return i.isValid() ? i.data(ModelRezultate::RolSlot).toInt() : 0;
}

void FereastraBanca::FiltruSchimbat()
{
    if (m_umple)
        return;
    m_tastare->stop();
    FiltruBanca f;
    f.Cuvinte = m_cuvinte->text().trimmed();
    f.Clasa = m_clasa->currentData().toInt();
    f.Nivel = m_nivel->currentData().toInt();
    f.Disciplina = m_disciplina->currentData().toString();
    f.Capitol = m_capitol->currentData().toString();
    f.ClasaNedata = m_nedata->text().trimmed();
    f.ArataStearse = m_stearse->isChecked();
    f.Ordine = OrdineBanca(std::max(0, m_ordine->currentIndex()));
    m_model->SeteazaFiltru(f);
    // The header's class follows what the teacher narrowed the bank to.
    m_lucrare.ClasaFiltrului(f.ClasaNedata.isEmpty() ? ClasaRomana(f.Clasa) : f.ClasaNedata);
}

void FereastraBanca::UmpleListele()
{
    m_umple = true;
    const FiltruBanca &f = m_model->Filtru();
    const std::tuple<QComboBox *, CampBanca, QVariant> liste[] = {
        {m_clasa, CampBanca::Clasa, f.Clasa},
        {m_nivel, CampBanca::Nivel, f.Nivel},
        {m_disciplina, CampBanca::Disciplina, f.Disciplina},
        {m_capitol, CampBanca::Capitol, f.Capitol}};
    for (const auto &[lista, camp, ales] : liste) {
        const bool numar = camp == CampBanca::Clasa || camp == CampBanca::Nivel;
        lista->clear();
        lista->addItem(QStringLiteral("oricare"), numar ? QVariant(0) : QVariant(QString()));
        for (const ValoareBanca &v : m_model->Valori(camp)) {
            QString text = camp == CampBanca::Clasa ? ClasaRomana(v.Numar) : v.Text;
            if (text.isEmpty())
                text = QStringLiteral("(fără)");
            lista->addItem(QStringLiteral("%1 (%2)").arg(text).arg(v.Probleme),
                           numar ? QVariant(v.Numar) : QVariant(v.Text));
        }
        int i = lista->findData(ales);
        // A value nothing has now stays offered, so that it can be cleared.
        if (i < 0) {
            lista->addItem(QStringLiteral("%1 (0)").arg(ales.toString()), ales);
            i = lista->count() - 1;
        }
        lista->setCurrentIndex(i);
    }
    m_ordine->setCurrentIndex(int(f.Ordine));
    m_stearse->setChecked(f.ArataStearse);
    if (m_cuvinte->text().trimmed() != f.Cuvinte)
        m_cuvinte->setText(f.Cuvinte);
    if (m_nedata->text().trimmed() != f.ClasaNedata)
        m_nedata->setText(f.ClasaNedata);
    m_umple = false;
}

void FereastraBanca::AratSelectia()
{
    const auto &gasite = m_model->Rezultate();
    const int slot = SlotAles();
    // The same problem again (the list filtered anew) is not read again.
    const bool aceeasi = slot != 0 && slot == m_slotAles && !m_pozaVeche;
    m_slotAles = slot;
    m_pozaVeche = false;
    if (slot == 0) {
        m_pozitie->setText(gasite.empty() ? QStringLiteral("Nicio problemă găsită.") : QString());
        m_poza = QImage();
        m_imagine->clear();
        m_imagine->resize(0, 0);
        m_detalii->clear();
        m_text->clear();
        return;
    }
    m_pozitie->setText(
        QStringLiteral("%1 din %2").arg(m_rezultate->currentIndex().row() + 1).arg(gasite.size()));
    const Problema &p = m_definitii.ProblemaDin(slot);
    const QString poza = p.Fisier.FaraBlancuri();
    if (!aceeasi) {
        m_poza = CitestePoza(m_definitii.CalePoza(poza).Cale).Poza;
        ArataPoza();
    }
    const auto folosiri = m_compunere.Arhiva().Folosiri(poza);
    QStringList randuri{QStringLiteral("<b>%1</b> · clasa %2 · nivelul %3")
                            .arg(poza.toHtmlEscaped(), ClasaRomana(p.Clasa))
                            .arg(p.Nivel),
                        QStringLiteral("%1 · %2").arg(p.Disciplina.FaraBlancuri().toHtmlEscaped(),
                                                      p.Capitol.FaraBlancuri().toHtmlEscaped())};
    if (const QString obs = p.Observatii.FaraBlancuri().trimmed(); !obs.isEmpty())
        randuri << QStringLiteral("Observații: %1").arg(obs.toHtmlEscaped());
    randuri << (folosiri.empty() ? QStringLiteral("Nefolosită încă.")
                                 : QStringLiteral("Folosită: %1").arg(TextFolosiri(folosiri)));
    if (p.EsteStearsa())
        randuri << QStringLiteral("<i>Marcată pentru ștergere.</i>");
    if (m_poza.isNull())
        randuri << QStringLiteral("<i>Imaginea nu poate fi citită.</i>");
    m_detalii->setText(randuri.join(QStringLiteral("<br>")));
    const std::optional<QString> text = IndexText::Text(m_definitii.Baza(), poza);
    m_text->setPlainText(text ? *text : QStringLiteral("Textul nu a fost încă recunoscut."));
}

void FereastraBanca::Zoom(double factor)
{
    if (m_poza.isNull())
        return;
    const double potrivit = double(std::max(50, m_zona->viewport()->width() - 4)) / m_poza.width();
    const double acum = m_zoom == 0 ? potrivit : m_zoom;
    m_zoom = factor == 0 ? 0 : std::clamp(acum * factor, 0.05, 8.0);
    ArataPoza();
}

void FereastraBanca::ArataPoza()
{
    if (m_poza.isNull()) {
        m_imagine->clear();
        m_imagine->resize(0, 0);
        return;
    }
    const double potrivit = double(std::max(50, m_zona->viewport()->width() - 4)) / m_poza.width();
    const double scara = m_zoom == 0 ? potrivit : m_zoom;
    const QSize marime = (QSizeF(m_poza.size()) * scara).toSize().expandedTo({1, 1});
    m_imagine->setPixmap(
        QPixmap::fromImage(m_poza.scaled(marime, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    m_imagine->resize(marime);
}

bool FereastraBanca::eventFilter(QObject *obiect, QEvent *e)
{
    if (obiect == m_zona->viewport() && e->type() == QEvent::Resize && m_zoom == 0)
        ArataPoza();
    // The picture is moved by dragging it, as in the viewer.
    if (obiect == m_imagine && e->type() == QEvent::MouseButtonPress)
        m_apasare = static_cast<QMouseEvent *>(e)->globalPosition().toPoint();
    if (obiect == m_imagine && e->type() == QEvent::MouseMove) {
        const QPoint acum = static_cast<QMouseEvent *>(e)->globalPosition().toPoint();
        const QPoint d = acum - m_apasare;
        m_zona->horizontalScrollBar()->setValue(m_zona->horizontalScrollBar()->value() - d.x());
        m_zona->verticalScrollBar()->setValue(m_zona->verticalScrollBar()->value() - d.y());
        m_apasare = acum;
    }
    return QWidget::eventFilter(obiect, e);
}

void FereastraBanca::LucrareSchimbata()
{
    m_umple = true;
    const Lucrare &l = m_compunere.Curenta();
    if (!m_titlu->hasFocus())
        m_titlu->setText(l.Antet.Titlu);
    if (!m_clasaAntet->hasFocus())
        m_clasaAntet->setText(l.Antet.Clasa);
    m_data->setDate(l.Antet.Data);
    m_timp->setValue(l.Antet.TimpLucru);
    const int rand = m_tabel->currentRow();
    m_tabel->setRowCount(int(l.Probleme.size()));
    for (int i = 0; i < int(l.Probleme.size()); ++i) {
        const ProblemaLucrare &p = l.Probleme[size_t(i)];
        const int slot = m_definitii.SlotProblema(p.Poza);
        auto *nume = new QTableWidgetItem(QStringLiteral("%1. %2").arg(i + 1).arg(
            slot ? m_definitii.ProblemaDin(slot).Capitol.FaraBlancuri() + QStringLiteral(" · ") +
                       p.Poza
                 : p.Poza));
        nume->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
        nume->setToolTip(p.Poza);
        m_tabel->setItem(i, 0, nume);
        auto *puncte = new QTableWidgetItem(p.Puncte > 0 ? TextPuncte(p.Puncte) : QString());
        puncte->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable |
                         Qt::ItemIsDragEnabled);
        m_tabel->setItem(i, 1, puncte);
    }
    if (rand >= 0 && rand < m_tabel->rowCount())
        m_tabel->setCurrentCell(rand, m_tabel->currentColumn() < 0 ? 0 : m_tabel->currentColumn());
    const QString avertisment = l.AvertismentPuncte();
    m_total->setText(QStringLiteral("%1 · total: %2 p")
                         .arg(TextProbleme(int(l.Probleme.size())), TextPuncte(l.TotalPuncte())) +
                     (avertisment.isEmpty() ? QString() : QStringLiteral("\n") + avertisment));
    m_umple = false;
    m_redesenare->start();
}

void FereastraBanca::DeseneazaPaginile()
{
    while (QLayoutItem *element = m_pagini->takeAt(0)) {
        delete element->widget();
        delete element;
    }
    const Lucrare lucrare = m_compunere.Curenta().Varianta(m_compunere.VariantaAratata());
    auto *primul = new QLabel;
    m_pagini->addWidget(primul);
    if (lucrare.Probleme.empty()) {
        primul->setWordWrap(true);
        primul->setText(
            QStringLiteral("Lucrarea nu are încă probleme: alegeți una din rezultate și "
                           "apăsați Enter, sau trageți-o în lista de deasupra."));
        return;
    }
    RedareLucrare redare(lucrare, m_compunere.DosarProbleme(), m_margini(), &m_compunere.Poze());
    const int latime = std::max(120, m_zonaPagini->viewport()->width() - 4);
    for (int p = 0; p < redare.NrPagini(); ++p) {
        QLabel *pagina = p == 0 ? primul : new QLabel;
        pagina->setAccessibleName(QStringLiteral("Pagina %1").arg(p + 1));
        pagina->setPixmap(QPixmap::fromImage(redare.Previzualizare(p, latime)));
        if (p > 0)
            m_pagini->addWidget(pagina);
    }
    m_pagini->addStretch();
}

void FereastraBanca::PuncteTastate(QTableWidgetItem *celula)
{
    if (m_umple || celula->column() != 1)
        return;
    const QString text = celula->text().trimmed();
    const std::optional<double> puncte = text.isEmpty() ? 0.0 : CitesteNumar(text);
    if (!puncte || *puncte < 0 || *puncte > 100) {
        m_definitii.platforma().Mesaj(
            QStringLiteral("Punctajul „%1” nu este un număr de puncte; scrieți, de exemplu, 1,5.")
                .arg(text));
        LucrareSchimbata();
        return;
    }
    const int rand = celula->row();
    // Changed after the table is refilled, not from inside its own signal.
    QTimer::singleShot(0, this, [this, rand, p = *puncte] { m_lucrare.SeteazaPuncte(rand, p); });
}

void FereastraBanca::AntetSchimbat()
{
    if (m_umple)
        return;
    AntetLucrare antet = m_compunere.Curenta().Antet;
    antet.Titlu = m_titlu->text();
    antet.Clasa = m_clasaAntet->text().trimmed();
    antet.Data = m_data->date();
    antet.TimpLucru = m_timp->value();
    m_lucrare.SeteazaAntet(antet);
}

void FereastraBanca::MutaInLucrare(int cu)
{
    const int rand = m_tabel->currentRow();
    const int tinta = rand + cu;
    if (rand < 0 || tinta < 0 || tinta >= m_tabel->rowCount())
        return;
    m_lucrare.Muta(rand, tinta);
    m_tabel->setCurrentCell(tinta, std::max(0, m_tabel->currentColumn()));
}

void FereastraBanca::Adauga()
{
    const int slot = SlotAles();
    if (slot == 0) {
        m_definitii.platforma().Mesaj(QStringLiteral("Alegeți întâi o problemă din rezultate."));
        return;
    }
    const Problema &p = m_definitii.ProblemaDin(slot);
    if (p.EsteStearsa()) {
        m_definitii.platforma().Mesaj(QStringLiteral(
            "Problema este marcată pentru ștergere; repuneți-o în colecție (Ctrl+R) ca să o "
            "puteți folosi."));
        return;
    }
    m_lucrare.Adauga(p.Fisier.FaraBlancuri());
}

void FereastraBanca::AdaugaToate()
{
    QStringList poze;
    for (int slot : m_model->Rezultate())
        if (!m_definitii.ProblemaDin(slot).EsteStearsa())
            poze << m_definitii.ProblemaDin(slot).Fisier.FaraBlancuri();
    if (poze.isEmpty()) {
        m_definitii.platforma().Mesaj(
            QStringLiteral("Filtrele nu au găsit nicio problemă de adăugat."));
        return;
    }
    m_lucrare.Adauga(poze);
}

void FereastraBanca::Marcheaza()
{
    if (const int slot = SlotAles())
        MarcheazaProblema(m_definitii, m_definitii.ProblemaDin(slot).Fisier.FaraBlancuri());
}

void FereastraBanca::Repune()
{
    if (const int slot = SlotAles())
        RepuneProblema(m_definitii, m_definitii.ProblemaDin(slot).Fisier.FaraBlancuri());
}

void FereastraBanca::Tipareste()
{
    AntetSchimbat();
    if (!PoateTipari(m_definitii.platforma(), m_compunere.Curenta(), *m_imprimanta,
                     m_imprimante->currentText()))
        return;
    if (m_compunere.Tipareste(*m_imprimanta, m_exemplare->value(), m_margini()))
        m_model->FolosireSchimbata();
}

void FereastraBanca::SalveazaPdf()
{
    AntetSchimbat();
    const QString cale =
        AlegeFisierLucrare(m_definitii, m_compunere.Curenta(), m_compunere.Curenta().NumeFisier());
    if (!cale.isEmpty() && m_compunere.SalveazaPdf(cale, m_margini()))
        m_model->FolosireSchimbata();
}

namespace {
std::unique_ptr<QSettings> Setari(const QString &fisier)
{
    return fisier.isEmpty() ? std::make_unique<QSettings>()
                            : std::make_unique<QSettings>(fisier, QSettings::IniFormat);
}
} // namespace

void FereastraBanca::CitesteSetarile()
{
    const auto s = Setari(m_setari);
    s->beginGroup(QStringLiteral("Banca"));
    if (!restoreGeometry(s->value(QStringLiteral("geometrie")).toByteArray()))
        resize(1000, 700); // within a 1024 x 768 screen, with its panel and title bar
    m_impartireAleasa =
        m_impartire->restoreState(s->value(QStringLiteral("impartire")).toByteArray());
    m_compacta->setChecked(s->value(QStringLiteral("compacta"), false).toBool());
    FiltruBanca f;
    f.Clasa = s->value(QStringLiteral("clasa"), 0).toInt();
    f.Nivel = s->value(QStringLiteral("nivel"), 0).toInt();
    f.Disciplina = s->value(QStringLiteral("disciplina")).toString();
    f.Capitol = s->value(QStringLiteral("capitol")).toString();
    f.Cuvinte = s->value(QStringLiteral("cuvinte")).toString();
    f.ClasaNedata = s->value(QStringLiteral("nedata")).toString();
    f.ArataStearse = s->value(QStringLiteral("stearse"), false).toBool();
    f.Ordine = OrdineBanca(
        std::clamp(s->value(QStringLiteral("ordine"), 0).toInt(), 0, int(OrdineBanca::Folosiri)));
    m_model->SeteazaFiltru(f);
    emit m_model->Schimbat();
}

void FereastraBanca::ScrieSetarile()
{
    const auto s = Setari(m_setari);
    s->beginGroup(QStringLiteral("Banca"));
    s->setValue(QStringLiteral("geometrie"), saveGeometry());
    s->setValue(QStringLiteral("impartire"), m_impartire->saveState());
    s->setValue(QStringLiteral("compacta"), m_compacta->isChecked());
    const FiltruBanca &f = m_model->Filtru();
    s->setValue(QStringLiteral("clasa"), f.Clasa);
    s->setValue(QStringLiteral("nivel"), f.Nivel);
    s->setValue(QStringLiteral("disciplina"), f.Disciplina);
    s->setValue(QStringLiteral("capitol"), f.Capitol);
    s->setValue(QStringLiteral("cuvinte"), f.Cuvinte);
    s->setValue(QStringLiteral("nedata"), f.ClasaNedata);
    s->setValue(QStringLiteral("stearse"), f.ArataStearse);
    s->setValue(QStringLiteral("ordine"), int(f.Ordine));
}

void FereastraBanca::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // A splitter shares out its width only once it has one: the first showing.
    if (!m_impartireAleasa) {
        m_impartireAleasa = true;
        const int w = m_impartire->width();
        m_impartire->setSizes({w / 5, w * 3 / 10, w / 4, w / 4});
    }
}

void FereastraBanca::closeEvent(QCloseEvent *e)
{
    ScrieSetarile();
    e->accept();
}

} // namespace tezaurel
