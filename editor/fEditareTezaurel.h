#pragma once

#include "platform/FereastraFixa.h"

class Ferestre;
class mDefinitii;

class fEditareTezaurel : public FereastraFixa
{
    Q_OBJECT

public:
    fEditareTezaurel(mDefinitii &definitii, Ferestre &ferestre, QWidget *parent = nullptr);

private:
    mDefinitii &m_definitii;
    Ferestre &m_ferestre;
};
