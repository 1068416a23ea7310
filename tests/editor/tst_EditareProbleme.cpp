#include "platform/Panza.h"
#include "tests/editor/EditorTest.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

const QString PromptClasa = "Introduceti (ca numar) clasa de studiu atasata problemei";
const QString PromptCapitol = "Introduceti titlul capitolului atasat problemei";
const QString PromptDisciplina = "Introduceti specialitatea atasata problemei";
const QString PromptNivel = "Introduceti nivelul de notare atasat problemei";
const QString PromptObservatii = "Introduceti obsevatii auxiliare atasate problemei";
using Editare = EditorTest;

TEST(EditareProbleme, ExtensiileSeVerificaPeToataCalea)
{
    struct Caz
    {
        const char *cale;
        bool acceptat;
    };
    for (const Caz &c : {Caz{"/home/prof/Photo.JPG", true}, Caz{"/home/prof/scan.Jpeg", true},
                         Caz{"/home/prof/scan.jpe", false}, Caz{"/home/prof/scan", false},
                         Caz{"/home/a.jpg/scan", false}, Caz{"jpeg", true}})
        EXPECT_EQ(EditareProbleme::EsteJpeg(c.cale), c.acceptat) << c.cale;
}

TEST(EditareProbleme, ConversiaNumerica)
{
    struct Caz
    {
        const char *text;
        std::optional<int16_t> valoare;
    };
    for (const Caz &c :
         {Caz{"7", 7}, Caz{"  12 ", 12}, Caz{"\t9", 9}, Caz{"7.5", 8}, Caz{"6.5", 6},
          Caz{"-2.5", -2}, Caz{"1e2", 100}, Caz{"32767", 32767}, Caz{"-32768", -32768},
          Caz{"-32768.5", -32768}, Caz{"32768", {}}, Caz{"32767.5", {}}, Caz{"abc", {}},
          Caz{"", {}}, Caz{"   ", {}}, Caz{"7a", {}}, Caz{"nan", {}}, Caz{"inf", {}}})
        EXPECT_EQ(EditareProbleme::ConvertesteIntreg(c.text), c.valoare) << c.text;

    // The system's number format decides the decimal mark.
    QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
    EXPECT_EQ(EditareProbleme::ConvertesteIntreg(" 7,5 "), int16_t(8));
    EXPECT_EQ(EditareProbleme::ConvertesteIntreg("9"), int16_t(9));
    QLocale::setDefault(QLocale::c());
}

TEST_F(Editare, DeschidereaRefuzataLasaFereastraCumEra)
{
    definitii.IncarcaColectie();
    Deschide(Poza("bun.jpg"));
    const QImage inainte = panza.Imagine;
    panza.Operatii.clear();

    Deschide("");
    Deschide(Poza("scan.jpe"));
    Deschide(Poza("scan"));

    EXPECT_EQ(s.Mesaje, QStringList({"Nu ati selectat nici un fisier",
                                     "Fisierul selectat nu este in format .jpg or .jpeg",
                                     "Fisierul selectat nu este in format .jpg or .jpeg"}));
    EXPECT_EQ(editare.NumeFisier(), "");
    EXPECT_TRUE(panza.Operatii.isEmpty());
    EXPECT_EQ(panza.Imagine, inainte);
    EXPECT_EQ(editare.Picture1().pixel(5, 5), PozaModel(40, 30).pixel(5, 5));
    EXPECT_EQ(s.DosareInitiale.first(), dosar.Cale() + "/Probleme");
}

TEST_F(Editare, DeschidereaAratPozaInColtSiTineNumeleSimplu)
{
    definitii.IncarcaColectie();
    const QImage poza = PozaModel(300, 50);
    Deschide(Poza("a.b/x.y.jpeg", poza));
    EXPECT_EQ(editare.NumeFisier(), "x.y.jpeg");
    EXPECT_EQ(panza.Imagine.pixel(119, 49), poza.pixel(119, 49));
    EXPECT_EQ(panza.Imagine.pixel(0, 50), CuloareFundal.rgb());

    // A new picture starts at the corner again.
    editare.Apasa(0, 0);
    editare.Elibereaza(30, 30);
    Deschide(Poza("alta.jpg"));
    EXPECT_EQ(editare.StareTragere().DeplasareX, 0);
}

TEST_F(Editare, NumeleTrebuieSaIncapaInInregistrare)
{
    definitii.IncarcaColectie();
    Deschide(Poza(QString::fromUtf8("функция.jpg")));
    Deschide(Poza(QString(260, 'a') + ".jpg"));
    ASSERT_EQ(s.Mesaje.size(), 2);
    EXPECT_TRUE(s.Mesaje[0].startsWith("Numele fisierului nu poate fi pastrat in colectie: "));
    EXPECT_EQ(editare.NumeFisier(), "");

    // Comma-below letters are kept as the cedilla letters the record holds,
    // so the stored picture is found again by the name read back.
    Deschide(Poza(QString::fromUtf8("ecuații.jpg")));
    EXPECT_EQ(editare.NumeFisier(), QString::fromUtf8("ecuaţii.jpg"));
    EXPECT_EQ(s.Mesaje.size(), 2);
}

TEST_F(Editare, SalvareaScrieImagineaSiInregistrareaOctetCuOctet)
{
    definitii.IncarcaColectie(); // no collection yet: created empty
    const QImage poza = PozaModel(40, 30);
    Deschide(Poza("a.b/x.y.jpeg", poza));
    const QString capitol = QString(100, 'C') + QString(20, 'X');
    Raspunde({"abc", "", std::nullopt, " 7 ", capitol, "Algebra", "9.5", std::nullopt});
    editare.SalveazaProblema();

    EXPECT_EQ(s.Prompturi,
              QStringList({PromptClasa, PromptClasa, PromptClasa, PromptClasa, PromptCapitol,
                           PromptDisciplina, PromptNivel, PromptObservatii}));
    EXPECT_TRUE(s.Mesaje.isEmpty());

    QByteArray asteptat(1024, '\0');
    asteptat[0] = 2;
    char *r = asteptat.data() + 512;
    r[0] = 7;  // Clasa
    r[2] = 10; // Nivel: 9.5 to even
    std::memcpy(r + 4, QByteArray("Algebra").leftJustified(50).data(), 50);
    std::memcpy(r + 54, QByteArray(100, 'C').data(), 100);
    std::memset(r + 154, ' ', 100); // cancelled observations
    std::memcpy(r + 254, QByteArray("x.y.jpeg").leftJustified(256).data(), 256);
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn"), asteptat);

    const QByteArray imagine = dosar.CitesteOcteti("Probleme/x.y.jpeg");
    EXPECT_TRUE(imagine.startsWith("BM"));
    QImage citita;
    ASSERT_TRUE(citita.loadFromData(imagine));
    EXPECT_EQ(citita.convertToFormat(QImage::Format_RGB32), poza);

    // Back to empty: window cleared, holder blank.
    EXPECT_EQ(editare.NumeFisier(), "");
    EXPECT_EQ(panza.Operatii.mid(3), QStringList({"Cls", "Refresh"}));
    EXPECT_EQ(editare.Picture1().pixel(5, 5), CuloareFundal.rgb());
    EXPECT_EQ(editare.Picture1().pixel(5, 5), CuloareFundal.rgb());
    editare.SalveazaProblema();
    EXPECT_EQ(s.Prompturi.size(), 8);
    EXPECT_EQ(definitii.NrProbleme, 2);
}

// A JPEG that says, in the EXIF data a phone writes, that it is turned a quarter.
QByteArray CuOrientare(QByteArray jpeg)
{
    const QByteArray tiff("MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0", 26);
    const QByteArray app1 = QByteArray("\xFF\xE1\0\x22", 4) + QByteArray("Exif\0\0", 6);
    return jpeg.insert(2, app1 + tiff);
}

TEST_F(Editare, StocareaPastreazaOctetiiAlesiIarPixeliiSuntCeiAratati)
{
    definitii.IncarcaColectie();
    const QImage poza = PozaModel(40, 30);
    const struct
    {
        const char *nume;
        QByteArray octeti;
        bool pastrati;
        QSize aratata;
    } cazuri[] = {{"telefon.jpg", CuOrientare(OctetiPoza(poza, "JPEG")), true, QSize(30, 40)},
                  {"png.jpg", OctetiPoza(poza, "PNG"), true, QSize(40, 30)},
                  {"ppm.jpg", OctetiPoza(poza, "PPM"), false, QSize(40, 30)},
                  {"schimbat.jpg", OctetiPoza(poza, "JPEG"), false, QSize(40, 30)}};
    for (const auto &c : cazuri) {
        SCOPED_TRACE(c.nume);
        const QString aleasa = Scanare(c.nume, c.octeti);
        Deschide(aleasa);
        const QImage aratata = editare.Picture1();
        EXPECT_EQ(aratata.size(), c.aratata);
        if (QByteArray(c.nume) == "schimbat.jpg") // replaced after it was shown
            Scanare(c.nume, OctetiPoza(PozaModel(8, 8), "JPEG"));
        Raspunde({"9", "Functii", "Algebra", "7", ""});
        editare.SalveazaProblema();
        const QByteArray stocati = dosar.CitesteOcteti(QString("Probleme/") + c.nume);
        EXPECT_EQ(stocati == c.octeti, c.pastrati);
        EXPECT_EQ(c.pastrati || stocati.startsWith("BM"), true);
        const PozaCitita citita = CitestePoza(dosar.Cale() + "/Probleme/" + c.nume);
        EXPECT_EQ(citita.Poza.convertToFormat(QImage::Format_RGB32), aratata);
    }
    EXPECT_TRUE(s.Mesaje.isEmpty());
}

TEST_F(Editare, AcelasiNumeActivEsteRefuzatChiarDinAltDosar)
{
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "p.jpg")});
    definitii.IncarcaColectie();
    const QByteArray colectie = dosar.CitesteOcteti("Tezaurel.stn");

    Deschide(Poza("alt/p.jpg"));
    editare.SalveazaProblema();
    EXPECT_EQ(s.Mesaje,
              QStringList({"Problema existenta! Va trebui stearsa inainte de a o redefini"}));
    EXPECT_TRUE(s.Prompturi.isEmpty());
    EXPECT_EQ(definitii.NrProbleme, 2);
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn"), colectie);
    EXPECT_FALSE(QFile::exists(dosar.Cale() + "/Probleme/p.jpg"));
    EXPECT_EQ(editare.NumeFisier(), "p.jpg");

    // The comparison is exact: another case is another name.
    Deschide(Poza("P.jpg"));
    editare.StergeProblema();
    EXPECT_EQ(s.Mesaje.last(), "Problema nu exista in tezaurel si nu poate fi stearsa");
}

TEST_F(Editare, MarcareaSiSalvareaDinNouRefolosescPozaStocata)
{
    const QImage stocata = PozaModel(20, 20);
    dosar.ScriePoza("p.jpg", stocata);
    dosar.ScrieColectie({FaProblema(5, 5, "Geometrie", "Arii", "q.jpg"),
                         FaProblema(9, 7, "Algebra", "Functii", "p.jpg")});
    definitii.IncarcaColectie();
    const QByteArray pozaInainte = dosar.CitesteOcteti("Probleme/p.jpg");

    Deschide(Poza("nou/p.jpg", PozaModel(50, 10)));
    editare.StergeProblema();
    EXPECT_EQ(s.Mesaje, QStringList({"Problema stearsa cu succes"}));
    EXPECT_EQ(editare.NumeFisier(), "");
    EXPECT_EQ(definitii.TabelProbleme[3].Sters, Adevarat);
    const QByteArray colectie = dosar.CitesteOcteti("Tezaurel.stn");
    EXPECT_EQ(colectie.mid(2 * 512 + 510, 2), QByteArray("\xFF\xFF", 2));
    EXPECT_EQ(colectie.mid(512 + 510, 2), QByteArray(2, '\0'));
    editare.StergeProblema(); // emptied: nothing happens
    EXPECT_EQ(s.Mesaje.size(), 1);

    Deschide(dosar.Cale() + "/scanari/nou/p.jpg");
    Raspunde({"10", "Functii noi", "Algebra", "8", "revizuita"});
    editare.SalveazaProblema();
    EXPECT_EQ(definitii.NrProbleme, 4);
    EXPECT_EQ(definitii.TabelProbleme[4].Capitol.FaraBlancuri(), "Functii noi");
    EXPECT_EQ(dosar.CitesteOcteti("Probleme/p.jpg"), pozaInainte);
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn").size(), 4 * 512);
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn").at(0), 4);
}

TEST_F(Editare, DosarLipsaSauNumeOcupatNuSchimbaNimic)
{
    definitii.IncarcaColectie();
    Deschide(Poza("x.jpg"));
    QDir(dosar.Cale() + "/Probleme").removeRecursively();
    editare.SalveazaProblema();
    EXPECT_EQ(s.Mesaje.last(), "Dosarul Probleme nu exista: " + dosar.Cale() +
                                   "/Probleme. Problema nu a fost salvata.");
    // A picture name taken by a folder cannot be written either.
    QDir().mkpath(dosar.Cale() + "/Probleme/x.jpg");
    editare.SalveazaProblema();
    EXPECT_EQ(s.Mesaje.last(), "Nu am reusit sa scriu imaginea problemei: " + dosar.Cale() +
                                   "/Probleme/x.jpg. Problema nu a fost salvata.");
    EXPECT_TRUE(s.Prompturi.isEmpty());
    EXPECT_EQ(definitii.NrProbleme, 1);
    EXPECT_EQ(definitii.TabelProbleme[2], Problema());
    EXPECT_EQ(QDir(dosar.Cale() + "/Probleme").entryList(QDir::Files), QStringList());
    // Still loaded, so the teacher can try again once the folder is right.
    EXPECT_EQ(editare.NumeFisier(), "x.jpg");
}

TEST_F(Editare, ColectiaNescrisaAnuleazaAdaugareaSiPoza)
{
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "p.jpg")});
    definitii.IncarcaColectie();
    const QByteArray colectie = dosar.CitesteOcteti("Tezaurel.stn");
    acces->DoarCitire = true;
    Deschide(Poza("x.jpg"));
    Raspunde({"9", "Functii", "Algebra", "7", ""});
    editare.SalveazaProblema();
    EXPECT_EQ(s.Mesaje, QStringList({EroareScriere(definitii.CaleColectie)}));
    EXPECT_EQ(definitii.NrProbleme, 2);
    EXPECT_EQ(definitii.TabelProbleme[3], Problema());
    // The picture written for the lost record goes with it.
    EXPECT_EQ(s.Sterse, QStringList({dosar.Cale() + "/Probleme/x.jpg"}));
    EXPECT_FALSE(QFile::exists(dosar.Cale() + "/Probleme/x.jpg"));
    EXPECT_EQ(editare.NumeFisier(), "x.jpg");
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn"), colectie);
}

TEST_F(Editare, TragereaDeseneazaDinSuportSiRevenireaPastreazaDeplasarea)
{
    definitii.IncarcaColectie();
    const QImage poza = PozaModel(40, 30);
    Deschide(Poza("x.jpg", poza));
    panza.Operatii.clear();

    editare.Apasa(10, 10);
    EXPECT_TRUE(panza.Operatii.isEmpty());
    editare.Misca(60.5, 29.5); // halves to even: (50, 20)
    EXPECT_EQ(panza.Operatii, QStringList({"Cls", "Copiaza 40x30 la 50,20", "Refresh"}));
    EXPECT_EQ(panza.Imagine.pixel(50, 20), poza.pixel(0, 0));
    EXPECT_EQ(panza.Imagine.pixel(0, 0), CuloareFundal.rgb());
    panza.Operatii.clear();
    // The release draws over what is there, without clearing first.
    editare.Elibereaza(60, -10);
    EXPECT_EQ(panza.Operatii, QStringList({"Copiaza 40x30 la 50,-20", "Refresh"}));
    EXPECT_EQ(panza.Imagine.pixel(50, 0), poza.pixel(0, 20));
    EXPECT_EQ(panza.Imagine.pixel(50, 20), poza.pixel(0, 0)); // left from the move

    editare.Revenire();
    EXPECT_EQ(editare.NumeFisier(), "");
    EXPECT_EQ(editare.StareTragere().DeplasareX, 50);
    EXPECT_EQ(editare.StareTragere().DeplasareY, -20);
    EXPECT_EQ(editare.LatimeImagine(), 40);
    // The emptied holder drags as a blank surface.
    editare.Apasa(0, 0);
    editare.Misca(0, 0);
    EXPECT_EQ(panza.Operatii.last(2), QStringList({"Copiaza 40x30 la 50,-20", "Refresh"}));
    EXPECT_EQ(panza.Imagine.pixel(55, 5), CuloareFundal.rgb());
}

TEST(CopiazaDreptunghi, DecupeazaLaTintaSiLaSursaInOriceDirectie)
{
    const QImage sursa = PozaModel(30, 20);
    QImage tinta(25, 15, QImage::Format_RGB32);
    for (const QPoint la : {QPoint(-10, -5), QPoint(20, 10), QPoint(-29, 14), QPoint(0, 0)}) {
        tinta.fill(Qt::black);
        CopiazaDreptunghi(tinta, sursa, QSize(30, 20), la);
        for (int y = 0; y < tinta.height(); ++y)
            for (int x = 0; x < tinta.width(); ++x) {
                const QPoint s(x - la.x(), y - la.y());
                const QRgb asteptat = sursa.rect().contains(s) ? sursa.pixel(s) : qRgb(0, 0, 0);
                ASSERT_EQ(tinta.pixel(x, y), asteptat) << la.x() << "," << la.y();
            }
    }
    // Far away in any direction, and a rectangle larger than the source.
    tinta.fill(Qt::black);
    CopiazaDreptunghi(tinta, sursa, QSize(30, 20), QPoint(2147483000, -2147483000));
    CopiazaDreptunghi(tinta, sursa, QSize(1000, 1000), QPoint(5, 5));
    EXPECT_EQ(tinta.pixel(24, 14), sursa.pixel(19, 9));
    // Other formats go through a painter with the same result.
    QImage alta(25, 15, QImage::Format_RGB888);
    alta.fill(Qt::black);
    CopiazaDreptunghi(alta, sursa, QSize(10, 10), QPoint(3, 4));
    EXPECT_EQ(alta.pixel(3, 4), sursa.pixel(0, 0));
    EXPECT_EQ(alta.pixel(13, 4), qRgb(0, 0, 0));
}

} // namespace
