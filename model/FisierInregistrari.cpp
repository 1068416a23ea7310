#include "model/FisierInregistrari.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tezaurel {

namespace {

class FisierDisc final : public FisierInregistrari
{
public:
    explicit FisierDisc(const QString &cale)
        : m_fisier(cale)
    {}

    bool Deschide(QIODevice::OpenMode mod) { return m_fisier.open(mod); }

    int Citeste(int nr, Problema::Inregistrare &buffer) override
    {
        if (!m_fisier.seek(qint64(nr - 1) * Problema::MarimeInregistrare))
            return 0;
        const qint64 citit = m_fisier.read(buffer.data(), Problema::MarimeInregistrare);
        return citit < 0 ? 0 : int(citit);
    }

    bool Scrie(int nr, const Problema::Inregistrare &octeti) override
    {
        return m_fisier.seek(qint64(nr - 1) * Problema::MarimeInregistrare) &&
               m_fisier.write(octeti.data(), Problema::MarimeInregistrare) ==
                   Problema::MarimeInregistrare;
    }

    bool Sincronizeaza() override { return m_fisier.flush() && ::fsync(m_fisier.handle()) == 0; }

    std::pair<quint64, quint64> Identitate() const override
    {
        struct stat s
        {
        };
        if (::fstat(m_fisier.handle(), &s) != 0)
            return {0, 0};
        return {quint64(s.st_dev), quint64(s.st_ino)};
    }

private:
    QFile m_fisier;
};

} // namespace

std::unique_ptr<FisierInregistrari> AccesFisiereDisc::Deschide(const QString &cale, Mod mod)
{
    // QFile opens a directory read-only without complaint; it is no collection.
    if (QFileInfo(cale).isDir())
        return nullptr;
    auto fisier = std::make_unique<FisierDisc>(cale);
    const QIODevice::OpenMode deschidere =
        mod == Mod::CitireScriere ? QIODevice::ReadWrite : QIODevice::ReadOnly;
    if (!fisier->Deschide(deschidere))
        return nullptr;
    return fisier;
}

bool AccesFisiere::Inlocuieste(const QString &sursa, const QString &destinatie)
{
    const QByteArray nou = QFile::encodeName(sursa);
    struct stat vechi
    {
    };
    if (::stat(QFile::encodeName(destinatie).constData(), &vechi) == 0) {
        // A collection shared by a group must stay the group's after a purge.
        // Only root may give a file away; anyone may pass it to one of his
        // groups. Owner first: chown clears the set-id bits chmod then restores.
        if (::chown(nou.constData(), vechi.st_uid, vechi.st_gid) != 0 &&
            ::chown(nou.constData(), uid_t(-1), vechi.st_gid) != 0) {
            // Not one of the user's groups: the new file stays in his own.
        }
        ::chmod(nou.constData(), vechi.st_mode & 07777);
    }
    // QFile::rename refuses an existing destination; rename(2) replaces it atomically.
    if (::rename(nou.constData(), QFile::encodeName(destinatie).constData()) != 0)
        return false;
    // The new name must survive a power cut too, not only the new bytes.
    const int dosar = ::open(QFile::encodeName(QFileInfo(destinatie).absolutePath()).constData(),
                             O_RDONLY | O_DIRECTORY);
    if (dosar >= 0) {
        ::fsync(dosar);
        ::close(dosar);
    }
    return true;
}

bool AccesFisiere::Sterge(const QString &cale)
{
    return ::unlink(QFile::encodeName(cale).constData()) == 0 || errno == ENOENT;
}

int AccesFisiere::Blocheaza(int fd, struct flock *zavor)
{
    return ::fcntl(fd, F_OFD_SETLK, zavor);
}

} // namespace tezaurel
