#include "aplicatie/Aplicatie.h"
#include "model/DosareAplicatie.h"
#include "platforma/ImprimantaQt.h"
#include "platforma/PlatformaQt.h"
#include "platforma/RecunoastereTesseract.h"
#include "platforma/ScannerSane.h"
#include "platforma/Traducere.h"

#include <QApplication>
#include <QIcon>

#include <malloc.h>

using namespace tezaurel;

int main(int argc, char *argv[])
{
    // Pictures come and go by the megabyte on several threads. Left to itself,
    // glibc raises its threshold for mapping a block after each large one it
    // frees, and keeps later pictures in per-thread heaps it seldom gives back;
    // a fixed threshold returns every picture's memory as soon as it is freed.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tezaurel"));
    // A portable folder keeps everything beside the executable; a system-wide
    // install gives each user a data folder of their own.
    const QString dosarProgram = QCoreApplication::applicationDirPath();
    const DosareAplicatie dosare = DosareProgram(dosarProgram);
    InstaleazaTraducereaQt(qapp, dosare.Resurse);
    QApplication::setWindowIcon(QIcon(dosare.Resurse + QStringLiteral("/tezaurel.png")));
    PlatformaQt platforma;
    // The portable folder is left as it was found: its folders come with it.
    if (dosare.Date != dosarProgram)
        if (const QString eroare = PregatesteDosarDate(dosare); !eroare.isEmpty())
            platforma.Mesaj(eroare);
    Aplicatie aplicatie(
        dosare, platforma, MotorTesseract(), [] { return std::make_unique<ImprimantaQt>(); }, {},
        [] { return std::make_unique<ScannerSane>(); });
    aplicatie.Porneste();
    // "tezaurel --banca": straight to the problem bank, as the desktop's action asks.
    if (QCoreApplication::arguments().contains(QStringLiteral("--banca")))
        aplicatie.ArataBanca();
    return QApplication::exec();
}
