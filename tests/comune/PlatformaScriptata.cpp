#include "tests/comune/PlatformaScriptata.h"

#include "platforma/ImprimantaQt.h"
#include "platforma/MotorTesseract.h"

#include <QFile>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace tezaurel;

bool PlatformaScriptata::IntrebareDaNu(const QString &text)
{
    Intrebari << text;
    if (RaspunsuriDaNu.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    const bool raspuns = RaspunsuriDaNu.front();
    RaspunsuriDaNu.pop_front();
    return raspuns;
}

std::optional<QString> PlatformaScriptata::CitesteText(const QString &intrebare)
{
    Prompturi << intrebare;
    // Running out of answers ends the test: a numeric prompt that is
    // cancelled would otherwise be asked again for ever.
    if (Raspunsuri.empty())
        throw std::runtime_error("no answer scripted for: " + intrebare.toStdString());
    auto raspuns = Raspunsuri.front();
    Raspunsuri.pop_front();
    return raspuns;
}

bool PlatformaScriptata::StergeFisier(const QString &cale)
{
    Sterse << cale;
    return StergereReuseste && QFile::remove(cale);
}

QString PlatformaScriptata::UrmatorulFisier()
{
    const QString ales = FisiereAlese.front();
    FisiereAlese.pop_front();
    return ales;
}

std::unique_ptr<Imprimanta> ImprimanteQt()
{
    return std::make_unique<ImprimantaQt>();
}

MotorRecunoastere RecunoastereTesseract(const QString &dosarDate)
{
    const QString modul = QStringLiteral(TEZAUREL_MODUL_RECUNOASTERE);
    return dosarDate.isEmpty() ? MotorTesseract(modul) : MotorTesseract(modul, dosarDate);
}
