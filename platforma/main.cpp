#include "aplicatie/Aplicatie.h"
#include "model/ColectieAleasa.h"
#include "platforma/ImprimantaQt.h"
#include "platforma/Modul.h"
#include "platforma/MotorTesseract.h"
#include "platforma/PlatformaQt.h"
#include "platforma/ScannerSane.h"
#include "platforma/Traducere.h"
#include "platforma/module/Module.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QSettings>

#include <malloc.h>

using namespace tezaurel;

namespace {

// Enough for a teacher's school, home and stick, and a menu that stays short.
constexpr int NrRecente = 6;
const QString CheieRecente = QStringLiteral("colectii/recente");

// The folder becomes the latest of the remembered ones; the others, this one left out.
QStringList RetineColectia(const QString &dosar)
{
    QSettings setari;
    QStringList recente = setari.value(CheieRecente).toStringList();
    recente.removeAll(dosar);
    recente.prepend(dosar);
    setari.setValue(CheieRecente, recente.mid(0, NrRecente));
    return recente.mid(1, NrRecente - 1);
}

// The folder given by --colectie, when it can be a collection; otherwise the
// user is told why and the program's own collection opens.
bool DosarAcceptat(PlatformaQt &platforma, const QString &dosar)
{
    if (const QString motiv = MotivDosarNepotrivit(dosar); !motiv.isEmpty()) {
        platforma.Mesaj(motiv);
        return false;
    }
    return ContineColectie(dosar) ||
           platforma.IntrebareDaNu(
               QStringLiteral("Dosarul %1 nu conține o colecție Tezaurel (fișierul Tezaurel.stn). "
                              "Începeți în el o colecție nouă?")
                   .arg(QDir::toNativeSeparators(dosar)));
}

} // namespace

int main(int argc, char *argv[])
{
    // Pictures come and go by the megabyte on several threads. Left to itself,
    // glibc raises its threshold for mapping a block after each large one it
    // frees, and keeps later pictures in per-thread heaps it seldom gives back;
    // a fixed threshold returns every picture's memory as soon as it is freed.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tezaurel"));
    QApplication::setOrganizationName(QStringLiteral("Tezaurel"));
    // A portable folder keeps everything beside the executable; a system-wide
    // install gives each user a data folder of their own.
    const QString dosarProgram = QCoreApplication::applicationDirPath();
    const QString resurse = DosareProgram(dosarProgram).Resurse;
    InstaleazaTraducereaQt(qapp, resurse);
    QApplication::setWindowIcon(QIcon(resurse + QStringLiteral("/tezaurel.png")));

    QCommandLineParser argumente;
    argumente.setApplicationDescription(
        QStringLiteral("Tezaurel: colecția de probleme a profesorului de matematică."));
    argumente.addHelpOption();
    const QCommandLineOption optiuneColectie(
        QStringLiteral("colectie"),
        QStringLiteral("Deschide colecția din DOSAR (cel care conține Tezaurel.stn)."),
        QStringLiteral("DOSAR"));
    argumente.addOption(optiuneColectie);
    const QCommandLineOption optiuneBanca(QStringLiteral("banca"),
                                          QStringLiteral("Deschide direct Banca de probleme."));
    argumente.addOption(optiuneBanca);
    argumente.process(qapp);

    PlatformaQt platforma;
    QString ceruta = argumente.value(optiuneColectie);
    // Opening another collection ends one run and starts the next, so that no
    // window, lock or recognition of the first outlives it.
    for (;;) {
        const bool aleasa = !ceruta.isEmpty() && DosarAcceptat(platforma, ceruta);
        const ColectieAleasa colectie =
            aleasa ? ColectiaDin(ceruta, dosarProgram) : ColectiaProgramului(dosarProgram);
        const DosareAplicatie &dosare = colectie.Dosare;
        // The portable folder, and a collection the user chose, are left as
        // they were found; a new one gets its folders.
        const bool noua = aleasa ? !ContineColectie(dosare.Date) : dosare.Date != dosarProgram;
        if (noua && !colectie.DoarCitire)
            if (const QString eroare = PregatesteDosarDate(dosare); !eroare.isEmpty())
                platforma.Mesaj(eroare);
        QString urmatoarea;
        int rezultat = 0;
        {
            Aplicatie aplicatie(
                dosare, platforma, MotorTesseract(CaleModul(ModulRecunoastere)),
                [] { return std::make_unique<ImprimantaQt>(); }, {},
                [] { return std::make_unique<ScannerSane>(); });
            aplicatie.Colectii = {aleasa, colectie.DoarCitire, RetineColectia(dosare.Date),
                                  [&urmatoarea](const QString &dosar) {
                                      urmatoarea = dosar;
                                      QCoreApplication::exit(0);
                                  }};
            aplicatie.CitesteAsezarea = [](const QString &fereastra) {
                return QSettings().value(QStringLiteral("ferestre/") + fereastra).toByteArray();
            };
            aplicatie.ScrieAsezarea = [](const QString &fereastra, const QByteArray &asezare) {
                QSettings().setValue(QStringLiteral("ferestre/") + fereastra, asezare);
            };
            // "tezaurel --banca": straight to the problem bank, as the desktop's action asks.
            aplicatie.Porneste(argumente.isSet(optiuneBanca));
            rezultat = QApplication::exec();
        }
        if (urmatoarea.isEmpty())
            return rezultat;
        ceruta = urmatoarea;
    }
}
