#include "model/ZavorColectie.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <thread>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tezaurel {

ZavorColectie::ZavorColectie(const QString &caleColectie, std::chrono::milliseconds asteptare,
                             AccesFisiere *acces)
    : m_caleColectie(caleColectie)
    , m_cale(caleColectie + QStringLiteral(".lock"))
    , m_asteptare(asteptare)
    , m_prezenta(F_UNLCK)
    , m_acces(acces)
{}

ZavorColectie::~ZavorColectie()
{
    if (m_fd >= 0)
        ::close(m_fd); // every lock of this descriptor goes with it
}

bool ZavorColectie::Deschide()
{
    const QByteArray cale = QFile::encodeName(m_cale);
    const QByteArray colectie = QFile::encodeName(m_caleColectie);
    // One who may only read the collection makes no lock file: his would bar
    // the collection's owner from locking it.
    const bool poateScrie = ::access(colectie.constData(), W_OK) == 0 || errno == ENOENT;
    m_scriere = true;
    m_fd = ::open(cale.constData(), O_RDWR | O_CLOEXEC);
    if (m_fd < 0 && errno == ENOENT && poateScrie) {
        m_fd = ::open(cale.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        struct stat info
        {
        };
        if (m_fd >= 0 && ::stat(colectie.constData(), &info) == 0) {
            // Whoever may write the collection must be able to lock it: in a
            // folder shared by a group, the lock file belongs to that group too.
            if (::fchown(m_fd, uid_t(-1), info.st_gid) != 0) {
                // Not a member of the collection's group: the mode still helps.
            }
            ::fchmod(m_fd, info.st_mode & 0666);
        }
        if (m_fd < 0 && errno == EEXIST)
            m_fd = ::open(cale.constData(), O_RDWR | O_CLOEXEC);
    }
    m_deschisa = cale;
    if (m_fd < 0 && !QFile::exists(m_cale)) {
        // No lock file can be made in a read-only folder; nor can the purge
        // put a new collection there, so the collection itself, never
        // replaced, can carry the locks. Nothing is written into it.
        m_fd = ::open(colectie.constData(), O_RDWR | O_CLOEXEC);
        m_deschisa = colectie;
    }
    if (m_fd < 0) {
        // Only a reader: he can still say he is there.
        m_scriere = false;
        m_fd = ::open(m_deschisa.constData(), O_RDONLY | O_CLOEXEC);
    }
    return m_fd >= 0;
}

ZavorColectie::Rezultat ZavorColectie::Ia(Octet octet, short tip, bool asteapta)
{
    using namespace std::chrono;
    const auto termen = steady_clock::now() + (asteapta ? m_asteptare : milliseconds(0));
    for (int redeschideri = 0;; ++redeschideri) {
        if (m_fd < 0 && !Deschide())
            return Rezultat::Imposibil;
        if (tip == F_WRLCK && !m_scriere)
            return Rezultat::Imposibil;
        struct flock zavor
        {
        };
        zavor.l_type = tip;
        zavor.l_whence = SEEK_SET;
        zavor.l_start = octet;
        zavor.l_len = 1;
        auto pauza = milliseconds(1);
        while (Blocheaza(&zavor) != 0) {
            if (errno == EINTR)
                continue;
            if (errno == ENOLCK || errno == EOPNOTSUPP || errno == ENOSYS) {
                m_faraZavoare = true;
                return Rezultat::Luat;
            }
            if (errno != EAGAIN && errno != EACCES)
                return Rezultat::Imposibil;
            if (steady_clock::now() >= termen)
                return Rezultat::Ocupat;
            std::this_thread::sleep_for(pauza);
            pauza = std::min(pauza * 2, milliseconds(20));
        }
        // A lock file deleted or replaced while we held it would let the next
        // program lock a file of its own: follow the name, as it does.
        struct stat tinut
        {
        }, numit{};
        if (::fstat(m_fd, &tinut) == 0 && ::stat(m_deschisa.constData(), &numit) == 0 &&
            tinut.st_dev == numit.st_dev && tinut.st_ino == numit.st_ino)
            break;
        if (redeschideri == 3)
            return Rezultat::Imposibil;
        const short prezenta = octet == OctetPrezenta ? tip : m_prezenta;
        ::close(m_fd);
        m_fd = -1;
        if (octet != OctetPrezenta && prezenta != F_UNLCK &&
            Ia(OctetPrezenta, prezenta, false) != Rezultat::Luat)
            m_prezenta = F_UNLCK;
    }
    if (octet == OctetPrezenta)
        m_prezenta = tip;
    return Rezultat::Luat;
}

void ZavorColectie::Elibereaza(Octet octet)
{
    if (m_fd < 0)
        return;
    struct flock zavor
    {
    };
    zavor.l_type = F_UNLCK;
    zavor.l_whence = SEEK_SET;
    zavor.l_start = octet;
    zavor.l_len = 1;
    Blocheaza(&zavor);
}

int ZavorColectie::Blocheaza(struct flock *zavor)
{
    return m_acces ? m_acces->Blocheaza(m_fd, zavor) : ::fcntl(m_fd, F_OFD_SETLK, zavor);
}

ZavorColectie::Rezultat ZavorColectie::IaPrezenta()
{
    return Ia(OctetPrezenta, F_RDLCK, true);
}

ZavorColectie::Rezultat ZavorColectie::IaPrezentaExclusiva()
{
    return Ia(OctetPrezenta, F_WRLCK, false);
}

void ZavorColectie::RevinoLaPrezentaPartajata()
{
    if (m_prezenta == F_WRLCK && Ia(OctetPrezenta, F_RDLCK, false) != Rezultat::Luat) {
        Elibereaza(OctetPrezenta);
        m_prezenta = F_UNLCK;
    }
}

ZavorColectie::Rezultat ZavorColectie::IaScrierea()
{
    return Ia(OctetScriere, F_WRLCK, true);
}

void ZavorColectie::ElibereazaScrierea()
{
    Elibereaza(OctetScriere);
}

bool ZavorColectie::ProaspatScris(const QString &cale)
{
    const QFileInfo info(cale);
    if (!info.exists())
        return false;
    // A clock set back makes every file look new: kept, never lost.
    const qint64 varsta = info.lastModified().msecsTo(QDateTime::currentDateTime());
    return varsta < std::chrono::milliseconds(VarstaOrfana).count();
}

} // namespace tezaurel
