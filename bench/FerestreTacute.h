#pragma once

#include "app/Ferestre.h"

// Windows that go nowhere: a benchmark measures one window alone.
class FerestreTacute : public Ferestre
{
public:
    void ArataMain() override {}
    void ArataEditor() override {}
    void ArataVizualizare() override {}
    void ArataDefSel() override {}
    void ArataTipareste() override {}
    void Iesire() override {}
};
