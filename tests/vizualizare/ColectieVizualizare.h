#pragma once

#include "logica/vizualizare/Vizualizator.h"
#include "model/SelectieCurenta.h"
#include "tests/comune/DosarTest.h"
#include "tests/comune/PanzaInregistrata.h"
#include "tests/comune/PlatformaScriptata.h"
#include "tests/comune/PozeGresite.h"

#include <gtest/gtest.h>

#include <map>

using namespace tezaurel;

inline const QRgb FundalPanou = qRgb(200, 200, 200);

// Slot 2 is the worked example (bitmap data under a .jpg name), slot 3 a real
// JPEG under a .jpeg name, slot 4 names a missing picture, slot 5 one that is
// not a picture. The viewer's logic draws on a recording panel.
class Vizualizare : public ::testing::Test
{
protected:
    Vizualizare()
    {
        dosar.ScrieColectie(
            {FaProblema(9, 8, "Algebra", "Functii", "p12.jpg", false, "Domeniul de definitie   "),
             FaProblema(10, 7, "Geometrie", "Triunghiuri", "t.jpeg", false,
                        "Doar pentru clasa a X-a"),
             FaProblema(11, 9, "Analiza", "Limite", "lipsa.jpg"),
             FaProblema(12, 10, "Analiza", "Integrale", "stricat.jpg", false, "Poza pierduta")});
        d.IncarcaColectie();
        dosar.ScriePoza("p12.jpg", Poza12);
        dosar.ScrieOcteti("Probleme/t.jpeg", OctetiPoza(PozaModel(50, 30), "JPEG"));
        dosar.ScrieOcteti("Probleme/stricat.jpg", "nu este o poza");
        v.Incarca();
    }
    // The selection as an evaluation hands it over ("2 3 5": these slots),
    // shown as the selection dialog shows the viewer after it.
    void Selecteaza(const QString &sloturi)
    {
        sel.NrSelectie = 1;
        for (const QString &slot : sloturi.split(' ', Qt::SkipEmptyParts))
            sel.Pozitii[++sel.NrSelectie] = int16_t(slot.toInt());
        sel.SelectieNoua = true;
        v.Activat = false;
        v.Activeaza();
    }
    // One step as the user or another window takes it ("selectie 2 3": a new
    // selection shown, "activare": the window activated, "nr N": the
    // selection cut to N - 1 by a purge), and what the viewer then
    // shows: the position, the status line's file, the picture's width, "obs"
    // while the observations are shown, the panel's operations and what a
    // button asks the window to do.
    QString Pas(const QString &pas)
    {
        panou.Operatii.clear();
        QString urmare;
        if (pas.startsWith("selectie"))
            Selecteaza(pas.mid(8));
        else if (pas == "activare")
            v.Activeaza();
        else if (pas.startsWith("nr "))
            sel.NrSelectie = int16_t(pas.mid(3).toInt());
        else
            urmare = QStringList{"", "Selectie", "Tiparire", "Principala"}.value(
                int(v.Executa(Comenzi.at(pas))));
        return QString("%1 %2 %3%4 %5 %6")
            .arg(QString::number(sel.PozitieCurenta), v.TextStare.section(' ', 0, 0),
                 QString::number(v.Poza.Naturala().width()),
                 QString(v.ObservatiiVizibile ? " obs" : ""), panou.Operatii.join(','), urmare)
            .trimmed();
    }

    const std::map<QString, ComandaVizualizare> Comenzi = {
        {"Prima", ComandaVizualizare::Prima},
        {"Inainte", ComandaVizualizare::Inainte},
        {"Inapoi", ComandaVizualizare::Inapoi},
        {"Ultima", ComandaVizualizare::Ultima},
        {"DefinesteSelectie", ComandaVizualizare::DefinesteSelectie},
        {"AnuleazaSelectie", ComandaVizualizare::AnuleazaSelectie},
        {"ObservatiiArataAscunde", ComandaVizualizare::ObservatiiArataAscunde},
        {"Imprimare", ComandaVizualizare::Imprimare},
        {"Revenire", ComandaVizualizare::Revenire}};
    DosarTest dosar;
    PlatformaScriptata platforma;
    Colectie d{dosar.Cale(), platforma};
    SelectieCurenta sel{d};
    QImage Poza12 = PozaModel(60, 40);
    PanzaInregistrata panou{QSize(300, 200), QColor(FundalPanou)};
    Vizualizator v{sel, panou};
};
