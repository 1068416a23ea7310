#pragma once

#include "interfete/Ferestre.h"
#include "interfete/Imprimanta.h"
#include "interfete/Recunoastere.h"
#include "interfete/Scanner.h"
#include "logica/lucrari/AsezareLucrare.h"
#include "model/DosareAplicatie.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QWidget;

namespace tezaurel {

class Cautare;
class CompunereLucrare;
class FereastraBanca;
class LucrareBanca;
class Platforma;
class FereastraSelectie;
class FereastraEditare;
class FereastraPrincipala;
class FereastraVizualizare;
class FereastraTiparire;
class FereastraLucrare;
class Colectie;
class SelectieCurenta;

// Owns the shared state and the five windows, and carries out the roads
// between them. Each window is created on its first showing and kept.
class Aplicatie final : public Ferestre
{
public:
    // iesire ends the run; by default it leaves Qt's event loop.
    // The platform's services come from the program's start: this layer knows
    // only their interfaces.
    Aplicatie(const DosareAplicatie &dosare, Platforma &platforma, MotorRecunoastere recunoastere,
              FabricaImprimante imprimante, std::function<void()> iesire = {},
              FabricaScannere scannere = {});
    ~Aplicatie() override;

    // Loads the collection and shows the main window centred on the screen;
    // the rest of the start follows at the event loop's first turn, then the
    // problem bank when cuBanca ("tezaurel --banca"), on an open database.
    void Porneste(bool cuBanca = false);

    void ArataPrincipala() override;
    void ArataEditor() override;
    void ArataVizualizare() override;
    void ArataSelectia() override;
    void ArataTiparirea() override;
    void Iesire() override;
    // "Banca de probleme", the window to search and compose a paper in.
    void ArataBanca();

    Colectie &Definitii() { return *m_definitii; }
    SelectieCurenta &SelectiaCurenta() { return *m_selectieCurenta; }
    FereastraPrincipala &Principala();
    FereastraEditare &Editor();
    FereastraVizualizare &Vizualizare();
    FereastraSelectie &Selectie();
    FereastraTiparire &Tiparire();
    FereastraLucrare &Lucrare();
    FereastraBanca &Banca();
    CompunereLucrare &Compunere() { return *m_compunere; }

    // Which collection this run has, and the way to another; set by the
    // program's start before Porneste.
    struct AlegereColectie
    {
        bool Aleasa = false;     // by the user, rather than found by the program
        bool DoarCitire = false; // nothing can be written into its folder
        QStringList Recente;     // the latest first, this one left out
        // Ends this run so that the next opens the folder; none, none offered.
        std::function<void(const QString &)> Deschide;
    };
    AlegereColectie Colectii;
    // Where each window was left, kept between runs by the program's start;
    // without them every window opens centred.
    std::function<QByteArray(const QString &)> CitesteAsezarea;
    std::function<void(const QString &, const QByteArray &)> ScrieAsezarea;
    // "Deschide colecția…" and the recent ones: the folder checked, a new
    // collection only when the user agrees.
    void DeschideColectia(QString dosar);

private:
    MarginiLucrare MarginiTiparire();
    void ArataModeless(QWidget &fereastra);
    void Aseaza(QWidget &fereastra);

    // The database, the recovery, the pictures' conversion and the recognition.
    void PornesteRestul();
    std::unique_ptr<Colectie> m_definitii;
    std::unique_ptr<SelectieCurenta> m_selectieCurenta;
    std::unique_ptr<Cautare> m_cautare;
    // The test paper being composed, kept in the collection's database.
    std::unique_ptr<CompunereLucrare> m_compunere;
    // What the problem bank adds to it: the paper back after a restart, undo.
    std::unique_ptr<LucrareBanca> m_lucrareBanca;
    FabricaImprimante m_imprimante;
    // A page cut into problems is read by an engine of its own, and scanned.
    MotorRecunoastere m_recunoastere;
    FabricaScannere m_scannere;
    std::function<void()> m_iesire;
    std::unique_ptr<FereastraPrincipala> m_principala;
    std::unique_ptr<FereastraEditare> m_editor;
    std::unique_ptr<FereastraVizualizare> m_vizualizare;
    std::unique_ptr<FereastraSelectie> m_selectie;
    std::unique_ptr<FereastraTiparire> m_tiparire;
    std::unique_ptr<FereastraLucrare> m_lucrare;
    std::unique_ptr<FereastraBanca> m_banca;
};

} // namespace tezaurel
