// Any bytes as a .tezaurel package: opening it and taking out every picture
// must neither crash nor read past what the archive may hold.
#include "schimb/SursaProbleme.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *date, size_t marime)
{
    static const QString cale =
        QDir::tempPath() + QStringLiteral("/fuzz-pachet-%1.tezaurel").arg(::getpid());
    {
        QFile f(cale);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char *>(date), qint64(marime));
    }
    QString motiv;
    if (auto sursa = DeschideSursa(cale, motiv))
        for (int i = 0; i < int(sursa->Probleme().size()); ++i)
            sursa->Poza(i, motiv);
    return 0;
}
