#include "tests/selectie/ColectieSelectie.h"

#include <numeric>

using namespace tezaurel;

// Full fields, bytes 0x80-0xFF compared exactly, and a full collection of
// distinct texts: all listed, chosen and selected, up to position 2000.
TEST_F(Selectie, TexteleLungiOctetiiInaltiSiColectiaPlina)
{
    Problema a = P(9, 7, QString(49, 'd') + 'D', "");
    std::iota(a.Capitol.Octeti.begin(), a.Capitol.Octeti.end(), char(0x80));
    Problema b = a, c = a;
    b.Capitol.Octeti[99] = char(0xFE); // the same bytes but the last: another text
    b.Disciplina.Atribuie(QString(49, 'd'));
    c.Clasa = 10;
    Pune({a, b, c});
    ASSERT_TRUE(model.UmpleListe());
    EXPECT_EQ(model.Intrari(L::Capitole), QStringList({a.Capitol.Text(), b.Capitol.Text()}));
    EXPECT_EQ(model.Intrari(L::Discipline),
              QStringList({QString(49, 'd') + 'D', QString(49, 'd')}));
    Alege(L::Capitole, a.Capitol.Text());
    Alege(L::Discipline, QString(49, 'd') + 'D');
    model.Vizualizare();
    EXPECT_EQ(Selectate(), V({2, 4}));

    std::vector<Problema> probleme;
    for (int i = 0; i < 1999; ++i)
        probleme.push_back(P(9, 7, QString::number(i % 100) + QString(47, 'd'),
                             QString::number(i) + QString(96, 'c')));
    Pune(probleme);
    ASSERT_TRUE(model.UmpleListe());
    for (int i = 0; i < 100; ++i)
        Muta(L::Discipline, 0);
    model.Vizualizare();
    EXPECT_EQ(QList<int>({sel.NrSelectie, sel.Pozitii[2000]}), QList({2000, 2000}));
}
