#include "editor/fEditareTezaurel.h"

#include "app/Ferestre.h"
#include "store/mDefinitii.h"

#include <QMenuBar>

fEditareTezaurel::fEditareTezaurel(mDefinitii &definitii, Ferestre &ferestre, QWidget *parent)
    : FereastraFixa(parent), m_definitii(definitii), m_ferestre(ferestre)
{
    setWindowTitle(QStringLiteral("Personalizare Tezaurel"));
    QAction *revenire = menuBar()->addAction(QStringLiteral("Revenire"));
    connect(revenire, &QAction::triggered, this, [this] {
        hide();
        m_ferestre.ArataMain();
    });
}
