#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace tezaurel {

class Imprimanta;
class SelectieCurenta;

// The print dialog: where the problem the viewer shows goes to a printer or to
// a page file. Shown modally; left only through "Renunta" or after printing,
// and keeps every value the user left in it.
class FereastraTiparire : public QDialog
{
    Q_OBJECT

public:
    // On the system's printers.
    FereastraTiparire(const SelectieCurenta &selectie, std::unique_ptr<Imprimanta> imprimanta,
                      QWidget *parent = nullptr);
    ~FereastraTiparire() override;

    Imprimanta &imprimanta() { return *m_imprimanta; }
    // The four margin boxes as typed: left, right, top, bottom.
    std::array<QString, 4> TexteMargini() const;

    int NrExemplare = 0;
    // The window's size in twips as loaded; it never changes.
    int LatimeFixa = 0;
    int InaltimeFixa = 0;

    // "Renunta": the only way out but a printed page.
    void Renunta();
    // "Print": checks what was typed, then prints or saves the page.
    void Tipareste();

protected:
    void closeEvent(QCloseEvent *eveniment) override;
    void reject() override;
    void resizeEvent(QResizeEvent *eveniment) override;
    bool eventFilter(QObject *obiect, QEvent *eveniment) override;

private:
    QGroupBox *m_cadruDestinatie;
    QRadioButton *m_optiuneFisier;
    QRadioButton *m_optiuneImprimanta;
    QLabel *m_etichetaExemplare;
    QLabel *m_etichetaImprimanta;
    QLabel *m_etichetaNumeFisier;
    QLabel *m_etichetaStanga;
    QLabel *m_etichetaDreapta;
    QLabel *m_etichetaSus;
    QLabel *m_etichetaJos;
    QLabel *m_etichetaAntet;
    QLineEdit *m_exemplare;
    QLineEdit *m_numeFisier;
    QLineEdit *m_margineStanga;
    QLineEdit *m_margineDreapta;
    QLineEdit *m_margineSus;
    QLineEdit *m_margineJos;
    QPlainTextEdit *m_antet;
    QScrollBar *m_baraStanga;
    QScrollBar *m_baraDreapta;
    QScrollBar *m_baraSus;
    QScrollBar *m_baraJos;
    QComboBox *m_imprimante;
    QPushButton *m_butonRenuntare;
    QPushButton *m_butonTiparire;

    void ConstruiesteEtichetele();
    void ConstruiesteMarginile();
    void ConstruiesteCampurile();
    void LeagaButoanele();
    void Incarca();
    void AlegeImprimanta();
    void SpreFisier();
    void SpreImprimanta();

    const SelectieCurenta &m_selectie;
    std::unique_ptr<Imprimanta> m_imprimanta;
};

} // namespace tezaurel
