#pragma once

#include "logica/lucrari/Barem.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace tezaurel {

class Platforma;

// A problem's solution for the grading scheme: a scan of it, a text, and its
// steps with their points, one a line. Kept only when the steps can be read.
class DialogSolutie : public QDialog
{
    Q_OBJECT

public:
    DialogSolutie(SolutiiProbleme &solutii, Platforma &platforma, QString poza,
                  QString dosarInitial, QWidget *parent = nullptr);

    void accept() override;

private:
    void AlegePoza();
    void ArataPoza();
    void ArataSuma();

    SolutiiProbleme &m_solutii;
    Platforma &m_platforma;
    QString m_pozaProblemei;
    QString m_dosarInitial;
    Solutie m_solutie;
    QLabel *m_poza;
    QPlainTextEdit *m_text;
    QPlainTextEdit *m_pasi;
    QLabel *m_suma;
};

} // namespace tezaurel
