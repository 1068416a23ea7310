#include "ferestre/tiparire/FereastraTiparire.h"
#include "interfete/Imprimanta.h"

#include "ferestre/comune/Ecran.h"
#include "ferestre/comune/Iconite.h"
#include "interfete/Platforma.h"
#include "logica/tiparire/CompunePagina.h"
#include "logica/tiparire/VerificareTiparire.h"
#include "model/SelectieCurenta.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace tezaurel {

namespace {

constexpr int LatimeClient = 13905;
constexpr int InaltimeClient = 6390;

// Controls are placed as designed, in twips.
template <typename W> W *Pune(W *control, int stanga, int sus, int latime, int inaltime)
{
    control->setGeometry(Pixeli(stanga), Pixeli(sus), Pixeli(latime), Pixeli(inaltime));
    return control;
}

} // namespace

FereastraTiparire::FereastraTiparire(const SelectieCurenta &selectie,
                                     std::unique_ptr<Imprimanta> imprimanta, QWidget *parent)
    : QDialog(parent)
    , m_selectie(selectie)
    , m_imprimanta(std::move(imprimanta))
{
    setWindowTitle(QStringLiteral("Tipareste"));
    setWindowIcon(IconitaFerestrei("tiparire"));

    m_cadruDestinatie =
        Pune(new QGroupBox(QStringLiteral("Tipareste"), this), 360, 120, 3855, 3015);
    m_optiuneImprimanta = Pune(new QRadioButton(QStringLiteral("La imprimanta"), m_cadruDestinatie),
                               360, 480, 2415, 615);
    m_optiuneFisier = Pune(new QRadioButton(QStringLiteral("In fisier"), m_cadruDestinatie), 360,
                           1680, 2415, 615);
    ConstruiesteEtichetele();
    ConstruiesteMarginile();
    ConstruiesteCampurile();
    LeagaButoanele();

    setFixedSize(Pixeli(LatimeClient), Pixeli(InaltimeClient));
    Incarca();
}

void FereastraTiparire::ConstruiesteEtichetele()
{
    auto eticheta = [this](const char *text, int stanga, int sus, int latime, int inaltime) {
        return Pune(new QLabel(QString::fromLatin1(text), this), stanga, sus, latime, inaltime);
    };
    m_etichetaStanga = eticheta("Stanga:", 5640, 360, 1335, 495);
    m_etichetaDreapta = eticheta("Dreapta:", 5640, 1080, 1335, 495);
    m_etichetaSus = eticheta("Top:", 5640, 1800, 1335, 495);
    m_etichetaJos = eticheta("Bottom:", 5640, 2520, 1335, 495);
    m_etichetaImprimanta = eticheta("Selectati imprimanta", 10320, 360, 3855, 495);
    m_etichetaExemplare = eticheta("Nr de exemplare", 10320, 1680, 3255, 615);
    m_etichetaNumeFisier = eticheta("Nume fisier", 0, 3360, 1935, 375);
    m_etichetaAntet = eticheta("Antet", 4080, 4200, 2535, 375);
}

void FereastraTiparire::ConstruiesteMarginile()
{
    QLineEdit **margini[] = {&m_margineStanga, &m_margineDreapta, &m_margineSus, &m_margineJos};
    QScrollBar **bare[] = {&m_baraStanga, &m_baraDreapta, &m_baraSus, &m_baraJos};
    for (int i = 0; i < 4; ++i) {
        const int sus = 360 + 720 * i;
        QLineEdit *text = *margini[i] = Pune(new QLineEdit(this), 6960, sus, 1215, 495);
        QScrollBar *bara = *bare[i] = Pune(new QScrollBar(Qt::Vertical, this), 8160, sus, 615, 495);
        bara->setRange(0, 40);
        bara->setSingleStep(1);
        bara->setPageStep(1);
        // Typing in the box leaves the bar where it is.
        connect(bara, &QScrollBar::valueChanged, text,
                [text](int valoare) { text->setText(TextMargine(valoare)); });
    }
}

void FereastraTiparire::ConstruiesteCampurile()
{
    m_imprimante = Pune(new QComboBox(this), 9960, 840, 3855, 420);
    m_imprimante->setEditable(true);
    m_imprimante->setInsertPolicy(QComboBox::NoInsert);
    // Printers are chosen from the list, not typed or completed.
    m_imprimante->setCompleter(nullptr);
    m_imprimante->installEventFilter(this);
    m_imprimante->lineEdit()->installEventFilter(this);
    connect(m_imprimante, &QComboBox::activated, this, &FereastraTiparire::AlegeImprimanta);

    m_exemplare = Pune(new QLineEdit(this), 11520, 2280, 735, 735);
    m_numeFisier = Pune(new QLineEdit(this), 1920, 3360, 3855, 495);
    m_antet = Pune(new QPlainTextEdit(this), 120, 4560, 10575, 1695);
    m_antet->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab leaves the header for the buttons, as in every other box.
    m_antet->setTabChangesFocus(true);

    m_butonTiparire = Pune(new QPushButton(QStringLiteral("Print"), this), 10920, 4560, 2895, 735);
    m_butonRenuntare =
        Pune(new QPushButton(QStringLiteral("Renunta"), this), 10920, 5520, 2895, 735);
    // Enter in a box must not press a button behind the user's back.
    m_butonRenuntare->setAutoDefault(false);
    m_butonTiparire->setAutoDefault(false);
    // Each box is named by its label, for a screen reader as for finding it.
    for (auto [titlu, camp] : {std::pair<QLabel *, QWidget *>{m_etichetaExemplare, m_exemplare},
                               {m_etichetaNumeFisier, m_numeFisier},
                               {m_etichetaStanga, m_margineStanga},
                               {m_etichetaDreapta, m_margineDreapta},
                               {m_etichetaSus, m_margineSus},
                               {m_etichetaJos, m_margineJos},
                               {m_etichetaAntet, m_antet}})
        titlu->setBuddy(camp);
}

void FereastraTiparire::LeagaButoanele()
{
    connect(m_optiuneFisier, &QRadioButton::toggled, this, [this](bool ales) {
        if (ales)
            SpreFisier();
    });
    connect(m_optiuneImprimanta, &QRadioButton::toggled, this, [this](bool ales) {
        if (ales)
            SpreImprimanta();
    });
    connect(m_butonRenuntare, &QPushButton::clicked, this, &FereastraTiparire::Renunta);
    connect(m_butonTiparire, &QPushButton::clicked, this, &FereastraTiparire::Tipareste);
}

FereastraTiparire::~FereastraTiparire() = default;

std::array<QString, 4> FereastraTiparire::TexteMargini() const
{
    return {m_margineStanga->text(), m_margineDreapta->text(), m_margineSus->text(),
            m_margineJos->text()};
}

void FereastraTiparire::Incarca()
{
    LatimeFixa = width() * TwipsPePixel;
    InaltimeFixa = height() * TwipsPePixel;
    m_exemplare->setText(QStringLiteral("1"));
    m_optiuneImprimanta->setChecked(true);
    m_etichetaNumeFisier->hide();
    m_numeFisier->hide();
    m_imprimante->addItems(m_imprimanta->Imprimante());
    m_imprimante->setCurrentIndex(-1);
    m_imprimante->setEditText(QString());
    m_baraStanga->setValue(20);
    m_baraDreapta->setValue(20);
    m_baraSus->setValue(30);
    m_baraJos->setValue(30);
}

void FereastraTiparire::AlegeImprimanta()
{
    const QString text = m_imprimante->currentText();
    if (text.isEmpty()) {
        m_butonTiparire->setEnabled(false);
        return;
    }
    m_imprimanta->Alege(text);
    m_butonTiparire->setEnabled(true);
    m_imprimante->setEditText(m_imprimante->itemText(m_imprimante->currentIndex()));
    m_imprimante->update();
}

void FereastraTiparire::SpreFisier()
{
    m_imprimante->setEnabled(false);
    m_etichetaNumeFisier->show();
    m_numeFisier->show();
}

void FereastraTiparire::SpreImprimanta()
{
    m_imprimante->setEnabled(true);
    m_etichetaNumeFisier->hide();
    m_numeFisier->hide();
    m_butonTiparire->setEnabled(true);
}

void FereastraTiparire::Renunta()
{
    done(QDialog::Rejected);
}

void FereastraTiparire::Tipareste()
{
    TexteTipareste texte;
    texte.LaImprimanta = m_optiuneImprimanta->isChecked();
    texte.Imprimanta = m_imprimante->currentText();
    texte.Exemplare = m_exemplare->text();
    texte.NumeFisier = m_numeFisier->text();
    texte.Stanga = m_margineStanga->text();
    texte.Dreapta = m_margineDreapta->text();
    texte.Sus = m_margineSus->text();
    texte.Jos = m_margineJos->text();
    texte.Antet = m_antet->toPlainText();

    const auto verificare = VerificaTiparirea(texte);
    if (const QString *mesaj = std::get_if<QString>(&verificare)) {
        m_selectie.Colectia().platforma().Mesaj(*mesaj);
        return;
    }
    const DatePagina &date = std::get<DatePagina>(verificare);
    if (texte.LaImprimanta)
        NrExemplare = date.NrExemplare;
    CompunePagina(texte.LaImprimanta, date, m_selectie, *m_imprimanta);
    // Several files can be written in a row; a printed page ends the visit.
    if (texte.LaImprimanta)
        done(QDialog::Accepted);
}

void FereastraTiparire::closeEvent(QCloseEvent *eveniment)
{
    eveniment->ignore();
}

void FereastraTiparire::reject()
{
    // Escape would close the dialog behind the user's back; only "Renunta" leaves it.
}

void FereastraTiparire::resizeEvent(QResizeEvent *eveniment)
{
    QDialog::resizeEvent(eveniment);
    const QSize fixa(LatimeFixa / TwipsPePixel, InaltimeFixa / TwipsPePixel);
    if (LatimeFixa > 0 && size() != fixa)
        resize(fixa);
}

bool FereastraTiparire::eventFilter(QObject *obiect, QEvent *eveniment)
{
    // One key in the printer box and the typing goes on in the copies box.
    if (eveniment->type() == QEvent::KeyRelease &&
        (obiect == m_imprimante || obiect == m_imprimante->lineEdit()))
        m_exemplare->setFocus(Qt::OtherFocusReason);
    return QDialog::eventFilter(obiect, eveniment);
}

} // namespace tezaurel
