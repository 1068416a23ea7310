#pragma once

#include "logica/editare/EditareProbleme.h"
#include "model/Colectie.h"
#include "tests/comune/DosarTest.h"
#include "tests/comune/PanzaInregistrata.h"
#include "tests/comune/PlatformaScriptata.h"
#include "tests/comune/PozeGresite.h"
#include "tests/model/AccesJurnal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tezaurel;

const QColor CuloareFundal(10, 20, 30);

// The editor's logic on a recording canvas, with a scripted teacher and a disk
// that can be told to refuse writing.
struct Editor
{
    DosarTest dosar;
    PlatformaScriptata s;
    AccesJurnal *acces = new AccesJurnal; // owned by definitii
    Colectie definitii{dosar.Cale(), s, std::unique_ptr<AccesFisiere>(acces)};
    Colectie &d = definitii;
    PanzaInregistrata panza{QSize(120, 90), CuloareFundal};
    EditareProbleme editare{definitii, panza};

    Editor() { panza.Imagine.fill(Qt::white); }
    // A file outside the application folder, as the open dialog would give it;
    // a name too long for the disk leaves only the path.
    QString Scanare(const QString &caleRelativa, const QByteArray &octeti)
    {
        const QString cale = dosar.Cale() + "/scanari/" + caleRelativa;
        QDir().mkpath(QFileInfo(cale).path());
        QFile f(cale);
        if (f.open(QIODevice::WriteOnly))
            f.write(octeti);
        return cale;
    }
    // BMP data, so pixels compare exactly.
    QString Poza(const QString &caleRelativa, const QImage &poza = PozaModel(40, 30))
    {
        return Scanare(caleRelativa, OctetiPoza(poza, "BMP"));
    }
    void Deschide(const QString &cale)
    {
        s.FisiereAlese.push_back(cale);
        editare.DeschideFisier();
    }
    void Raspunde(std::initializer_list<std::optional<QString>> raspunsuri)
    {
        s.Raspunsuri.insert(s.Raspunsuri.end(), raspunsuri);
    }
    QByteArray OctetiColectie() const { return dosar.CitesteOcteti("Tezaurel.stn"); }
};

class EditorTest : public ::testing::Test, protected Editor
{
};
