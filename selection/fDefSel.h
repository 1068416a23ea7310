#pragma once

#include "platform/FereastraFixa.h"

class Ferestre;
class mDefinitii;

class fDefSel : public FereastraFixa
{
    Q_OBJECT

public:
    fDefSel(mDefinitii &definitii, Ferestre &ferestre, QWidget *parent = nullptr);

private:
    mDefinitii &m_definitii;
    Ferestre &m_ferestre;
};
