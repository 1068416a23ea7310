#include "aplicatie/Cautare.h"

#include "ferestre/selectie/FereastraSelectie.h"
#include "ferestre/vizualizare/FereastraVizualizare.h"
#include "interfete/Platforma.h"
#include "logica/cautare/IndexText.h"
#include "model/SelectieCurenta.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace tezaurel {

Cautare::Cautare(const SelectieCurenta &selectie, MotorRecunoastere motor)
    : m_definitii(selectie.Colectia())
    , m_selectie(selectie)
    , m_fundal(m_definitii, std::move(motor))
{}

Cautare::~Cautare() = default;

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
}

void Cautare::ArataTextul()
{
    Colectie &d = m_definitii;
    Platforma &platforma = d.platforma();
    const Problema *aratata = m_selectie.ProblemaAratata();
    if (!aratata) {
        platforma.Mesaj(QStringLiteral("Nu este afișată nicio problemă."));
        return;
    }
    const QString nume = aratata->Fisier.FaraBlancuri();
    const QString motiv = m_fundal.MotivIndisponibil();
    if (!motiv.isEmpty()) {
        platforma.Mesaj(motiv);
        return;
    }
    const std::optional<QString> text = IndexText::Text(d.Baza(), nume);
    if (!text) {
        platforma.Mesaj(QStringLiteral("Textul problemei %1 nu a fost încă recunoscut; "
                                       "recunoașterea continuă în fundal.")
                            .arg(nume));
        return;
    }
    if (text->isEmpty()) {
        platforma.Mesaj(QStringLiteral("Nu am găsit text în poza problemei %1.").arg(nume));
        return;
    }

    if (!m_fereastraText) {
        // A window of its own, not the viewer's child: it may stay open beside
        // the viewer while the teacher pages on, and this object owns it.
        m_fereastraText = std::make_unique<QDialog>();
        auto *aranjare = new QVBoxLayout(m_fereastraText.get());
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
        QObject::connect(inchide, &QPushButton::clicked, m_fereastraText.get(), &QDialog::reject);
        aranjare->addWidget(butoane);
        m_fereastraText->resize(640, 480);
    }
    m_fereastraText->setWindowTitle(QStringLiteral("Textul recunoscut - %1").arg(nume));
    auto *caseta = m_fereastraText->findChild<QPlainTextEdit *>();
    caseta->setPlainText(*text);
    m_fereastraText->show();
    m_fereastraText->raise();
    m_fereastraText->activateWindow();
}

} // namespace tezaurel
