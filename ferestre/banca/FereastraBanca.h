#pragma once

#include "logica/banca/FiltruBanca.h"
#include "logica/lucrari/AsezareLucrare.h"

#include <QImage>
#include <QTableWidget>
#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QScrollArea;
class QSpinBox;
class QSplitter;
class QTimer;
class QVBoxLayout;

namespace tezaurel {

class Colectie;
class CompunereLucrare;
class Imprimanta;
class LucrareBanca;
class Miniaturi;
class ModelBanca;
class ModelRezultate;

// The paper's problems: points typed in place, reordered by dragging, and
// a problem dragged in from the results added.
class TabelLucrare : public QTableWidget
{
    Q_OBJECT

public:
    explicit TabelLucrare(QWidget *parinte = nullptr);

signals:
    void Mutata(int dela, int la);
    void Adusa(const QString &poza);

protected:
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;
};

// "Banca de probleme": the whole collection to search, look through and
// compose a test paper from, in one window a teacher can work in all day.
// Filters on the left, what they find in the middle, the chosen problem and
// the paper on the right; everything follows the collection as it changes.
class FereastraBanca : public QWidget
{
    Q_OBJECT

public:
    // dosarMiniaturi: where thumbnails are kept between runs. setari: the
    // settings file; the user's own when empty.
    FereastraBanca(Colectie &definitii, CompunereLucrare &compunere, LucrareBanca &lucrare,
                   const QString &dosarMiniaturi, std::function<MarginiLucrare()> margini,
                   std::unique_ptr<Imprimanta> imprimanta, QString setari = {},
                   QWidget *parinte = nullptr);
    ~FereastraBanca() override;

    // Set by the application: the details correction of the viewer, for a slot.
    std::function<void(int slot)> Corecteaza;
    // Set by the application: shows this window's help page.
    std::function<void()> Ajutor;

    ModelBanca &Model() { return *m_model; }
    // The slot of the problem shown on the right; 0 when none.
    int SlotAles() const;

    // The focus to the words field, its text chosen to be typed over.
    void CautaCuvinte();
    void Adauga();
    // Every problem found, not marked, in the order shown.
    void AdaugaToate();
    void Marcheaza();
    void Repune();
    void Tipareste();
    void SalveazaPdf();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *obiect, QEvent *e) override;

private:
    QWidget *FaFiltre();
    QWidget *FaRezultate();
    QWidget *FaPrevizualizare();
    QWidget *FaLucrarea();
    void FaComenzi();
    void CitesteSetarile();
    void ScrieSetarile();

    void FiltruSchimbat();
    void UmpleListele();
    void AratSelectia();
    void Zoom(double factor);
    void ArataPoza();
    void LucrareSchimbata();
    void DeseneazaPaginile();
    void PuncteTastate(QTableWidgetItem *celula);
    void AntetSchimbat();
    void MutaInLucrare(int cu);

    Colectie &m_definitii;
    CompunereLucrare &m_compunere;
    LucrareBanca &m_lucrare;
    std::function<MarginiLucrare()> m_margini;
    std::unique_ptr<Imprimanta> m_imprimanta;
    QString m_setari;
    std::unique_ptr<Miniaturi> m_miniaturi;
    std::unique_ptr<ModelBanca> m_model;
    ModelRezultate *m_rezultateModel = nullptr;

    QSplitter *m_impartire = nullptr;
    bool m_impartireAleasa = false; // the user's splitter positions, or the first showing's
    QLineEdit *m_cuvinte = nullptr;
    QComboBox *m_clasa = nullptr;
    QComboBox *m_nivel = nullptr;
    QComboBox *m_disciplina = nullptr;
    QComboBox *m_capitol = nullptr;
    QLineEdit *m_nedata = nullptr;
    QCheckBox *m_stearse = nullptr;
    QComboBox *m_ordine = nullptr;
    QCheckBox *m_compacta = nullptr;
    QTimer *m_tastare = nullptr;

    int m_slotAles = 0;
    bool m_pozaVeche = false; // the collection changed since the problem was shown
    QPoint m_apasare;         // where a drag of the picture started
    QLabel *m_numar = nullptr;
    QListView *m_rezultate = nullptr;

    QLabel *m_pozitie = nullptr;
    QScrollArea *m_zona = nullptr;
    QLabel *m_imagine = nullptr;
    QImage m_poza;
    double m_zoom = 0; // 0: fitted to the width
    QLabel *m_detalii = nullptr;
    QPlainTextEdit *m_text = nullptr;

    QLineEdit *m_titlu = nullptr;
    QLineEdit *m_clasaAntet = nullptr;
    QDateEdit *m_data = nullptr;
    QSpinBox *m_timp = nullptr;
    TabelLucrare *m_tabel = nullptr;
    QLabel *m_total = nullptr;
    QComboBox *m_imprimante = nullptr;
    QSpinBox *m_exemplare = nullptr;
    QScrollArea *m_zonaPagini = nullptr;
    QVBoxLayout *m_pagini = nullptr;
    QTimer *m_redesenare = nullptr;
    bool m_umple = false; // the window itself is filling its fields
};

} // namespace tezaurel
