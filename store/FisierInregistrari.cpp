#include "store/FisierInregistrari.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

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
        return m_fisier.seek(qint64(nr - 1) * Problema::MarimeInregistrare)
               && m_fisier.write(octeti.data(), Problema::MarimeInregistrare)
                      == Problema::MarimeInregistrare;
    }

    bool Sincronizeaza() override
    {
        return m_fisier.flush() && ::fsync(m_fisier.handle()) == 0;
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
    const QIODevice::OpenMode deschidere = mod == Mod::CitireScriere ? QIODevice::ReadWrite
                                                                      : QIODevice::ReadOnly;
    if (!fisier->Deschide(deschidere))
        return nullptr;
    return fisier;
}

bool AccesFisiere::Inlocuieste(const QString &sursa, const QString &destinatie)
{
    const QFileInfo vechi(destinatie);
    if (vechi.exists())
        QFile::setPermissions(sursa, vechi.permissions());
    // QFile::rename refuses an existing destination; rename(2) replaces it atomically.
    if (::rename(QFile::encodeName(sursa).constData(), QFile::encodeName(destinatie).constData())
        != 0)
        return false;
    // The new name must survive a power cut too, not only the new bytes.
    const int dosar = ::open(QFile::encodeName(vechi.absolutePath()).constData(),
                             O_RDONLY | O_DIRECTORY);
    if (dosar >= 0) {
        ::fsync(dosar);
        ::close(dosar);
    }
    return true;
}
