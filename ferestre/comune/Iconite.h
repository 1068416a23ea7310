#pragma once

#include <QIcon>

namespace tezaurel {

// A window's own icon, one of assets/iconite/ferestre: "vizualizare",
// "selectie", ... Several windows open at once are told apart on the taskbar.
QIcon IconitaFerestrei(const char *nume);

} // namespace tezaurel
