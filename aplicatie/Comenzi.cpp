#include "aplicatie/Comenzi.h"

#include "ferestre/comune/Iconite.h"
#include "ferestre/comune/ProgresInFundal.h"
#include "ferestre/editare/FereastraEditare.h"
#include "ferestre/import/DialogDetaliiProblema.h"
#include "ferestre/import/ImportQt.h"
#include "ferestre/lucrari/DialogSolutie.h"
#include "ferestre/pagina/FereastraPagina.h"
#include "ferestre/vizualizare/FereastraVizualizare.h"
#include "interfete/Platforma.h"
#include "logica/import/DetaliiProblema.h"
#include "logica/import/ImportDosar.h"
#include "logica/lucrari/ArhivaLucrari.h"
#include "logica/lucrari/CompunereLucrare.h"
#include "logica/lucrari/Lucrare.h"
#include "logica/schimb/ImportProbleme.h"
#include "logica/schimb/Pachet.h"
#include "logica/schimb/SursaProbleme.h"
#include "model/SelectieCurenta.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace tezaurel {

namespace {
// Calls back once the watched window has handled its activation.
class Privire final : public QObject
{
public:
    Privire(std::function<void()> dupa, QObject *parinte)
        : QObject(parinte)
        , m_dupa(std::move(dupa))
    {}

    bool eventFilter(QObject *, QEvent *eveniment) override
    {
        if (eveniment->type() == QEvent::WindowActivate || eveniment->type() == QEvent::Show)
            QTimer::singleShot(0, this, m_dupa);
        return false;
    }

private:
    std::function<void()> m_dupa;
};

// A colleague's package, or another Tezaurel folder when dinDosar.
void ImportaSchimb(FereastraEditare &editor, Colectie &definitii, bool dinDosar)
{
    Platforma &platforma = definitii.platforma();
    const QString cale =
        dinDosar ? platforma.AlegeDosar(QDir::homePath()) : platforma.AlegeFisier(QDir::homePath());
    if (cale.isEmpty())
        return;
    // A package's pictures are all unpacked and checked before anything is
    // imported: a hundred megabytes take seconds.
    QString motiv;
    std::unique_ptr<SursaProbleme> sursa;
    StareLucru stare;
    RulareCuProgres (&editor)(
        QStringLiteral("Verific pachetul %1…").arg(QFileInfo(cale).fileName()), stare,
        [&] { sursa = DeschideSursa(cale, motiv, &stare); });
    if (!sursa) {
        platforma.Mesaj(motiv);
        return;
    }
    ImportQt interfata(platforma, &editor);
    ImportQt::ArataRaport(ImportaProbleme(definitii, *sursa, interfata), &editor);
}

void ImportaDosar(FereastraEditare &editor, Colectie &definitii)
{
    ImportQt interfata(definitii.platforma(), &editor);
    const auto raport = ImportDosar(definitii, interfata)
                            .Importa(definitii.platforma().AlegeDosar(QDir::homePath()));
    if (raport)
        ImportQt::ArataRaport(*raport, &editor);
}

void CorecteazaProblemaAratata(FereastraVizualizare &vizualizare, Colectie &definitii)
{
    const int slot = vizualizare.Logica().SlotCurent();
    if (!slot) {
        definitii.platforma().Mesaj(QStringLiteral("Nu este afișată nicio problemă de corectat."));
        return;
    }
    DialogDetaliiProblema forma(
        QStringLiteral("Corectează detaliile problemei"), QStringLiteral("Salvează"),
        DetaliiProblema::DinProblema(definitii.ProblemaDin(slot)), CapitoleExistente(definitii),
        DisciplineExistente(definitii), &vizualizare);
    forma.Accepta = [&definitii, slot](const DetaliiProblema &d) {
        return CorecteazaDetalii(definitii, slot, d);
    };
    if (forma.exec() == QDialog::Accepted)
        vizualizare.ProblemaSchimbata();
}
} // namespace

void LeagaImportul(FereastraEditare &editor, Colectie &definitii, MotorRecunoastere motor,
                   FabricaScannere scannere)
{
    QMenu *importa = editor.MeniuDe(FereastraEditare::Meniu::Importa);
    importa
        ->addAction(QStringLiteral("Dosar cu imagini…"), &editor,
                    [&editor, &definitii] { ImportaDosar(editor, definitii); })
        ->setShortcut(Qt::CTRL | Qt::Key_I);
    importa
        ->addAction(QStringLiteral("Pachet primit de la un coleg…"), &editor,
                    [&editor, &definitii] { ImportaSchimb(editor, definitii, false); })
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+I")));
    importa
        ->addAction(QStringLiteral("Altă colecție Tezaurel…"), &editor,
                    [&editor, &definitii] { ImportaSchimb(editor, definitii, true); })
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+D")));
    importa
        ->addAction(QStringLiteral("Pagină cu mai multe probleme…"), &editor,
                    [&editor, &definitii, motor, scannere] {
                        FereastraPagina pagina(definitii, motor, scannere, &editor);
                        pagina.setWindowIcon(IconitaFerestrei("pagina"));
                        pagina.exec();
                    })
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")));
}

void LeagaSchimbul(FereastraVizualizare &vizualizare, SelectieCurenta &selectie)
{
    Colectie &definitii = selectie.Colectia();
    QAction *exporta = vizualizare.MeniuDe(FereastraVizualizare::Meniu::Schimb)
                           ->addAction(QStringLiteral("Exportă selecția…"));
    exporta->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    QObject::connect(exporta, &QAction::triggered, &vizualizare, [&selectie, &vizualizare] {
        Pachet::ExportaSelectia(selectie, RulareCuProgres(&vizualizare));
    });
    QAction *corecteaza = vizualizare.MeniuDe(FereastraVizualizare::Meniu::Problema)
                              ->addAction(QStringLiteral("Corectează detaliile…"));
    corecteaza->setShortcut(Qt::CTRL | Qt::Key_E);
    QObject::connect(corecteaza, &QAction::triggered, &vizualizare, [&vizualizare, &definitii] {
        CorecteazaProblemaAratata(vizualizare, definitii);
    });
}

void LeagaLucrarea(FereastraVizualizare &vizualizare, const SelectieCurenta &selectie,
                   CompunereLucrare &compunere, std::function<void()> arataLucrarea)
{
    QMenu *meniu = vizualizare.MeniuDe(FereastraVizualizare::Meniu::Lucrare);
    QAction *adauga = meniu->addAction(QStringLiteral("Adaugă problema în lucrare"));
    adauga->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence(Qt::Key_Insert)});
    QAction *arata = meniu->addAction(QStringLiteral("Deschide lucrarea"));
    arata->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));

    auto pozaAratata = [&selectie]() -> QString {
        const Problema *p = selectie.ProblemaAratata();
        return p ? p->Fisier.FaraBlancuri() : QString();
    };
    auto *stare = new QLabel(&vizualizare);
    stare->setObjectName(QStringLiteral("StareLucrare"));
    stare->setContentsMargins(8, 0, 8, 0);
    vizualizare.menuBar()->setCornerWidget(stare, Qt::TopRightCorner);
    auto arataStarea = [stare, &compunere, pozaAratata] {
        QString text = QStringLiteral("Lucrarea: %1")
                           .arg(TextProbleme(int(compunere.Curenta().Probleme.size())));
        const QString poza = pozaAratata();
        if (!poza.isEmpty()) {
            const QString date = TextFolosiri(compunere.Arhiva().Folosiri(poza));
            text += date.isEmpty() ? QStringLiteral(" · Problema nu a fost dată încă")
                                   : QStringLiteral(" · Dată: ") + date;
        }
        stare->setText(text);
        // A menu bar shows its corner to the eye only; a screen reader reads it here.
        if (auto *bara = qobject_cast<QMenuBar *>(stare->parentWidget()))
            bara->setAccessibleDescription(text);
    };
    QObject::connect(adauga, &QAction::triggered, stare, [&selectie, &compunere, pozaAratata] {
        const QString poza = pozaAratata();
        if (poza.isEmpty())
            selectie.Colectia().platforma().Mesaj(
                QStringLiteral("Nu este afișată nicio problemă."));
        else
            compunere.Adauga(poza);
    });
    QObject::connect(arata, &QAction::triggered, stare, std::move(arataLucrarea));
    QAction *solutie = vizualizare.MeniuDe(FereastraVizualizare::Meniu::Problema)
                           ->addAction(QStringLiteral("Soluția pentru barem…"));
    solutie->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    QObject::connect(solutie, &QAction::triggered, stare,
                     [&vizualizare, &selectie, &compunere, pozaAratata] {
                         Platforma &platforma = selectie.Colectia().platforma();
                         const QString poza = pozaAratata();
                         if (poza.isEmpty()) {
                             platforma.Mesaj(QStringLiteral("Nu este afișată nicio problemă."));
                             return;
                         }
                         DialogSolutie dialog(compunere.Solutii(), platforma, poza,
                                              QDir::homePath(), &vizualizare);
                         if (dialog.exec() == QDialog::Accepted)
                             emit compunere.Schimbata(); // the paper's warnings follow
                     });
    QObject::connect(&compunere, &CompunereLucrare::Schimbata, stare, arataStarea);
    // Connected after the viewer's own handler, so the problem is already the new one.
    QObject::connect(&vizualizare, &FereastraVizualizare::ButonApasat, stare, arataStarea);
    QObject::connect(meniu, &QMenu::aboutToShow, stare, arataStarea);
    arataStarea();
    // The viewer shows its first problem when it is activated: look again then.
    vizualizare.installEventFilter(new Privire(arataStarea, stare));
}

} // namespace tezaurel
