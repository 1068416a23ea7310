#pragma once

#include "ferestre/comune/FereastraFixa.h"
#include "logica/selectie/ModelSelectie.h"

#include <QFont>
#include <QFrame>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tezaurel {

class Ferestre;
class SelectieCurenta;
struct SchimbareColectie;

// "Definiti o selectie": the user picks a class, a level, chapters and
// disciplines; "Vizualizare" turns them into the current selection and goes
// to the viewer. The lists and criteria live in ModelSelectie; this window
// shows them and forwards the clicks.
class FereastraSelectie : public FereastraFixa
{
    Q_OBJECT

public:
    FereastraSelectie(SelectieCurenta &selectie, Ferestre &ferestre, QWidget *parent = nullptr);

    ModelSelectie &Model() { return m_model; }

    // Fills the lists and clears every choice, once per showing.
    void Activeaza();
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
    QListWidget *Lista(ListaSelectie lista) const;

    QLabel *m_etichetaCapitole = nullptr;
    QLabel *m_etichetaCapitoleAlese = nullptr;
    QLabel *m_etichetaDiscipline = nullptr;
    QLabel *m_etichetaDisciplineAlese = nullptr;
    QListWidget *m_capitole = nullptr;
    QListWidget *m_capitoleAlese = nullptr;
    QListWidget *m_discipline = nullptr;
    QListWidget *m_disciplineAlese = nullptr;
    QPushButton *m_butonAlegeCapitol = nullptr;
    QPushButton *m_butonLasaCapitol = nullptr;
    QPushButton *m_butonAlegeDisciplina = nullptr;
    QPushButton *m_butonLasaDisciplina = nullptr;
    QPushButton *m_butonVizualizare = nullptr;
    QGroupBox *m_cadruClase = nullptr;
    QGroupBox *m_cadruNiveluri = nullptr;
    std::array<QRadioButton *, 8> m_clase{};
    std::array<QRadioButton *, 6> m_niveluri{};
    QFrame *m_linieSubListe = nullptr;
    QFrame *m_linieSubCadre = nullptr;
    QFrame *m_linieMijloc = nullptr;
    // Beside "Vizualizare": the class whose problems the selection leaves out.
    QLabel *m_etichetaClasaExclusa = nullptr;
    QLineEdit *m_clasaExclusa = nullptr;
    // Words searched in the pictures' recognised text and the observations;
    // m_stareCautare says how far recognition is, or why words cannot be searched.
    QLabel *m_etichetaCuvinte = nullptr;
    QLineEdit *m_cuvinte = nullptr;
    QLabel *m_stareCautare = nullptr;
    std::array<QRect, 2> m_locuriStare; // beside "Vizualizare", then under the row
    void ArataEtichetaCautarii();
    // The face of everything but the lists.
    QFont m_font;

    QLabel *Eticheta(QWidget *parinte, const char *nume, const QString &text);
    QListWidget *ListaNoua(QWidget *parinte, const char *nume, QLabel *titlu, ListaSelectie care);
    QPushButton *Buton(QWidget *parinte, const char *nume, const QString &text,
                       void (FereastraSelectie::*handler)());
    QFrame *Linie(QWidget *parinte, const char *nume, QFrame::Shape forma);
    void ConstruiesteListele(QWidget *client);
    void ConstruiesteOptiunile(QWidget *client);
    void ConstruiesteCautarea(QWidget *client);
    void ConstruiesteClasaExclusa(QWidget *client, SelectieCurenta &selectie);
    void StabilesteOrdineaTab();

    void Aseaza();
    void LaAlegereaClasei(int index);
    void LaAlegereaNivelului(int index);
    void AlegeCapitol() { Muta(ListaSelectie::Capitole); }
    void LasaCapitol() { Muta(ListaSelectie::CapitoleAlese); }
    void AlegeDisciplina() { Muta(ListaSelectie::Discipline); }
    void LasaDisciplina() { Muta(ListaSelectie::DisciplineAlese); }
    void Vizualizeaza();

    void Muta(ListaSelectie sursa);
    void ArataEvidentierea(ListaSelectie lista);
    void ArataModelul();
    void ArataListele();
    void LaSchimbareaColectiei(const SchimbareColectie &schimbare);

    Ferestre &m_ferestre;
    ModelSelectie m_model;
};

} // namespace tezaurel
