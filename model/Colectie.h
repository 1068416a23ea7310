#pragma once

#include "model/BazaDate.h"
#include "model/DosareAplicatie.h"
#include "model/FisierInregistrari.h"
#include "model/NumeWindows.h"
#include "model/Problema.h"
#include "model/ZavorColectie.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QFileSystemWatcher;
class QTimer;

namespace tezaurel {

class Platforma;

// What one change of the collection touched, as slots of its table.
struct SchimbareColectie
{
    std::vector<int> Adaugate;   // appended, here or by another program
    std::vector<int> Modificate; // rewritten in place: details corrected, marked, restored
    // Read again from the start (loaded, purged, replaced by another program):
    // every slot may hold another problem now.
    bool Reincarcata = false;
    bool EsteGoala() const { return Adaugate.empty() && Modificate.empty() && !Reincarcata; }
};

// What the user reads when another Tezaurel changed the collection meanwhile.
inline const QString MesajColectieSchimbata = QStringLiteral(
    "Colecția a fost schimbată între timp de alt program Tezaurel care o folosește; am "
    "reîncărcat-o, iar selecția a fost anulată.");
// ... and when the purge finds it open in another program.
inline const QString MesajColectieDeschisaInAltProgram = QStringLiteral(
    "Colecția este deschisă și în alt program Tezaurel (pe acest calculator sau în rețea). "
    "Ștergerea fizică se face doar când niciun alt program nu folosește colecția: închideți-le "
    "și încercați din nou.");

// ... and once, when the file system refuses locks (ZavorColectie::FaraZavoare).
inline const QString MesajFaraZavoare = QStringLiteral(
    "Dosarul colecției nu permite blocarea fișierelor, prin care programele Tezaurel se "
    "așteaptă unul pe altul: Tezaurel lucrează fără ea. Nu modificați colecția din două "
    "programe Tezaurel în același timp (pe acest calculator sau în rețea).");

// The loaded collection, which every window shares: one object, owned by the
// application and handed to each window.
class Colectie : public QObject
{
    Q_OBJECT

public:
    static constexpr int UltimulSlot = 2000; // so at most 1999 problems
    // The selection dialog's tables start this large and grow as needed.
    static constexpr int CapitoleInitiale = 501;
    static constexpr int DisciplineInitiale = 101;

    // The application folder is the one holding Tezaurel.stn, Probleme/ and teste/;
    // the assets may lie elsewhere (a system-wide install).
    // Without an AccesFisiere the real file system is used.
    Colectie(DosareAplicatie dosare, Platforma &platforma,
             std::unique_ptr<AccesFisiere> acces = nullptr);
    ~Colectie();

    // --- the collection: problems in slots 2..NrProbleme(), changed only
    // through the writes below, each announced by Schimbata once its lock is let go.
    const Problema &ProblemaDin(int slot) const { return m_probleme[size_t(slot)]; }
    int16_t NrProbleme() const { return m_nrProbleme; }
    QString CaleColectie;

    const QString &DosarAplicatie() const { return m_dosarAplicatie; }
    // Where the help, the sound and the banner's letters were installed.
    const QString &DosarResurse() const { return m_dosarResurse; }
    // The folders as they are on disk, in whatever case a copy from Windows gave them.
    QString CaleProbleme() const { return Dosar(QStringLiteral("Probleme")) + QLatin1Char('/'); }
    QString CaleTeste() const { return Dosar(QStringLiteral("teste")) + QLatin1Char('/'); }
    // The picture a problem names, found in Probleme/ as GasesteInDosar finds it.
    CaleGasita CalePoza(const QString &nume) const;
    Platforma &platforma() const { return m_platforma; }
    AccesFisiere &Acces() const { return *m_acces; }
    // Tezaurel.db beside the collection; opened by the application at start-up.
    BazaDate &Baza() const { return *m_baza; }

    // Also says, for the length of the run, that this program has the
    // collection open (see ZavorColectie). Shows nothing: what the user must
    // be told is left in RaportIncarcare.
    void IncarcaColectie();
    // What the last load found wrong (a file that cannot be read or written, a
    // count too large); empty when all is well. The application shows it once
    // its main window is there to show it over.
    const QString &RaportIncarcare() const { return m_raportIncarcare; }
    bool ScrieAntet(FisierInregistrari &fisier) const;
    bool ScrieProblema(FisierInregistrari &fisier, int i) const;
    static bool ExistaFisier(const QString &cale);
    // The slot of the problem not marked deleted whose picture is nume; 0 when none.
    int SlotProblema(const QString &nume) const;
    bool ExistaProblema(const QString &nume) const { return SlotProblema(nume) != 0; }

    // Nothing here shows a message: what the user must be told (why a change
    // was refused or failed, that another program changed the collection) is
    // kept, oldest first, until the command that asked takes it to show it.
    void Anunta(const QString &text) const;
    QStringList IaAnunturile();

    // False, with the reason among the announcements, when the collection may not be
    // changed (file unreadable or not understood at load) or has no free slot.
    bool PoateAdauga() const;
    // Appends noua's record alone after the last record the file really holds:
    // other programs may have appended since, and their problems are loaded
    // first. When the file cannot be written that is announced and nothing
    // changes. A problem with its picture enters through AdaugareProbleme.
    bool ScrieProblemaNoua(const Problema &noua);
    // Puts noua in slot i, in the table and in the file, provided record i on
    // disk still holds, byte for byte, the problem slot i holds now (the one
    // the window shows). Otherwise another program changed the collection:
    // nothing is written, the collection is reloaded and that announced.
    bool RescrieProblema(int i, const Problema &noua);
    bool MarcheazaStearsa(int i);
    bool ModificariPermise() const { return m_motivBlocare.isEmpty(); }
    // The collection's folder refuses locks: every write goes ahead unguarded,
    // MesajFaraZavoare said once (a status line may keep saying it).
    bool FaraZavoare() const { return m_zavor && m_zavor->FaraZavoare(); }
    void AnuntaEroareScriere() const;

    // One write of the collection: the other programs kept out, the file open
    // and the table brought up to date with what they wrote meanwhile. Every
    // write of Tezaurel.stn goes through one of these; the lock is released
    // when it is destroyed. False, with the reason announced, when the
    // collection cannot be written now.
    class Scriere
    {
    public:
        Scriere() = default;
        Scriere(Scriere &&alta) noexcept;
        Scriere &operator=(Scriere &&) = delete;
        ~Scriere();
        explicit operator bool() const { return Fisier != nullptr; }

        std::unique_ptr<FisierInregistrari> Fisier;
        // The file was replaced or shortened since it was loaded: the table was
        // read again, announced as Reincarcata.
        bool Reincarcata = false;

    private:
        friend class Colectie;
        ZavorColectie *m_zavor = nullptr;
        Colectie *m_colectie = nullptr;
    };
    // recitesteTot: every record is read again, not only those appended since;
    // a write that rewrites records it did not itself change needs the marks
    // other programs made in place.
    Scriere IncepeScrierea(bool recitesteTot = false);
    // Appends noua after the last record, inside a write begun and checked for
    // a free slot (PoateAdauga); false, announced and undone in memory, when
    // the file refuses.
    bool AdaugaInregistrarea(Scriere &scriere, const Problema &noua);

    // For the purge, which must be alone with the collection: false, with the
    // reason announced, while another program has it open.
    bool IaColectiaExclusiv();
    void ElibereazaColectiaExclusiva();
    // The same, without waiting or telling anything: false while another
    // program has the collection open (or it may not be changed).
    bool SingurCuColectia();

    // From now on what another program writes to the collection is read in
    // as soon as the file changes, and announced like this program's writes.
    void UrmaresteAltePrograme();

signals:
    void Schimbata(const SchimbareColectie &schimbare);

private:
    friend struct AccesTestColectie; // tests and benchmarks lay out a table in memory
    // Emits what the writes since the last call changed; outside every lock,
    // so that whoever listens may read or write the collection in turn.
    void AnuntaSchimbarile();
    void SpuneFaraZavoare();
    void CitesteAltePrograme();

    QString Dosar(const QString &nume) const { return GasesteInDosar(m_dosarAplicatie, nume).Cale; }
    ZavorColectie &Zavor();
    int CitesteAntet(FisierInregistrari &fisier);
    void CitesteProblemele(FisierInregistrari &fisier, int ultima);
    void RecitesteInregistrarile(FisierInregistrari &fisier);
    bool AduceLaZi(FisierInregistrari &fisier);

    std::vector<Problema> m_probleme; // slots 0..2000
    int16_t m_nrProbleme = 0;
    SchimbareColectie m_schimbare; // not yet announced
    QFileSystemWatcher *m_urmarire = nullptr;
    QTimer *m_amanare = nullptr;
    QString m_dosarAplicatie;
    QString m_dosarResurse;
    Platforma &m_platforma;
    std::unique_ptr<AccesFisiere> m_acces;
    std::unique_ptr<BazaDate> m_baza;
    QString m_motivBlocare; // why writes are refused this run; empty when allowed
    QString m_raportIncarcare;
    mutable QStringList m_anunturi;
    std::unique_ptr<ZavorColectie> m_zavor;
    bool m_faraZavoareSpus = false;
    std::pair<quint64, quint64> m_identitate; // of the file the table was loaded from
};

} // namespace tezaurel
