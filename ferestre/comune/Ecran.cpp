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

QSize CadruFereastra(const QWidget &fereastra)
{
    return fereastra.isVisible() ? fereastra.frameGeometry().size() - fereastra.geometry().size()
                                 : QSize(8, 32);
}

void IncapePeEcran(QWidget &fereastra)
{
    const QScreen *ecran = QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    const QSize loc = ecran->availableGeometry().size() - CadruFereastra(fereastra);
    if (fereastra.width() > loc.width() || fereastra.height() > loc.height())
        fereastra.resize(fereastra.size().boundedTo(loc));
}

bool PeEcran(const QWidget &fereastra)
{
    const QScreen *ecran = QGuiApplication::primaryScreen();
    return !ecran || ecran->availableGeometry().contains(fereastra.pos());
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
