#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <memory>

class Imprimanta;
class Colectie;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

// The print dialog: where the problem the viewer shows goes to a printer or to
// a page file. Shown modally; left only through "Renunta" or after printing,
// and keeps every value the user left in it.
class FereastraTiparire : public QDialog
{
    Q_OBJECT

public:
    // On the system's printers.
    FereastraTiparire(Colectie &definitii, std::unique_ptr<Imprimanta> imprimanta,
                 QWidget *parent = nullptr);
    ~FereastraTiparire() override;

    Imprimanta &imprimanta() { return *m_imprimanta; }
    // The four margin boxes as typed: left, right, top, bottom.
    std::array<QString, 4> TexteMargini() const;

    int NrExemplare = 0;
    // The window's size in twips as loaded; it never changes.
    int LatimeFixa = 0;
    int InaltimeFixa = 0;

    void Command1_Click();
    void Command2_Click();

protected:
    void closeEvent(QCloseEvent *eveniment) override;
    void reject() override;
    void resizeEvent(QResizeEvent *eveniment) override;
    bool eventFilter(QObject *obiect, QEvent *eveniment) override;

private:
    QGroupBox *Frame1;
    QRadioButton *Option1; // "In fisier"
    QRadioButton *Option2; // "La imprimanta"
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;
    QLabel *Label7;
    QLabel *Label8;
    QLineEdit *Text1; // copies
    QLineEdit *Text2; // file name
    QLineEdit *Text3; // margins: left, right, top, bottom
    QLineEdit *Text4;
    QLineEdit *Text5;
    QLineEdit *Text6;
    QPlainTextEdit *Text7; // header
    QScrollBar *VScroll1;
    QScrollBar *VScroll2;
    QScrollBar *VScroll3;
    QScrollBar *VScroll4;
    QComboBox *Combo1;     // printers
    QPushButton *Command1; // "Renunta"
    QPushButton *Command2; // "Print"

    void frmTipareste_Form_Load();
    void Combo1_Click();
    void Option1_Click();
    void Option2_Click();

    Colectie &m_definitii;
    std::unique_ptr<Imprimanta> m_imprimanta;
};
