#include "model/DosareAplicatie.h"

#include "model/ColectieAleasa.h"

#include <QDir>
#include <QFileInfo>

namespace tezaurel {

namespace {
// Beside the program in a portable folder; in the packaged layout
// <prefix>/lib/tezaurel, in <prefix>/share/tezaurel.
QString DosarResurse(const QString &dosarProgram)
{
    return QFileInfo::exists(dosarProgram + QStringLiteral("/help/index.html"))
               ? dosarProgram
               : QDir::cleanPath(dosarProgram + QStringLiteral("/../../share/tezaurel"));
}
} // namespace

DosareAplicatie AlegeDosare(const QString &dosarProgram, bool programScriere,
                            const QString &xdgDataHome, const QString &home)
{
    const QString resurse = DosarResurse(dosarProgram);
    // A folder copied from another computer, the original's or ours, is the
    // teacher's collection even without our assets and even on a CD: an empty
    // collection elsewhere would hide it.
    if (ContineColectie(dosarProgram))
        return {dosarProgram, resurse};
    // Root may write in /usr/lib/tezaurel too: the missing assets still say
    // that this is a shared install, not somebody's portable folder.
    if (programScriere && resurse == dosarProgram)
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

ColectieAleasa AlegeColectia(const QString &dosarProgram, bool programScriere,
                             const QString &xdgDataHome, const QString &home)
{
    const DosareAplicatie dosare = AlegeDosare(dosarProgram, programScriere, xdgDataHome, home);
    return {dosare, dosare.Date == dosarProgram && !programScriere};
}

ColectieAleasa ColectiaProgramului(const QString &dosarProgram)
{
    return AlegeColectia(dosarProgram, QFileInfo(dosarProgram).isWritable(),
                         qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
}

ColectieAleasa ColectiaDin(const QString &dosarColectie, const QString &dosarProgram)
{
    const QString date = QDir::cleanPath(QDir(dosarColectie).absolutePath());
    const QFileInfo stn(date + QStringLiteral("/Tezaurel.stn"));
    return {{date, DosarResurse(dosarProgram)},
            !QFileInfo(date).isWritable() || (stn.exists() && !stn.isWritable())};
}

bool ContineColectie(const QString &dosar)
{
    return QFileInfo(dosar + QStringLiteral("/Tezaurel.stn")).isFile();
}

QString MotivDosarNepotrivit(const QString &dosarColectie)
{
    const QFileInfo dosar(dosarColectie);
    if (!dosar.exists())
        return QStringLiteral("Dosarul %1 nu există.").arg(QDir::toNativeSeparators(dosarColectie));
    if (!dosar.isDir())
        return QStringLiteral("%1 nu este un dosar: alegeți dosarul care conține Tezaurel.stn.")
            .arg(QDir::toNativeSeparators(dosarColectie));
    if (!dosar.isReadable())
        return QStringLiteral("Nu aveți drept de citire în dosarul %1.")
            .arg(QDir::toNativeSeparators(dosarColectie));
    return {};
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
