#include "ferestre/lucrari/FereastraLucrare.h"

#include "ferestre/comune/Iconite.h"
#include "interfete/Imprimanta.h"
#include "interfete/Platforma.h"
#include "logica/lucrari/CompunereLucrare.h"
#include "model/CitirePoza.h"
#include "model/Colectie.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>

namespace tezaurel {

namespace {
constexpr int LatimePagina = 420; // the preview's pages, in pixels

QPushButton *Buton(const QString &text, const QKeySequence &scurtatura, QWidget *parinte)
{
    auto *buton = new QPushButton(text, parinte);
    buton->setAutoDefault(false);
    if (!scurtatura.isEmpty()) {
        buton->setShortcut(scurtatura);
        buton->setToolTip(scurtatura.toString(QKeySequence::NativeText));
    }
    return buton;
}

// Tab leaves the date as it leaves every other field: walking day, month and
// year too kept the keyboard inside it; the arrows still move between them.
class DataTab final : public QDateEdit
{
public:
    using QDateEdit::QDateEdit;

protected:
    bool focusNextPrevChild(bool inainte) override
    {
        return QWidget::focusNextPrevChild(inainte); // NOLINT(bugprone-parent-virtual-call)
    }
};

// A list that asks for a few rows and takes what height is left: the
// column's wrapped texts make it lay out at preferred heights, and a list's
// usual preference pushed the last group below the window's foot.
class ListaScurta final : public QListWidget
{
public:
    ListaScurta(int inaltime, QWidget *parinte)
        : QListWidget(parinte)
        , m_inaltime(inaltime)
    {}
    QSize sizeHint() const override { return {QListWidget::sizeHint().width(), m_inaltime}; }

private:
    int m_inaltime;
};

} // namespace

FereastraLucrare::FereastraLucrare(Colectie &definitii, CompunereLucrare &compunere,
                                   std::function<MarginiLucrare()> margini,
                                   std::unique_ptr<Imprimanta> imprimanta, QWidget *parent)
    : QWidget(parent)
    , m_definitii(definitii)
    , m_compunere(compunere)
    , m_margini(std::move(margini))
    , m_imprimanta(std::move(imprimanta))
    , m_amanareAntet(new QTimer(this))
    , m_amanarePagini(new QTimer(this))
{
    setWindowTitle(QStringLiteral("Lucrare"));
    setWindowIcon(IconitaFerestrei("lucrare"));
    setObjectName(QStringLiteral("FereastraLucrare"));

    // The controls scroll rather than push the window's foot below a 1024 x 768 screen.
    auto *coloana = new QWidget;
    auto *stanga = new QVBoxLayout(coloana);
    stanga->setContentsMargins(0, 0, 0, 0);
    stanga->addWidget(ConstruiesteAntetul());
    stanga->addWidget(ConstruiesteProblemele(), 1);
    stanga->addWidget(ConstruiesteTiparirea());
    stanga->addWidget(ConstruiestePastratele());
    auto *derulare = new QScrollArea(this);
    derulare->setWidget(coloana);
    derulare->setWidgetResizable(true);
    derulare->setFrameShape(QFrame::NoFrame);
    derulare->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    derulare->setMinimumWidth(coloana->minimumSizeHint().width() +
                              derulare->verticalScrollBar()->sizeHint().width());
    auto *tot = new QHBoxLayout(this);
    tot->addWidget(derulare, 1);
    tot->addWidget(ConstruiestePaginile(), 1);
    // A school computer's 1024 x 768 screen shows the whole window.
    resize(screen() ? QSize(1100, 760).boundedTo(screen()->availableSize()) : QSize(1100, 760));

    LeagaAntetul();
    connect(&m_compunere, &CompunereLucrare::Schimbata, this, &FereastraLucrare::Reimprospateaza);

    UmpleAntet();
    Reimprospateaza();
}

FereastraLucrare::~FereastraLucrare() = default;

QGroupBox *FereastraLucrare::ConstruiesteAntetul()
{
    auto *antet = new QGroupBox(QStringLiteral("Antet"), this);
    auto *forma = new QFormLayout(antet);
    m_titlu = new QLineEdit(antet);
    m_titlu->setPlaceholderText(QStringLiteral("Lucrare scrisă la matematică"));
    m_scoala = new QLineEdit(antet);
    m_clasa = new QLineEdit(antet);
    m_clasa->setPlaceholderText(QStringLiteral("IX B"));
    m_data = new DataTab(antet);
    m_data->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_data->setCalendarPopup(true);
    m_timpLucru = new QSpinBox(antet);
    m_timpLucru->setRange(0, 600);
    m_timpLucru->setSuffix(QStringLiteral(" minute"));
    m_timpLucru->setSpecialValueText(QStringLiteral("nu se scrie"));
    // Made in the order shown, which Tab follows: after the date, the time.
    m_liniaNume = new QCheckBox(QStringLiteral("Rândul „Numele și prenumele”"), antet);
    m_dinOficiu = new QCheckBox(QStringLiteral("1 punct din &oficiu"), antet);
    forma->addRow(QStringLiteral("&Titlu:"), m_titlu);
    forma->addRow(QStringLiteral("Ș&coala:"), m_scoala);
    forma->addRow(QStringLiteral("C&lasa:"), m_clasa);
    forma->addRow(QStringLiteral("&Data:"), m_data);
    forma->addRow(QStringLiteral("Ti&mp de lucru:"), m_timpLucru);
    // Side by side: a row saved keeps the column within a 1024 x 768 screen.
    auto *bife = new QHBoxLayout;
    bife->addWidget(m_liniaNume);
    bife->addWidget(m_dinOficiu);
    bife->addStretch(1);
    forma->addRow(bife);
    return antet;
}

QGroupBox *FereastraLucrare::ConstruiesteProblemele()
{
    auto *probleme = new QGroupBox(QStringLiteral("Probleme"), this);
    auto *coloana = new QVBoxLayout(probleme);
    auto *randVariante = new QHBoxLayout;
    m_nrVariante = new QSpinBox(probleme);
    m_nrVariante->setRange(1, Lucrare::VarianteMaxime);
    m_varianta = new QSpinBox(probleme);
    m_varianta->setRange(1, 1);
    auto *etichetaNr = new QLabel(QStringLiteral("Va&riante:"), probleme);
    etichetaNr->setBuddy(m_nrVariante);
    auto *etichetaVarianta = new QLabel(QStringLiteral("Arată &varianta:"), probleme);
    etichetaVarianta->setBuddy(m_varianta);
    randVariante->addWidget(etichetaNr);
    randVariante->addWidget(m_nrVariante);
    randVariante->addWidget(etichetaVarianta);
    randVariante->addWidget(m_varianta);
    randVariante->addStretch(1);
    coloana->addLayout(randVariante);
    m_probleme = new ListaScurta(96, probleme);
    m_probleme->setAccessibleName(QStringLiteral("Problemele lucrării"));
    m_probleme->setIconSize(QSize(160, 60));
    // No label of its own to carry a mnemonic (one would push the list down):
    // Alt+I reaches it, a letter no other control of the window takes, and a
    // frame shows where the keys go once it has them.
    auto *laLista = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_I), this);
    connect(laLista, &QShortcut::activated, m_probleme,
            [this] { m_probleme->setFocus(Qt::ShortcutFocusReason); });
    m_probleme->setToolTip(QStringLiteral("Problemele lucrării (Alt+I)"));
    m_probleme->setStyleSheet(
        QStringLiteral("QListWidget:focus { border: 2px solid palette(highlight); }"));
    coloana->addWidget(m_probleme);
    auto *randPuncte = new QHBoxLayout;
    auto *eticheta = new QLabel(QStringLiteral("&Puncte:"), probleme);
    m_puncte = new QDoubleSpinBox(probleme);
    m_puncte->setRange(0, 10);
    m_puncte->setSingleStep(0.5);
    m_puncte->setDecimals(1);
    m_puncte->setSpecialValueText(QStringLiteral("fără"));
    eticheta->setBuddy(m_puncte);
    randPuncte->addWidget(eticheta);
    randPuncte->addWidget(m_puncte);
    QPushButton *sus =
        Buton(QStringLiteral("Mută în &sus"), QKeySequence(Qt::CTRL | Qt::Key_Up), probleme);
    QPushButton *jos =
        Buton(QStringLiteral("Mută în j&os"), QKeySequence(Qt::CTRL | Qt::Key_Down), probleme);
    QPushButton *scoate =
        Buton(QStringLiteral("Sco&ate"), QKeySequence(Qt::CTRL | Qt::Key_Delete), probleme);
    randPuncte->addWidget(sus);
    randPuncte->addWidget(jos);
    randPuncte->addWidget(scoate);
    coloana->addLayout(randPuncte);
    m_total = new QLabel(probleme);
    m_total->setWordWrap(true);
    m_sterse = new QLabel(probleme);
    m_sterse->setWordWrap(true);
    coloana->addWidget(m_total);
    coloana->addWidget(m_sterse);
    coloana->addLayout(ConstruiesteSpatiul(probleme));
    LeagaProblemele(sus, jos, scoate);
    return probleme;
}

QLayout *FereastraLucrare::ConstruiesteSpatiul(QWidget *parinte)
{
    auto *rand = new QGridLayout;
    m_felSpatiu = new QComboBox(parinte);
    m_felSpatiu->addItems({QStringLiteral("fără"), QStringLiteral("alb"), QStringLiteral("liniat"),
                           QStringLiteral("cu pătrățele")});
    m_felSpatiu->setAccessibleName(QStringLiteral("Spațiu de lucru"));
    auto *eticheta = new QLabel(QStringLiteral("Spațiu de lucr&u:"), parinte);
    eticheta->setBuddy(m_felSpatiu);
    m_spatiu = new QDoubleSpinBox(parinte);
    m_spatiu->setRange(0.5, 25);
    m_spatiu->setSingleStep(0.5);
    m_spatiu->setDecimals(1);
    m_spatiu->setValue(4);
    m_spatiu->setSuffix(QStringLiteral(" cm"));
    m_spatiu->setAccessibleName(QStringLiteral("Înălțimea spațiului de lucru"));
    m_ascundeNumerele =
        new QCheckBox(QStringLiteral("Acop&eră numerele scrise pe scanuri"), parinte);
    m_ascundeNumerele->setToolTip(
        QStringLiteral("Numărul cu care începe textul scanat (de exemplu „11.”) nu se tipărește, "
                       "ca să rămână doar numerotarea lucrării. Cere textul recunoscut al pozei."));
    rand->addWidget(eticheta, 0, 0);
    rand->addWidget(m_felSpatiu, 0, 1);
    rand->addWidget(m_spatiu, 0, 2);
    // On its own line: beside the room's controls it widened the window past a 1024 screen.
    rand->addWidget(m_ascundeNumerele, 1, 0, 1, 4);
    rand->setColumnStretch(3, 1);
    connect(m_felSpatiu, &QComboBox::currentIndexChanged, this, &FereastraLucrare::SpatiuSchimbat);
    connect(m_spatiu, &QDoubleSpinBox::valueChanged, this, &FereastraLucrare::SpatiuSchimbat);
    connect(m_ascundeNumerele, &QCheckBox::toggled, this,
            [this](bool ascunde) { m_compunere.SeteazaAscundeNumerele(ascunde); });
    return rand;
}

void FereastraLucrare::SpatiuSchimbat()
{
    // "fără" is no room; the others are the three ways of drawing it.
    const int fel = m_felSpatiu->currentIndex();
    m_spatiu->setEnabled(fel > 0);
    m_compunere.SeteazaSpatiu(m_probleme->currentRow(), fel > 0 ? m_spatiu->value() : 0,
                              FelSpatiu(std::max(0, fel - 1)));
}

void FereastraLucrare::LeagaProblemele(QPushButton *sus, QPushButton *jos, QPushButton *scoate)
{
    connect(m_nrVariante, &QSpinBox::valueChanged, this,
            [this](int n) { m_compunere.SeteazaNrVariante(n); });
    connect(m_varianta, &QSpinBox::valueChanged, this,
            [this](int v) { m_compunere.ArataVarianta(v); });
    connect(m_probleme, &QListWidget::currentRowChanged, this, [this](int rand) {
        const auto &p = m_compunere.Curenta().Probleme;
        const QSignalBlocker blocare(m_puncte);
        m_puncte->setEnabled(rand >= 0);
        m_puncte->setValue(rand >= 0 && rand < int(p.size()) ? p[size_t(rand)].Puncte : 0);
        const QSignalBlocker b1(m_felSpatiu), b2(m_spatiu);
        const bool are = rand >= 0 && rand < int(p.size()) && p[size_t(rand)].SpatiuCm > 0;
        m_felSpatiu->setEnabled(rand >= 0);
        m_felSpatiu->setCurrentIndex(are ? int(p[size_t(rand)].Spatiu) + 1 : 0);
        m_spatiu->setEnabled(are);
        if (are)
            m_spatiu->setValue(p[size_t(rand)].SpatiuCm);
    });
    connect(m_puncte, &QDoubleSpinBox::valueChanged, this, [this](double valoare) {
        m_compunere.SeteazaPuncte(m_probleme->currentRow(), valoare);
    });
    auto muta = [this](int pas) {
        const int i = m_probleme->currentRow();
        m_compunere.Muta(i, i + pas);
        m_probleme->setCurrentRow(std::clamp(i + pas, 0, m_probleme->count() - 1));
    };
    connect(sus, &QPushButton::clicked, this, [muta] { muta(-1); });
    connect(jos, &QPushButton::clicked, this, [muta] { muta(+1); });
    connect(scoate, &QPushButton::clicked, this, [this] {
        const int i = m_probleme->currentRow();
        m_compunere.Scoate(i);
        m_probleme->setCurrentRow(std::min(i, m_probleme->count() - 1));
    });
}

QGroupBox *FereastraLucrare::ConstruiesteTiparirea()
{
    auto *iesire = new QGroupBox(QStringLiteral("Tipărire"), this);
    auto *coloana = new QVBoxLayout(iesire);
    auto *randIesire = new QHBoxLayout;
    coloana->addLayout(randIesire);
    m_imprimante = new QComboBox(iesire);
    m_imprimante->setAccessibleName(QStringLiteral("Imprimanta"));
    m_imprimante->addItems(m_imprimanta->Imprimante());
    m_exemplare = new QSpinBox(iesire);
    m_exemplare->setRange(1, 200);
    m_exemplare->setAccessibleName(QStringLiteral("Exemplare"));
    m_exemplare->setSuffix(QStringLiteral(" ex."));
    QPushButton *tipareste = Buton(QStringLiteral("&Tipărește"), QKeySequence::Print, iesire);
    QPushButton *pdf = Buton(QStringLiteral("Salvează P&DF..."), QKeySequence::Save, iesire);
    randIesire->addWidget(m_imprimante, 1);
    randIesire->addWidget(m_exemplare);
    randIesire->addWidget(tipareste);
    randIesire->addWidget(pdf);
    connect(tipareste, &QPushButton::clicked, this, &FereastraLucrare::Tipareste);
    connect(pdf, &QPushButton::clicked, this, &FereastraLucrare::SalveazaPdf);
    auto *randBarem = new QHBoxLayout;
    QPushButton *barem =
        Buton(QStringLiteral("Salvează &baremul…"), QKeySequence(Qt::CTRL | Qt::Key_B), iesire);
    QPushButton *tiparesteBarem = Buton(QStringLiteral("Tipărește bare&mul"),
                                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B), iesire);
    QPushButton *odt = Buton(QStringLiteral("Salvează ca document O&DT…"),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D), iesire);
    randBarem->addWidget(barem);
    randBarem->addWidget(tiparesteBarem);
    randBarem->addWidget(odt);
    randBarem->addStretch(1);
    coloana->addLayout(randBarem);
    connect(barem, &QPushButton::clicked, this, &FereastraLucrare::SalveazaBaremul);
    connect(tiparesteBarem, &QPushButton::clicked, this, &FereastraLucrare::TiparesteBaremul);
    connect(odt, &QPushButton::clicked, this, &FereastraLucrare::SalveazaOdt);
    return iesire;
}

QGroupBox *FereastraLucrare::ConstruiestePastratele()
{
    auto *arhiva = new QGroupBox(QStringLiteral("Lucrări păstrate"), this);
    auto *coloanaArhiva = new QVBoxLayout(arhiva);
    m_pastrate = new ListaScurta(64, arhiva);
    m_pastrate->setAccessibleName(QStringLiteral("Lucrări păstrate"));
    coloanaArhiva->addWidget(m_pastrate);
    auto *randArhiva = new QHBoxLayout;
    QPushButton *deschide =
        Buton(QStringLiteral("Desc&hide"), QKeySequence(Qt::CTRL | Qt::Key_O), arhiva);
    QPushButton *copiaza = Buton(QStringLiteral("&Copiază ca lucrare nouă"),
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), arhiva);
    QPushButton *noua = Buton(QStringLiteral("Lucrare &nouă"), QKeySequence::New, arhiva);
    randArhiva->addWidget(deschide);
    randArhiva->addWidget(copiaza);
    randArhiva->addWidget(noua);
    coloanaArhiva->addLayout(randArhiva);
    connect(deschide, &QPushButton::clicked, this, &FereastraLucrare::DeschidePastrata);
    connect(m_pastrate, &QListWidget::itemActivated, this, &FereastraLucrare::DeschidePastrata);
    connect(copiaza, &QPushButton::clicked, this, &FereastraLucrare::CopiazaPastrata);
    connect(noua, &QPushButton::clicked, this, &FereastraLucrare::Noua);
    return arhiva;
}

QScrollArea *FereastraLucrare::ConstruiestePaginile()
{
    auto *derulare = new QScrollArea(this);
    auto *foi = new QWidget;
    m_pagini = new QVBoxLayout(foi);
    m_pagini->setSizeConstraint(QLayout::SetMinAndMaxSize);
    derulare->setWidget(foi);
    derulare->setWidgetResizable(false);
    // Narrower than a page it scrolls sideways, so a small screen still holds the window.
    derulare->setMinimumWidth(LatimePagina / 2);
    derulare->setAccessibleName(QStringLiteral("Paginile lucrării"));
    m_amanarePagini->setSingleShot(true);
    m_amanarePagini->setInterval(50);
    connect(m_amanarePagini, &QTimer::timeout, this, &FereastraLucrare::ArataPaginile);
    return derulare;
}

void FereastraLucrare::LeagaAntetul()
{
    m_amanareAntet->setSingleShot(true);
    m_amanareAntet->setInterval(300);
    connect(m_amanareAntet, &QTimer::timeout, this, &FereastraLucrare::AntetSchimbat);
    auto amana = [this] {
        if (!m_umple)
            m_amanareAntet->start();
    };
    for (QLineEdit *camp : {m_titlu, m_scoala, m_clasa})
        connect(camp, &QLineEdit::textChanged, this, amana);
    connect(m_data, &QDateEdit::dateChanged, this, amana);
    connect(m_timpLucru, &QSpinBox::valueChanged, this, amana);
    connect(m_liniaNume, &QCheckBox::toggled, this, amana);
    connect(m_dinOficiu, &QCheckBox::toggled, this, amana);
}

void FereastraLucrare::showEvent(QShowEvent *eveniment)
{
    QWidget::showEvent(eveniment);
    Reimprospateaza();
}

void FereastraLucrare::UmpleAntet()
{
    m_umple = true;
    const AntetLucrare &a = m_compunere.Curenta().Antet;
    m_titlu->setText(a.Titlu);
    m_scoala->setText(a.Scoala);
    m_clasa->setText(a.Clasa);
    m_data->setDate(a.Data);
    m_liniaNume->setChecked(a.LiniaNume);
    m_timpLucru->setValue(a.TimpLucru);
    m_dinOficiu->setChecked(a.DinOficiu);
    m_umple = false;
}

void FereastraLucrare::AntetSchimbat()
{
    m_amanareAntet->stop();
    AntetLucrare a;
    a.Titlu = m_titlu->text();
    a.Scoala = m_scoala->text();
    a.Clasa = m_clasa->text();
    a.Data = m_data->date();
    a.LiniaNume = m_liniaNume->isChecked();
    a.TimpLucru = m_timpLucru->value();
    a.DinOficiu = m_dinOficiu->isChecked();
    m_compunere.SeteazaAntet(a);
}

void FereastraLucrare::Reimprospateaza()
{
    const Lucrare &l = m_compunere.Curenta();
    const int v = m_compunere.VariantaAratata();
    {
        const QSignalBlocker b1(m_nrVariante), b2(m_varianta);
        m_nrVariante->setValue(l.NrVariante);
        m_varianta->setRange(1, l.NrVariante);
        m_varianta->setValue(v);
    }
    const int curent = m_probleme->currentRow();
    {
        const QSignalBlocker blocare(m_probleme);
        m_probleme->clear();
        for (size_t i = 0; i < l.Probleme.size(); ++i) {
            const ProblemaLucrare &p = l.Probleme[i];
            const QString poza = p.PozaVariantei(v);
            auto *rand = new QListWidgetItem(
                EtichetaProblema(int(i) + 1, p.Puncte) + QLatin1Char(' ') +
                    (poza.isEmpty() ? QStringLiteral("(nicio problemă aleasă)") : poza),
                m_probleme);
            rand->setIcon(Iconita(poza));
        }
    }
    m_probleme->setCurrentRow(std::min(std::max(curent, 0), m_probleme->count() - 1));
    {
        const QSignalBlocker blocare(m_ascundeNumerele);
        m_ascundeNumerele->setChecked(l.AscundeNumerele);
    }
    const QString avertisment = l.AvertismentPuncte();
    const double total = l.TotalPuncte();
    QStringList avertismente = m_compunere.AvertismenteBarem();
    if (!avertisment.isEmpty())
        avertismente.prepend(avertisment);
    m_total->setText(
        QStringLiteral("Total: %1 %2%3")
            .arg(TextPuncte(total), total == 1 ? QStringLiteral("punct") : QStringLiteral("puncte"),
                 l.Antet.DinOficiu ? QStringLiteral(" (cu 1 din oficiu)") : QString()) +
        (avertismente.isEmpty() ? QString()
                                : QStringLiteral("\n") + avertismente.join(QLatin1Char('\n'))));
    m_total->setStyleSheet(avertismente.isEmpty() ? QString() : QStringLiteral("color: #b00000"));
    m_sterse->setText(l.ProblemeSterse > 0
                          ? QStringLiteral("Din această lucrare au fost scoase %1, șterse între "
                                           "timp din colecție.")
                                .arg(TextProbleme(l.ProblemeSterse))
                          : QString());
    m_sterse->setVisible(l.ProblemeSterse > 0);
    setWindowTitle(QStringLiteral("Lucrare - %1").arg(TextProbleme(int(l.Probleme.size()))));
    if (isVisible()) {
        m_amanarePagini->start();
        ArataPastrate();
    }
}

QIcon FereastraLucrare::Iconita(const QString &poza)
{
    if (poza.isEmpty())
        return QIcon();
    // Read once: a 300-dpi scan takes longer to read than the list to fill.
    auto gasita = m_iconite.find(poza);
    if (gasita == m_iconite.end()) {
        const QImage mare = CitestePoza(m_compunere.DosarProbleme() + poza).Poza;
        gasita =
            m_iconite.insert(poza, mare.isNull() ? QIcon()
                                                 : QIcon(QPixmap::fromImage(mare.scaled(
                                                       m_probleme->iconSize(), Qt::KeepAspectRatio,
                                                       Qt::SmoothTransformation))));
    }
    return *gasita;
}

void FereastraLucrare::ArataPaginile()
{
    while (QLayoutItem *element = m_pagini->takeAt(0)) {
        delete element->widget();
        delete element;
    }
    const Lucrare varianta = m_compunere.Curenta().Varianta(m_compunere.VariantaAratata());
    RedareLucrare redare(varianta, m_compunere.DosarProbleme(), m_margini(), &m_compunere.Poze(),
                         m_compunere.Cuvinte());
    for (int p = 0; p < redare.NrPagini(); ++p) {
        auto *pagina = new QLabel;
        pagina->setPixmap(QPixmap::fromImage(redare.Previzualizare(p, LatimePagina)));
        pagina->setFrameShape(QFrame::Box);
        pagina->setAccessibleName(
            QStringLiteral("Pagina %1 din %2").arg(p + 1).arg(redare.NrPagini()));
        m_pagini->addWidget(pagina);
    }
}

void FereastraLucrare::ArataPastrate()
{
    const qint64 ales = m_pastrate->currentItem()
                            ? m_pastrate->currentItem()->data(Qt::UserRole).toLongLong()
                            : m_compunere.Curenta().Id;
    m_pastrate->clear();
    for (const ArhivaLucrari::Rezumat &r : m_compunere.Arhiva().Lista()) {
        QString text = QStringLiteral("%1  %2  %3 (%4)")
                           .arg(r.Data.toString(QStringLiteral("dd.MM.yyyy")),
                                r.Titlu.isEmpty() ? QStringLiteral("fără titlu") : r.Titlu, r.Clasa,
                                TextProbleme(r.NrProbleme));
        if (r.ProblemeSterse > 0)
            text += QStringLiteral(", %1 ștearsă/șterse din colecție").arg(r.ProblemeSterse);
        auto *rand = new QListWidgetItem(text, m_pastrate);
        rand->setData(Qt::UserRole, r.Id);
        if (r.Id == ales)
            m_pastrate->setCurrentItem(rand);
    }
}

void FereastraLucrare::Tipareste()
{
    if (PoateTipari())
        m_compunere.Tipareste(*m_imprimanta, m_exemplare->value(), m_margini());
}

void FereastraLucrare::SalveazaPdf()
{
    const QString cale = AlegeFisier({}, QStringLiteral(".pdf"));
    if (!cale.isEmpty())
        m_compunere.SalveazaPdf(cale, m_margini());
}

bool FereastraLucrare::PoateTipari()
{
    AntetSchimbat();
    return tezaurel::PoateTipari(m_definitii.platforma(), m_compunere.Curenta(), *m_imprimanta,
                                 m_imprimante->currentText());
}

QString FereastraLucrare::AlegeFisier(const QString &prefix, const QString &extensie)
{
    // The header typed a moment ago names the file too.
    AntetSchimbat();
    QString nume = prefix + m_compunere.Curenta().NumeFisier();
    nume.replace(nume.size() - 4, 4, extensie);
    return AlegeFisierLucrare(m_definitii, m_compunere.Curenta(), nume);
}

void FereastraLucrare::SalveazaBaremul()
{
    const QString cale = AlegeFisier(QStringLiteral("Barem "), QStringLiteral(".pdf"));
    if (!cale.isEmpty())
        m_compunere.SalveazaBaremul(cale, m_margini());
}

void FereastraLucrare::TiparesteBaremul()
{
    if (PoateTipari())
        m_compunere.TiparesteBaremul(*m_imprimanta, m_exemplare->value(), m_margini());
}

void FereastraLucrare::SalveazaOdt()
{
    const QString cale = AlegeFisier({}, QStringLiteral(".odt"));
    if (!cale.isEmpty())
        m_compunere.SalveazaOdt(cale, m_margini());
}

void FereastraLucrare::DeschidePastrata()
{
    const QListWidgetItem *rand = m_pastrate->currentItem();
    if (!rand)
        return;
    if (m_compunere.Deschide(rand->data(Qt::UserRole).toLongLong()))
        UmpleAntet();
}

void FereastraLucrare::CopiazaPastrata()
{
    DeschidePastrata();
    m_compunere.Copiaza();
    UmpleAntet();
    ArataPastrate();
}

void FereastraLucrare::Noua()
{
    AntetSchimbat();
    m_compunere.Noua();
    UmpleAntet();
    ArataPastrate();
}

} // namespace tezaurel
