#pragma once

#include "interfete/Ferestre.h"

namespace tezaurel {

// Windows that go nowhere: a benchmark measures one window alone.
class FerestreTacute : public Ferestre
{
public:
    void ArataPrincipala() override {}
    void ArataEditor() override {}
    void ArataVizualizare() override {}
    void ArataSelectia() override {}
    void ArataTiparirea() override {}
    void Iesire() override {}
};

} // namespace tezaurel
