#pragma once

#include "interfete/Recunoastere.h"

namespace tezaurel {

// The folder Tesseract reads its language data from: TESSDATA_PREFIX when
// set, otherwise Debian's.
QString DosarDateTesseract();

// Tesseract with the Romanian language data found in dosarDate, its engines
// made by the module at caleModul, which is loaded only when the first engine
// is made. Without ron.traineddata there, or without the module, Indisponibil
// says so and what brings it back.
MotorRecunoastere MotorTesseract(const QString &caleModul,
                                 const QString &dosarDate = DosarDateTesseract());

} // namespace tezaurel
