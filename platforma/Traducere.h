#pragma once

#include <QString>

class QCoreApplication;

namespace tezaurel {

// Qt ships no Romanian catalogue for its own widgets, so its file dialog and
// context menus would speak English. Ours, qt_ro.qm, lies in the application
// folder; installed before the first window, every text Qt shows is Romanian,
// and Romanian is the default locale whatever the system's.
// False when the catalogue is missing or unreadable: Qt's texts stay English.
bool InstaleazaTraducereaQt(QCoreApplication &aplicatie, const QString &dosarAplicatie);

} // namespace tezaurel
