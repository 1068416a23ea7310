#include "app/Aplicatie.h"
#include "app/fMain.h"
#include "editor/fEditareTezaurel.h"
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace {

class Main : public ::testing::Test
{
protected:
    DosarTest dosar;
    PlatformaScriptata platforma;
    int iesiri = 0;
    Aplicatie aplicatie{dosar.Cale(), platforma, [this] { ++iesiri; }};
};

TEST_F(Main, MeniulAreCeleCinciComenziSiFereastraNuSeInchide)
{
    aplicatie.Porneste();
    fMain &f = aplicatie.Main();
    EXPECT_EQ(f.windowTitle(), "Main");
    QStringList titluri;
    for (QAction *a : f.menuBar()->actions())
        titluri << a->text();
    EXPECT_EQ(titluri, QStringList({"Editare Tezaurel", "Vizualizare Tezaurel", "Stergere fizica",
                                    "Ajutor", "Iesire"}));
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(iesiri, 0);
}

TEST_F(Main, IncarcareaReseteazaStareaSelectiei)
{
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "a.jpg")});
    mDefinitii &d = aplicatie.Definitii();
    d.NrCapitole = 7;
    d.NrDiscipline = 4;
    d.SelectieNoua = Adevarat;
    aplicatie.Porneste();
    EXPECT_EQ(d.NrProbleme, 2);
    EXPECT_EQ(d.NrCapitole, 1);
    EXPECT_EQ(d.NrDiscipline, 1);
    EXPECT_EQ(d.SelectieNoua, Fals);
}

TEST_F(Main, AjutorulCereFisierulSiIesireaOpresteFaraIntrebari)
{
    aplicatie.Porneste();
    aplicatie.Main().mAjutor->trigger();
    EXPECT_EQ(platforma.Ajutoare, QStringList({dosar.Cale() + "/help/index.html"}));
    aplicatie.Main().mIesire->trigger();
    EXPECT_EQ(iesiri, 1);
    EXPECT_TRUE(platforma.Mesaje.isEmpty());
    EXPECT_TRUE(platforma.Intrebari.isEmpty());
}

TEST_F(Main, EditorulAscundeMainSiRevenireaONuReincarca)
{
    aplicatie.Porneste();
    fMain &f = aplicatie.Main();
    f.mEditareTezaurel->trigger();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(aplicatie.Editor().isVisible());

    // A problem added behind the program's back shows only after a reload.
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "a.jpg")});
    aplicatie.Editor().hide();
    aplicatie.ArataMain();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(aplicatie.Definitii().NrProbleme, 1);
}

} // namespace
