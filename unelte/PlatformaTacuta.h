#pragma once

#include "interfete/Platforma.h"

#include <functional>

namespace tezaurel {

// A user who never answers: for benchmarks and tools that run the logic
// without anyone in front of the screen. Prompts are cancelled, the Yes/No
// question gets RaspunsDaNu, and messages go to LaMesaj when one is given.
class PlatformaTacuta final : public Platforma
{
public:
    bool RaspunsDaNu = true;
    bool RezultatStergere = false;
    QString FisierAles; // what the file dialog "chooses"
    QString DosarAles;
    QString UltimulMesaj;
    std::function<void(const QString &)> LaMesaj;

    void Mesaj(const QString &text) override
    {
        UltimulMesaj = text;
        if (LaMesaj)
            LaMesaj(text);
    }
    bool IntrebareDaNu(const QString &) override { return RaspunsDaNu; }
    std::optional<QString> CitesteText(const QString &) override { return std::nullopt; }
    QString AlegeFisier(const QString &) override { return FisierAles; }
    QString AlegeDosar(const QString &) override { return DosarAles; }
    QString AlegeFisierSalvare(const QString &propus) override { return propus; }
    void CantaSunet(const QString &) override {}
    void DeschideAjutor(const QString &) override {}
    bool StergeFisier(const QString &) override { return RezultatStergere; }
};

} // namespace tezaurel
