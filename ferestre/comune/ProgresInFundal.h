#pragma once

#include "interfete/LucruInFundal.h"

class QWidget;

namespace tezaurel {

// The windows' way of running a long job: on a worker of Qt's pool, with a
// progress dialog over parinte that offers "Anulare", and the event loop
// turning meanwhile, so no window stops answering.
RulareInFundal RulareCuProgres(QWidget *parinte);

} // namespace tezaurel
