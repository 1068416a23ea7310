#include "selection/ModelDefSel.h"
#include "tests/selection/ColectieSelectie.h"

#include <gtest/gtest.h>

namespace {

using L = ListaDefSel;
using R = ModelDefSel::Rezultat;

class IntrariSelectie : public ::testing::Test, protected ColectieSelectie
{
protected:
    ModelDefSel model{d};

    void Alege(L sursa, const QString &text)
    {
        const int index = int(model.Intrari(sursa).indexOf(text));
        ASSERT_GE(index, 0) << text.toStdString();
        model.Evidentiaza(sursa, index);
        ASSERT_EQ(model.Muta(sursa), index);
    }
};

// Bytes straight from a record, as a Windows machine wrote them.
template <int N> TextFix<N> DinOcteti(const QByteArray &octeti)
{
    TextFix<N> text;
    text.Octeti.fill(' ');
    std::copy_n(octeti.constData(), qMin<qsizetype>(N, octeti.size()), text.Octeti.begin());
    return text;
}

TEST_F(IntrariSelectie, TexteleCeleMaiLungiSeListeazaSiSeAlegIntregi)
{
    // Full fields with no blank to trim, and the same texts one character shorter.
    const QString capitol = QString(99, 'c') + 'C';
    const QString disciplina = QString(49, 'd') + 'D';
    Pune({P(9, 7, disciplina, capitol), P(9, 7, disciplina.chopped(1), capitol.chopped(1)),
          P(10, 8, disciplina, capitol)});
    ASSERT_TRUE(model.UmpleListe());
    EXPECT_EQ(model.Intrari(L::llCapitole), QStringList({capitol, capitol.chopped(1)}));
    EXPECT_EQ(model.Intrari(L::LDomenii), QStringList({disciplina, disciplina.chopped(1)}));

    Alege(L::llCapitole, capitol);
    Alege(L::LDomenii, disciplina);
    EXPECT_EQ(model.Vizualizare(), R::Predata);
    EXPECT_EQ(Selectate(), std::vector<int>({2, 4}));
}

TEST_F(IntrariSelectie, Octetii80PanaLaFFSeComparaExact)
{
    QByteArray inalti;
    for (int i = 0x80; i <= 0xFF; ++i)
        inalti.append(char(i));
    Problema a = P(9, 7, "", "");
    a.Capitol = DinOcteti<100>(inalti.left(100));
    a.Disciplina = DinOcteti<50>(inalti.mid(78, 50));
    // The same bytes but the last: a different text.
    Problema b = a;
    b.Capitol.Octeti[99] = char(0xFE);
    Problema c = a;
    c.Clasa = 10;
    Pune({a, b, c});

    ASSERT_TRUE(model.UmpleListe());
    const QString textA = a.Capitol.FaraBlancuri();
    ASSERT_EQ(model.Intrari(L::llCapitole), QStringList({textA, b.Capitol.FaraBlancuri()}));
    EXPECT_EQ(textA.at(0), QChar(0x20AC));
    EXPECT_EQ(model.Intrari(L::LDomenii), QStringList{a.Disciplina.FaraBlancuri()});

    Alege(L::llCapitole, textA);
    Alege(L::LDomenii, a.Disciplina.FaraBlancuri());
    EXPECT_EQ(model.Vizualizare(), R::Predata);
    EXPECT_EQ(Selectate(), std::vector<int>({2, 4}));
}

TEST_F(IntrariSelectie, ColectiaPlinaCuTexteDiferiteIntraToata)
{
    std::vector<Problema> probleme;
    for (int i = 0; i < 1999; ++i)
        probleme.push_back(P(9, 7, QString::number(i % 100) + QString(47, 'd'),
                             QString::number(i) + QString(96, 'c')));
    Pune(probleme);
    ASSERT_TRUE(model.UmpleListe());
    EXPECT_EQ(model.Intrari(L::llCapitole).size(), 1999);
    EXPECT_EQ(model.Intrari(L::LDomenii).size(), 100);
    for (int i = 0; i < 100; ++i) {
        model.Evidentiaza(L::LDomenii, 0);
        ASSERT_EQ(model.Muta(L::LDomenii), 0);
    }
    EXPECT_EQ(model.Vizualizare(), R::Predata);
    EXPECT_EQ(d.NrSelectie, 2000);
    EXPECT_EQ(d.Selectie[2000], 2000);
}

} // namespace
