#pragma once

#include "printing/CompunePagina.h"
#include "printing/Imprimanta.h"
#include "printing/VerificareTipareste.h"
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <QAbstractButton>
#include <QImageReader>
#include <QLabel>
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
                  JosStanga = qRgb(0, 0, 220), JosDreapta = qRgb(230, 200, 0), Alb = qRgb(255, 255, 255);

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

// The four quarters of a 4:3 picture where the starting margins put it, at
// `pas` twips to the pixel: (1134, 1984) to (10773, 9213) twips, under the
// header's strip (1134, 283) to (10773, 1417) and nothing else.
inline void Cadrane(const QImage &foaie, double pas, int toleranta = 24)
{
    const auto la = [&](double x, double y) { return foaie.pixel(qRound(x / pas), qRound(y / pas)); };
    const auto r = [&](int x, int y, int l, int i) { return QRect(qRound(x / pas), qRound(y / pas), qRound(l / pas), qRound(i / pas)); };
    EXPECT_TRUE(Aproape(la(1200, 2050), SusStanga, toleranta));
    EXPECT_TRUE(Aproape(la(10700, 2050), SusDreapta, toleranta));
    EXPECT_TRUE(Aproape(la(1200, 9150), JosStanga, toleranta));
    EXPECT_TRUE(Aproape(la(10700, 9150), JosDreapta, toleranta));
    for (const auto &[x, y] : {std::pair{1060., 5000.}, {10850., 5000.}, {6000., 1910.}, {6000., 9290.}})
        EXPECT_EQ(la(x, y), Alb) << x << "," << y;
    EXPECT_LT(CelMaiIntunecat(foaie, r(1134, 283, 9639, 1134)), 100);
    EXPECT_EQ(CelMaiIntunecat(foaie, r(0, 0, 11907, 270)), 255);
    EXPECT_EQ(CelMaiIntunecat(foaie, r(0, 1440, 11907, 510)), 255);
}

inline QString Creat(const QString &nume)
{
    return "A fost creat fisierul: " + nume + ".jpg in folderul de lucru al aplicatiei.";
}
inline const QString EroareStocare =
    "A intervenit o eroare la salvarea fisierului. Verificati mediul de stocare.";

// A control a user finds by its caption: a button by its text, a box by the label naming it.
template <class T> T *Control(const QWidget &fereastra, const QString &titlu)
{
    for (QAbstractButton *b : fereastra.findChildren<QAbstractButton *>())
        if (b->text() == titlu && qobject_cast<T *>(b))
            return qobject_cast<T *>(b);
    for (QLabel *l : fereastra.findChildren<QLabel *>())
        if (l->text() == titlu && qobject_cast<T *>(l->buddy()))
            return qobject_cast<T *>(l->buddy());
    ADD_FAILURE() << "no control " << titlu.toStdString();
    return nullptr;
}

// A page composed on a scripted printer or saved to teste/.
class PaginaTest : public ::testing::Test
{
protected:
    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii d{dosar.Cale(), platforma};
    ImprimantaScriptata imprimanta{{"PDF"}};
    DatePagina date{2, 2, 1, 1, "Teza la matematica", 1, "pagina"};

    // Read by Qt from its content, not through the program's own reader.
    QImage Pagina(const QString &nume = "pagina") const
    {
        QImageReader cititor(dosar.Cale() + "/teste/" + nume + ".jpg");
        cititor.setDecideFormatFromContent(true);
        return cititor.read();
    }
    // The header strip holds ink and the picture's place is white.
    void DoarAntetul(const QImage &pagina)
    {
        ASSERT_EQ(pagina.size(), QSize(794, 1123));
        EXPECT_LT(CelMaiIntunecat(pagina, QRect(75, 18, 644, 77)), 100);
        EXPECT_EQ(CelMaiIntunecat(pagina, QRect(75, 132, 644, 900)), 255);
    }
};
