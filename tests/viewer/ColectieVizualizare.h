#pragma once

#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <initializer_list>

// A small collection for paging: slot 2 is the worked example (p12.jpg,
// bitmap data under a .jpg name), slot 3 a real JPEG under a .jpeg name,
// slot 4 names a picture that is missing, slot 5 one that is not a picture.
struct ColectieVizualizare
{
    ColectieVizualizare();

    // Fills the selection as the evaluation hands it over: the given table
    // slots from slot 2 on, flagged as new.
    void Selecteaza(std::initializer_list<int16_t> sloturi);

    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii definitii{dosar.Cale(), platforma};
    QImage Poza12 = PozaModel(60, 40);
    QImage PozaJpeg; // as read back, JPEG being lossy
};
