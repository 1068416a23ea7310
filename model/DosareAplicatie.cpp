#include "model/DosareAplicatie.h"

#include <QDir>
#include <QFileInfo>

namespace tezaurel {

namespace {
bool ResurseInDosar(const QString &dosar)
{
    return QFileInfo::exists(dosar + QStringLiteral("/help/index.html"));
}
} // namespace

DosareAplicatie AlegeDosare(const QString &dosarProgram, bool programScriere,
                            const QString &xdgDataHome, const QString &home)
{
    const bool resurseAlaturi = ResurseInDosar(dosarProgram);
    const QString resurse =
        resurseAlaturi ? dosarProgram
                       : QDir::cleanPath(dosarProgram + QStringLiteral("/../../share/tezaurel"));
    // Root may write in /usr/lib/tezaurel too: the missing assets still say
    // that this is a shared install, not somebody's portable folder.
    if (programScriere && resurseAlaturi)
        return {dosarProgram, resurse};
    const QString baza =
        QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : home + QStringLiteral("/.local/share");
    return {QDir::cleanPath(baza + QStringLiteral("/Tezaurel")), resurse};
}

DosareAplicatie DosareProgram(const QString &dosarProgram)
{
    return AlegeDosare(dosarProgram, QFileInfo(dosarProgram).isWritable(),
                       qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
}

QString PregatesteDosarDate(const DosareAplicatie &dosare)
{
    QDir dosar(dosare.Date);
    for (const char *sub : {"Probleme", "teste"})
        if (!dosar.mkpath(QString::fromLatin1(sub)))
            return QStringLiteral("Nu am reușit să creez dosarul de date %1. "
                                  "Colecția nu poate fi păstrată acolo.")
                .arg(QDir::toNativeSeparators(dosare.Date));
    return {};
}

} // namespace tezaurel
