#pragma once

#include "logica/import/DetaliiProblema.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace tezaurel {

// The five details of a problem in one form: class and level as choices,
// chapter and discipline completed from the collection's texts, observations
// on several lines. It only collects them; Accepta, given by the caller,
// decides whether they are taken (and says why not), and the form stays open
// until it does.
class DialogDetaliiProblema final : public QDialog
{
    Q_OBJECT

public:
    DialogDetaliiProblema(const QString &titlu, const QString &textButon,
                          const DetaliiProblema &initiale, const QStringList &capitole,
                          const QStringList &discipline, QWidget *parent = nullptr);

    DetaliiProblema Detalii() const;
    // A line above the fields saying where the details will go.
    void Nota(const QString &text);
    std::function<bool(const DetaliiProblema &)> Accepta;

    void accept() override;

private:
    QComboBox *m_clasa;
    QComboBox *m_nivel;
    QLineEdit *m_disciplina;
    QLineEdit *m_capitol;
    QPlainTextEdit *m_observatii;
};

} // namespace tezaurel
