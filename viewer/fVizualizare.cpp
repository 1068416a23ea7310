#include "viewer/fVizualizare.h"

#include "app/Ferestre.h"
#include "store/mDefinitii.h"

#include <QMenuBar>

fVizualizare::fVizualizare(mDefinitii &definitii, Ferestre &ferestre, QWidget *parent)
    : FereastraFixa(parent), m_definitii(definitii), m_ferestre(ferestre)
{
    setWindowTitle(QStringLiteral("Vizualizare Probleme"));
    QAction *revenire = menuBar()->addAction(QStringLiteral("Revenire Meniu"));
    connect(revenire, &QAction::triggered, this, [this] {
        hide();
        m_ferestre.ArataMain();
    });
}
