#include "app/Aplicatie.h"
#include "platform/PlatformaQt.h"
#include "platform/Traducere.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tezaurel"));
    InstaleazaTraducereaQt(qapp, QCoreApplication::applicationDirPath());
    QApplication::setWindowIcon(QIcon(QCoreApplication::applicationDirPath() + QStringLiteral("/tezaurel.png")));
    // The application folder is the folder of the executable: the collection,
    // the pictures and the assets all live beside it.
    PlatformaQt platforma;
    Aplicatie aplicatie(QCoreApplication::applicationDirPath(), platforma);
    aplicatie.Porneste();
    return QApplication::exec();
}
