#include "model/NumeFisier.h"

#include "model/CitirePoza.h"
#include "model/CodPagina.h"
#include "model/Problema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tezaurel {

namespace {

bool EsteControl(QChar c)
{
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
}

// Inside dosar, both as the system resolves them (links and all).
bool EsteInauntru(const QString &cale, const QString &dosar)
{
    const QString tinta = QFileInfo(cale).canonicalFilePath();
    const QString radacina = QFileInfo(dosar).canonicalFilePath();
    return !tinta.isEmpty() && !radacina.isEmpty() && tinta.startsWith(radacina + QLatin1Char('/'));
}

QString Afisat(const QString &cale)
{
    return TextAfisabil(QDir::toNativeSeparators(cale));
}

} // namespace

std::optional<QString> MotivNumeNepermis(const QString &nume)
{
    const bool separator = nume.contains(QLatin1Char('/')) || nume.contains(QLatin1Char('\\'));
    if (nume.isEmpty() || separator || nume == QLatin1String(".") || nume == QLatin1String("..") ||
        std::any_of(nume.begin(), nume.end(), EsteControl))
        return QStringLiteral("numele „%1” nu este un simplu nume de fișier")
            .arg(TextAfisabil(nume));
    // ș ț Ș Ț are kept as their cedilla forms; any other letter the code page
    // lacks would come back from the record as '?', naming another file.
    for (const QChar c : nume)
        if (c != QLatin1Char('?') && CodificaCaracterAnsi(c.unicode()) == '?')
            return QStringLiteral("numele fișierului: caracterul „%1” nu poate fi păstrat în "
                                  "colecție (codificarea Windows-1250 nu îl are). Înlocuiți-l.")
                .arg(c);
    if (nume.size() > decltype(Problema::Fisier)::Lungime)
        return QStringLiteral("numele fișierului: textul are %1 de caractere, dar încap cel mult "
                              "%2. Scurtați-l.")
            .arg(nume.size())
            .arg(decltype(Problema::Fisier)::Lungime);
    // The record drops trailing blanks: "a.jpg " would come back as "a.jpg".
    if (nume.endsWith(QLatin1Char(' ')))
        return QStringLiteral("numele „%1” se termină cu un spațiu, pe care colecția nu îl "
                              "păstrează")
            .arg(nume);
    return std::nullopt;
}

QString TextAfisabil(const QString &text)
{
    if (std::none_of(text.begin(), text.end(), EsteControl))
        return text;
    QString afisat;
    for (const QChar c : text) {
        if (c.unicode() == 0)
            afisat += QStringLiteral("\\0");
        else if (c == QLatin1Char('\n') || c == QLatin1Char('\t'))
            afisat += c; // a line break in a quoted field is the teacher's own
        else if (EsteControl(c))
            afisat += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            afisat += c;
    }
    return afisat;
}

std::optional<QString> MotivNuEFisierObisnuit(const QString &cale, const QString &dosar)
{
    const QByteArray cod = QFile::encodeName(cale);
    struct stat legatura
    {
    };
    struct stat tinta
    {
    };
    if (::lstat(cod.constData(), &legatura) != 0 || ::stat(cod.constData(), &tinta) != 0)
        return QStringLiteral("fișierul %1 lipsește sau nu poate fi citit").arg(Afisat(cale));
    if (!S_ISREG(tinta.st_mode))
        return QStringLiteral("%1 nu este un fișier obișnuit (este un dosar, un dispozitiv, "
                              "un canal sau un socket); nu l-am citit")
            .arg(Afisat(cale));
    // A link anywhere on the way (the file, or the folder holding it) counts.
    if (!EsteInauntru(cale, dosar))
        return QStringLiteral("%1 %2 către un fișier din afara dosarului ales; nu l-am citit")
            .arg(Afisat(cale), S_ISLNK(legatura.st_mode)
                                   ? QStringLiteral("este o legătură")
                                   : QStringLiteral("duce printr-o legătură"));
    return std::nullopt;
}

FisierCitit CitesteFisierSursa(const QString &cale, const QString &dosar, qint64 limita,
                               const std::function<bool()> &anulat)
{
    FisierCitit citit;
    if (const auto motiv = MotivNuEFisierObisnuit(cale, dosar)) {
        citit.Motiv = *motiv;
        return citit;
    }
    // Opened without waiting: a FIFO put in its place since the check
    // answers at once instead of holding the program until someone writes.
    const int fd = ::open(QFile::encodeName(cale).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st
    {
    };
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        citit.Motiv = QStringLiteral("fișierul %1 nu poate fi citit").arg(Afisat(cale));
        return citit;
    }
    // What the file says of itself refuses early; what is read is still counted.
    if (st.st_size > limita) {
        ::close(fd);
        citit.Motiv = QStringLiteral("fișierul %1 are %2 MB, peste limita de %3 MB")
                          .arg(Afisat(cale), MarimeInMb(st.st_size), MarimeInMb(limita));
        return citit;
    }
    QByteArray octeti;
    char bucata[1 << 16];
    for (;;) {
        if (anulat && anulat()) {
            citit.Anulat = true;
            citit.Motiv = QStringLiteral("citirea fișierului %1 a fost anulată").arg(Afisat(cale));
            ::close(fd);
            return citit;
        }
        const ssize_t n = ::read(fd, bucata, sizeof bucata);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            citit.Motiv = QStringLiteral("fișierul %1 nu poate fi citit").arg(Afisat(cale));
            ::close(fd);
            return citit;
        }
        if (n == 0)
            break;
        if (octeti.size() + n > limita) {
            citit.Motiv = QStringLiteral("fișierul %1 are mai mult de %2 MB, limita pentru el")
                              .arg(Afisat(cale), MarimeInMb(limita));
            ::close(fd);
            return citit;
        }
        octeti.append(bucata, qsizetype(n));
    }
    ::close(fd);
    citit.Octeti = std::move(octeti);
    return citit;
}

std::optional<QString> MotivDateDupaSfarsit(const QByteArray &octeti)
{
    if (!octeti.startsWith("\xFF\xD8"))
        return std::nullopt;
    const qint64 sfarsit = SfarsitJpeg(octeti);
    if (sfarsit < 0 || octeti.size() - sfarsit <= OctetiMaximiDupaSfarsit)
        return std::nullopt;
    return QStringLiteral("după sfârșitul pozei JPEG urmează încă %1 MB de date, mai mult decât "
                          "cei %2 KB îngăduiți")
        .arg(MarimeInMb(octeti.size() - sfarsit))
        .arg(OctetiMaximiDupaSfarsit / 1024);
}

QString MarimeInMb(qint64 octeti)
{
    constexpr qint64 Mb = 1024 * 1024;
    if (octeti % Mb == 0)
        return QString::number(octeti / Mb);
    // Enough decimals that one byte over a limit still shows.
    for (int zecimale = 1;; ++zecimale) {
        const QString text = QString::number(double(octeti) / Mb, 'f', zecimale);
        if (zecimale >= 7 || text.toDouble() * Mb != double(octeti / Mb * Mb))
            return text;
    }
}

} // namespace tezaurel
