#include "ferestre/tiparire/FereastraTiparire.h"
#include "interfete/Imprimanta.h"

#include "ferestre/comune/Ecran.h"
#include "interfete/Platforma.h"
#include "logica/tiparire/CompunePagina.h"
#include "logica/tiparire/VerificareTiparire.h"
#include "model/Colectie.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

constexpr int LatimeClient = 13905;
constexpr int InaltimeClient = 6390;

// Controls are placed as designed, in twips.
template<typename W>
W *Pune(W *control, int stanga, int sus, int latime, int inaltime)
{
    control->setGeometry(Pixeli(stanga), Pixeli(sus), Pixeli(latime), Pixeli(inaltime));
    return control;
}

} // namespace

FereastraTiparire::FereastraTiparire(Colectie &definitii, std::unique_ptr<Imprimanta> imprimanta,
                           QWidget *parent)
    : QDialog(parent)
    , m_definitii(definitii)
    , m_imprimanta(std::move(imprimanta))
{
    setWindowTitle(QStringLiteral("Tipareste"));

    Frame1 = Pune(new QGroupBox(QStringLiteral("Tipareste"), this), 360, 120, 3855, 3015);
    Option2 = Pune(new QRadioButton(QStringLiteral("La imprimanta"), Frame1), 360, 480, 2415, 615);
    Option1 = Pune(new QRadioButton(QStringLiteral("In fisier"), Frame1), 360, 1680, 2415, 615);

    auto eticheta = [this](const char *text, int stanga, int sus, int latime, int inaltime) {
        return Pune(new QLabel(QString::fromLatin1(text), this), stanga, sus, latime, inaltime);
    };
    Label4 = eticheta("Stanga:", 5640, 360, 1335, 495);
    Label5 = eticheta("Dreapta:", 5640, 1080, 1335, 495);
    Label6 = eticheta("Top:", 5640, 1800, 1335, 495);
    Label7 = eticheta("Bottom:", 5640, 2520, 1335, 495);
    Label2 = eticheta("Selectati imprimanta", 10320, 360, 3855, 495);
    Label1 = eticheta("Nr de exemplare", 10320, 1680, 3255, 615);
    Label3 = eticheta("Nume fisier", 0, 3360, 1935, 375);
    Label8 = eticheta("Antet", 4080, 4200, 2535, 375);

    QLineEdit **margini[] = {&Text3, &Text4, &Text5, &Text6};
    QScrollBar **bare[] = {&VScroll1, &VScroll2, &VScroll3, &VScroll4};
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

    Combo1 = Pune(new QComboBox(this), 9960, 840, 3855, 420);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // Printers are chosen from the list, not typed or completed.
    Combo1->setCompleter(nullptr);
    Combo1->installEventFilter(this);
    Combo1->lineEdit()->installEventFilter(this);
    connect(Combo1, &QComboBox::activated, this, &FereastraTiparire::Combo1_Click);

    Text1 = Pune(new QLineEdit(this), 11520, 2280, 735, 735);
    Text2 = Pune(new QLineEdit(this), 1920, 3360, 3855, 495);
    Text7 = Pune(new QPlainTextEdit(this), 120, 4560, 10575, 1695);
    Text7->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab leaves the header for the buttons, as in every other box.
    Text7->setTabChangesFocus(true);

    Command2 = Pune(new QPushButton(QStringLiteral("Print"), this), 10920, 4560, 2895, 735);
    Command1 = Pune(new QPushButton(QStringLiteral("Renunta"), this), 10920, 5520, 2895, 735);
    // Enter in a box must not press a button behind the user's back.
    Command1->setAutoDefault(false);
    Command2->setAutoDefault(false);
    // Each box is named by its label, for a screen reader as for finding it.
    for (auto [titlu, camp] : {std::pair<QLabel *, QWidget *>{Label1, Text1}, {Label3, Text2},
                               {Label4, Text3}, {Label5, Text4}, {Label6, Text5},
                               {Label7, Text6}, {Label8, Text7}})
        titlu->setBuddy(camp);

    connect(Option1, &QRadioButton::toggled, this, [this](bool ales) {
        if (ales)
            Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool ales) {
        if (ales)
            Option2_Click();
    });
    connect(Command1, &QPushButton::clicked, this, &FereastraTiparire::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FereastraTiparire::Command2_Click);

    setFixedSize(Pixeli(LatimeClient), Pixeli(InaltimeClient));
    frmTipareste_Form_Load();
}

FereastraTiparire::~FereastraTiparire() = default;

std::array<QString, 4> FereastraTiparire::TexteMargini() const
{
    return {Text3->text(), Text4->text(), Text5->text(), Text6->text()};
}

void FereastraTiparire::frmTipareste_Form_Load()
{
    LatimeFixa = width() * TwipsPePixel;
    InaltimeFixa = height() * TwipsPePixel;
    Text1->setText(QStringLiteral("1"));
    Option2->setChecked(true);
    Label3->hide();
    Text2->hide();
    Combo1->addItems(m_imprimanta->Imprimante());
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QString());
    VScroll1->setValue(20);
    VScroll2->setValue(20);
    VScroll3->setValue(30);
    VScroll4->setValue(30);
}

void FereastraTiparire::Combo1_Click()
{
    const QString text = Combo1->currentText();
    if (text.isEmpty()) {
        Command2->setEnabled(false);
        return;
    }
    m_imprimanta->Alege(text);
    Command2->setEnabled(true);
    Combo1->setEditText(Combo1->itemText(Combo1->currentIndex()));
    Combo1->update();
}

void FereastraTiparire::Option1_Click()
{
    Combo1->setEnabled(false);
    Label3->show();
    Text2->show();
}

void FereastraTiparire::Option2_Click()
{
    Combo1->setEnabled(true);
    Label3->hide();
    Text2->hide();
    Command2->setEnabled(true);
}

void FereastraTiparire::Command1_Click()
{
    done(QDialog::Rejected);
}

void FereastraTiparire::Command2_Click()
{
    TexteTipareste texte;
    texte.LaImprimanta = Option2->isChecked();
    texte.Imprimanta = Combo1->currentText();
    texte.Exemplare = Text1->text();
    texte.NumeFisier = Text2->text();
    texte.Stanga = Text3->text();
    texte.Dreapta = Text4->text();
    texte.Sus = Text5->text();
    texte.Jos = Text6->text();
    texte.Antet = Text7->toPlainText();

    const auto verificare = VerificaTiparirea(texte);
    if (const QString *mesaj = std::get_if<QString>(&verificare)) {
        m_definitii.platforma().Mesaj(*mesaj);
        return;
    }
    const DatePagina &date = std::get<DatePagina>(verificare);
    if (texte.LaImprimanta)
        NrExemplare = date.NrExemplare;
    CompunePagina(texte.LaImprimanta, date, m_definitii, *m_imprimanta);
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
        (obiect == Combo1 || obiect == Combo1->lineEdit()))
        Text1->setFocus(Qt::OtherFocusReason);
    return QDialog::eventFilter(obiect, eveniment);
}
