#include "store/CitirePoza.h"
#include "tests/editor/EditorTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using IntrariEditor = EditorTest;

TEST_F(IntrariEditor, FiecarePozaGresitaIsiSpuneMotivulSiLasaFereastraCumEra)
{
    definitii.IncarcaColectie();
    const QImage buna = PozaModel(40, 30);
    Deschide(Poza("buna.jpg", buna));
    const QImage inainte = panza.Imagine;
    panza.Operatii.clear();

    const QByteArray jpeg = OctetiPoza(PozaModel(64, 48), "JPEG");
    const struct
    {
        const char *nume;
        QByteArray octeti;
        QString mesaj; // %1 is the chosen path
        QSize preaMare = {};
    } cazuri[] = {
        {"gol.jpg", {}, "Fisierul selectat este gol: %1"},
        {"text.jpeg", "nu este o poza",
         "Nu am reusit sa citesc imaginea din fisierul selectat: %1"},
        {"taiat.jpg", jpeg.left(jpeg.size() * 2 / 3),
         "Fisierul selectat este incomplet, imaginea din el este taiata: %1. "
         "Copiati sau scanati din nou problema."},
        {"urias.jpg", JpegCuMarimea(60000, 60000), {}, {60000, 60000}},
        {"bomba.jpg", PngCuMarimea(9000, 9000), {}, {9000, 9000}},
    };
    for (const auto &c : cazuri) {
        SCOPED_TRACE(c.nume);
        s.Mesaje.clear();
        const QString cale = Scanare(c.nume, c.octeti);
        Deschide(cale);
        EXPECT_EQ(s.Mesaje, QStringList{c.preaMare.isValid() ? MesajPozaPreaMare(cale, c.preaMare)
                                                             : c.mesaj.arg(cale)});
        EXPECT_EQ(editare.NumeFisier(), "");
        EXPECT_TRUE(panza.Operatii.isEmpty());
        EXPECT_EQ(panza.Imagine, inainte);
        EXPECT_EQ(editare.Picture1(), buna);
    }
    // Nothing loaded, so nothing to save.
    editare.SalveazaProblema();
    EXPECT_EQ(definitii.NrProbleme, 1);
    EXPECT_TRUE(s.Prompturi.isEmpty());
}

TEST_F(IntrariEditor, OPozaGoalaDinProblemeEsteInlocuitaLaSalvare)
{
    definitii.IncarcaColectie();
    dosar.ScrieOcteti("Probleme/p.jpg", {});
    const QImage poza = PozaModel(40, 30);
    Deschide(Scanare("p.jpg", OctetiPoza(poza, "JPEG")));
    Raspunde({"9", "Functii", "Algebra", "7", ""});
    editare.SalveazaProblema();
    EXPECT_TRUE(s.Mesaje.isEmpty());
    ASSERT_EQ(definitii.NrProbleme, 2);
    const PozaCitita stocata = CitestePoza(dosar.Cale() + "/Probleme/p.jpg");
    ASSERT_EQ(stocata.Rezultat, PozaCitita::Stare::Citita);
    EXPECT_EQ(stocata.Poza.size(), QSize(40, 30));
    EXPECT_EQ(dosar.CitesteOcteti("Probleme/p.jpg"), OctetiPoza(poza, "JPEG"));
}

TEST_F(IntrariEditor, ColectiaCareEsteUnDosarNuPrimesteProbleme)
{
    QDir(dosar.Cale()).mkpath("Tezaurel.stn");
    definitii.IncarcaColectie();
    const QString eroare = definitii.RaportIncarcare();
    ASSERT_FALSE(eroare.isEmpty());

    Deschide(Poza("p.jpg"));
    editare.SalveazaProblema();
    editare.StergeProblema();
    EXPECT_EQ(s.Mesaje, QStringList({eroare,
                                     "Problema nu exista in tezaurel si nu poate fi stearsa"}));
    EXPECT_TRUE(s.Prompturi.isEmpty());
    EXPECT_TRUE(QDir(dosar.Cale() + "/Probleme").isEmpty());
    EXPECT_TRUE(QFileInfo(dosar.Colectie()).isDir());
}

TEST_F(IntrariEditor, TabelulPlinDinFisierNuScrieNiciPoza)
{
    std::vector<Problema> probleme(mDefinitii::UltimulSlot - 1,
                                   FaProblema(9, 7, "Algebra", "Functii", "a.jpg"));
    dosar.ScrieColectie(probleme);
    const QByteArray colectie = dosar.CitesteOcteti("Tezaurel.stn");
    definitii.IncarcaColectie();
    Deschide(Poza("nou.jpg"));
    editare.SalveazaProblema();
    ASSERT_EQ(s.Mesaje.size(), 1);
    EXPECT_TRUE(s.Mesaje[0].startsWith("Tezaurelul este plin"));
    EXPECT_TRUE(s.Prompturi.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dosar.Cale() + "/Probleme/nou.jpg"));
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn"), colectie);
}

// Permissions bind only a user other than root; CI runs as root.
TEST_F(IntrariEditor, DosarulProblemeDoarCitire)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write in any folder";
    definitii.IncarcaColectie();
    const QString probleme = dosar.Cale() + "/Probleme";
    QFile::setPermissions(probleme, QFile::ReadOwner | QFile::ExeOwner);
    Deschide(Poza("p.jpg"));
    editare.SalveazaProblema();
    QFile::setPermissions(probleme, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(s.Mesaje, QStringList{"Nu am reusit sa scriu imaginea problemei: " + probleme +
                                    "/p.jpg. Problema nu a fost salvata."});
    EXPECT_EQ(definitii.NrProbleme, 1);
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn").size(), 0);
}

// The code page's upper half, each byte as the character it stands for.
QString JumatateaSuperioara(int de, int cate)
{
    QByteArray octeti;
    for (int i = 0; i < cate; ++i)
        octeti.append(char(de + i));
    return DecodificaAnsi(octeti.constData(), int(octeti.size()));
}

TEST_F(IntrariEditor, RaspunsurileCeleMaiLungiSiLitereleDinWindows1250)
{
    definitii.IncarcaColectie();
    // The longest name a Linux folder holds: 255 bytes.
    const QString lung = QString(251, 'n') + ".jpg";
    Deschide(Poza(lung));
    ASSERT_EQ(editare.NumeFisier(), lung);
    Raspunde({"  12  ", QString(100000, 'c'), QString(5000, 'd'), "-32768",
              JumatateaSuperioara(0x80, 128)});
    editare.SalveazaProblema();

    // Names of Romanian and other Central European letters are kept whole.
    const QString litere = QString::fromUtf8("ĂÂÎŞŢăâîşţ-ČčĽľŘřŮůŐőŰű-€„”.jpg");
    Deschide(Poza(litere, PozaModel(20, 10)));
    ASSERT_EQ(editare.NumeFisier(), litere);
    Raspunde({"9", JumatateaSuperioara(0x80, 100), JumatateaSuperioara(0xB0, 50), "8",
              JumatateaSuperioara(0x9C, 100)});
    editare.SalveazaProblema();
    EXPECT_TRUE(s.Mesaje.isEmpty());

    mDefinitii reincarcat(dosar.Cale(), s);
    reincarcat.IncarcaColectie();
    ASSERT_EQ(reincarcat.NrProbleme, 3);
    const Problema &a = reincarcat.TabelProbleme[2];
    EXPECT_EQ(a.Clasa, 12);
    EXPECT_EQ(a.Nivel, -32768);
    EXPECT_EQ(a.Capitol.FaraBlancuri(), QString(100, 'c'));
    EXPECT_EQ(a.Observatii.FaraBlancuri(), JumatateaSuperioara(0x80, 100));
    EXPECT_TRUE(reincarcat.ExistaProblema(lung));

    const Problema &b = reincarcat.TabelProbleme[3];
    EXPECT_EQ(b.Capitol.FaraBlancuri(), JumatateaSuperioara(0x80, 100));
    EXPECT_TRUE(reincarcat.ExistaProblema(litere));
    // The stored pictures are found again by the names read back.
    EXPECT_EQ(CitestePoza(reincarcat.CaleProbleme() + a.Fisier.FaraBlancuri()).Rezultat,
              PozaCitita::Stare::Citita);
    EXPECT_EQ(CitestePoza(reincarcat.CaleProbleme() + b.Fisier.FaraBlancuri()).Rezultat,
              PozaCitita::Stare::Citita);
}

} // namespace
