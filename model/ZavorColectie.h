#pragma once

#include "model/FisierInregistrari.h"

#include <QString>

#include <chrono>

namespace tezaurel {

// Who may touch the collection, among every Tezaurel that has it open, on this
// computer or through a network folder. The locks are fcntl record locks of
// the open file description (F_OFD_*) on a small file beside the collection:
// the kernel carries them over NFS and SMB, they die with the process that
// held them (a crashed program never blocks the others), and, unlike classic
// POSIX locks, closing some other descriptor of the file does not drop them.
// They sit in a file of their own because the purge replaces Tezaurel.stn by
// a new file, and a lock on the old one would guard nothing. Nothing is ever
// written into the lock file, and it is never deleted. In a folder where it
// cannot be made, the collection (which no purge can replace there) carries them.
//
// Byte 0 is the write lock: exclusive, held only for the length of one write.
// Byte 1 is the presence: shared while a program has the collection open,
// exclusive for the purge, which must be alone with it.
class ZavorColectie
{
public:
    enum class Rezultat { Luat, Ocupat, Imposibil };

    // The lock file is the collection's path followed by ".lock". The locks
    // go through acces when given.
    explicit ZavorColectie(const QString &caleColectie,
                           std::chrono::milliseconds asteptare = std::chrono::seconds(10),
                           AccesFisiere *acces = nullptr);
    ~ZavorColectie();
    ZavorColectie(const ZavorColectie &) = delete;
    ZavorColectie &operator=(const ZavorColectie &) = delete;

    const QString &Cale() const { return m_cale; }
    // The file system refuses record locks (some network shares, some
    // FUSE mounts): every lock is then reported taken, since refusing every
    // write would leave the collection unusable there, and the user is told
    // that two programs must not write at once.
    bool FaraZavoare() const { return m_faraZavoare; }

    // Shared presence; waits while a purge runs, at most the waiting time.
    Rezultat IaPrezenta();
    // The purge's presence: taken at once or not at all, since another program
    // keeps its shared one for as long as it runs.
    Rezultat IaPrezentaExclusiva();
    // Back to a shared presence after the purge; never waits.
    void RevinoLaPrezentaPartajata();

    // Waits for the other writers, at most the waiting time.
    Rezultat IaScrierea();
    void ElibereazaScrierea();

    // A file that the last minutes wrote may belong to a program still at
    // work whose lock file was deleted under it: until its next write it
    // does not know, and a start that found itself alone would take its
    // pictures for an interrupted import's. Clean-ups leave such files be.
    static constexpr std::chrono::minutes VarstaOrfana{10};
    static bool ProaspatScris(const QString &cale);

private:
    enum Octet { OctetScriere = 0, OctetPrezenta = 1 };
    bool Deschide();
    Rezultat Ia(Octet octet, short tip, bool asteapta);
    void Elibereaza(Octet octet);
    int Blocheaza(struct flock *zavor);

    QString m_caleColectie;
    QString m_cale;
    std::chrono::milliseconds m_asteptare;
    QByteArray
        m_deschisa; // the file locked: the lock file, or the collection when none can be made
    int m_fd = -1;
    bool m_scriere = false; // the descriptor can take exclusive locks
    // F_RDLCK or F_WRLCK while held, F_UNLCK when not: F_RDLCK is 0, and a
    // shared presence read as none would be lost when the lock file is re-opened.
    short m_prezenta;
    AccesFisiere *m_acces;
    bool m_faraZavoare = false;
};

} // namespace tezaurel
