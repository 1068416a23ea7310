#include "editor/fEditareTezaurel.h"
#include "app/Aplicatie.h"
#include "app/fMain.h"
#include "platform/PanzaQt.h"
#include "tests/common/Comenzi.h"
#include "tests/editor/EditorTest.h"

#include <QLocale>

namespace {

using Editare = EditorTest;
const QString Nescris = "Problema nu a fost salvata.";

TEST(EditareProbleme, ExtensiaSiNumerele)
{
    for (const auto &[cale, acceptat] :
         {std::pair{"/home/prof/Photo.JPG", true}, {"/home/prof/scan.Jpeg", true},
          {"/home/prof/scan.jpe", false}, {"/home/prof/scan", false}, {"/home/a.jpg/scan", false},
          {"jpeg", true}})
        EXPECT_EQ(EditareProbleme::EsteJpeg(cale), acceptat) << cale;
    const std::pair<const char *, std::optional<int16_t>> numere[] = {
        {"7", 7},   {"  12 ", 12}, {"\t9", 9},   {"7.5", 8},     {"6.5", 6},          {"-2.5", -2},
        {"1e2", 100}, {"32767", 32767}, {"-32768.5", -32768}, {"32768", {}}, {"32767.5", {}},
        {"abc", {}}, {"", {}},    {"   ", {}},  {"7a", {}},     {"nan", {}},         {"inf", {}}};
    for (const auto &[text, valoare] : numere)
        EXPECT_EQ(EditareProbleme::ConvertesteIntreg(text), valoare) << text;
    QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
    EXPECT_EQ(EditareProbleme::ConvertesteIntreg(" 7,5 "), int16_t(8));
    QLocale::setDefault(QLocale::c());
}

// A refused file leaves the window, the holder and the name as they were.
TEST_F(Editare, DeschidereaRefuzataIsiSpuneMotivul)
{
    d.IncarcaColectie();
    const QImage buna = PozaModel(40, 30);
    Deschide(Poza("buna.jpg", buna));
    EXPECT_EQ(s.DosareInitiale, QStringList{dosar.Cale() + "/Probleme"});
    const QImage inainte = panza.Imagine;
    panza.Operatii.clear();
    const QByteArray jpeg = OctetiPoza(PozaModel(64, 48), "JPEG");
    const QString citit = "Nu am reusit sa citesc imaginea din fisierul selectat: @";
    const QString numele = "Numele fisierului nu poate fi pastrat in colectie: #. Redenumiti "
                           "fisierul folosind litere romanesti sau latine si cel mult 256 de "
                           "caractere.";
    const std::tuple<QString, QByteArray, QString> cazuri[] = {
        {"", {}, "Nu ati selectat nici un fisier"},
        {"scan.jpe", jpeg, "Fisierul selectat nu este in format .jpg or .jpeg"},
        {"gol.jpg", {}, "Fisierul selectat este gol: @"},
        {"text.jpeg", "nu este o poza", citit},
        {"taiat.jpg", jpeg.left(jpeg.size() * 2 / 3),
         "Fisierul selectat este incomplet, imaginea din el este taiata: @. Copiati sau scanati "
         "din nou problema."},
        {"urias.jpg", JpegCuMarimea(60000, 60000), MesajPozaPreaMare("@", {60000, 60000})},
        {"bomba.jpg", PngCuMarimea(9000, 9000), MesajPozaPreaMare("@", {9000, 9000})},
        {"функция.jpg", jpeg, numele},
        {QString(253, 'a') + ".jpg", jpeg, numele}};
    for (const auto &[nume, octeti, mesaj] : cazuri) {
        SCOPED_TRACE(nume.left(20).toStdString());
        s.Mesaje.clear();
        const QString cale = nume.isEmpty() ? "" : Scanare(nume, octeti);
        Deschide(cale);
        EXPECT_EQ(s.Mesaje, QStringList{QString(mesaj).replace("@", cale).replace("#", nume)});
        EXPECT_EQ(editare.NumeFisier(), "");
        EXPECT_TRUE(panza.Operatii.isEmpty());
        EXPECT_EQ(panza.Imagine, inainte);
        EXPECT_EQ(editare.Picture1(), buna);
    }
    editare.SalveazaProblema(); // nothing loaded, nothing to save
    EXPECT_TRUE(s.Prompturi.isEmpty());
}

// The name the record gives back: comma-below letters as cedilla, the longest
// a Linux folder holds, Central European letters whole.
TEST_F(Editare, DeschidereaArataPozaInColtSiTineNumeleDinInregistrare)
{
    d.IncarcaColectie();
    const QImage poza = PozaModel(300, 50);
    Deschide(Poza("a.b/x.y.jpeg", poza));
    EXPECT_EQ(editare.NumeFisier(), "x.y.jpeg");
    EXPECT_EQ(panza.Operatii, QStringList({"Cls", "Copiaza 300x50 la 0,0", "Refresh"}));
    EXPECT_EQ(panza.Imagine.pixel(119, 49), poza.pixel(119, 49));
    EXPECT_EQ(panza.Imagine.pixel(0, 50), CuloareFundal.rgb());
    editare.Apasa(0, 0);
    editare.Elibereaza(30, 30);
    for (const auto &[nume, pastrat] :
         {std::pair<QString, QString>{"ecuații.jpg", "ecuaţii.jpg"},
          {QString(251, 'n') + ".jpg", QString(251, 'n') + ".jpg"},
          {"ĂÂÎŞŢăâîşţ-ČčĽľŘřŮůŐőŰű-€„”.jpg", "ĂÂÎŞŢăâîşţ-ČčĽľŘřŮůŐőŰű-€„”.jpg"}}) {
        Deschide(Poza(nume));
        EXPECT_EQ(editare.NumeFisier(), pastrat);
        EXPECT_EQ(editare.StareTragere().DeplasareX, 0); // a new picture starts at the corner
    }
    EXPECT_TRUE(s.Mesaje.isEmpty());
}

TEST_F(Editare, SalvareaScrieImagineaSiInregistrareaOctetCuOctet)
{
    d.IncarcaColectie(); // no collection yet: created empty
    const QImage poza = PozaModel(40, 30);
    Deschide(Poza("a.b/x.y.jpeg", poza));
    Raspunde({"abc", "", std::nullopt, " 7 ", QString(100, 'C') + "XX", "Algebra", "9.5",
              std::nullopt});
    editare.SalveazaProblema();
    const QString clasa = "Introduceti (ca numar) clasa de studiu atasata problemei";
    EXPECT_EQ(s.Prompturi, QStringList({clasa, clasa, clasa, clasa,
                                        "Introduceti titlul capitolului atasat problemei",
                                        "Introduceti specialitatea atasata problemei",
                                        "Introduceti nivelul de notare atasat problemei",
                                        "Introduceti obsevatii auxiliare atasate problemei"}));
    EXPECT_TRUE(s.Mesaje.isEmpty());
    // Nivel 9.5 to even; the cancelled observations blank.
    EXPECT_EQ(Fisier(), QByteArray("\x02", 1) + QByteArray(511, '\0') +
                            QByteArray("\x07\x00\x0A\x00", 4) + QByteArray("Algebra").leftJustified(50) +
                            QByteArray(100, 'C') + QByteArray(100, ' ') +
                            QByteArray("x.y.jpeg").leftJustified(256) + QByteArray(2, '\0'));
    const QByteArray imagine = dosar.CitesteOcteti("Probleme/x.y.jpeg");
    EXPECT_TRUE(imagine.startsWith("BM"));
    EXPECT_EQ(QImage::fromData(imagine).convertToFormat(QImage::Format_RGB32), poza);
    // Back to empty: window cleared, holder blank, nothing more to save.
    EXPECT_EQ(editare.NumeFisier(), "");
    EXPECT_EQ(panza.Operatii.mid(3), QStringList({"Cls", "Refresh"}));
    EXPECT_EQ(editare.Picture1().pixel(5, 5), CuloareFundal.rgb());
    editare.SalveazaProblema();
    EXPECT_EQ(s.Prompturi.size(), 8);
}

// A JPEG that says, in the EXIF data a phone writes, that it is turned a quarter.
QByteArray CuOrientare(QByteArray jpeg)
{
    const QByteArray tiff("MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0", 26);
    return jpeg.insert(2, QByteArray("\xFF\xE1\0\x22" "Exif\0\0", 10) + tiff);
}

TEST_F(Editare, StocareaPastreazaOctetiiAlesiIarPixeliiSuntCeiAratati)
{
    d.IncarcaColectie();
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

// The same name active is refused even from another folder; marking takes
// the exact name; saving again keeps the picture already stored.
TEST_F(Editare, MarcareaSiSalvareaDinNou)
{
    dosar.ScriePoza("p.jpg", PozaModel(20, 20));
    dosar.ScrieColectie({FaProblema(5, 5, "Geometrie", "Arii", "q.jpg"),
                         FaProblema(9, 7, "Algebra", "Functii", "p.jpg")});
    d.IncarcaColectie();
    const QByteArray colectie = Fisier(), pozaInainte = dosar.CitesteOcteti("Probleme/p.jpg");
    Deschide(Poza("nou/p.jpg", PozaModel(50, 10)));
    editare.SalveazaProblema();
    Deschide(Poza("P.jpg"));
    editare.StergeProblema();
    EXPECT_EQ(s.Mesaje, QStringList({"Problema existenta! Va trebui stearsa inainte de a o redefini",
                                     "Problema nu exista in tezaurel si nu poate fi stearsa"}));
    EXPECT_TRUE(s.Prompturi.isEmpty());
    EXPECT_EQ(Fisier(), colectie);

    Deschide(dosar.Cale() + "/scanari/nou/p.jpg");
    editare.StergeProblema();
    EXPECT_EQ(s.Mesaje.last(), "Problema stearsa cu succes");
    EXPECT_EQ(editare.NumeFisier(), "");
    EXPECT_EQ(Fisier(), colectie.left(3 * 512 - 2) + "\xFF\xFF");
    editare.StergeProblema(); // emptied: nothing happens
    EXPECT_EQ(s.Mesaje.size(), 3);

    Deschide(dosar.Cale() + "/scanari/nou/p.jpg");
    Raspunde({"10", "Functii noi", "Algebra", "8", "revizuita"});
    editare.SalveazaProblema();
    EXPECT_EQ(d.NrProbleme, 4);
    EXPECT_EQ(Fisier().left(2), QByteArray("\x04\x00", 2));
    EXPECT_EQ(Fisier().mid(3 * 512), Octeti(d.TabelProbleme[4]));
    EXPECT_EQ(d.TabelProbleme[4].Capitol.FaraBlancuri(), "Functii noi");
    EXPECT_EQ(dosar.CitesteOcteti("Probleme/p.jpg"), pozaInainte);
}

// Whatever stops a save leaves the collection and Probleme/ as they were and
// the picture loaded, so the teacher can try again; a picture written for a
// record that could not be stored goes with it.
TEST(Salvare, SalvareaOpritaNuSchimbaNimic)
{
    const std::tuple<const char *, std::function<void(Editor &)>, QString, int> cazuri[] = {
        {"fara Probleme", [](Editor &e) { QDir(e.d.CaleProbleme()).removeRecursively(); },
         "Dosarul Probleme nu exista: %1/Probleme. " + Nescris, 0},
        {"un dosar cu numele", [](Editor &e) { QDir().mkpath(e.d.CaleProbleme() + "x.jpg"); },
         "Nu am reusit sa scriu imaginea problemei: %1/Probleme/x.jpg. " + Nescris, 0},
        {"colectie nescrisa", [](Editor &e) { e.acces->ScrieriPermise = 0; },
         EroareScriere("%1/Tezaurel.stn"), 5},
        {"colectie plina", [](Editor &e) { e.d.NrProbleme = 2000; },
         "Tezaurelul este plin: nu mai este loc pentru inca o problema (cel mult 1999). Stergeti "
         "mai intai problemele de care nu mai aveti nevoie.", 0},
        {"colectia e dosar", [](Editor &e) {
             QFile::remove(e.dosar.Colectie());
             QDir().mkpath(e.dosar.Colectie());
             e.d.IncarcaColectie();
             e.s.Mesaje.clear();
         }, "Nu am reusit sa deschid fisierul colectiei: %1/Tezaurel.stn. Colectia este goala si nu "
            "poate fi modificata.", 0},
        {"Probleme doar citire", [](Editor &e) {
             QFile::setPermissions(e.d.CaleProbleme(), QFile::ReadOwner | QFile::ExeOwner);
         }, "Nu am reusit sa scriu imaginea problemei: %1/Probleme/x.jpg. " + Nescris, 0}};
    for (const auto &[nume, pregateste, mesaj, prompturi] : cazuri) {
        SCOPED_TRACE(nume);
        CaUtilizatorObisnuit([&] {
            Editor e;
            e.dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "p.jpg")});
            e.d.IncarcaColectie();
            e.Deschide(e.Poza("x.jpg"));
            e.Raspunde({"9", "Functii", "Algebra", "7", ""});
            pregateste(e);
            const QByteArray colectie = e.Fisier();
            const int numar = e.d.NrProbleme;
            e.editare.SalveazaProblema();
            EXPECT_EQ(e.s.Mesaje, QStringList{QString(mesaj).replace("%1", e.dosar.Cale())});
            EXPECT_EQ(e.s.Prompturi.size(), prompturi);
            EXPECT_EQ(e.d.NrProbleme, numar);
            EXPECT_NE(e.d.TabelProbleme[std::min(numar + 1, 2000)].Fisier.FaraBlancuri(), "x.jpg");
            EXPECT_FALSE(QFileInfo(e.d.CaleProbleme() + "x.jpg").isFile());
            EXPECT_EQ(e.Fisier(), colectie);
            EXPECT_EQ(e.editare.NumeFisier(), "x.jpg");
        });
    }
}

TEST_F(Editare, OPozaGoalaSubNumeEsteInlocuita)
{
    d.IncarcaColectie();
    dosar.ScrieOcteti("Probleme/p.jpg", {});
    Deschide(Scanare("p.jpg", OctetiPoza(PozaModel(40, 30), "JPEG")));
    Raspunde({"9", "Functii", "Algebra", "7", ""});
    editare.SalveazaProblema();
    EXPECT_TRUE(s.Mesaje.isEmpty());
    EXPECT_EQ(d.NrProbleme, 2);
    EXPECT_EQ(dosar.CitesteOcteti("Probleme/p.jpg"), OctetiPoza(PozaModel(40, 30), "JPEG"));
}

TEST_F(Editare, TragereaDeseneazaDinSuportSiRevenireaPastreazaDeplasarea)
{
    d.IncarcaColectie();
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
    editare.Elibereaza(60, -10); // drawn over what is there, without clearing
    EXPECT_EQ(panza.Operatii, QStringList({"Copiaza 40x30 la 50,-20", "Refresh"}));
    EXPECT_EQ(panza.Imagine.pixel(50, 0), poza.pixel(0, 20));
    EXPECT_EQ(panza.Imagine.pixel(50, 20), poza.pixel(0, 0));
    editare.Revenire();
    EXPECT_EQ(editare.NumeFisier(), "");
    EXPECT_EQ(QPoint(editare.StareTragere().DeplasareX, editare.StareTragere().DeplasareY),
              QPoint(50, -20));
    editare.Apasa(0, 0); // the emptied holder drags as a blank surface
    editare.Misca(0, 0);
    EXPECT_EQ(panza.Operatii.last(2), QStringList({"Copiaza 40x30 la 50,-20", "Refresh"}));
    EXPECT_EQ(panza.Imagine.pixel(55, 5), CuloareFundal.rgb());
}

// The window forwards any button's drag and its activation; "Revenire" goes
// back to the main window and the next showing keeps the offset.
TEST(FereastraEditor, TragereaActivareaSiRevenirea)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    Aplicatie aplicatie{dosar.Cale(), platforma, [] {}};
    aplicatie.Porneste();
    Apasa(aplicatie.Main(), "Editare Tezaurel");
    fEditareTezaurel &f = aplicatie.Editor();
    const QImage poza = PozaModel(1200, 900);
    poza.save(dosar.Cale() + "/scan.jpg", "BMP");
    platforma.FisiereAlese.push_back(dosar.Cale() + "/scan.jpg");
    Apasa(f, "Deschide fisier");
    PanzaQt &p = *f.findChild<PanzaQt *>();
    EXPECT_EQ(f.grab().toImage().pixel(p.geometry().topLeft() + QPoint(300, 200)),
              poza.pixel(300, 200));
    Mouse(p, QEvent::MouseButtonPress, {400, 300}, Qt::RightButton);
    Mouse(p, QEvent::MouseMove, {450, 280}, Qt::RightButton);
    EXPECT_EQ(p.Imagine().pixel(50, 0), poza.pixel(0, 20));
    Mouse(p, QEvent::MouseButtonRelease, {450, 280}, Qt::RightButton);
    Mouse(p, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
    Activeaza(f);
    const QImage inainte = p.Imagine();
    Mouse(p, QEvent::MouseMove, {300, 300});
    EXPECT_EQ(p.Imagine(), inainte);
    Apasa(f, "Revenire");
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(aplicatie.Main().isVisible());
    EXPECT_EQ(p.Imagine().pixel(100, 100), p.Fundal().rgb());
    Apasa(aplicatie.Main(), "Editare Tezaurel");
    EXPECT_EQ(f.Editare().NumeFisier(), "");
    EXPECT_EQ(f.Editare().StareTragere().DeplasareX, 50);
    EXPECT_EQ(f.Editare().LatimeImagine(), 1200);
    EXPECT_TRUE(platforma.Mesaje.isEmpty());
}

} // namespace
