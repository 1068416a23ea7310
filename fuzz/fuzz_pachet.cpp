// Any bytes as a .tezaurel package: opening it (its manifest's optional parts
// too) and taking out every picture and what came with it must neither crash
// nor read past what the archive may hold.
//
// Mutations of a whole archive seldom get past its checksums, so an input
// that starts with '{' is taken as the manifest alone, put in a package whose
// other entries are sound: one problem, b.jpg, whose picture is the byte "b".
// One that starts with 'D' is the Tezaurel.stn of another Tezaurel folder,
// whose Probleme/ holds b.jpg, a link out of the folder and a FIFO. Every
// source that opens is imported into an empty collection beside it, so the
// names its records give reach the picture writing; the process stops at
// once if anything appears or changes outside that collection's folder.
#include "platform/PlatformaTacuta.h"
#include "schimb/ImportProbleme.h"
#include "schimb/SursaProbleme.h"
#include "store/mDefinitii.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

namespace {

const QString &Radacina()
{
    static const QString radacina = [] {
        const QString r = QDir::tempPath() + QStringLiteral("/fuzz_pachet_%1/").arg(getpid());
        QDir(r).removeRecursively();
        QDir().mkpath(r + QStringLiteral("sursa/Probleme"));
        QFile martor(r + QStringLiteral("martor.txt"));
        martor.open(QIODevice::WriteOnly);
        martor.write("martor");
        martor.close();
        QFile b(r + QStringLiteral("sursa/Probleme/b.jpg"));
        b.open(QIODevice::WriteOnly);
        b.write("b");
        b.close();
        QFile::link(r + QStringLiteral("martor.txt"), r + QStringLiteral("sursa/Probleme/l.jpg"));
        mkfifo(QFile::encodeName(r + QStringLiteral("sursa/Probleme/f.jpg")).constData(), 0644);
        return r;
    }();
    return radacina;
}

// What lies in the root outside app/: it must never change.
QStringList InAfaraAplicatiei()
{
    QStringList linii;
    QDirIterator it(Radacina(),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString cale = it.next();
        if (!cale.startsWith(Radacina() + QStringLiteral("app")))
            linii << cale + QString::number(it.fileInfo().size());
    }
    linii.sort();
    return linii;
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

QString DosarCuColectia(const QByteArray &colectie)
{
    QFile f(Radacina() + QStringLiteral("sursa/Tezaurel.stn"));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(colectie);
    return Radacina() + QStringLiteral("sursa");
}

struct FaraUtilizator final : InterfataImport
{
    std::optional<DetaliiProblema> CereDetalii(const QStringList &, const QStringList &) override
    {
        return std::nullopt;
    }
    void Progres(int, int, const QString &) override {}
    bool Anulat() override { return false; }
};

void ImportaInColectieGoala(SursaProbleme &sursa)
{
    static const QStringList inainte = InAfaraAplicatiei();
    const QString app = Radacina() + QStringLiteral("app");
    QDir(app).removeRecursively();
    QDir().mkpath(app + QStringLiteral("/Probleme"));
    QDir().mkpath(app + QStringLiteral("/teste"));
    PlatformaTacuta platforma;
    {
        mDefinitii definitii(app, platforma);
        definitii.IncarcaColectie();
        FaraUtilizator interfata;
        ImportaProbleme(definitii, sursa, interfata);
    }
    if (InAfaraAplicatiei() != inainte)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *date, size_t marime)
{
    static int argc = 1;
    static char nume[] = "fuzz_pachet";
    static char *argv[] = {nume, nullptr};
    static QCoreApplication aplicatie(argc, argv); // the database driver is a plugin
    QString motiv;
    const QByteArray octeti(reinterpret_cast<const char *>(date), qsizetype(marime));
    auto sursa = octeti.startsWith('{')   ? DeschideSursa(PachetCuManifestul(octeti), motiv)
                 : octeti.startsWith('D') ? DeschideSursa(DosarCuColectia(octeti.mid(1)), motiv)
                                          : DeschidePachet(octeti, motiv);
    for (int i = 0; sursa && i < int(sursa->Probleme().size()); ++i) {
        sursa->Poza(i, motiv);
        sursa->Insotite(i);
    }
    if (sursa)
        ImportaInColectieGoala(*sursa);
    return 0;
}
