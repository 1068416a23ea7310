#include "store/CodPagina.h"
#include "store/Problema.h"

#include <gtest/gtest.h>

namespace {

TEST(Inregistrare, CampurileStauLaDeplasareaLor)
{
    Problema p;
    p.Clasa = 9;
    p.Nivel = -2;
    p.Disciplina.Atribuie(QStringLiteral("Algebra"));
    p.Capitol.Atribuie(QStringLiteral("Functii"));
    p.Observatii.Atribuie(QStringLiteral("usor"));
    p.Fisier.Atribuie(QStringLiteral("p1.jpg"));
    p.Sters = Adevarat;

    const auto o = p.Codifica();
    ASSERT_EQ(o.size(), 512u);
    EXPECT_EQ(uint8_t(o[0]), 9);
    EXPECT_EQ(uint8_t(o[1]), 0);
    EXPECT_EQ(uint8_t(o[2]), 0xFE);
    EXPECT_EQ(uint8_t(o[3]), 0xFF);
    EXPECT_EQ(QByteArray(o.data() + 4, 7), "Algebra");
    EXPECT_EQ(QByteArray(o.data() + 11, 43), QByteArray(43, ' '));
    EXPECT_EQ(QByteArray(o.data() + 54, 7), "Functii");
    EXPECT_EQ(QByteArray(o.data() + 154, 4), "usor");
    EXPECT_EQ(QByteArray(o.data() + 254, 6), "p1.jpg");
    EXPECT_EQ(o[509], ' ');
    EXPECT_EQ(uint8_t(o[510]), 0xFF);
    EXPECT_EQ(uint8_t(o[511]), 0xFF);

    EXPECT_EQ(Problema::Decodifica(o), p);
}

TEST(Inregistrare, CampNeatribuitEsteScrisCaZerouri)
{
    const auto o = Problema().Codifica();
    EXPECT_EQ(QByteArray(o.data(), 512), QByteArray(512, '\0'));
}

// Cut to the field's length, padded with blanks; only the trailing blanks trimmed.
TEST(Inregistrare, TextulSeTaieSauSeCompleteazaCuBlancuri)
{
    TextFix<50> camp;
    camp.Atribuie(QString(60, QLatin1Char('x')) + QStringLiteral("y"));
    EXPECT_EQ(camp.Text(), QString(50, QLatin1Char('x')));
    camp.Atribuie(QStringLiteral("  Ecuatii  de grad 2 "));
    EXPECT_EQ(camp.Text(), QStringLiteral("  Ecuatii  de grad 2") + QString(30, QLatin1Char(' ')));
    EXPECT_EQ(camp.FaraBlancuri(), QStringLiteral("  Ecuatii  de grad 2"));
}

TEST(CodPagina, LitereleRomanestiAuOctetiiDinWindows1250)
{
    // ă â î Ă Â Î and the cedilla forms are in the code page as they are.
    EXPECT_EQ(CodificaAnsi(QStringLiteral("ăâîĂÂÎşţŞŢ")),
              QByteArray("\xE3\xE2\xEE\xC3\xC2\xCE\xBA\xFE\xAA\xDE"));
    // The comma-below letters are written as their cedilla twins.
    EXPECT_EQ(CodificaAnsi(QStringLiteral("șțȘȚ")), QByteArray("\xBA\xFE\xAA\xDE"));
    EXPECT_EQ(DecodificaAnsi("\xBA\xFE\xAA\xDE", 4), QStringLiteral("şţŞŢ"));
    EXPECT_EQ(CodificaAnsi(QStringLiteral("€ Ł ž")), QByteArray("\x80 \xA3 \x9E"));
    EXPECT_EQ(CodificaAnsi(QStringLiteral("日")), QByteArray("?"));
}

TEST(CodPagina, OriceOctetSeCitesteSiSeScrieLaFel)
{
    QByteArray toti;
    for (int b = 0; b < 256; ++b)
        toti.append(char(b));
    const QString text = DecodificaAnsi(toti.constData(), 256);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(CodificaAnsi(text), toti);
}

} // namespace
