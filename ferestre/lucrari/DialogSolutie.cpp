#include "ferestre/lucrari/DialogSolutie.h"

#include "interfete/Platforma.h"
#include "model/CitirePoza.h"
#include "model/StocarePoza.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tezaurel {

DialogSolutie::DialogSolutie(SolutiiProbleme &solutii, Platforma &platforma, QString poza,
                             QString dosarInitial, QWidget *parent)
    : QDialog(parent)
    , m_solutii(solutii)
    , m_platforma(platforma)
    , m_pozaProblemei(std::move(poza))
    , m_dosarInitial(std::move(dosarInitial))
{
    setWindowTitle(QStringLiteral("Soluția problemei %1").arg(m_pozaProblemei));
    setObjectName(QStringLiteral("DialogSolutie"));
    m_solutie = m_solutii.Citeste(m_pozaProblemei).value_or(Solutie());
    auto *forma = new QFormLayout(this);
    m_poza = new QLabel(this);
    m_poza->setMinimumSize(240, 120);
    m_poza->setFrameShape(QFrame::Box);
    m_poza->setAccessibleName(QStringLiteral("Poza soluției"));
    auto *alege = new QPushButton(QStringLiteral("&Alege poza…"), this);
    alege->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    auto *scoate = new QPushButton(QStringLiteral("&Scoate poza"), this);
    auto *butoanePoza = new QVBoxLayout;
    butoanePoza->addWidget(alege);
    butoanePoza->addWidget(scoate);
    butoanePoza->addStretch(1);
    auto *randPoza = new QHBoxLayout;
    randPoza->addWidget(m_poza, 1);
    randPoza->addLayout(butoanePoza);
    forma->addRow(QStringLiteral("Poza soluției:"), randPoza);
    m_text = new QPlainTextEdit(m_solutie.Text, this);
    m_text->setAccessibleName(QStringLiteral("Textul soluției"));
    m_text->setTabChangesFocus(true);
    forma->addRow(QStringLiteral("&Textul soluției:"), m_text);
    m_pasi = new QPlainTextEdit(TextPasi(m_solutie.Pasi), this);
    m_pasi->setAccessibleName(QStringLiteral("Pașii baremului"));
    m_pasi->setTabChangesFocus(true);
    m_pasi->setPlaceholderText(QStringLiteral("Calculul discriminantului — 1p\n"
                                              "Rădăcinile ecuației — 1p"));
    forma->addRow(QStringLiteral("&Pașii, câte unul pe rând:"), m_pasi);
    m_suma = new QLabel(this);
    forma->addRow(m_suma);
    auto *butoane = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    butoane->button(QDialogButtonBox::Save)->setText(QStringLiteral("Salvează"));
    butoane->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Renunță"));
    forma->addRow(butoane);
    connect(butoane, &QDialogButtonBox::accepted, this, &DialogSolutie::accept);
    connect(butoane, &QDialogButtonBox::rejected, this, &DialogSolutie::reject);
    connect(alege, &QPushButton::clicked, this, &DialogSolutie::AlegePoza);
    connect(scoate, &QPushButton::clicked, this, [this] {
        m_solutie.Poza.clear();
        ArataPoza();
    });
    connect(m_pasi, &QPlainTextEdit::textChanged, this, &DialogSolutie::ArataSuma);
    ArataPoza();
    ArataSuma();
    resize(560, 520);
}

void DialogSolutie::AlegePoza()
{
    const QString cale = m_platforma.AlegeFisier(m_dosarInitial);
    if (cale.isEmpty())
        return;
    // Read and kept under the same rules as a problem's picture, so the
    // scheme can always print it.
    const PozaCitita citita = CitestePoza(cale);
    const auto octeti = citita.Rezultat == PozaCitita::Stare::Citita
                            ? OctetiDeStocat(cale, citita.Poza)
                            : std::nullopt;
    if (!octeti) {
        m_platforma.Mesaj(
            QStringLiteral("Nu am reușit să citesc o poză din fișierul %1. Alegeți o poză JPEG, "
                           "PNG sau BMP a soluției.")
                .arg(cale));
        return;
    }
    m_solutie.Poza = *octeti;
    ArataPoza();
}

void DialogSolutie::ArataPoza()
{
    const QImage poza = QImage::fromData(m_solutie.Poza);
    m_poza->setPixmap(poza.isNull() ? QPixmap()
                                    : QPixmap::fromImage(poza.scaled(240, 160, Qt::KeepAspectRatio,
                                                                     Qt::SmoothTransformation)));
    m_poza->setText(poza.isNull() ? QStringLiteral("(fără poză)") : QString());
}

void DialogSolutie::ArataSuma()
{
    int rand = 0;
    const auto pasi = CitestePasi(m_pasi->toPlainText(), &rand);
    if (!pasi) {
        m_suma->setText(
            QStringLiteral("Rândul %1 nu are punctele la sfârșit („… — 1p”).").arg(rand));
        return;
    }
    const Solutie s{{}, {}, *pasi};
    m_suma->setText(QStringLiteral("Pașii însumează %1p.").arg(TextPuncte(s.PunctePasi())));
}

void DialogSolutie::accept()
{
    int rand = 0;
    const auto pasi = CitestePasi(m_pasi->toPlainText(), &rand);
    if (!pasi) {
        m_platforma.Mesaj(QStringLiteral("Rândul %1 al pașilor nu poate fi citit. Scrieți fiecare "
                                         "pas pe un rând, cu punctele la sfârșit: „Calculul "
                                         "discriminantului — 1p”.")
                              .arg(rand));
        return;
    }
    m_solutie.Text = m_text->toPlainText().trimmed();
    m_solutie.Pasi = *pasi;
    if (!m_solutii.Pastreaza(m_pozaProblemei, m_solutie)) {
        m_platforma.Mesaj(QStringLiteral("Soluția nu a putut fi păstrată în baza de date. Nimic "
                                         "din ce era păstrat nu s-a pierdut."));
        return;
    }
    QDialog::accept();
}

} // namespace tezaurel
