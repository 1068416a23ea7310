#include "ferestre/import/DialogDetaliiProblema.h"

#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

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
    completare->setFilterMode(Qt::MatchContains);
    camp->setCompleter(completare);
    return camp;
}

} // namespace

DialogDetaliiProblema::DialogDetaliiProblema(const QString &titlu, const QString &textButon,
                                   const DetaliiProblema &initiale, const QStringList &capitole,
                                   const QStringList &discipline, QWidget *parent)
    : QDialog(parent)
    , cClasa(new QComboBox(this))
    , cNivel(new QComboBox(this))
    , tDisciplina(CuCompletare(discipline, this))
    , tCapitol(CuCompletare(capitole, this))
    , tObservatii(new QPlainTextEdit(this))
{
    setWindowTitle(titlu);
    for (int c = DetaliiProblema::ClasaMinima; c <= DetaliiProblema::ClasaMaxima; ++c)
        cClasa->addItem(QStringLiteral("a %1-a (%2)")
                            .arg(QLatin1String(Romane[c - DetaliiProblema::ClasaMinima]))
                            .arg(c),
                        c);
    for (int n = DetaliiProblema::NivelMinim; n <= DetaliiProblema::NivelMaxim; ++n)
        cNivel->addItem(QString::number(n), n);
    Alege(cClasa, initiale.Clasa);
    Alege(cNivel, initiale.Nivel);
    tDisciplina->setText(initiale.Disciplina);
    tCapitol->setText(initiale.Capitol);
    tObservatii->setPlainText(initiale.Observatii);
    tObservatii->setTabChangesFocus(true);
    tObservatii->setMinimumHeight(tObservatii->fontMetrics().lineSpacing() * 4);

    auto *forma = new QFormLayout(this);
    forma->addRow(QStringLiteral("&Clasa:"), cClasa);
    forma->addRow(QStringLiteral("&Nivelul notei:"), cNivel);
    forma->addRow(QStringLiteral("&Disciplina:"), tDisciplina);
    forma->addRow(QStringLiteral("Ca&pitolul:"), tCapitol);
    forma->addRow(QStringLiteral("&Observații:"), tObservatii);
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
    return {int16_t(cClasa->currentData().toInt()), int16_t(cNivel->currentData().toInt()),
            tDisciplina->text().trimmed(), tCapitol->text().trimmed(),
            tObservatii->toPlainText().trimmed()};
}

void DialogDetaliiProblema::accept()
{
    if (!Accepta || Accepta(Detalii()))
        QDialog::accept();
}
