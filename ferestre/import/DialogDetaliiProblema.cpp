#include "ferestre/import/DialogDetaliiProblema.h"

#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tezaurel {

namespace {

const char *const Romane[] = {"V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};

// A value outside the choices, as older records may hold, is offered too, so
// opening and saving the form never changes it unasked.
void Alege(QComboBox *c, int valoare)
{
    int i = c->findData(valoare);
    if (i < 0) {
        c->addItem(QString::number(valoare), valoare);
        i = c->count() - 1;
    }
    c->setCurrentIndex(i);
}

QLineEdit *CuCompletare(const QStringList &texte, QWidget *parent)
{
    auto *camp = new QLineEdit(parent);
    auto *completare = new QCompleter(texte, camp);
    completare->setCaseSensitivity(Qt::CaseInsensitive);
    // Completed in the field itself (Up and Down walk the other matches): a
    // list dropped under "Disciplina" covered "Capitolul" and took the click
    // meant for it as a choice.
    completare->setCompletionMode(QCompleter::InlineCompletion);
    camp->setCompleter(completare);
    // What was typed keeps its own letters, so "geo" completes to
    // "geometrie": a name already known is written as the collection has it,
    // not as a second discipline differing only in case.
    QObject::connect(camp, &QLineEdit::editingFinished, camp, [camp, texte] {
        const QString scris = camp->text().trimmed();
        for (const QString &t : texte)
            if (t != scris && t.compare(scris, Qt::CaseInsensitive) == 0)
                return camp->setText(t);
    });
    return camp;
}

} // namespace

DialogDetaliiProblema::DialogDetaliiProblema(const QString &titlu, const QString &textButon,
                                             const DetaliiProblema &initiale,
                                             const QStringList &capitole,
                                             const QStringList &discipline, QWidget *parent)
    : QDialog(parent)
    , m_clasa(new QComboBox(this))
    , m_nivel(new QComboBox(this))
    , m_disciplina(CuCompletare(discipline, this))
    , m_capitol(CuCompletare(capitole, this))
    , m_observatii(new QPlainTextEdit(this))
{
    setWindowTitle(titlu);
    for (int c = DetaliiProblema::ClasaMinima; c <= DetaliiProblema::ClasaMaxima; ++c)
        m_clasa->addItem(QStringLiteral("a %1-a (%2)")
                             .arg(QLatin1String(Romane[c - DetaliiProblema::ClasaMinima]))
                             .arg(c),
                         c);
    for (int n = DetaliiProblema::NivelMinim; n <= DetaliiProblema::NivelMaxim; ++n)
        m_nivel->addItem(QString::number(n), n);
    Alege(m_clasa, initiale.Clasa);
    Alege(m_nivel, initiale.Nivel);
    m_disciplina->setText(initiale.Disciplina);
    m_capitol->setText(initiale.Capitol);
    m_observatii->setPlainText(initiale.Observatii);
    m_observatii->setTabChangesFocus(true);
    m_observatii->setMinimumHeight(m_observatii->fontMetrics().lineSpacing() * 4);

    auto *forma = new QFormLayout(this);
    forma->addRow(QStringLiteral("&Clasa:"), m_clasa);
    forma->addRow(QStringLiteral("&Nivelul notei:"), m_nivel);
    forma->addRow(QStringLiteral("&Disciplina:"), m_disciplina);
    forma->addRow(QStringLiteral("Ca&pitolul:"), m_capitol);
    forma->addRow(QStringLiteral("&Observații:"), m_observatii);
    auto *butoane = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    butoane->button(QDialogButtonBox::Ok)->setText(textButon);
    butoane->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anulare"));
    forma->addRow(butoane);
    connect(butoane, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(butoane, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setMinimumWidth(520);
}

DetaliiProblema DialogDetaliiProblema::Detalii() const
{
    return {int16_t(m_clasa->currentData().toInt()), int16_t(m_nivel->currentData().toInt()),
            m_disciplina->text().trimmed(), m_capitol->text().trimmed(),
            m_observatii->toPlainText().trimmed()};
}

void DialogDetaliiProblema::Nota(const QString &text)
{
    auto *nota = new QLabel(text, this);
    nota->setObjectName(QStringLiteral("nota"));
    nota->setWordWrap(true);
    static_cast<QFormLayout *>(layout())->insertRow(0, nota);
}

void DialogDetaliiProblema::accept()
{
    if (!Accepta || Accepta(Detalii()))
        QDialog::accept();
}

} // namespace tezaurel
