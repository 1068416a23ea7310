#include "selection/fDefSel.h"

#include "app/Ferestre.h"
#include "store/mDefinitii.h"

#include <QMenuBar>

fDefSel::fDefSel(mDefinitii &definitii, Ferestre &ferestre, QWidget *parent)
    : FereastraFixa(parent), m_definitii(definitii), m_ferestre(ferestre)
{
    setWindowTitle(QStringLiteral("Definiti o selectie"));
    QAction *revenire = menuBar()->addAction(QStringLiteral("Vizualizare"));
    connect(revenire, &QAction::triggered, this, [this] {
        hide();
        m_ferestre.ArataVizualizare();
    });
}
