// Any bytes as a .tezaurel package: opening it and taking out every picture
// must neither crash nor read past what the archive may hold.
#include "schimb/SursaProbleme.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *date, size_t marime)
{
    QString motiv;
    const QByteArray octeti(reinterpret_cast<const char *>(date), qsizetype(marime));
    if (auto sursa = DeschidePachet(octeti, motiv))
        for (int i = 0; i < int(sursa->Probleme().size()); ++i)
            sursa->Poza(i, motiv);
    return 0;
}
