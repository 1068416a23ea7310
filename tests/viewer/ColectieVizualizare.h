#pragma once

#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <QImageReader>

// A small collection for paging: slot 2 is the worked example (p12.jpg,
// bitmap data under a .jpg name), slot 3 a real JPEG under a .jpeg name,
// slot 4 names a picture that is missing, slot 5 one that is not a picture.
struct ColectieVizualizare
{
    ColectieVizualizare()
    {
        auto &t = definitii.TabelProbleme;
        t[2] = FaProblema(9, 8, "Algebra", "Functii", "p12.jpg", false, "Domeniul de definitie   ");
        t[3] = FaProblema(10, 7, "Geometrie", "Triunghiuri", "t.jpeg", false,
                          "Doar pentru clasa a X-a");
        t[4] = FaProblema(11, 9, "Analiza", "Limite", "lipsa.jpg");
        t[5] = FaProblema(12, 10, "Analiza", "Integrale", "stricat.jpg", false, "Poza pierduta");
        definitii.NrProbleme = 5;
        dosar.ScriePoza("p12.jpg", Poza12);
        PozaModel(50, 30).save(dosar.Cale() + "/Probleme/t.jpeg", "JPEG");
        PozaJpeg = QImageReader(dosar.Cale() + "/Probleme/t.jpeg")
                       .read()
                       .convertToFormat(QImage::Format_RGB32);
        dosar.ScrieOcteti("Probleme/stricat.jpg", QByteArray("nu este o poza", 14));
    }

    // The selection as the evaluation hands it over: these slots, flagged as new.
    void Selecteaza(std::initializer_list<int16_t> sloturi)
    {
        int16_t n = 1;
        for (int16_t slot : sloturi)
            definitii.Selectie[++n] = slot;
        definitii.NrSelectie = n;
        definitii.SelectieNoua = Adevarat;
    }

    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii definitii{dosar.Cale(), platforma};
    QImage Poza12 = PozaModel(60, 40);
    QImage PozaJpeg; // as read back, JPEG being lossy
};
