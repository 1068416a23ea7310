#pragma once

#include "logica/lucrari/AsezareLucrare.h"

#include <QHash>
#include <QIcon>
#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTimer;
class QVBoxLayout;

namespace tezaurel {

class CompunereLucrare;
class Imprimanta;
class FereastraVizualizare;
class Colectie;

// The test paper's window: its problems in order with small previews, their
// points, the header, the pages as they will print, and the way out to a
// printer or a PDF. The paper itself and everything done to it live in
// CompunereLucrare; this window only shows it and forwards the user's choices.
class FereastraLucrare : public QWidget
{
    Q_OBJECT

public:
    // margini reads the print dialog's margins at the moment of use.
    FereastraLucrare(Colectie &definitii, CompunereLucrare &compunere,
                     std::function<MarginiLucrare()> margini,
                     std::unique_ptr<Imprimanta> imprimanta, QWidget *parent = nullptr);
    ~FereastraLucrare() override;

    // The viewer's "Lucrare" menu: add the problem shown (Ctrl+L, Insert) and
    // open this window (Ctrl+Shift+L); the menu bar's corner tells how many
    // problems the paper holds and to whom the problem shown was given.

    void Tipareste();
    void SalveazaPdf();
    // The grading scheme ("Barem de evaluare și de notare") and the paper as
    // an OpenDocument text, for a teacher who changes it in a word processor.
    void SalveazaBaremul();
    void TiparesteBaremul();
    void SalveazaOdt();
    void DeschidePastrata();
    void CopiazaPastrata();
    void Noua();

protected:
    void showEvent(QShowEvent *eveniment) override;

private:
    QLineEdit *m_titlu;
    QLineEdit *m_scoala;
    QLineEdit *m_clasa;
    QDateEdit *m_data;
    QCheckBox *m_liniaNume;
    QSpinBox *m_timpLucru;
    QCheckBox *m_dinOficiu;
    QSpinBox *m_nrVariante;
    QSpinBox *m_varianta;
    QListWidget *m_probleme;
    QDoubleSpinBox *m_puncte;
    QLabel *m_total;
    QLabel *m_sterse;
    QComboBox *m_felSpatiu;
    QDoubleSpinBox *m_spatiu;
    QCheckBox *m_ascundeNumerele;
    QComboBox *m_imprimante;
    QSpinBox *m_exemplare;
    QListWidget *m_pastrate;
    QVBoxLayout *m_pagini;

    QGroupBox *ConstruiesteAntetul();
    QGroupBox *ConstruiesteProblemele();
    QGroupBox *ConstruiesteTiparirea();
    QGroupBox *ConstruiestePastratele();
    QScrollArea *ConstruiestePaginile();
    // Typing in the header is kept when it pauses, not at every letter.
    void LeagaAntetul();
    void LeagaProblemele(QPushButton *sus, QPushButton *jos, QPushButton *scoate);
    QLayout *ConstruiesteSpatiul(QWidget *parinte);
    void SpatiuSchimbat();
    void UmpleAntet();
    void Reimprospateaza();
    void ArataPaginile();
    void ArataPastrate();
    void AntetSchimbat();
    QIcon Iconita(const QString &poza);
    // The header kept, then the paper's and the printer's check.
    bool PoateTipari();
    // The paper's file name with prefix before it and extensie in place of ".pdf".
    QString AlegeFisier(const QString &prefix, const QString &extensie);

    Colectie &m_definitii;
    CompunereLucrare &m_compunere;
    std::function<MarginiLucrare()> m_margini;
    std::unique_ptr<Imprimanta> m_imprimanta;
    QTimer *m_amanareAntet;
    QTimer *m_amanarePagini;
    bool m_umple = false;
    QHash<QString, QIcon> m_iconite;
};

} // namespace tezaurel
