#include "ferestre/comune/Ecran.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tezaurel {

QSize MarimeEcran()
{
    const QScreen *ecran = QGuiApplication::primaryScreen();
    return ecran ? ecran->geometry().size() : QSize(1024, 768);
}

void CentreazaPeEcran(QWidget &fereastra)
{
    const QScreen *ecran = QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    QRect cadru = fereastra.frameGeometry();
    cadru.moveCenter(ecran->availableGeometry().center());
    fereastra.move(cadru.topLeft());
}

} // namespace tezaurel
