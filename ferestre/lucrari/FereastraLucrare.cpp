#include "ferestre/lucrari/FereastraLucrare.h"

#include "logica/lucrari/CompunereLucrare.h"
#include "interfete/Platforma.h"
#include "interfete/Imprimanta.h"
#include "model/CitirePoza.h"
#include "model/Colectie.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>

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
    setObjectName(QStringLiteral("FereastraLucrare"));

    // --- the header
    auto *antet = new QGroupBox(QStringLiteral("Antet"), this);
    auto *forma = new QFormLayout(antet);
    Titlu = new QLineEdit(antet);
    Titlu->setPlaceholderText(QStringLiteral("Lucrare scrisă la matematică"));
    Scoala = new QLineEdit(antet);
    Clasa = new QLineEdit(antet);
    Clasa->setPlaceholderText(QStringLiteral("IX B"));
    Data = new QDateEdit(antet);
    Data->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    Data->setCalendarPopup(true);
    LiniaNume = new QCheckBox(QStringLiteral("Rândul „Numele și prenumele”"), antet);
    TimpLucru = new QSpinBox(antet);
    TimpLucru->setRange(0, 600);
    TimpLucru->setSuffix(QStringLiteral(" minute"));
    TimpLucru->setSpecialValueText(QStringLiteral("nu se scrie"));
    DinOficiu = new QCheckBox(QStringLiteral("1 punct din &oficiu"), antet);
    forma->addRow(QStringLiteral("&Titlu:"), Titlu);
    forma->addRow(QStringLiteral("Ș&coala:"), Scoala);
    forma->addRow(QStringLiteral("C&lasa:"), Clasa);
    forma->addRow(QStringLiteral("&Data:"), Data);
    forma->addRow(QStringLiteral("Ti&mp de lucru:"), TimpLucru);
    forma->addRow(LiniaNume);
    forma->addRow(DinOficiu);

    // --- the problems
    auto *probleme = new QGroupBox(QStringLiteral("Probleme"), this);
    auto *coloana = new QVBoxLayout(probleme);
    auto *randVariante = new QHBoxLayout;
    NrVariante = new QSpinBox(probleme);
    NrVariante->setRange(1, Lucrare::VarianteMaxime);
    Varianta = new QSpinBox(probleme);
    Varianta->setRange(1, 1);
    auto *etichetaNr = new QLabel(QStringLiteral("Va&riante:"), probleme);
    etichetaNr->setBuddy(NrVariante);
    auto *etichetaVarianta = new QLabel(QStringLiteral("Arată &varianta:"), probleme);
    etichetaVarianta->setBuddy(Varianta);
    randVariante->addWidget(etichetaNr);
    randVariante->addWidget(NrVariante);
    randVariante->addWidget(etichetaVarianta);
    randVariante->addWidget(Varianta);
    randVariante->addStretch(1);
    coloana->addLayout(randVariante);
    Probleme = new QListWidget(probleme);
    Probleme->setAccessibleName(QStringLiteral("Problemele lucrării"));
    Probleme->setIconSize(QSize(160, 60));
    coloana->addWidget(Probleme);
    auto *randPuncte = new QHBoxLayout;
    auto *eticheta = new QLabel(QStringLiteral("&Puncte:"), probleme);
    Puncte = new QDoubleSpinBox(probleme);
    Puncte->setRange(0, 10);
    Puncte->setSingleStep(0.5);
    Puncte->setDecimals(1);
    Puncte->setSpecialValueText(QStringLiteral("fără"));
    eticheta->setBuddy(Puncte);
    randPuncte->addWidget(eticheta);
    randPuncte->addWidget(Puncte);
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
    Total = new QLabel(probleme);
    Total->setWordWrap(true);
    Sterse = new QLabel(probleme);
    Sterse->setWordWrap(true);
    coloana->addWidget(Total);
    coloana->addWidget(Sterse);

    // --- out to a printer or a PDF
    auto *iesire = new QGroupBox(QStringLiteral("Tipărire"), this);
    auto *randIesire = new QHBoxLayout(iesire);
    Imprimante = new QComboBox(iesire);
    Imprimante->setAccessibleName(QStringLiteral("Imprimanta"));
    Imprimante->addItems(m_imprimanta->Imprimante());
    Exemplare = new QSpinBox(iesire);
    Exemplare->setRange(1, 200);
    Exemplare->setAccessibleName(QStringLiteral("Exemplare"));
    Exemplare->setSuffix(QStringLiteral(" ex."));
    QPushButton *tipareste = Buton(QStringLiteral("&Tipărește"), QKeySequence::Print, iesire);
    QPushButton *pdf = Buton(QStringLiteral("Salvează P&DF..."), QKeySequence::Save, iesire);
    randIesire->addWidget(Imprimante, 1);
    randIesire->addWidget(Exemplare);
    randIesire->addWidget(tipareste);
    randIesire->addWidget(pdf);

    // --- the kept papers
    auto *arhiva = new QGroupBox(QStringLiteral("Lucrări păstrate"), this);
    auto *coloanaArhiva = new QVBoxLayout(arhiva);
    Pastrate = new QListWidget(arhiva);
    Pastrate->setAccessibleName(QStringLiteral("Lucrări păstrate"));
    coloanaArhiva->addWidget(Pastrate);
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

    // --- the pages as they will print
    auto *derulare = new QScrollArea(this);
    auto *foi = new QWidget;
    Pagini = new QVBoxLayout(foi);
    Pagini->setSizeConstraint(QLayout::SetMinAndMaxSize);
    derulare->setWidget(foi);
    derulare->setWidgetResizable(false);
    derulare->setMinimumWidth(LatimePagina + 40);
    derulare->setAccessibleName(QStringLiteral("Paginile lucrării"));

    auto *stanga = new QVBoxLayout;
    stanga->addWidget(antet);
    stanga->addWidget(probleme, 1);
    stanga->addWidget(iesire);
    stanga->addWidget(arhiva);
    auto *tot = new QHBoxLayout(this);
    tot->addLayout(stanga, 1);
    tot->addWidget(derulare, 1);
    resize(1100, 760);

    // Typing in the header is kept when it pauses, not at every letter.
    m_amanareAntet->setSingleShot(true);
    m_amanareAntet->setInterval(300);
    connect(m_amanareAntet, &QTimer::timeout, this, &FereastraLucrare::AntetSchimbat);
    auto amana = [this] {
        if (!m_umple)
            m_amanareAntet->start();
    };
    for (QLineEdit *camp : {Titlu, Scoala, Clasa})
        connect(camp, &QLineEdit::textChanged, this, amana);
    connect(Data, &QDateEdit::dateChanged, this, amana);
    connect(TimpLucru, &QSpinBox::valueChanged, this, amana);
    connect(LiniaNume, &QCheckBox::toggled, this, amana);
    connect(DinOficiu, &QCheckBox::toggled, this, amana);
    m_amanarePagini->setSingleShot(true);
    m_amanarePagini->setInterval(50);
    connect(m_amanarePagini, &QTimer::timeout, this, &FereastraLucrare::ArataPaginile);

    connect(NrVariante, &QSpinBox::valueChanged, this,
            [this](int n) { m_compunere.SeteazaNrVariante(n); });
    connect(Varianta, &QSpinBox::valueChanged, this,
            [this](int v) { m_compunere.ArataVarianta(v); });
    connect(Probleme, &QListWidget::currentRowChanged, this, [this](int rand) {
        const auto &p = m_compunere.Curenta().Probleme;
        const QSignalBlocker blocare(Puncte);
        Puncte->setEnabled(rand >= 0);
        Puncte->setValue(rand >= 0 && rand < int(p.size()) ? p[size_t(rand)].Puncte : 0);
    });
    connect(Puncte, &QDoubleSpinBox::valueChanged, this,
            [this](double valoare) { m_compunere.SeteazaPuncte(Probleme->currentRow(), valoare); });
    auto muta = [this](int pas) {
        const int i = Probleme->currentRow();
        m_compunere.Muta(i, i + pas);
        Probleme->setCurrentRow(std::clamp(i + pas, 0, Probleme->count() - 1));
    };
    connect(sus, &QPushButton::clicked, this, [muta] { muta(-1); });
    connect(jos, &QPushButton::clicked, this, [muta] { muta(+1); });
    connect(scoate, &QPushButton::clicked, this, [this] {
        const int i = Probleme->currentRow();
        m_compunere.Scoate(i);
        Probleme->setCurrentRow(std::min(i, Probleme->count() - 1));
    });
    connect(tipareste, &QPushButton::clicked, this, &FereastraLucrare::Tipareste);
    connect(pdf, &QPushButton::clicked, this, &FereastraLucrare::SalveazaPdf);
    connect(deschide, &QPushButton::clicked, this, &FereastraLucrare::DeschidePastrata);
    connect(Pastrate, &QListWidget::itemActivated, this, &FereastraLucrare::DeschidePastrata);
    connect(copiaza, &QPushButton::clicked, this, &FereastraLucrare::CopiazaPastrata);
    connect(noua, &QPushButton::clicked, this, &FereastraLucrare::Noua);
    connect(&m_compunere, &CompunereLucrare::Schimbata, this, &FereastraLucrare::Reimprospateaza);

    UmpleAntet();
    Reimprospateaza();
}

FereastraLucrare::~FereastraLucrare() = default;

void FereastraLucrare::showEvent(QShowEvent *eveniment)
{
    QWidget::showEvent(eveniment);
    Reimprospateaza();
}

void FereastraLucrare::UmpleAntet()
{
    m_umple = true;
    const AntetLucrare &a = m_compunere.Curenta().Antet;
    Titlu->setText(a.Titlu);
    Scoala->setText(a.Scoala);
    Clasa->setText(a.Clasa);
    Data->setDate(a.Data);
    LiniaNume->setChecked(a.LiniaNume);
    TimpLucru->setValue(a.TimpLucru);
    DinOficiu->setChecked(a.DinOficiu);
    m_umple = false;
}

void FereastraLucrare::AntetSchimbat()
{
    m_amanareAntet->stop();
    AntetLucrare a;
    a.Titlu = Titlu->text();
    a.Scoala = Scoala->text();
    a.Clasa = Clasa->text();
    a.Data = Data->date();
    a.LiniaNume = LiniaNume->isChecked();
    a.TimpLucru = TimpLucru->value();
    a.DinOficiu = DinOficiu->isChecked();
    m_compunere.SeteazaAntet(a);
}

void FereastraLucrare::Reimprospateaza()
{
    const Lucrare &l = m_compunere.Curenta();
    const int v = m_compunere.VariantaAratata();
    {
        const QSignalBlocker b1(NrVariante), b2(Varianta);
        NrVariante->setValue(l.NrVariante);
        Varianta->setRange(1, l.NrVariante);
        Varianta->setValue(v);
    }
    const int curent = Probleme->currentRow();
    {
        const QSignalBlocker blocare(Probleme);
        Probleme->clear();
        for (size_t i = 0; i < l.Probleme.size(); ++i) {
            const ProblemaLucrare &p = l.Probleme[i];
            const QString poza = p.PozaVariantei(v);
            auto *rand = new QListWidgetItem(
                EtichetaProblema(int(i) + 1, p.Puncte) + QLatin1Char(' ') +
                    (poza.isEmpty() ? QStringLiteral("(nicio problemă aleasă)") : poza),
                Probleme);
            rand->setIcon(Iconita(poza));
        }
    }
    Probleme->setCurrentRow(std::min(std::max(curent, 0), Probleme->count() - 1));
    const QString avertisment = l.AvertismentPuncte();
    const double total = l.TotalPuncte();
    Total->setText(QStringLiteral("Total: %1 %2%3")
                       .arg(TextPuncte(total),
                            total == 1 ? QStringLiteral("punct") : QStringLiteral("puncte"),
                            l.Antet.DinOficiu ? QStringLiteral(" (cu 1 din oficiu)") : QString()) +
                   (avertisment.isEmpty() ? QString() : QStringLiteral("\n") + avertisment));
    Total->setStyleSheet(avertisment.isEmpty() ? QString() : QStringLiteral("color: #b00000"));
    Sterse->setText(l.ProblemeSterse > 0
                        ? QStringLiteral("Din această lucrare au fost scoase %1, șterse între "
                                         "timp din colecție.")
                              .arg(TextProbleme(l.ProblemeSterse))
                        : QString());
    Sterse->setVisible(l.ProblemeSterse > 0);
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
        gasita = m_iconite.insert(
            poza, mare.isNull()
                      ? QIcon()
                      : QIcon(QPixmap::fromImage(mare.scaled(
                            Probleme->iconSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation))));
    }
    return *gasita;
}

void FereastraLucrare::ArataPaginile()
{
    while (QLayoutItem *element = Pagini->takeAt(0)) {
        delete element->widget();
        delete element;
    }
    const Lucrare varianta = m_compunere.Curenta().Varianta(m_compunere.VariantaAratata());
    RedareLucrare redare(varianta, m_compunere.DosarProbleme(), m_margini(), &m_compunere.Poze());
    for (int p = 0; p < redare.NrPagini(); ++p) {
        auto *pagina = new QLabel;
        pagina->setPixmap(QPixmap::fromImage(redare.Previzualizare(p, LatimePagina)));
        pagina->setFrameShape(QFrame::Box);
        pagina->setAccessibleName(
            QStringLiteral("Pagina %1 din %2").arg(p + 1).arg(redare.NrPagini()));
        Pagini->addWidget(pagina);
    }
}

void FereastraLucrare::ArataPastrate()
{
    const qint64 ales = Pastrate->currentItem()
                            ? Pastrate->currentItem()->data(Qt::UserRole).toLongLong()
                            : m_compunere.Curenta().Id;
    Pastrate->clear();
    for (const ArhivaLucrari::Rezumat &r : m_compunere.Arhiva().Lista()) {
        QString text = QStringLiteral("%1  %2  %3 (%4)")
                           .arg(r.Data.toString(QStringLiteral("dd.MM.yyyy")),
                                r.Titlu.isEmpty() ? QStringLiteral("fără titlu") : r.Titlu, r.Clasa,
                                TextProbleme(r.NrProbleme));
        if (r.ProblemeSterse > 0)
            text += QStringLiteral(", %1 ștearsă/șterse din colecție").arg(r.ProblemeSterse);
        auto *rand = new QListWidgetItem(text, Pastrate);
        rand->setData(Qt::UserRole, r.Id);
        if (r.Id == ales)
            Pastrate->setCurrentItem(rand);
    }
}

void FereastraLucrare::Tipareste()
{
    AntetSchimbat();
    if (m_compunere.Curenta().Probleme.empty()) {
        m_definitii.platforma().Mesaj(QStringLiteral("Lucrarea nu are nicio problemă."));
        return;
    }
    if (Imprimante->currentText().isEmpty() || !m_imprimanta->Alege(Imprimante->currentText())) {
        m_definitii.platforma().Mesaj(QStringLiteral("Nu ați ales imprimanta."));
        return;
    }
    m_compunere.Tipareste(*m_imprimanta, Exemplare->value(), m_margini());
}

void FereastraLucrare::SalveazaPdf()
{
    AntetSchimbat();
    Platforma &platforma = m_definitii.platforma();
    if (m_compunere.Curenta().Probleme.empty()) {
        platforma.Mesaj(QStringLiteral("Lucrarea nu are nicio problemă."));
        return;
    }
    QDir().mkpath(m_definitii.CaleTeste());
    const QString cale =
        platforma.AlegeFisierSalvare(m_definitii.CaleTeste() + m_compunere.Curenta().NumeFisier());
    if (!cale.isEmpty())
        m_compunere.SalveazaPdf(cale, m_margini());
}

void FereastraLucrare::DeschidePastrata()
{
    const QListWidgetItem *rand = Pastrate->currentItem();
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
