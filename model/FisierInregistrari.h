#pragma once

#include "model/Problema.h"

#include <QString>

#include <memory>
#include <utility>

struct flock;

namespace tezaurel {

// The collection file seen as numbered 512-byte records (record n starts at
// byte (n - 1) * 512). A seam, so tests can make writes fail at a chosen point.
class FisierInregistrari
{
public:
    virtual ~FisierInregistrari() = default;

    // Reads record nr into buffer. Returns how many bytes the file held for
    // it (0..512); the bytes beyond those are left as they were.
    virtual int Citeste(int nr, Problema::Inregistrare &buffer) = 0;
    virtual bool Scrie(int nr, const Problema::Inregistrare &octeti) = 0;
    // Pushes every write so far to the disk itself.
    virtual bool Sincronizeaza() = 0;
    // Device and inode, to tell apart another file put in its place under the
    // same name; {0, 0} when unknown.
    virtual std::pair<quint64, quint64> Identitate() const { return {0, 0}; }
};

class AccesFisiere
{
public:
    enum class Mod { CitireScriere, DoarCitire };

    virtual ~AccesFisiere() = default;
    // Opens the file at cale; in read-write mode a missing file is created
    // empty. Returns nullptr when it cannot be opened.
    virtual std::unique_ptr<FisierInregistrari> Deschide(const QString &cale, Mod mod) = 0;
    // Puts the file at sursa in the place of destinatie in one step, so that
    // whoever opens destinatie finds either the old file or the whole new one.
    // The default works on the real file system and keeps destinatie's
    // permissions, and its owner and group as far as the user may set them.
    virtual bool Inlocuieste(const QString &sursa, const QString &destinatie);
    // Removes a file of the store's own (never a picture); true when it is gone.
    virtual bool Sterge(const QString &cale);
    // fcntl(fd, F_OFD_SETLK, zavor): some file systems refuse record locks.
    virtual int Blocheaza(int fd, struct flock *zavor);
};

// The real file system.
class AccesFisiereDisc final : public AccesFisiere
{
public:
    std::unique_ptr<FisierInregistrari> Deschide(const QString &cale, Mod mod) override;
};

} // namespace tezaurel
