#include "app/Aplicatie.h"
#include "platform/PlatformaQt.h"

#include <QApplication>
#include <QIcon>

#include <malloc.h>

int main(int argc, char *argv[])
{
    // Pictures come and go by the megabyte on several threads. Left to itself,
    // glibc raises its threshold for mapping a block after each large one it
    // frees, and keeps later pictures in per-thread heaps it seldom gives back;
    // a fixed threshold returns every picture's memory as soon as it is freed.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tezaurel"));
    QApplication::setWindowIcon(QIcon(QCoreApplication::applicationDirPath() + QStringLiteral("/tezaurel.png")));
    // The application folder is the folder of the executable: the collection,
    // the pictures and the assets all live beside it.
    PlatformaQt platforma;
    Aplicatie aplicatie(QCoreApplication::applicationDirPath(), platforma);
    aplicatie.Porneste();
    return QApplication::exec();
}
