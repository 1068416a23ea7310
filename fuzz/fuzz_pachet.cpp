// Any bytes as a .tezaurel package: opening it (its manifest's optional parts
// too) and taking out every picture and what came with it must neither crash
// nor read past what the archive may hold.
//
// Mutations of a whole archive seldom get past its checksums, so an input
// that starts with '{' is taken as the manifest alone, put in a package whose
// other entries are sound: one problem, b.jpg, whose picture is the byte "b".
#include "schimb/SursaProbleme.h"

#include <QDir>
#include <QFile>

#include <unistd.h>
#include <zip.h>

namespace {
QString PachetCuManifestul(const QByteArray &manifest)
{
    Problema antet, b;
    antet.Clasa = 2;
    b.Fisier.Atribuie(QStringLiteral("b.jpg"));
    QByteArray colectie;
    for (const Problema &p : {antet, b})
        colectie.append(p.Codifica().data(), Problema::MarimeInregistrare);
    static const QString cale = QDir::tempPath() + QStringLiteral("/fuzz_pachet_%1.tezaurel").arg(getpid());
    zip_t *z = zip_open(QFile::encodeName(cale).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    const std::pair<const char *, QByteArray> intrari[] = {
        {"Tezaurel.stn", colectie}, {"manifest.json", manifest}, {"Probleme/b.jpg", "b"}};
    for (const auto &[nume, octeti] : intrari)
        zip_file_add(z, nume, zip_source_buffer(z, octeti.constData(), zip_uint64_t(octeti.size()), 0), 0);
    zip_close(z);
    return cale;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *date, size_t marime)
{
    QString motiv;
    const QByteArray octeti(reinterpret_cast<const char *>(date), qsizetype(marime));
    auto sursa = octeti.startsWith('{') ? DeschideSursa(PachetCuManifestul(octeti), motiv)
                                        : DeschidePachet(octeti, motiv);
    for (int i = 0; sursa && i < int(sursa->Probleme().size()); ++i) {
        sursa->Poza(i, motiv);
        sursa->Insotite(i);
    }
    return 0;
}
