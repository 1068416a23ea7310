#pragma once

#include <QDialog>

class mDefinitii;

class frmTipareste : public QDialog
{
    Q_OBJECT

public:
    explicit frmTipareste(mDefinitii &definitii, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *eveniment) override;
    void reject() override;

private:
    mDefinitii &m_definitii;
};
