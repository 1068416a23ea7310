#include "tests/editare/EditorTest.h"

#include <QLocale>

using namespace tezaurel;

namespace {

using Editare = EditorTest;

TEST(EditareProbleme, ExtensiaSiNumerele)
{
    for (const char *cale : {"/home/prof/Photo.JPG", "/home/prof/scan.Jpeg", "jpeg"})
        EXPECT_TRUE(EditareProbleme::EsteJpeg(cale)) << cale;
    for (const char *cale : {"/home/prof/scan.jpe", "/home/prof/scan", "/home/a.jpg/scan"})
        EXPECT_FALSE(EditareProbleme::EsteJpeg(cale)) << cale;
    // Blanks around allowed, halves to even, 16 bits or nothing.
    // clang-format off
    const std::pair<const char *, std::optional<int16_t>> numere[] = {
        {"7", 7}, {"  12 ", 12}, {"\t9", 9}, {"7.5", 8}, {"6.5", 6}, {"-2.5", -2}, {"1e2", 100},
        {"-32768.5", -32768}, {"32767", 32767}, {"32768", {}}, {"32767.5", {}}, {"abc", {}},
        {"", {}}, {"   ", {}}, {"7a", {}}, {"nan", {}}, {"inf", {}}};
    // clang-format on
    for (const auto &[text, valoare] : numere)
        EXPECT_EQ(EditareProbleme::ConvertesteIntreg(text), valoare) << text;
    // The system's number format decides the decimal mark.
    QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
    EXPECT_EQ(EditareProbleme::ConvertesteIntreg(" 7,5 "), int16_t(8));
    QLocale::setDefault(QLocale::c());
}

// The name is kept as the record gives it back: comma-below letters as cedilla.
TEST_F(Editare, SalvareaScrieImagineaSiInregistrareaOctetCuOctet)
{
    d.IncarcaColectie(); // no collection yet: created empty
    const QImage poza = PozaModel(40, 30);
    Deschide(Poza("a.b/x.y-ecuații.jpeg", poza));
    Raspunde(
        {"abc", "", std::nullopt, " 7 ", QString(100, 'C') + "XX", "Algebra", "9.5", std::nullopt});
    editare.SalveazaProblema();
    EXPECT_EQ(s.Prompturi.size(), 8); // the class asked again until it is a number
    EXPECT_TRUE(s.Mesaje.isEmpty());
    EXPECT_EQ(s.DosareInitiale, QStringList{dosar.Cale() + "/Probleme"});
    // Nivel 9.5 to even; the cancelled observations blank.
    EXPECT_EQ(OctetiColectie(),
              QByteArray("\x02", 1) + QByteArray(511, '\0') + QByteArray("\x07\x00\x0A\x00", 4) +
                  QByteArray("Algebra").leftJustified(50) + QByteArray(100, 'C') +
                  QByteArray(100, ' ') + QByteArray("x.y-ecua\xFEii.jpeg").leftJustified(256) +
                  QByteArray(2, '\0'));
    const QByteArray imagine = dosar.CitesteOcteti("Probleme/x.y-ecuaţii.jpeg");
    EXPECT_EQ(QImage::fromData(imagine).convertToFormat(QImage::Format_RGB32), poza);
    // Back to empty: window cleared, holder blank.
    EXPECT_EQ(editare.NumeFisier(), "");
    EXPECT_EQ(panza.Operatii.mid(3), QStringList({"Cls", "Refresh"}));
    EXPECT_EQ(editare.PozaNaturala().pixel(5, 5), CuloareFundal.rgb());
}

// The chosen file's own bytes are stored when the Windows program reads them
// as shown; otherwise, or when the file changed since it was shown, what was
// shown is stored, as a JPEG.
TEST_F(Editare, StocareaPastreazaOctetiiAlesiIarPozaEsteCeaAratata)
{
    d.IncarcaColectie();
    const QImage poza = PozaModel(40, 30);
    // The name (the longest a Linux folder holds), the bytes, whether they are
    // kept, the size shown.
    const std::tuple<QString, QByteArray, bool, QSize> cazuri[] = {
        {"telefon.jpg", CuOrientare(OctetiPoza(PozaModel(48, 32), "JPEG")), false, QSize(32, 48)},
        {QString(251, 'n') + ".jpg", OctetiPoza(poza, "JPEG"), true, QSize(40, 30)},
        {"schimbat.jpg", OctetiPoza(poza, "JPEG"), false, QSize(40, 30)}};
    for (const auto &[nume, octeti, pastrati, marime] : cazuri) {
        SCOPED_TRACE(nume.left(20).toStdString());
        Deschide(Scanare(nume, octeti));
        EXPECT_EQ(editare.PozaNaturala().size(), marime);
        if (nume == "schimbat.jpg") // replaced after it was shown
            Scanare(nume, OctetiPoza(PozaModel(8, 8), "JPEG"));
        Raspunde({"9", "Functii", "Algebra", "7", ""});
        editare.SalveazaProblema();
        const QByteArray stocati = dosar.CitesteOcteti("Probleme/" + nume);
        EXPECT_TRUE(pastrati ? stocati == octeti : stocati.startsWith("\xFF\xD8"));
        EXPECT_EQ(CitestePoza(dosar.Cale() + "/Probleme/" + nume).Poza.size(), marime);
    }
    EXPECT_TRUE(s.Mesaje.isEmpty());
    EXPECT_EQ(d.NrProbleme(), 4);
}

// The same name active is refused even from another folder; marking takes
// the exact name and is undone right after; saving again keeps the picture already stored.
TEST_F(Editare, MarcareaSiSalvareaDinNou)
{
    dosar.ScriePoza("p.jpg", PozaModel(20, 20));
    dosar.ScrieColectie({FaProblema(5, 5, "Geometrie", "Arii", "q.jpg"),
                         FaProblema(9, 7, "Algebra", "Functii", "p.jpg")});
    d.IncarcaColectie();
    const QByteArray colectie = OctetiColectie(),
                     pozaInainte = dosar.CitesteOcteti("Probleme/p.jpg");
    Deschide(Poza("nou/p.jpg", PozaModel(50, 10)));
    editare.SalveazaProblema();
    Deschide(Poza("P.jpg"));
    editare.StergeProblema();
    EXPECT_EQ(s.Mesaje,
              QStringList({"Problema existenta! Va trebui stearsa inainte de a o redefini",
                           "Problema nu exista in tezaurel si nu poate fi stearsa"}));
    EXPECT_EQ(OctetiColectie(), colectie);

    Deschide(dosar.Cale() + "/scanari/nou/p.jpg");
    editare.StergeProblema();
    EXPECT_EQ(s.Mesaje.last(), "Problema stearsa cu succes");
    EXPECT_EQ(editare.NumeFisier(), "");
    EXPECT_EQ(OctetiColectie(), colectie.left(3 * 512 - 2) + "\xFF\xFF");
    editare.StergeProblema(); // emptied: nothing happens
    EXPECT_EQ(s.Mesaje.size(), 3);
    editare.RepuneProblema(); // the undo right after the mark
    EXPECT_EQ(OctetiColectie(), colectie);
    Deschide(dosar.Cale() + "/scanari/nou/p.jpg");
    editare.StergeProblema();

    Deschide(dosar.Cale() + "/scanari/nou/p.jpg");
    Raspunde({"10", "Functii noi", "Algebra", "8", "revizuita"});
    editare.SalveazaProblema();
    EXPECT_EQ(OctetiColectie().mid(3 * 512), Octeti(d.ProblemaDin(4)));
    EXPECT_EQ(d.ProblemaDin(4).Capitol.FaraBlancuri(), "Functii noi");
    EXPECT_EQ(dosar.CitesteOcteti("Probleme/p.jpg"), pozaInainte);
}

} // namespace
