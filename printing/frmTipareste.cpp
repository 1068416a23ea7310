#include "printing/frmTipareste.h"

#include "store/mDefinitii.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QVBoxLayout>

frmTipareste::frmTipareste(mDefinitii &definitii, QWidget *parent)
    : QDialog(parent), m_definitii(definitii)
{
    setWindowTitle(QStringLiteral("Tipareste"));
    auto *renunta = new QPushButton(QStringLiteral("Renunta"), this);
    auto *asezare = new QVBoxLayout(this);
    asezare->addWidget(renunta);
    connect(renunta, &QPushButton::clicked, this, [this] { done(0); });
}

void frmTipareste::closeEvent(QCloseEvent *eveniment)
{
    eveniment->ignore();
}

void frmTipareste::reject()
{
    // Escape would close the dialog behind the user's back; only "Renunta" leaves it.
}
