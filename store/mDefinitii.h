#pragma once

#include "store/BazaDate.h"
#include "store/FisierInregistrari.h"
#include "store/Problema.h"

#include <QString>

#include <array>
#include <memory>
#include <vector>

class CompunereLucrare;
class Platforma;

// The state every window shares: the loaded collection, the selection and the
// selection dialog's working tables. One object, owned by the application and
// handed to each window.
class mDefinitii
{
public:
    static constexpr int UltimulSlot = 2000; // so at most 1999 problems
    static constexpr int CapitoleInitiale = 501;
    static constexpr int DisciplineInitiale = 101;

    // The application folder is the one holding Tezaurel.stn, Probleme/ and teste/.
    // Without an AccesFisiere the real file system is used.
    mDefinitii(QString dosarAplicatie, Platforma &platforma,
               std::unique_ptr<AccesFisiere> acces = nullptr);
    ~mDefinitii();

    // --- the collection
    std::vector<Problema> TabelProbleme; // slots 0..2000, problems in 2..NrProbleme
    int16_t NrProbleme = 0;
    QString CaleColectie;

    // --- the selection dialog's working tables (slots 2..Nr used)
    std::vector<QString> TabelCapitole;
    int16_t NrCapitole = 0;
    std::vector<QString> TabelDiscipline;
    int16_t NrDiscipline = 0;
    int16_t ClasaAleasa = 0;
    // The selection leaves out the problems this class was given; empty: none.
    QString ClasaFaraRepetari;
    int16_t NivelAles = 0;

    // --- the current selection: positions into TabelProbleme in slots 2..NrSelectie
    std::array<int16_t, UltimulSlot + 1> Selectie{};
    int16_t NrSelectie = 0;
    int16_t SelectieNoua = Fals;
    int16_t PozitieCurenta = 0;

    const QString &DosarAplicatie() const { return m_dosarAplicatie; }
    QString CaleProbleme() const { return m_dosarAplicatie + QStringLiteral("/Probleme/"); }
    QString CaleTeste() const { return m_dosarAplicatie + QStringLiteral("/teste/"); }
    Platforma &platforma() const { return m_platforma; }
    AccesFisiere &Acces() const { return *m_acces; }
    // Tezaurel.db beside the collection; opened by the application at start-up.
    BazaDate &Baza() const { return *m_baza; }
    // The test paper being composed, kept in the database above.
    CompunereLucrare &Lucrarea() const { return *m_lucrare; }

    void IncarcaColectie();
    bool ScrieAntet(FisierInregistrari &fisier) const;
    bool ScrieProblema(FisierInregistrari &fisier, int i) const;
    static bool ExistaFisier(const QString &cale);
    bool ExistaProblema(const QString &nume) const;

    // False, after telling the user why, when the collection may not be
    // changed (file unreadable or not understood at load) or has no free slot.
    bool PoateAdauga() const;
    // Writes the header and the problem in slot NrProbleme. When the file
    // cannot be written the user is told and the append is undone in memory.
    bool ScrieProblemaNoua();
    // Marks slot i as deleted in the table and in the file; undone in memory
    // when the file cannot be written.
    bool MarcheazaStearsa(int i);
    // Opens the collection for writing, or tells the user why it cannot.
    std::unique_ptr<FisierInregistrari> DeschidePentruScriere() const;
    bool ModificariPermise() const { return m_motivBlocare.isEmpty(); }

private:
    void AnuntaEroareScriere() const;

    QString m_dosarAplicatie;
    Platforma &m_platforma;
    std::unique_ptr<AccesFisiere> m_acces;
    std::unique_ptr<BazaDate> m_baza;
    std::unique_ptr<CompunereLucrare> m_lucrare;
    QString m_motivBlocare; // why writes are refused this run; empty when allowed
};
