#pragma once

#include "interfete/Imprimanta.h"
#include "interfete/Platforma.h"
#include "interfete/Recunoastere.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

using namespace tezaurel;

// A platform whose user is a script: answers are taken from queues in order,
// and every text shown is recorded so a test can compare it exactly.
class PlatformaScriptata final : public Platforma
{
public:
    void Mesaj(const QString &text) override { Mesaje << text; }
    bool IntrebareDaNu(const QString &text) override;
    std::optional<QString> CitesteText(const QString &intrebare) override;
    QString AlegeFisier(const QString &dosarInitial) override
    {
        DosareInitiale << dosarInitial;
        return FisiereAlese.empty() ? QString() : UrmatorulFisier();
    }
    QString AlegeDosar(const QString &dosarInitial) override
    {
        DosareInitiale << dosarInitial;
        return DosarAles;
    }
    // Takes the next of FisiereAlese, the proposal itself when none is left.
    QString AlegeFisierSalvare(const QString &propus) override
    {
        DosareInitiale << propus;
        return FisiereAlese.empty() ? propus : UrmatorulFisier();
    }
    void CantaSunet(const QString &cale) override { Sunete << cale; }
    void DeschideAjutor(const QString &cale) override { Ajutoare << cale; }
    bool StergeFisier(const QString &cale) override;

    // --- the script
    std::deque<bool> RaspunsuriDaNu;
    // nullopt = Cancel; a prompt with no answer left throws std::runtime_error
    std::deque<std::optional<QString>> Raspunsuri;
    std::deque<QString> FisiereAlese;
    QString DosarAles;
    bool StergereReuseste = true;

    // --- what was shown and asked
    QStringList Mesaje;
    QStringList Intrebari; // Yes/No questions
    QStringList Prompturi; // input-box prompts
    QStringList DosareInitiale;
    QStringList Sunete;
    QStringList Ajutoare;
    QStringList Sterse;

private:
    QString UrmatorulFisier();
};

// The real printers and recognition, for tests that drive the whole application.
std::unique_ptr<Imprimanta> ImprimanteQt();
MotorRecunoastere RecunoastereTesseract(const QString &dosarDate = {});
