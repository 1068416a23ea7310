#pragma once

#include <QString>

#include <atomic>
#include <functional>

namespace tezaurel {

// A long job (a package written or checked) shared between the thread that
// does it and the window that waits: how far it is, and whether the user
// gave up. Total stays 0 while the end is unknown.
struct StareLucru
{
    std::atomic<qint64> Facute{0};
    std::atomic<qint64> Total{0};
    std::atomic<bool> Anulat{false};
};

// Runs lucru off the window's thread and returns once it is done; meanwhile
// the user sees titlu, the progress and "Anulare", and the windows keep
// answering. lucru must touch nothing the window's thread owns.
using RulareInFundal = std::function<void(const QString &titlu, StareLucru &stare,
                                          const std::function<void()> &lucru)>;

// Where nothing is shown (the tests, the command line): the job runs in place.
inline void RuleazaPeLoc(const QString &, StareLucru &, const std::function<void()> &lucru)
{
    lucru();
}

} // namespace tezaurel
