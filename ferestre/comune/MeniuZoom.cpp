#include "ferestre/comune/MeniuZoom.h"

#include "ferestre/comune/PanzaQt.h"
#include "model/PozaPanoramata.h"

#include <QMenu>

namespace tezaurel {

void AdaugaZoom(QMenu &meniu, PanzaQt &panza, PozaPanoramata &poza,
                std::function<int()> latimeVizibila)
{
    auto adauga = [&meniu, &panza](const QString &titlu, QList<QKeySequence> taste,
                                   std::function<void()> comanda) {
        QAction *a = meniu.addAction(titlu);
        a->setShortcuts(taste);
        QObject::connect(a, &QAction::triggered, &panza, std::move(comanda));
    };
    // The keypad's keys and Ctrl with the main ones too, as other programs have them.
    adauga(QStringLiteral("Mărește"), {Qt::Key_Plus, Qt::Key_Equal, QKeySequence::ZoomIn},
           [&poza] { poza.Mareste(); });
    adauga(QStringLiteral("Micșorează"), {Qt::Key_Minus, QKeySequence::ZoomOut},
           [&poza] { poza.Micsoreaza(); });
    adauga(QStringLiteral("Mărime naturală"), {Qt::Key_0, Qt::CTRL | Qt::Key_0},
           [&poza] { poza.MarimeNaturala(); });
    adauga(QStringLiteral("Potrivește la lățime"), {Qt::Key_L},
           [&poza, latime = std::move(latimeVizibila)] { poza.PotrivesteLaLatime(latime()); });
    QObject::connect(&panza, &PanzaQt::Zoom, &panza,
                     [&poza](int unghi, QPointF la) { poza.Rotita(unghi, la); });
}

} // namespace tezaurel
