#include "aplicatie/Aplicatie.h"
#include "ferestre/banca/FereastraBanca.h"
#include "ferestre/comune/PanzaQt.h"
#include "ferestre/editare/FereastraEditare.h"
#include "ferestre/lucrari/FereastraLucrare.h"
#include "ferestre/principala/FereastraPrincipala.h"
#include "ferestre/selectie/FereastraSelectie.h"
#include "ferestre/tiparire/FereastraTiparire.h"
#include "ferestre/vizualizare/FereastraVizualizare.h"
#include "model/Colectie.h"
#include "model/SelectieCurenta.h"
#include "tests/aplicatie/Comenzi.h"
#include "tests/comune/DosarTest.h"
#include "tests/comune/PlatformaScriptata.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

using namespace tezaurel;

namespace {

// The application on a test folder without glyph files, so the banner draws
// its own letters; the banner's seed fixed.
class Main : public ::testing::Test
{
protected:
    Main()
    {
        f.Ceas = [] { return quint64(20240917); };
    }
    QTimer &Timer() { return *f.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly); }
    // Ticks until the next landing sounds, or until the timer stops.
    void Tick(bool panaLaOprire)
    {
        const auto sunete = platforma.Sunete.size();
        while (Timer().isActive() && (panaLaOprire || platforma.Sunete.size() == sunete))
            f.LaTic();
    }
    // The window's own surface, or the hidden canvas the frames are composed on.
    PanzaQt &Panza(bool vizibila)
    {
        auto *fereastra = static_cast<PanzaQt *>(f.centralWidget());
        return vizibila ? *fereastra : *fereastra->findChild<PanzaQt *>();
    }

    DosarTest dosar;
    PlatformaScriptata platforma;
    int iesiri = 0;
    Aplicatie aplicatie{dosar.Cale(), platforma, RecunoastereTesseract(), ImprimanteQt,
                        [this] { ++iesiri; }};
    FereastraPrincipala &f = aplicatie.Principala();
};

// The load resets the selection's state; the window cannot be closed, only left by "Iesire".
TEST_F(Main, MeniulIncarcareaSiAjutorul)
{
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "a.jpg")});
    Colectie &d = aplicatie.Definitii();
    SelectieCurenta &sel = aplicatie.SelectiaCurenta();
    sel.NrCapitole = 7;
    sel.NrDiscipline = 4;
    sel.SelectieNoua = true;
    aplicatie.Porneste();
    QStringList titluri;
    for (QAction *a : f.menuBar()->actions())
        titluri << a->text();
    EXPECT_EQ(titluri, QStringList({"Editare Tezaurel", "Vizualizare Tezaurel", "Stergere fizica",
                                    "Ajutor", "Iesire", "Deschide colecția…", "Colecții &recente",
                                    "Banca de probleme"}));
    EXPECT_EQ(std::tuple(d.NrProbleme(), sel.NrCapitole, sel.NrDiscipline, sel.SelectieNoua),
              std::tuple(2, 1, 1, false));
    EXPECT_FALSE(f.close());
    Apasa(f, "Ajutor");
    EXPECT_EQ(platforma.Ajutoare, QStringList({dosar.Cale() + "/help/index.html"}));
    EXPECT_TRUE(iesiri == 0 && platforma.Mesaje.isEmpty() && platforma.Intrebari.isEmpty());
}

// The window fits the row and shows the canvas's row; the same seed gives the
// same shuffle, the clock another; a larger window widens only the canvas,
// until the purge reloads: the banner starts again mid-swap at the row's
// width, where the window stands.
TEST_F(Main, BannerulInFereastraSiLaStergereaFizica)
{
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "a.jpg")});
    aplicatie.Porneste();
    EXPECT_EQ(Panza(true).size(), QSize(1010, 636));
    const QRect rand(20, 283, 970, 65);
    QImage gol(rand.size(), QImage::Format_RGB32);
    gol.fill(Panza(false).Fundal());
    EXPECT_EQ(Panza(true).Imagine().copy(rand), Panza(false).Imagine().copy(rand));
    EXPECT_NE(Panza(true).Imagine().copy(rand), gol);
    const auto primul = f.Titlu().Ordine();
    f.Incarca();
    EXPECT_EQ(f.Titlu().Ordine(), primul);
    f.Ceas = [] { return quint64(7); };
    f.resize(1200, f.height() + 100);
    EXPECT_EQ(Panza(false).Imagine().size(), QSize(1200, 736));
    for (int tick = 0; tick < 3; ++tick)
        f.LaTic();
    EXPECT_EQ(f.Titlu().RandY(), 283);
    const QPoint unde = f.pos();
    Apasa(f, "Stergere fizica");
    EXPECT_NE(f.Titlu().Ordine(), primul);
    EXPECT_EQ(std::pair(Panza(true).width(), int(f.Titlu().CentruX())), std::pair(1010, 600));
    EXPECT_EQ(f.pos(), unde);
    EXPECT_TRUE(Timer().isActive());
}

// A landing sounds while the window is seen; hidden behind the editor, the
// letters go on sorting silently; coming back does not reload the collection.
TEST_F(Main, SunetulDoarCandSeVedeSiEditorulAscundeMain)
{
    aplicatie.Porneste();
    Tick(false);
    EXPECT_EQ(platforma.Sunete, QStringList({dosar.Cale() + "/next.wav"}));
    Apasa(f, "Editare Tezaurel");
    ASSERT_TRUE(!f.isVisible() && aplicatie.Editor().isVisible());
    Tick(true);
    EXPECT_EQ(platforma.Sunete.size(), 1);
    EXPECT_TRUE(std::ranges::is_sorted(f.Titlu().Ordine()));
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "a.jpg")});
    aplicatie.Editor().hide();
    aplicatie.ArataPrincipala();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(aplicatie.Definitii().NrProbleme(), 1);
}

} // namespace

// "Deschide colecția…" opens only a folder that can be a collection, an empty
// one only when the teacher agrees; the title names a chosen collection.
TEST_F(Main, DeschideColectiaVerificaDosarul)
{
    QStringList deschise;
    aplicatie.Colectii = {true, false, {}, [&](const QString &d) { deschise << d; }};
    aplicatie.Porneste();
    EXPECT_EQ(f.windowTitle(), "Main – " + QFileInfo(dosar.Cale()).fileName());
    // The folder chosen (none: cancelled) and the answer when it holds no collection.
    const std::pair<const char *, bool> alegeri[] = {
        {"", true},          {"lipsa", true},    {"Tezaurel.stn", true},
        {"Probleme", false}, {"Probleme", true}, {".", false}};
    for (const auto &[ales, raspuns] : alegeri) {
        platforma.DosarAles = *ales ? dosar.Cale() + "/" + ales : "";
        platforma.RaspunsuriDaNu = {raspuns};
        Apasa(f, "Deschide colecția…");
    }
    const QString x = dosar.Cale();
    EXPECT_TRUE(platforma.Mesaje.size() == 2 && platforma.Intrebari.size() == 2 &&
                platforma.Mesaje[1].startsWith(x + "/Tezaurel.stn nu este un dosar"));
    EXPECT_EQ(deschise, QStringList({x + "/Probleme", x}));
}

// On the 1024 x 768 screen the windows open inside it, and the next run shows each where the
// last one left it.
TEST_F(Main, FerestreleIncapPeEcranSiRamanUndeAuFostLasate)
{
    QMap<QString, QByteArray> asezari;
    const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint loc = ecran.topLeft() + QPoint(2, 2);
    for (int rulare = 0; rulare < 2; ++rulare) {
        Aplicatie a{dosar.Cale(), platforma, RecunoastereTesseract(), ImprimanteQt, [] {}};
        a.CitesteAsezarea = [&](const QString &w) { return asezari.value(w); };
        a.ScrieAsezarea = [&](const QString &w, const QByteArray &g) { asezari[w] = g; };
        a.Porneste();
        a.ArataSelectia();
        a.ArataEditor();
        Apasa(a.Vizualizare(), "Deschide lucrarea");
        const QList<QWidget *> ferestre = {&a.Principala(), &a.Editor(), &a.Selectie(),
                                           &a.Lucrare()};
        for (QWidget *w : ferestre) {
            EXPECT_TRUE(ecran.contains(w->frameGeometry()) && (rulare == 0 || w->pos() == loc))
                << w->windowTitle().toStdString();
            w->move(loc);
        }
    }
}

// Several windows open at once are told apart on the taskbar: each has an icon of its own.
TEST_F(Main, FiecareFereastraAreIconitaEi)
{
    std::vector<std::pair<QString, QImage>> iconite;
    for (QWidget *w : std::initializer_list<QWidget *>{
             &f, &aplicatie.Editor(), &aplicatie.Vizualizare(), &aplicatie.Selectie(),
             &aplicatie.Tiparire(), &aplicatie.Lucrare(), &aplicatie.Banca()})
        iconite.emplace_back(w->windowTitle(), w->windowIcon().pixmap(32).toImage());
    QTimer::singleShot(0, [&iconite] {
        QWidget *pagina = QApplication::activeModalWidget();
        ASSERT_TRUE(pagina);
        iconite.emplace_back(pagina->windowTitle(), pagina->windowIcon().pixmap(32).toImage());
        pagina->close();
    });
    Apasa(aplicatie.Editor(), "Pagină cu mai multe probleme…");
    ASSERT_EQ(iconite.size(), 8u);
    for (size_t i = 0; i < iconite.size(); ++i) {
        EXPECT_FALSE(iconite[i].second.isNull()) << iconite[i].first.toStdString();
        for (size_t j = 0; j < i; ++j)
            EXPECT_NE(iconite[i].second, iconite[j].second)
                << iconite[i].first.toStdString() << " = " << iconite[j].first.toStdString();
    }
}
