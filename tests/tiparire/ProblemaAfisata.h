#pragma once

#include "interfete/Imprimanta.h"
#include "logica/tiparire/CompunePagina.h"
#include "logica/tiparire/VerificareTiparire.h"
#include "model/SelectieCurenta.h"
#include "tests/comune/DosarTest.h"
#include "tests/comune/PlatformaScriptata.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace tezaurel;

// A printer that paints its one sheet into a picture: A4 at 144 dots to the
// inch, one pixel for ten twips. Records every operation in order.
struct ImprimantaScriptata final : Imprimanta
{
    QStringList Imprimante() const override { return Nume; }
    bool Alege(const QString &n) override { return (Operatii << "alege " + n, Nume.contains(n)); }
    QString Curenta() const override { return {}; }
    void SeteazaExemplare(int n) override { Operatii << QString("exemplare %1").arg(n); }
    void SeteazaPortret() override { Operatii << "portret"; }
    QPainter *IncepePagina() override
    {
        Operatii << "pagina";
        Foaie = QImage(1191, 1684, QImage::Format_RGB32);
        Foaie.fill(Qt::white);
        return Refuza || !m_pictor.begin(&Foaie) ? nullptr : &m_pictor;
    }
    bool PaginaNoua() override { return (Operatii << "pagina noua", true); }
    bool TerminaDocument() override { return (Operatii << "sfarsit", m_pictor.end()); }

    QStringList Nume{"PDF"}, Operatii;
    bool Refuza = false;
    QImage Foaie;
    QPainter m_pictor;
};

// A picture in four coloured quarters, easy to find again on a page.
inline const QRgb Cadran[] = {qRgb(220, 0, 0), qRgb(0, 160, 0), qRgb(0, 0, 220), qRgb(230, 200, 0)};

inline QImage PozaCadrane(int latime, int inaltime)
{
    QImage poza(latime, inaltime, QImage::Format_RGB32);
    QPainter p(&poza);
    const int l = latime / 2, i = inaltime / 2;
    for (int c = 0; c < 4; ++c)
        p.fillRect(c % 2 ? l : 0, c / 2 ? i : 0, c % 2 ? latime - l : l, c / 2 ? inaltime - i : i,
                   QColor(Cadran[c]));
    return poza;
}

// A collection whose second problem is the one the viewer shows, its picture
// stored as bitmap data under a .jpg name.
inline void ArataProblema(const DosarTest &dosar, SelectieCurenta &sel, const QImage &poza)
{
    Colectie &d = sel.Colectia();
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "alta.jpg"),
                         FaProblema(9, 8, "Geometrie", "Triunghiuri", "p.jpg")});
    dosar.ScriePoza("p.jpg", poza);
    d.IncarcaColectie();
    sel.Pozitii[2] = 2;
    sel.Pozitii[3] = sel.NrSelectie = sel.PozitieCurenta = 3;
}

// Within a few steps of the colour expected (edges are smoothed).
inline bool Aproape(QRgb a, QRgb b, int toleranta = 24)
{
    return std::max({qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)),
                     qAbs(qBlue(a) - qBlue(b))}) <= toleranta;
}

// The darkest grey in a rectangle given in twips of a page at `pas` twips to
// the pixel: the header's text is black on white.
inline int CelMaiIntunecat(const QImage &foaie, double pas, const QRect &twips)
{
    int minim = 255;
    const QRect r = QRect(int(twips.x() / pas), int(twips.y() / pas), int(twips.width() / pas),
                          int(twips.height() / pas)) &
                    foaie.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            minim = qMin(minim, qGray(foaie.pixel(x, y)));
    return minim;
}

// The page of the starting margins at `pas` twips to the pixel: the header's
// ink in its strip (1134, 283) to (10773, 1417), nothing above or below it,
// and either nothing more or the four quarters of a 4:3 picture at (1134,
// 1984) to (10773, 9213), white around them.
inline void VerificaFoaia(const QImage &foaie, double pas, bool cuPoza, int toleranta = 24)
{
    EXPECT_LT(CelMaiIntunecat(foaie, pas, {1134, 283, 9639, 1134}), 100);
    EXPECT_EQ(CelMaiIntunecat(foaie, pas, {0, 0, 11907, 270}), 255);
    EXPECT_EQ(CelMaiIntunecat(foaie, pas, {0, 1440, 11907, 510}), 255);
    EXPECT_EQ(CelMaiIntunecat(foaie, pas, {1134, 1984, 9639, 7229}) == 255, !cuPoza);
    const auto la = [&](double x, double y) {
        return foaie.pixel(qRound(x / pas), qRound(y / pas));
    };
    for (int c = 0; cuPoza && c < 4; ++c)
        EXPECT_TRUE(Aproape(la(c % 2 ? 10700 : 1200, c / 2 ? 9150 : 2050), Cadran[c], toleranta))
            << c;
    for (const auto &[x, y] :
         {std::pair{1060., 5000.}, {10850., 5000.}, {6000., 1910.}, {6000., 9290.}})
        EXPECT_EQ(la(x, y), qRgb(255, 255, 255)) << x << "," << y;
}

inline QString Creat(const QString &nume)
{
    return "A fost creat fisierul: " + nume + ".jpg in folderul de lucru al aplicatiei.";
}

// A page composed on a scripted printer or saved to teste/, read back by Qt
// from its content, not through the program's own reader.
class PaginaTest : public ::testing::Test
{
protected:
    DosarTest dosar;
    PlatformaScriptata platforma;
    Colectie d{dosar.Cale(), platforma};
    SelectieCurenta sel{d};
    ImprimantaScriptata imprimanta;
    // Its bottom margin counts for nothing on the page.
    DatePagina date{2, 2, 1, 3.7f, "Teza la matematica", 1, "pagina"};
    QImage Fisier(const QString &nume = "pagina") const
    {
        return QImage(dosar.Cale() + "/teste/" + nume + ".jpg");
    }
};
