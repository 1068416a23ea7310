#pragma once

#include "platform/Platforma.h"
#include "tests/common/Afisare.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <stdexcept>

// A platform whose user is a script: answers are taken from queues in order,
// and every text shown is recorded so a test can compare it exactly.
class PlatformaScriptata final : public Platforma
{
public:
    void Mesaj(const QString &text) override { Mesaje << text; }
    bool IntrebareDaNu(const QString &text) override
    {
        Intrebari << text;
        if (RaspunsuriDaNu.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return false;
        }
        return Scoate(RaspunsuriDaNu);
    }
    std::optional<QString> CitesteText(const QString &intrebare) override
    {
        Prompturi << intrebare;
        // Running out of answers ends the test: a numeric prompt that is
        // cancelled would otherwise be asked again for ever.
        if (Raspunsuri.empty())
            throw std::runtime_error("no answer scripted for: " + intrebare.toStdString());
        return Scoate(Raspunsuri);
    }
    QString AlegeFisier(const QString &dosarInitial) override
    {
        DosareInitiale << dosarInitial;
        return FisiereAlese.empty() ? QString() : Scoate(FisiereAlese);
    }
    QString AlegeDosar(const QString &dosarInitial) override
    {
        DosareInitiale << dosarInitial;
        return DosarAles;
    }
    void CantaSunet(const QString &cale) override { Sunete << cale; }
    void DeschideAjutor(const QString &cale) override { Ajutoare << cale; }
    bool StergeFisier(const QString &cale) override
    {
        Sterse << cale;
        return StergereReuseste && QFile::remove(cale);
    }

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
    template <class T> static T Scoate(std::deque<T> &coada)
    {
        T primul = std::move(coada.front());
        coada.pop_front();
        return primul;
    }
};
