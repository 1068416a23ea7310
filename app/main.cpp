#include "app/Aplicatie.h"
#include "platform/DosareAplicatie.h"
#include "platform/PlatformaQt.h"
#include "platform/Traducere.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
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
    Aplicatie aplicatie(dosare, platforma);
    aplicatie.Porneste();
    return QApplication::exec();
}
