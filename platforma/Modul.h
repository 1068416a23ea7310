#pragma once

#include <QString>

namespace tezaurel {

// A module of the program (platforma/module/Module.h): in module/ beside the
// program itself, in the portable folder and in the package alike.
QString CaleModul(const char *fisier);

// The function named simbol in the module at cale, the module loaded the first
// time and kept for the rest of the run; nullptr, with the loader's reason in
// eroare, when it cannot be loaded or lacks the function.
QFunctionPointer FunctieDinModul(const QString &cale, const char *simbol, QString &eroare);

} // namespace tezaurel
