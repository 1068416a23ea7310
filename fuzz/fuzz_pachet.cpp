// Any bytes as a .tezaurel package: opening it (its manifest's optional parts
// too) and taking out every picture and what came with it must neither crash
// nor read past what the archive may hold.
//
// Mutations of a whole archive seldom get past its checksums, so an input
// that starts with '{' is taken as the manifest alone, put in a package whose
// other entries are sound: one problem, b.jpg, whose picture is the byte "b".
// One that starts with 'D' is the Tezaurel.stn of another Tezaurel folder
// whose Probleme/ holds a JPEG b.jpg, a link out of the folder and a FIFO. Every
// source that opens is imported into an empty collection beside it, so that
// its names reach the picture writing: nothing may appear beside it.
#include "logica/schimb/ImportProbleme.h"
#include "logica/schimb/SursaProbleme.h"
#include "model/Colectie.h"
#include "unelte/PlatformaTacuta.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

using namespace tezaurel;

namespace {
const QString Radacina = QDir::tempPath() + QStringLiteral("/fuzz_pachet_%1/").arg(getpid());

void Scrie(const QString &cale, const QByteArray &octeti)
{
    QFile f(Radacina + cale);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(octeti);
}

QString PachetCuManifestul(const QByteArray &manifest)
{
    Problema antet, b;
    antet.Clasa = 2;
    b.Fisier.Atribuie(QStringLiteral("b.jpg"));
    QByteArray colectie;
    for (const Problema &p : {antet, b})
        colectie.append(p.Codifica().data(), Problema::MarimeInregistrare);
    static const QString cale =
        QDir::tempPath() + QStringLiteral("/fuzz_pachet_%1.tezaurel").arg(getpid());
    zip_t *z = zip_open(QFile::encodeName(cale).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    const std::pair<const char *, QByteArray> intrari[] = {
        {"Tezaurel.stn", colectie}, {"manifest.json", manifest}, {"Probleme/b.jpg", "b"}};
    for (const auto &[nume, octeti] : intrari)
        zip_file_add(z, nume,
                     zip_source_buffer(z, octeti.constData(), zip_uint64_t(octeti.size()), 0), 0);
    zip_close(z);
    return cale;
}

struct FaraUtilizator final : InterfataImport
{
    std::optional<DetaliiProblema> CereDetalii(const QStringList &, const QStringList &,
                                               int) override
    {
        return {};
    }
    void Progres(int, int, const QString &) override {}
    bool Anulat() override { return false; }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *date, size_t marime)
{
    static int argc = 1;
    static char nume[] = "fuzz_pachet", *argv[] = {nume, nullptr};
    static QCoreApplication aplicatie(argc, argv); // the database driver is a plugin
    static const bool pregatit = [] {
        QDir(Radacina).removeRecursively();
        QDir().mkpath(Radacina + QStringLiteral("sursa/Probleme"));
        // A real picture, so that its problem goes all the way to a record.
        QImage poza(8, 8, QImage::Format_RGB32);
        poza.fill(Qt::red);
        QBuffer jpeg;
        jpeg.open(QIODevice::WriteOnly);
        poza.save(&jpeg, "JPG");
        Scrie(QStringLiteral("sursa/Probleme/b.jpg"), jpeg.data());
        Scrie(QStringLiteral("sursa/Tezaurel.stn"), {});
        Scrie(QStringLiteral("l.jpg"), "l");
        QFile::link(Radacina + QStringLiteral("l.jpg"),
                    Radacina + QStringLiteral("sursa/Probleme/l.jpg"));
        return mkfifo(
                   QFile::encodeName(Radacina + QStringLiteral("sursa/Probleme/f.jpg")).constData(),
                   0644) == 0;
    }();
    QString motiv;
    const QByteArray octeti(reinterpret_cast<const char *>(date), qsizetype(marime));
    if (octeti.startsWith('D'))
        Scrie(QStringLiteral("sursa/Tezaurel.stn"), octeti.mid(1));
    auto sursa = octeti.startsWith('{')   ? DeschideSursa(PachetCuManifestul(octeti), motiv)
                 : octeti.startsWith('D') ? DeschideSursa(Radacina + QStringLiteral("sursa"), motiv)
                                          : DeschidePachet(octeti, motiv);
    for (int i = 0; sursa && i < int(sursa->Probleme().size()); ++i) {
        sursa->Poza(i, motiv);
        sursa->Insotite(i);
    }
    if (!sursa || !pregatit)
        return 0;
    const QString app = Radacina + QStringLiteral("app");
    QDir(app).removeRecursively();
    QDir().mkpath(app + QStringLiteral("/Probleme"));
    PlatformaTacuta platforma;
    FaraUtilizator interfata;
    Colectie definitii(app, platforma);
    definitii.IncarcaColectie();
    ImportaProbleme(definitii, *sursa, interfata);
    if (QDir(Radacina).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size() !=
            3 ||
        QDir(Radacina + QStringLiteral("sursa"))
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                .size() != 2)
        std::abort(); // something was written beside the collection's folder
    return 0;
}
