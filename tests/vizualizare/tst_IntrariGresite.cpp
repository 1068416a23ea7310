#include "model/CitirePoza.h"
#include "tests/vizualizare/ColectieVizualizare.h"

#include <QDir>

using namespace tezaurel;

// A picture that cannot be read leaves a blank panel and the status line as
// usual; only the one too large to load brings a message. Then the longest
// texts, a name in the code page's upper half, a full selection, a copy from
// Windows with other letter cases, no Probleme/.
TEST_F(Vizualizare, PozeleCareNuSeCitescSiTexteleLungi)
{
    const QByteArray jpeg = OctetiPoza(PozaModel(64, 48), "JPEG"), bmp = OctetiPoza(Poza12, "BMP");
    const std::pair<const char *, QByteArray> rele[] = {{"gol.jpg", {}},
                                                        {"taiat.jpg", jpeg.left(jpeg.size() / 2)},
                                                        {"taiat.bmp", bmp.chopped(100)},
                                                        {"uriasa.jpg", JpegCuMarimea(65000, 65000)},
                                                        {"dosar.jpg", {}}};
    std::vector<Problema> probleme = {FaProblema(1, 1, "A", "C", "p12.jpg")};
    for (const auto &[nume, octeti] : rele) {
        dosar.ScrieOcteti(QString("Probleme/") + nume, octeti);
        probleme.push_back(FaProblema(9, 8, "Algebra", "Functii", nume, false, "obs"));
    }
    QFile::remove(d.CaleProbleme() + "dosar.jpg");
    QDir(dosar.Cale()).mkpath("Probleme/dosar.jpg");
    probleme.push_back(FaProblema(-32768, 32767, QString(50, 'd'), QString(100, 'c'),
                                  QString(251, 'f') + ".jpg", false, QString(100, 'o')));
    dosar.ScriePoza(QString(251, 'f') + ".jpg", PozaModel(30, 20));
    probleme.push_back(FaProblema(9, 8, "", "", ""));
    std::copy_n("\xE2\xEE\xBA\xFE\xC3\xCE\xAA\xDE.jpg", 12, probleme.back().Fisier.Octeti.begin());
    dosar.ScriePoza("âîşţĂÎŞŢ.jpg", PozaModel(40, 10));
    probleme.resize(1999, FaProblema(9, 8, "Algebra", "Functii", "p12.jpg"));
    dosar.ScrieColectie(probleme);
    d.IncarcaColectie();
    QString toate;
    for (int slot = 2; slot <= 2000; ++slot)
        toate += QString::number(slot) + ' ';
    Selecteaza(toate);
    int pozitie = 2;
    for (const auto &[fisier, octeti] : rele) {
        EXPECT_EQ(Pas("Inainte"),
                  QString("%1 %2 0 Cls,Copiaza 0x0 la 0,0,Refresh").arg(++pozitie).arg(fisier));
        EXPECT_TRUE(panou.Imagine.pixel(299, 199) == FundalPanou && v.Observatii == "obs" &&
                    v.TextStare.contains("Capitolul: Functii"));
    }
    EXPECT_EQ(platforma.Mesaje,
              QStringList{MesajPozaPreaMare(d.CaleProbleme() + "uriasa.jpg", {65000, 65000})});
    EXPECT_EQ(Pas("Inainte").section(' ', 2), "30 Cls,Copiaza 30x20 la 0,0,Refresh");
    EXPECT_EQ(v.TextStare,
              QString(251, 'f') + ".jpg - Capitolul: " + QString(100, 'c') +
                  "-Disciplina: " + QString(50, 'd') +
                  "-Clasa: -32768-Nivel Nota: 32767 - Selectia contine: 1999 inregistrari.");
    EXPECT_EQ(v.Observatii, QString(100, 'o'));
    EXPECT_EQ(Pas("Inainte"), "9 âîşţĂÎŞŢ.jpg 40 Cls,Copiaza 40x10 la 0,0,Refresh");
    QDir(dosar.Cale()).rename("Probleme/p12.jpg", "Probleme/P12.JPG"); // as a copy from Windows
    QDir(dosar.Cale()).rename("Probleme", "PROBLEME");
    Pas("Ultima");
    EXPECT_EQ(Pas("Inainte"), "2000 p12.jpg 60");
    QDir(dosar.Cale() + "/PROBLEME").removeRecursively(); // no Probleme/ at all: blank panels
    EXPECT_EQ(Pas("Prima"), "2 p12.jpg 0 Cls,Copiaza 0x0 la 0,0,Refresh");
    EXPECT_EQ(platforma.Mesaje.size(), 1);
}
