#pragma once

#include "interfete/Recunoastere.h"

namespace tezaurel {

// The folder Tesseract reads its language data from: TESSDATA_PREFIX when
// set, otherwise Debian's.
QString DosarDateTesseract();

// Tesseract with the Romanian language data found in dosarDate. Without
// ron.traineddata there, Indisponibil says so and which package brings it.
MotorRecunoastere MotorTesseract(const QString &dosarDate = DosarDateTesseract());

} // namespace tezaurel
