#pragma once

#include "platform/FereastraFixa.h"

class Ferestre;
class mDefinitii;

class fVizualizare : public FereastraFixa
{
    Q_OBJECT

public:
    fVizualizare(mDefinitii &definitii, Ferestre &ferestre, QWidget *parent = nullptr);

private:
    mDefinitii &m_definitii;
    Ferestre &m_ferestre;
};
