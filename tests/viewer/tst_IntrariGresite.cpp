#include "viewer/Vizualizator.h"

#include "store/CitirePoza.h"
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PanzaInregistrata.h"
#include "tests/common/PlatformaScriptata.h"
#include "tests/common/PozeGresite.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QRgb FundalPanou = qRgb(200, 200, 200);

class IntrariVizualizator : public ::testing::Test
{
protected:
    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii definitii{dosar.Cale(), platforma};
    PanzaInregistrata panou{QSize(300, 200), QColor(FundalPanou)};
    Vizualizator v{definitii, panou};

    // Every problem of the table selected, and the viewer shown as the
    // selection dialog shows it.
    void SelecteazaTot()
    {
        v.Form_Load();
        for (int i = 2; i <= definitii.NrProbleme; ++i)
            definitii.Selectie[size_t(i)] = int16_t(i);
        definitii.NrSelectie = definitii.NrProbleme;
        definitii.SelectieNoua = Adevarat;
        v.Form_Activate();
    }
    Problema Cu(const QString &fisier, const QString &observatii = QString())
    {
        return FaProblema(9, 8, "Algebra", "Functii", fisier, false, observatii);
    }
};

TEST_F(IntrariVizualizator, PozeleCareNuSeCitescLasaPanoulGol)
{
    const QImage buna = PozaModel(60, 40);
    const QByteArray jpeg = OctetiPoza(PozaModel(64, 48), "JPEG");
    const QByteArray bmp = OctetiPoza(buna, "BMP");
    dosar.ScriePoza("buna.jpg", buna);
    dosar.ScrieOcteti("Probleme/gol.jpg", {});
    dosar.ScrieOcteti("Probleme/text.jpg", "nu este o poza");
    dosar.ScrieOcteti("Probleme/taiat.jpg", jpeg.left(jpeg.size() / 2));
    dosar.ScrieOcteti("Probleme/taiat.bmp", bmp.left(bmp.size() - 100));
    dosar.ScrieOcteti("Probleme/uriasa.jpg", JpegCuMarimea(65000, 65000));
    QDir(dosar.Cale()).mkpath("Probleme/dosar.jpg");
    dosar.ScrieColectie({Cu("buna.jpg"), Cu("gol.jpg", "fara poza"), Cu("text.jpg"),
                         Cu("taiat.jpg"), Cu("taiat.bmp"), Cu("dosar.jpg"), Cu("lipsa.jpg"),
                         Cu("uriasa.jpg")});
    definitii.IncarcaColectie();
    SelecteazaTot();
    EXPECT_EQ(v.Picture2.Naturala(), buna);

    // The earlier rule for a picture that cannot be read: a blank panel, the
    // status line and the observations as for any other problem; a message
    // only for the picture too large to load.
    for (const char *fisier : {"gol.jpg", "text.jpg", "taiat.jpg", "taiat.bmp", "dosar.jpg",
                               "lipsa.jpg", "uriasa.jpg"}) {
        SCOPED_TRACE(fisier);
        panou.Operatii.clear();
        v.Toolbar1_ButtonClick("Inainte");
        EXPECT_TRUE(v.Picture2.Naturala().isNull());
        EXPECT_EQ(panou.Operatii.first(), "Cls");
        EXPECT_EQ(panou.Imagine.pixel(299, 199), FundalPanou);
        EXPECT_TRUE(v.TextStare.startsWith(QString(fisier) + " - Capitolul: Functii"));
        if (QString(fisier) == "gol.jpg") {
            EXPECT_EQ(v.Text1, "fara poza");
        }
    }
    EXPECT_EQ(platforma.Mesaje, QStringList{MesajPozaPreaMare(dosar.Cale() + "/Probleme/uriasa.jpg",
                                                              {65000, 65000})});
    // The pointer and a drag on the empty holder paint nothing but the background.
    EXPECT_EQ(v.Picture1_MouseMove(30, 30), Qt::ArrowCursor);
    v.Picture1_MouseDown(10, 10);
    v.Picture1_MouseMove(50, 50);
    v.Picture1_MouseUp(50, 50);
    EXPECT_EQ(panou.Imagine.pixel(60, 60), FundalPanou);
    v.Toolbar1_ButtonClick("Prima");
    EXPECT_EQ(v.Picture2.Naturala(), buna);
    EXPECT_EQ(platforma.Mesaje.size(), 1);
}

TEST_F(IntrariVizualizator, FaraDosarulProblemeToatePanourileSuntGoale)
{
    dosar.ScrieColectie({Cu("a.jpg"), Cu("b.jpg")});
    ASSERT_TRUE(QDir(dosar.Cale() + "/Probleme").removeRecursively());
    definitii.IncarcaColectie();
    SelecteazaTot();
    EXPECT_TRUE(v.Picture2.Naturala().isNull());
    v.Toolbar1_ButtonClick("Inainte");
    EXPECT_TRUE(v.Picture2.Naturala().isNull());
    EXPECT_EQ(panou.Imagine.pixel(0, 0), FundalPanou);
    EXPECT_TRUE(v.TextStare.startsWith("b.jpg - "));
    EXPECT_TRUE(platforma.Mesaje.isEmpty());
}

TEST_F(IntrariVizualizator, TexteleCeleMaiLungiSiOctetiiInaltiInLiniaDeStare)
{
    Problema lunga;
    lunga.Clasa = -32768;
    lunga.Nivel = 32767;
    lunga.Disciplina.Atribuie(QString(50, 'd'));
    lunga.Capitol.Atribuie(QString(100, 'c'));
    lunga.Observatii.Atribuie(QString(100, 'o'));
    lunga.Fisier.Atribuie(QString(251, 'f') + ".jpg");

    // A name in the code page's upper half, as a Windows machine wrote it.
    Problema inalta = FaProblema(9, 8, "", "", "");
    inalta.Fisier.Octeti.fill(' ');
    std::copy_n(QByteArray("\xE2\xEE\xBA\xFE\xC3\xCE\xAA\xDE.jpg").constData(), 12,
                inalta.Fisier.Octeti.begin());
    const QString numeInalt = QString::fromUtf8("âîşţĂÎŞŢ.jpg");

    dosar.ScriePoza(QString(251, 'f') + ".jpg", PozaModel(30, 20));
    dosar.ScriePoza(numeInalt, PozaModel(40, 10));
    dosar.ScrieColectie({lunga, inalta});
    definitii.IncarcaColectie();
    SelecteazaTot();

    EXPECT_EQ(v.TextStare, QString(251, 'f') + ".jpg - Capitolul: " + QString(100, 'c') +
                               "-Disciplina: " + QString(50, 'd') +
                               "-Clasa: -32768-Nivel Nota: 32767 - Selectia contine: 2 "
                               "inregistrari.");
    EXPECT_EQ(v.Text1, QString(100, 'o'));
    EXPECT_EQ(v.Picture2.Naturala().size(), QSize(30, 20));

    v.Toolbar1_ButtonClick("Inainte");
    EXPECT_EQ(v.Picture2.Naturala().size(), QSize(40, 10));
    EXPECT_TRUE(v.TextStare.startsWith(numeInalt + " - Capitolul: "));
    EXPECT_TRUE(platforma.Mesaje.isEmpty());
}

TEST_F(IntrariVizualizator, SelectiaPlinaAjungeLaUltimaPozitie)
{
    dosar.ScriePoza("p.jpg", PozaModel(8, 6));
    dosar.ScrieColectie(std::vector<Problema>(mDefinitii::UltimulSlot - 1, Cu("p.jpg")));
    definitii.IncarcaColectie();
    SelecteazaTot();
    v.Toolbar1_ButtonClick("Ultima");
    EXPECT_EQ(definitii.PozitieCurenta, 2000);
    v.Toolbar1_ButtonClick("Inainte");
    EXPECT_EQ(definitii.PozitieCurenta, 2000);
    EXPECT_TRUE(v.TextStare.endsWith("- Selectia contine: 1999 inregistrari."));
    EXPECT_EQ(v.Picture2.Naturala().size(), QSize(8, 6));
}

} // namespace
