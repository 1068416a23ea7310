#include "store/CodPagina.h"
#include "tests/common/DosarTest.h"

#include <gtest/gtest.h>

namespace {

TEST(Inregistrare, CampurileLaDeplasareaLorSiInapoi)
{
    const Problema p = FaProblema(9, -2, "Algebra", "Functii", "p1.jpg", true, "usor");
    EXPECT_EQ(Octeti(p), QByteArray("\x09\x00\xFE\xFF", 4) + QByteArray("Algebra").leftJustified(50) +
                             QByteArray("Functii").leftJustified(100) +
                             QByteArray("usor").leftJustified(100) +
                             QByteArray("p1.jpg").leftJustified(256) + "\xFF\xFF");
    EXPECT_EQ(Problema::Decodifica(p.Codifica()), p);
    EXPECT_EQ(Octeti(Problema()), QByteArray(512, '\0')); // a field never assigned
    // Cut to the field's length, padded with blanks; only the trailing blanks trimmed.
    TextFix<50> camp;
    camp.Atribuie(QString(60, 'x') + 'y');
    EXPECT_EQ(camp.Text(), QString(50, 'x'));
    camp.Atribuie("  Ecuatii  de grad 2 ");
    EXPECT_EQ(camp.Text(), "  Ecuatii  de grad 2" + QString(30, ' '));
    EXPECT_EQ(camp.FaraBlancuri(), "  Ecuatii  de grad 2");
}

TEST(CodPagina, LitereleRomanestiInWindows1250SiOriceOctetInapoi)
{
    const std::pair<QString, QByteArray> cazuri[] = {
        {"ăâîĂÂÎşţŞŢ", "\xE3\xE2\xEE\xC3\xC2\xCE\xBA\xFE\xAA\xDE"},
        {"șțȘȚ", "\xBA\xFE\xAA\xDE"}, // comma-below as their cedilla twins
        {"€ Ł ž", "\x80 \xA3 \x9E"},
        {"日", "?"}};
    for (const auto &[text, octeti] : cazuri)
        EXPECT_EQ(CodificaAnsi(text), octeti) << text.toStdString();
    EXPECT_EQ(DecodificaAnsi("\xBA\xFE\xAA\xDE", 4), "şţŞŢ");
    QByteArray toti;
    for (int b = 0; b < 256; ++b)
        toti.append(char(b));
    const QString text = DecodificaAnsi(toti.constData(), 256);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(CodificaAnsi(text), toti);
}

} // namespace
