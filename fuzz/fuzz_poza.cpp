// Any bytes as a problem's picture: the reader reads JPEG and bitmap headers
// itself (the end marker, the declared length, the size before decoding), so
// it must neither crash nor hand back a picture it says it refused, nor one
// over the size limit, whatever the file claims.
#include "model/CitirePoza.h"

#include <QByteArray>
#include <QFile>

#include <cstdint>
#include <cstdlib>
#include <unistd.h>

using namespace tezaurel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *date, size_t marime)
{
    // The reader takes a path: a file in memory-backed /dev/shm costs no disk access.
    // Qt's decoders complain about every damaged input; the complaints cost more than the reading.
    static const bool tacut =
        (qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {}),
         true);
    (void)tacut;
    static const QString cale =
        QStringLiteral("/dev/shm/tezaurel-fuzz-poza-%1.jpg").arg(::getpid());
    {
        QFile fisier(cale);
        if (!fisier.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            fisier.write(reinterpret_cast<const char *>(date), qint64(marime)) != qint64(marime))
            std::abort();
    }
    const PozaCitita citita = CitestePoza(cale);
    const bool citit = citita.Rezultat == PozaCitita::Stare::Citita;
    if (citit != !citita.Poza.isNull())
        std::abort();
    if (citit && (!MarimeAcceptata(citita.Poza.size()) || citita.Marime != citita.Poza.size()))
        std::abort();
    if ((marime == 0) != (citita.Rezultat == PozaCitita::Stare::Goala))
        std::abort();
    return 0;
}
