#include "ferestre/banca/FereastraBanca.h"
#include "logica/banca/LucrareBanca.h"
#include "logica/banca/Miniaturi.h"
#include "logica/banca/ModelBanca.h"
#include "logica/cautare/IndexText.h"
#include "logica/lucrari/CompunereLucrare.h"
#include "model/Colectie.h"
#include "tests/comune/DosarTest.h"
#include "tests/comune/PlatformaScriptata.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace tezaurel;

namespace {

using V = std::vector<int>;

// A collection on disk with its database: two pictures recognised, one
// problem given to IX B, one marked for deletion.
class Banca : public ::testing::Test
{
protected:
    DosarTest dosar;
    PlatformaScriptata platforma;
    std::unique_ptr<Colectie> d;
    std::unique_ptr<CompunereLucrare> compunere;
    std::unique_ptr<LucrareBanca> lucrare;
    std::unique_ptr<ModelBanca> model;

    Banca()
    {
        dosar.ScrieColectie({FaProblema(9, 2, "Algebra", "Functii", "a.jpg"),
                             FaProblema(10, 1, "Geometrie", "Arii", "b.jpg"),
                             FaProblema(9, 1, "Algebra", "Ecuatii", "c.jpg", false, "grafic"),
                             FaProblema(9, 2, "algebra", "Functii", "d.jpg"),
                             FaProblema(9, 1, "Algebra", "Functii", "e.jpg", true)});
        Porneste();
        Q_ASSERT(d->Baza().Tranzactie([](QSqlDatabase &db) {
            return ArhivaLucrari::AdaugaFolosiri(db, "a.jpg", {{"IX B", QDate(2026, 3, 12)}}) &&
                   ArhivaLucrari::AdaugaFolosiri(db, "c.jpg", {{"X A", QDate(2026, 3, 1)}}) &&
                   ArhivaLucrari::AdaugaFolosiri(db, "c.jpg", {{"IX A", QDate(2026, 3, 2)}});
        }));
        IndexText::Intrari cunoscute;
        IndexText::Potriveste(d->Baza(), {{"a.jpg", ""}, {"b.jpg", ""}, {"c.jpg", "grafic"}},
                              cunoscute);
        IndexText::Inregistreaza(d->Baza(), "a.jpg", 1, 1, "Graficul functiei");
        IndexText::Inregistreaza(d->Baza(), "b.jpg", 1, 1, "Aria triunghiului");
        model->FolosireSchimbata();
    }
    // The paper's class and its problems with their points.
    QString stare() const
    {
        QStringList s{compunere->Curenta().Antet.Clasa};
        for (const ProblemaLucrare &p : compunere->Curenta().Probleme)
            s << QStringLiteral("%1=%2").arg(p.Poza).arg(p.Puncte);
        return s.join(' ');
    }
    // What a start of the program makes, in its order.
    void Porneste()
    {
        model.reset(), lucrare.reset(), compunere.reset(), d.reset();
        d = std::make_unique<Colectie>(dosar.Cale(), platforma);
        d->IncarcaColectie();
        IndexText::InregistreazaSchema(d->Baza());
        compunere = std::make_unique<CompunereLucrare>(d->Baza(), platforma, d->CaleProbleme());
        lucrare = std::make_unique<LucrareBanca>(d->Baza(), *compunere);
        Q_ASSERT(d->Baza().Deschide());
        lucrare->Restaureaza();
        model = std::make_unique<ModelBanca>(*d, compunere->Arhiva());
    }
};

// Every criterion, their combination, the lists' counts under the other
// criteria, the reset; marked problems only when asked.
TEST_F(Banca, FiltreleSiListele)
{
    using O = OrdineBanca;
    const std::tuple<FiltruBanca, V, QString> cazuri[] = {
        {{},
         {2, 3, 4, 5},
         "9:3 10:1|1:2 2:2|Algebra:2 algebra:1 Geometrie:1|Arii:1 Ecuatii:1 Functii:2"},
        {{.Clasa = 9}, {2, 4, 5}, "9:3 10:1|1:1 2:2|Algebra:2 algebra:1|Ecuatii:1 Functii:2"},
        {{.Nivel = 1, .ArataStearse = true},
         {3, 4, 6},
         "9:2 10:1|1:3 2:2|Algebra:2 Geometrie:1|Arii:1 Ecuatii:1 Functii:1"},
        {{.Disciplina = "Algebra", .Capitol = "Functii"},
         {2},
         "9:1|2:1|Algebra:1 algebra:1|Ecuatii:1 Functii:1"},
        {{.Cuvinte = "grafic"}, {2, 4}, "9:2|1:1 2:1|Algebra:2|Ecuatii:1 Functii:1"},
        {{.Cuvinte = "GRAF tri"}, {}, "|||"},
        {{.ClasaNedata = "ix  b"},
         {3, 4, 5},
         "9:2 10:1|1:2 2:1|Algebra:1 algebra:1 Geometrie:1|Arii:1 Ecuatii:1 Functii:1"},
        {{.Clasa = 9, .Ordine = O::Capitol}, {4, 2, 5}, ""},
        {{.Ordine = O::Clasa}, {2, 4, 5, 3}, ""},
        {{.Ordine = O::Nivel}, {3, 4, 2, 5}, ""},
        {{.Ordine = O::Folosiri}, {4, 2, 3, 5}, ""},
    };
    const CampBanca campuri[] = {CampBanca::Clasa, CampBanca::Nivel, CampBanca::Disciplina,
                                 CampBanca::Capitol};
    for (const auto &[filtru, asteptat, liste] : cazuri) {
        model->SeteazaFiltru(filtru);
        EXPECT_EQ(model->Rezultate(), asteptat) << liste.toStdString();
        QStringList texte;
        for (CampBanca camp : campuri) {
            QStringList valori;
            for (const ValoareBanca &v : model->Valori(camp))
                valori << QStringLiteral("%1:%2").arg(v.Text).arg(v.Probleme);
            texte << valori.join(' ');
        }
        EXPECT_TRUE(liste.isEmpty() || texte.join('|') == liste) << texte.join('|').toStdString();
    }
    model->Reseteaza();
    EXPECT_EQ(model->Rezultate(), V({4, 2, 3, 5})) << "the order stays";
}

// Points shared evenly until typed, the header's class from the filter,
// undo, and the same paper after a restart.
TEST_F(Banca, LucrareaSiRepornirea)
{
    lucrare->ClasaFiltrului("IX");
    const std::pair<std::function<void()>, QString> pasi[] = {
        {[&] { lucrare->Adauga("a.jpg"); }, "IX a.jpg=9"},
        {[&] { lucrare->Adauga("b.jpg"); }, "IX a.jpg=4.5 b.jpg=4.5"},
        {[&] { lucrare->Adauga("c.jpg"); }, "IX a.jpg=3 b.jpg=3 c.jpg=3"},
        {[&] { lucrare->Muta(2, 0); }, "IX c.jpg=3 a.jpg=3 b.jpg=3"},
        {[&] { lucrare->Muta(0, 1); }, "IX a.jpg=3 c.jpg=3 b.jpg=3"},
        {[&] { lucrare->ClasaFiltrului("X"); }, "X a.jpg=3 c.jpg=3 b.jpg=3"},
        {[&] { lucrare->SeteazaPuncte(0, 5); }, "X a.jpg=5 c.jpg=3 b.jpg=3"},
        {[&] { lucrare->Scoate(1); }, "X a.jpg=5 b.jpg=3"}, // typed: kept
        {[&] { lucrare->Anuleaza(); }, "X a.jpg=5 c.jpg=3 b.jpg=3"},
        {[&] { lucrare->Anuleaza(), lucrare->Anuleaza(); }, "IX a.jpg=3 c.jpg=3 b.jpg=3"},
        {[&] { Porneste(); }, "IX a.jpg=3 c.jpg=3 b.jpg=3"},
        // Whether the class was typed is not kept: it stays.
        {[&] { lucrare->ClasaFiltrului("XI"); }, "IX a.jpg=3 c.jpg=3 b.jpg=3"},
    };
    for (const auto &[pas, asteptat] : pasi) {
        pas();
        EXPECT_EQ(stare(), asteptat);
    }
    EXPECT_FALSE(lucrare->PoateAnula());
}

// Another program appends and marks: the bank follows without being asked.
TEST_F(Banca, UrmeazaAltProgram)
{
    d->UrmaresteAltePrograme();
    model->SeteazaFiltru({.Disciplina = "Geometrie"});
    if (const pid_t copil = fork(); copil == 0) {
        Colectie altul(dosar.Cale(), platforma);
        altul.IncarcaColectie();
        // An append, and a mark made in place, which only a reread of the records shows.
        _exit(altul.ScrieProblemaNoua(FaProblema(9, 1, "Geometrie", "Arii", "f.jpg")) &&
                      altul.MarcheazaStearsa(3)
                  ? 0
                  : 1);
    } else {
        int stare = -1;
        ASSERT_EQ(waitpid(copil, &stare, 0), copil);
        ASSERT_EQ(stare, 0);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return model->Rezultate() == V({7}); }, 5000));
}

// The thumbnail is kept by content: another start finds it without the
// picture being decoded, a changed picture gets a new one, a broken one none.
TEST(Miniaturi, PastrateDupaContinut)
{
    DosarTest dosar;
    const QString cache = dosar.Cale() + "/cache", a = dosar.Cale() + "/Probleme/a.bmp";
    dosar.ScriePoza("a.bmp", PozaModel(400, 200));
    dosar.ScrieOcteti("Probleme/rupta.bmp", "BM nu e poza");
    auto fa = [&](const QString &cale) {
        Miniaturi m(cache);
        m.Miniatura(cale);
        m.AsteaptaTot();
        return m.Miniatura(cale);
    };
    EXPECT_EQ(fa(a).size(), QSize(128, 64));
    EXPECT_TRUE(fa(dosar.Cale() + "/Probleme/rupta.bmp").isNull());
    const QString facuta = QDir(cache).entryList({"*.png"}).value(0);
    QImage alta(facuta.isEmpty() ? QSize(1, 1) : QSize(16, 16), QImage::Format_RGB32);
    alta.fill(Qt::red);
    ASSERT_TRUE(alta.save(cache + "/" + facuta));
    EXPECT_EQ(fa(a).size(), QSize(16, 16)) << "read from the cache";
    dosar.ScriePoza("a.bmp", PozaModel(100, 200));
    EXPECT_EQ(fa(a).size(), QSize(80, 160)) << "made again";
}

} // namespace

// The teacher's job by keyboard at 1024 x 768, the window wholly on the
// screen: words and class narrow the bank, Enter adds, Ctrl+Up reorders,
// points typed in place, Ctrl+Z, Ctrl+S; the filters are there next time;
// Ctrl+N and Ctrl+Shift+Enter: a new paper of all that is found.
TEST_F(Banca, FereastraLaTastatura)
{
    for (const char *nume : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"})
        dosar.ScriePoza(nume, PozaModel(300, 200));
    const QString setari = dosar.Cale() + "/setari.ini";
    auto deschide = [&] {
        auto f = std::make_unique<FereastraBanca>(
            *d, *compunere, *lucrare, dosar.Cale() + "/cache", [] { return MarginiLucrare{}; },
            ImprimanteQt(), setari);
        f->show();
        f->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(f.get()));
        return f;
    };
    auto f = deschide();
    EXPECT_TRUE(QRect(0, 0, 1024, 740).contains(QRect(QPoint(), f->size())));
    for (QWidget *w : f->findChildren<QWidget *>()) {
        const QRect loc(w->mapTo(f.get(), QPoint()), w->size());
        EXPECT_TRUE(!w->isVisible() || w->isWindow() || f->rect().contains(loc))
            << w->accessibleName().toStdString();
    }
    auto numit = [&](auto *tip, const char *nume) {
        for (auto *w : f->findChildren<std::remove_pointer_t<decltype(tip)> *>())
            if (w->accessibleName() == QString::fromUtf8(nume))
                return w;
        return decltype(tip)(nullptr);
    };
    auto *rezultate = numit((QListView *)nullptr, "Rezultate");
    auto *tabel = numit((QTableWidget *)nullptr, "Lucrarea");
    QTest::keyClick(f.get(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "grafic");
    QTest::keyClick(numit((QComboBox *)nullptr, "Clasa"), Qt::Key_Down);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f->Model().Filtru().Cuvinte == "grafic"; }));
    EXPECT_EQ(numit((QLabel *)nullptr, "Număr de probleme")->text(), "2 probleme");
    EXPECT_EQ(numit((QLabel *)nullptr, "Poziția")->text(), "1 din 2");
    QTest::keyClick(rezultate, Qt::Key_Return);
    QTest::keyClick(rezultate, Qt::Key_Right);
    QTest::keyClick(rezultate, Qt::Key_Return);
    ASSERT_EQ(tabel->rowCount(), 2);
    tabel->setFocus();
    tabel->setCurrentCell(1, 0);
    QTest::keyClick(tabel, Qt::Key_Up, Qt::ControlModifier);
    tabel->item(0, 1)->setText("5");
    QTest::qWait(10);
    QTest::keyClick(f.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(f.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(numit((QLabel *)nullptr, "Poziția")->text(), "2 din 2") << "still the one chosen";
    EXPECT_EQ(stare(), "IX c.jpg=4.5 a.jpg=4.5");
    EXPECT_TRUE(platforma.Mesaje.last().startsWith("Lucrarea a fost salvată"))
        << platforma.Mesaje.join('\n').toStdString();
    EXPECT_EQ(f->Model().Folosiri(2), 2);
    f->close();
    f = deschide();
    EXPECT_EQ(
        QList({f->Model().Filtru().Clasa, numit((QTableWidget *)nullptr, "Lucrarea")->rowCount()}),
        QList({9, 2}));
    QTest::keyClick(f.get(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(f.get(), Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(stare(), "IX a.jpg=4.5 c.jpg=4.5");
}
