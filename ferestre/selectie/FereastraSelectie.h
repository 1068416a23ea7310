#pragma once

#include "ferestre/comune/FereastraFixa.h"
#include "logica/selectie/ModelSelectie.h"

#include <array>

class Ferestre;
class Colectie;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// "Definiti o selectie": the user picks a class, a level, chapters and
// disciplines; "Vizualizare" turns them into the current selection and goes
// to the viewer. The lists and criteria live in ModelSelectie; this window
// shows them and forwards the clicks.
class FereastraSelectie : public FereastraFixa
{
    Q_OBJECT

public:
    FereastraSelectie(Colectie &definitii, Ferestre &ferestre, QWidget *parent = nullptr);

    ModelSelectie &Model() { return m_model; }

    // Fills the lists and clears every choice, once per showing.
    void Form_Activate();
    // The word search cannot run: the field is disabled and the reason shown beside it.
    void CautareIndisponibila(const QString &motiv);
    // How far the recognition of the pictures' text has got.
    void ArataStareaCautarii(const QString &text);

    int16_t BlocareDimensiune = 0;
    int LatimeFixa = 0;
    int InaltimeFixa = 0;

protected:
    void showEvent(QShowEvent *eveniment) override;
    void changeEvent(QEvent *eveniment) override;

private:
    QListWidget *Lista(ListaDefSel lista) const;

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QListWidget *llCapitole = nullptr;
    QListWidget *lSelCaps = nullptr;
    QListWidget *LDomenii = nullptr;
    QListWidget *lSelDomenii = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command3 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    std::array<QRadioButton *, 8> Option1{};
    std::array<QRadioButton *, 6> Option2{};
    std::array<QFrame *, 2> Line2{};
    QFrame *Line1 = nullptr;
    // Beside "Vizualizare": the class whose problems the selection leaves out.
    QLabel *LabelDate = nullptr;
    QLineEdit *TextDate = nullptr;
    // Words searched in the pictures' recognised text and the observations;
    // lCautare says how far recognition is, or why words cannot be searched.
    QLabel *lCuvinte = nullptr;
    QLineEdit *txtCuvinte = nullptr;
    QLabel *lCautare = nullptr;

    void Form_Load();
    void Option1_Click(int index);
    void Option2_Click(int index);
    void Command1_Click() { Muta(ListaDefSel::llCapitole); }
    void Command4_Click() { Muta(ListaDefSel::lSelCaps); }
    void Command2_Click() { Muta(ListaDefSel::LDomenii); }
    void Command5_Click() { Muta(ListaDefSel::lSelDomenii); }
    void Command3_Click();

    void Muta(ListaDefSel sursa);
    void ArataEvidentierea(ListaDefSel lista);
    void ArataModelul();

    Ferestre &m_ferestre;
    ModelSelectie m_model;
};
