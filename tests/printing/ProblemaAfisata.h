#pragma once

#include "printing/CompunePagina.h"
#include "printing/VerificareTipareste.h"
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"
#include "tests/printing/ImprimantaScriptata.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <gtest/gtest.h>

// A picture in four coloured quarters, easy to find again on a page.
inline const QRgb SusStanga = qRgb(220, 0, 0);
inline const QRgb SusDreapta = qRgb(0, 160, 0);
inline const QRgb JosStanga = qRgb(0, 0, 220);
inline const QRgb JosDreapta = qRgb(230, 200, 0);

inline QImage PozaCadrane(int latime, int inaltime)
{
    QImage poza(latime, inaltime, QImage::Format_RGB32);
    QPainter p(&poza);
    p.fillRect(0, 0, latime / 2, inaltime / 2, QColor(SusStanga));
    p.fillRect(latime / 2, 0, latime - latime / 2, inaltime / 2, QColor(SusDreapta));
    p.fillRect(0, inaltime / 2, latime / 2, inaltime - inaltime / 2, QColor(JosStanga));
    p.fillRect(latime / 2, inaltime / 2, latime - latime / 2, inaltime - inaltime / 2,
               QColor(JosDreapta));
    return poza;
}

// A collection whose second problem is the one the viewer shows: its picture is
// stored as bitmap data under a .jpg name, as the editor stores pictures.
inline void ArataProblema(const DosarTest &dosar, mDefinitii &d, const QImage &poza)
{
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "alta.jpg"),
                         FaProblema(9, 8, "Geometrie", "Triunghiuri", "p.jpg")});
    if (!poza.isNull())
        dosar.ScriePoza(QStringLiteral("p.jpg"), poza);
    d.IncarcaColectie();
    d.Selectie[2] = 2;
    d.Selectie[3] = 3;
    d.NrSelectie = 3;
    d.PozitieCurenta = 3;
}

// Whether the colour is within a few steps of the one expected (edges are smoothed).
inline bool Aproape(QRgb a, QRgb b, int toleranta = 24)
{
    return qAbs(qRed(a) - qRed(b)) <= toleranta && qAbs(qGreen(a) - qGreen(b)) <= toleranta &&
           qAbs(qBlue(a) - qBlue(b)) <= toleranta;
}

// The darkest grey in a rectangle of a picture: the header's text is black on white.
inline int CelMaiIntunecat(const QImage &poza, const QRect &unde)
{
    int minim = 255;
    const QRect r = unde & poza.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            minim = qMin(minim, qGray(poza.pixel(x, y)));
    return minim;
}

inline QString Creat(const QString &nume)
{
    return "A fost creat fisierul: " + nume + ".jpg in folderul de lucru al aplicatiei.";
}
inline const QString EroareStocare =
    "A intervenit o eroare la salvarea fisierului. Verificati mediul de stocare.";

// A page composed on a scripted printer or saved to teste/.
class PaginaTest : public ::testing::Test
{
protected:
    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii d{dosar.Cale(), platforma};
    ImprimantaScriptata imprimanta{{"PDF"}};
    DatePagina date = [] {
        DatePagina p;
        p.Antet = "Teza la matematica";
        p.NumeFisier = "pagina";
        return p;
    }();

    // Read by Qt from its content, not through the program's own reader.
    QImage Pagina(const QString &nume = "pagina") const
    {
        QImageReader cititor(dosar.Cale() + "/teste/" + nume + ".jpg");
        cititor.setDecideFormatFromContent(true);
        return cititor.read();
    }
};
