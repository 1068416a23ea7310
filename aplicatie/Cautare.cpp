#include "aplicatie/Cautare.h"

#include "ferestre/comune/Iconite.h"
#include "ferestre/selectie/FereastraSelectie.h"
#include "ferestre/vizualizare/FereastraVizualizare.h"
#include "interfete/Platforma.h"
#include "logica/cautare/IndexText.h"
#include "model/SelectieCurenta.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <functional>

namespace tezaurel {

namespace {

// Calls back when the window it watches is hidden.
class LaAscundere final : public QObject
{
public:
    LaAscundere(QWidget &fereastra, std::function<void()> apoi)
        : QObject(&fereastra)
        , m_apoi(std::move(apoi))
    {
        fereastra.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *eveniment) override
    {
        if (eveniment->type() == QEvent::Hide)
            m_apoi();
        return false;
    }

private:
    std::function<void()> m_apoi;
};

} // namespace

Cautare::Cautare(const SelectieCurenta &selectie, MotorRecunoastere motor)
    : m_definitii(selectie.Colectia())
    , m_selectie(selectie)
    , m_fundal(m_definitii, std::move(motor))
{}

Cautare::~Cautare()
{
    delete m_fereastraText.data();
}

void Cautare::Leaga(FereastraSelectie &defSel)
{
    const QString motiv = m_fundal.MotivIndisponibil();
    if (!motiv.isEmpty()) {
        defSel.CautareIndisponibila(motiv);
        return;
    }
    defSel.ArataStareaCautarii(m_fundal.TextProgres());
    QObject::connect(&m_fundal, &RecunoastereFundal::Progres, &defSel,
                     &FereastraSelectie::ArataStareaCautarii);
}

void Cautare::Leaga(FereastraVizualizare &vizualizare)
{
    // A permanent label sits right of the status line's message, so the
    // problem's description keeps its place.
    auto *progres = new QLabel(m_fundal.TextProgres());
    progres->setObjectName(QStringLiteral("progresRecunoastere"));
    vizualizare.AdaugaInStare(progres);
    QObject::connect(&m_fundal, &RecunoastereFundal::Progres, progres, &QLabel::setText);

    QAction *text = vizualizare.MeniuDe(FereastraVizualizare::Meniu::Problema)
                        ->addAction(QStringLiteral("&Textul recunoscut"));
    text->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    QObject::connect(text, &QAction::triggered, &vizualizare, [this] { ArataTextul(); });
    m_vizualizare = &vizualizare;
    QObject::connect(&m_selectie, &SelectieCurenta::ProblemaAratataSchimbata, &vizualizare,
                     [this] { UrmeazaProblema(); });
    // A text recognised while its problem is shown replaces the wait.
    QObject::connect(&m_fundal, &RecunoastereFundal::Progres, &vizualizare,
                     [this] { UrmeazaProblema(); });
    // A window of the viewer's own, left with it: alone over the main window
    // it would show the text of a problem no longer shown.
    new LaAscundere(vizualizare, [this] {
        if (m_fereastraText)
            m_fereastraText->hide();
    });
}

std::optional<QString> Cautare::TextulAratat(QString &nume, QString &motiv) const
{
    const Problema *aratata = m_selectie.ProblemaAratata();
    if (!aratata) {
        motiv = QStringLiteral("Nu este afișată nicio problemă.");
        return std::nullopt;
    }
    nume = aratata->Fisier.FaraBlancuri();
    motiv = m_fundal.MotivIndisponibil();
    if (!motiv.isEmpty())
        return std::nullopt;
    const std::optional<QString> text = IndexText::Text(m_definitii.Baza(), nume);
    if (!text)
        motiv = QStringLiteral("Textul problemei %1 nu a fost încă recunoscut; "
                               "recunoașterea continuă în fundal.")
                    .arg(nume);
    else if (text->isEmpty())
        motiv = QStringLiteral("Nu am găsit text în poza problemei %1.").arg(nume);
    if (!motiv.isEmpty())
        return std::nullopt;
    return text;
}

void Cautare::ArataTextul()
{
    QString nume, motiv;
    const std::optional<QString> text = TextulAratat(nume, motiv);
    if (!text) {
        m_definitii.platforma().Mesaj(motiv);
        return;
    }
    if (!m_fereastraText)
        FaFereastraText();
    Completeaza(nume, *text);
    m_fereastraText->show();
    m_fereastraText->raise();
    m_fereastraText->activateWindow();
}

void Cautare::UrmeazaProblema()
{
    // Paging with the window open: a message box at every step would stop the
    // teacher, so what cannot be shown is said inside the window itself.
    if (!m_fereastraText || !m_fereastraText->isVisible())
        return;
    QString nume, motiv;
    const std::optional<QString> text = TextulAratat(nume, motiv);
    Completeaza(nume, text.value_or(motiv));
}

void Cautare::Completeaza(const QString &nume, const QString &text)
{
    m_fereastraText->setWindowTitle(nume.isEmpty()
                                        ? QStringLiteral("Textul recunoscut")
                                        : QStringLiteral("Textul recunoscut - %1").arg(nume));
    // Recognition's progress asks again and again: the same text set anew
    // would drop what the teacher is selecting to copy.
    auto *caseta = m_fereastraText->findChild<QPlainTextEdit *>();
    if (caseta->toPlainText() != text)
        caseta->setPlainText(text);
}

void Cautare::FaFereastraText()
{
    // The viewer's own tool window, so it stays above the viewer while the
    // teacher pages on; the viewer deletes it with itself, QPointer notices.
    m_fereastraText = new QDialog(m_vizualizare, Qt::Tool);
    m_fereastraText->setWindowIcon(IconitaFerestrei("text"));
    auto *aranjare = new QVBoxLayout(m_fereastraText);
    auto *caseta = new QPlainTextEdit;
    caseta->setObjectName(QStringLiteral("textRecunoscut"));
    caseta->setAccessibleName(QStringLiteral("Textul recunoscut"));
    caseta->setReadOnly(true);
    caseta->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    aranjare->addWidget(caseta);
    auto *butoane = new QDialogButtonBox;
    QPushButton *copiaza =
        butoane->addButton(QStringLiteral("&Copiază tot"), QDialogButtonBox::ActionRole);
    QPushButton *inchide =
        butoane->addButton(QStringLiteral("Înc&hide"), QDialogButtonBox::RejectRole);
    QObject::connect(copiaza, &QPushButton::clicked, caseta, [caseta] {
        caseta->selectAll();
        caseta->copy();
    });
    QObject::connect(inchide, &QPushButton::clicked, m_fereastraText.data(), &QDialog::reject);
    aranjare->addWidget(butoane);
    m_fereastraText->resize(640, 480);
}

} // namespace tezaurel
