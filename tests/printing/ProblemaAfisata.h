#pragma once

#include "printing/CompunePagina.h"
#include "printing/Imprimanta.h"
#include "printing/VerificareTipareste.h"
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <QImageReader>
#include <QPainter>

#include <gtest/gtest.h>

// A printer that paints its one sheet into a picture: A4 at 144 dots to the
// inch, one pixel for ten twips. Records every operation in order.
class ImprimantaScriptata final : public Imprimanta
{
public:
    explicit ImprimantaScriptata(QStringList nume = {}) : Nume(std::move(nume)) {}
    QStringList Imprimante() const override { return Nume; }
    bool Alege(const QString &nume) override
    {
        Operatii << "alege " + nume;
        Aleasa = Nume.contains(nume) ? nume : Aleasa;
        return Nume.contains(nume);
    }
    QString Curenta() const override { return Aleasa; }
    void SeteazaExemplare(int exemplare) override { Operatii << QString("exemplare %1").arg(exemplare); }
    void SeteazaPortret() override { Operatii << "portret"; }
    QPainter *IncepePagina() override
    {
        Operatii << "pagina";
        if (Refuza)
            return nullptr;
        Foaie = QImage(1191, 1684, QImage::Format_RGB32);
        Foaie.fill(Qt::white);
        m_pictor.begin(&Foaie);
        return &m_pictor;
    }
    bool TerminaDocument() override
    {
        Operatii << "sfarsit";
        return m_pictor.end();
    }

    QStringList Nume, Operatii;
    bool Refuza = false;
    QString Aleasa;
    QImage Foaie;

private:
    QPainter m_pictor;
};

// A picture in four coloured quarters, easy to find again on a page.
inline const QRgb SusStanga = qRgb(220, 0, 0), SusDreapta = qRgb(0, 160, 0),
                  JosStanga = qRgb(0, 0, 220), JosDreapta = qRgb(230, 200, 0);

inline QImage PozaCadrane(int latime, int inaltime)
{
    QImage poza(latime, inaltime, QImage::Format_RGB32);
    QPainter p(&poza);
    const int l = latime / 2, i = inaltime / 2;
    p.fillRect(0, 0, l, i, QColor(SusStanga));
    p.fillRect(l, 0, latime - l, i, QColor(SusDreapta));
    p.fillRect(0, i, l, inaltime - i, QColor(JosStanga));
    p.fillRect(l, i, latime - l, inaltime - i, QColor(JosDreapta));
    return poza;
}

// A collection whose second problem is the one the viewer shows, its picture
// stored as bitmap data under a .jpg name.
inline void ArataProblema(const DosarTest &dosar, mDefinitii &d, const QImage &poza)
{
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "alta.jpg"),
                         FaProblema(9, 8, "Geometrie", "Triunghiuri", "p.jpg")});
    if (!poza.isNull())
        dosar.ScriePoza("p.jpg", poza);
    d.IncarcaColectie();
    d.Selectie[2] = 2;
    d.Selectie[3] = 3;
    d.NrSelectie = d.PozitieCurenta = 3;
}

// Within a few steps of the colour expected (edges are smoothed).
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
