#pragma once

#include "logica/import/DetaliiProblema.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace tezaurel {

// probleme.csv, the details of a folder's pictures as a spreadsheet saves
// them: a header row naming the columns (fisier, clasa, nivel, disciplina,
// capitol, observatii, in any order, fisier, clasa and nivel required), then
// one row a picture. UTF-8 (with or without its mark) or Windows-1250, told
// apart by whether the bytes are valid UTF-8; "," or ";" between fields,
// whichever the header uses; fields in double quotes may hold separators,
// line breaks and doubled quotes.
struct RandCsv
{
    int Linie = 0; // where the row starts in the file, the header being line 1
    QString Fisier;
    DetaliiProblema Detalii;
};

struct TabelCsv
{
    // Why the whole file is unusable (no header, a required column missing);
    // empty when its rows were read.
    QString Eroare;
    std::vector<RandCsv> Randuri; // the rows that make sense
    QStringList RanduriGresite;   // one text for each row left out, saying why
};

TabelCsv CitesteCsv(const QByteArray &octeti);

// The file's records split into fields, each with the line it starts on; a
// record whose quotes never close is marked by a line of -1.
struct InregistrareCsv
{
    int Linie = 0;
    QStringList Campuri;
};
std::vector<InregistrareCsv> DesparteCsv(const QString &text, QChar separator);

} // namespace tezaurel
