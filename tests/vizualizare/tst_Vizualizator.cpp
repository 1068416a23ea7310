#include "aplicatie/Comenzi.h"
#include "ferestre/comune/PanzaQt.h"
#include "ferestre/vizualizare/FereastraVizualizare.h"
#include "logica/cautare/RecunoastereFundal.h"
#include "tests/vizualizare/ColectieVizualizare.h"
#include "unelte/FerestreTacute.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

using namespace tezaurel;

// Paging stops at both ends and draws only what changes; observations stay
// shown until pressed again; cancel empties everything, and so does a purge
// while the viewer is hidden; the state kept between showings.
TEST_F(Vizualizare, PasiiStareaIntreAfisariSiIndicatorul)
{
    const QString p12 = "2 p12.jpg 60 Cls,Copiaza 60x40 la 0,0,Refresh",
                  t = "3 t.jpeg 50 Cls,Copiaza 50x30 la 0,0,Refresh",
                  stricat = "4 stricat.jpg 0 Cls,Copiaza 0x0 la 0,0,Refresh";
    const std::pair<const char *, QString> pasi[] = {
        {"selectie 2 3 5", p12},
        {"Inapoi", "2 p12.jpg 60"},
        {"Inainte", t},
        {"Inainte", stricat},
        {"Inainte", "4 stricat.jpg 0"},
        {"Inapoi", t},
        {"Ultima", stricat},
        {"Prima", p12},
        {"Prima", p12},
        {"ObservatiiArataAscunde", "2 p12.jpg 60 obs"},
        {"Inainte", "3 t.jpeg 50 obs Cls,Copiaza 50x30 la 0,0,Refresh"},
        {"Ultima", "4 stricat.jpg 0 obs Cls,Copiaza 0x0 la 0,0,Refresh"},
        {"activare", "4 stricat.jpg 0 obs"}, // back from the modal print dialog: nothing moves
        {"Revenire", "4 stricat.jpg 0  Principala"},
        {"activare", p12}, // back from the main window: the first again
        {"DefinesteSelectie", "2 p12.jpg 60"},
        {"Imprimare", "2 p12.jpg 60  Tiparire"},
        {"ObservatiiArataAscunde", "2 p12.jpg 60 obs"},
        {"AnuleazaSelectie", "2  0 Cls,Refresh"},
        {"Inainte", "3  0"},
        {"ObservatiiArataAscunde", "3  0"},
        {"Imprimare", "3  0"},
        {"DefinesteSelectie", "3  0  Selectie"},
        {"nr 3", "3  0"},
        {"activare", "3  0"}, // redefined: only a new evaluation brings a problem back
        {"selectie", "3  0"}, // nothing found, answered No
        {"selectie 2 3", p12},
        {"ObservatiiArataAscunde", "2 p12.jpg 60 obs"},
        {"nr 1", "2 p12.jpg 60 obs"},
        {"activare", "2  0 Cls,Refresh"}};
    for (const auto &[pas, stare] : pasi)
        EXPECT_EQ(Pas(pas), stare) << pas;
    EXPECT_EQ(platforma.Mesaje,
              QStringList({"Anulati mai intai filtru curent!", "Nu avem ce tipari"}));
    v.Incarca(); // a flag left over from before
    EXPECT_FALSE(sel.SelectieNoua);
    // The pointer is a cross only beyond 20 pixels inside the picture and with a
    // selection; activation ends a drag.
    Selecteaza("2 3");
    v.Apasa(0, 0);
    v.Elibereaza(5, 7); // the 60x40 picture now starts at (5, 7)
    const std::tuple<double, double, int, Qt::CursorShape> cazuri[] = {
        {30, 30, 1, Qt::ArrowCursor},       {25, 30, 3, Qt::ArrowCursor},
        {25.5, 27.5, 3, Qt::SizeAllCursor}, {64.9, 46.9, 3, Qt::SizeAllCursor},
        {65, 30, 3, Qt::ArrowCursor},       {30, 47, 3, Qt::ArrowCursor}};
    for (const auto &[x, y, selectie, forma] : cazuri)
        EXPECT_EQ((sel.NrSelectie = int16_t(selectie), v.Misca(x, y)), forma) << x << "," << y;
    v.Apasa(0, 0);
    v.Activeaza();
    panou.Operatii.clear();
    v.Misca(30, 30);
    EXPECT_TRUE(panou.Operatii.isEmpty());
    Pas("AnuleazaSelectie");
    sel.NrSelectie = 2; // a selection again, but the holder is empty
    EXPECT_EQ(v.Misca(30, 30), Qt::ArrowCursor);
}

// The neighbours are read ahead, at most three pictures held; a jump away
// keeps only the last one shown; a file replaced on disk is read again.
TEST(CachePoze, VeciniiCititiInainteCelMultTreiSiFisierulSchimbatRecitit)
{
    DosarTest dosar;
    for (int i = 0; i < 4; ++i)
        dosar.ScriePoza(QString(QChar('a' + i)), PozaModel(10 + i, 10));
    CachePoze cache;
    const auto cale = [&](char nume) { return dosar.Cale() + "/Probleme/" + nume; };
    const auto latime = [&](char nume) { return cache.Ia(cale(nume)).Citita.Poza.width(); };
    EXPECT_EQ(latime('a'), 10);
    cache.Pregateste(cale('a'), {cale('b')});
    EXPECT_TRUE(cache.Tine(cale('b')) && latime('b') == 11);
    cache.Pregateste(cale('b'), {cale('c'), cale('a')});
    cache.Pregateste(cale('c'), {cale('d'), cale('b')});
    EXPECT_TRUE(cache.Tinute() == CachePoze::Capacitate && !cache.Tine(cale('a')));
    EXPECT_TRUE(latime('a') == 10 && cache.Tinute() == 2);
    dosar.ScriePoza("a", PozaModel(20, 10));
    EXPECT_EQ(latime('a'), 20);
}

// Paging back reads ahead the problem before, not the one just left, when
// the pictures are too large to keep both.
TEST_F(Vizualizare, InapoiCitesteInainteProblemaDinainte)
{
    QImage a4(2480, 3508, QImage::Format_Grayscale8);
    a4.fill(255);
    for (const char *nume : {"p12.jpg", "t.jpeg", "stricat.jpg"})
        dosar.ScriePoza(nume, a4);
    Selecteaza("2 3 5");
    Pas("Ultima");
    Pas("Inapoi");
    EXPECT_TRUE(v.Cache().Tine(d.CalePoza("p12.jpg").Cale));
    EXPECT_FALSE(v.Cache().Tine(d.CalePoza("stricat.jpg").Cale));
    v.Cache().AsteaptaCitirile();
}

// Paging through A4 scans keeps the neighbour ahead and lets the one behind
// go; pictures a tenth of the size keep both.
TEST(CachePoze, VecinulDinSpateDoarCatIncapInBuget)
{
    const std::pair<QSize, bool> cazuri[] = {{{800, 1100}, true}, {{2480, 3508}, false}};
    for (const auto &[marime, amandoi] : cazuri) {
        SCOPED_TRACE(marime.width());
        DosarTest dosar;
        QImage alba(marime, QImage::Format_Grayscale8);
        alba.fill(255);
        for (const char nume : {'a', 'b', 'c', 'd'})
            dosar.ScriePoza(QString(nume), alba);
        const auto cale = [&](char nume) { return dosar.Cale() + "/Probleme/" + nume; };
        CachePoze cache;
        cache.Ia(cale('b'));
        cache.Pregateste(cale('b'), {cale('c'), cale('a')});
        EXPECT_TRUE(cache.Tine(cale('c')));
        EXPECT_EQ(cache.Tine(cale('a')), amandoi);
        cache.Ia(cale('c'));
        cache.Pregateste(cale('c'), {cale('d'), cale('b')});
        EXPECT_TRUE(cache.Tine(cale('d')));
        EXPECT_EQ(cache.Tine(cale('b')), amandoi); // shown a moment ago
        cache.AsteaptaCitirile();
    }
}

// The window mirrors the logic into its controls (the moves between windows
// and the status line are the journey's): an activation shows the first
// problem; any button drags; the keys page as the buttons do and move the
// picture; Escape leaves.
TEST_F(Vizualizare, FereastraTrageSiPagineazaCuTastele)
{
    FerestreTacute ferestre;
    FereastraVizualizare f(sel, ferestre);
    Selecteaza("3 2 3");
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.Buton("Inainte")->trigger();
    PanzaQt &p = *f.findChild<PanzaQt *>();
    QTest::mousePress(&p, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseMove(&p, QPoint(60, 40));
    QTest::mouseRelease(&p, Qt::RightButton, {}, QPoint(60, 40));
    QTest::mouseMove(&p, QPoint(80, 60));
    EXPECT_EQ(p.Imagine().pixel(50, 30), Poza12.pixel(0, 0));
    EXPECT_EQ(p.Imagine().pixel(49, 30), p.Fundal().rgb());
    EXPECT_EQ(p.cursor().shape(), Qt::SizeAllCursor);

    f.Buton("Arata/Ascunde Obs")->trigger();
    const QPlainTextEdit &obs = *f.findChild<QPlainTextEdit *>();
    EXPECT_TRUE(obs.isVisible() && obs.toPlainText() == "Domeniul de definitie");
    // Whole in the window, above the status line, whose end it hid.
    EXPECT_FALSE(obs.geometry().intersects(f.findChild<QStatusBar *>()->geometry()));
    EXPECT_TRUE(f.rect().contains(QRect(obs.mapTo(&f, QPoint()), obs.size())));
    const std::tuple<Qt::Key, int, int, int> taste[] = {
        {Qt::Key_End, 4, 0, 0},      {Qt::Key_PageUp, 3, 0, 0},  {Qt::Key_Home, 2, 0, 0},
        {Qt::Key_PageDown, 3, 0, 0}, {Qt::Key_Right, 3, -40, 0}, {Qt::Key_Up, 3, -40, 40}};
    const Panoramare &pan = f.Logica().Poza.Panorama;
    for (const auto &[tasta, pozitie, x, y] : taste) {
        QTest::keyClick(&f, tasta);
        EXPECT_EQ(QList<int>({sel.PozitieCurenta, pan.DeplasareX, pan.DeplasareY}),
                  QList({pozitie, x, y}))
            << tasta;
    }
    EXPECT_EQ(p.Imagine().pixel(0, 40), Poza12.pixel(40, 0));
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.isHidden() && obs.isHidden());
}

// A correction of the observations reaches the word search at once, as any
// change of the collection does: the new words are found, the old no longer.
TEST_F(Vizualizare, CorectareaObservatiilorAjungeInCautare)
{
    struct FaraText final : Recunoastere
    {
        std::optional<QString> Recunoaste(QImage, const std::atomic<bool> &) override
        {
            return QString();
        }
    };
    RecunoastereFundal fundal(d, {{}, [] { return std::make_unique<FaraText>(); }});
    QObject::connect(&d, &Colectie::Schimbata, [&] { fundal.Actualizeaza(); });
    FerestreTacute ferestre;
    ASSERT_TRUE(d.Baza().Deschide());
    fundal.Actualizeaza();
    const auto gasite = [&](const char *cuvinte) {
        return int(IndexText::Cauta(d.Baza(), cuvinte)->size());
    };
    FereastraVizualizare f(sel, ferestre);
    LeagaSchimbul(f, sel); // the application's wiring
    Selecteaza("2");
    f.show(); // the first problem on activation
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        dialog->findChild<QPlainTextEdit *>()->setPlainText("Multimea valorilor");
        dialog->accept();
    });
    for (QAction *a : f.findChildren<QAction *>())
        if (a->text() == "Corectează detaliile…")
            a->trigger();
    EXPECT_EQ(std::pair(gasite("definitie"), gasite("valorilor")), std::pair(0, 1));
}
