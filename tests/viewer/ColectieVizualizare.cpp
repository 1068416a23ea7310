#include "tests/viewer/ColectieVizualizare.h"

#include <QImageReader>

ColectieVizualizare::ColectieVizualizare()
{
    definitii.TabelProbleme[2] =
        FaProblema(9, 8, "Algebra", "Functii", "p12.jpg", false, "Domeniul de definitie   ");
    definitii.TabelProbleme[3] =
        FaProblema(10, 7, "Geometrie", "Triunghiuri", "t.jpeg", false, "Doar pentru clasa a X-a");
    definitii.TabelProbleme[4] = FaProblema(11, 9, "Analiza", "Limite", "lipsa.jpg");
    definitii.TabelProbleme[5] =
        FaProblema(12, 10, "Analiza", "Integrale", "stricat.jpg", false, "Poza pierduta");
    definitii.NrProbleme = 5;

    dosar.ScriePoza("p12.jpg", Poza12);
    PozaModel(50, 30).save(dosar.Cale() + "/Probleme/t.jpeg", "JPEG");
    PozaJpeg = QImageReader(dosar.Cale() + "/Probleme/t.jpeg")
                   .read()
                   .convertToFormat(QImage::Format_RGB32);
    dosar.ScrieOcteti("Probleme/stricat.jpg", QByteArray("nu este o poza", 14));
}

void ColectieVizualizare::Selecteaza(std::initializer_list<int16_t> sloturi)
{
    int16_t n = 1;
    for (int16_t slot : sloturi)
        definitii.Selectie[++n] = slot;
    definitii.NrSelectie = n;
    definitii.SelectieNoua = Adevarat;
}
