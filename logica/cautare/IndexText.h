#pragma once

#include "interfete/Recunoastere.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <limits>
#include <optional>

class QSqlDatabase;

namespace tezaurel {

class BazaDate;

// The recognised texts of the problems' pictures in Tezaurel.db, keyed by the
// picture's name in Probleme/, with an FTS5 index over the text and the
// problem's observations. The index folds case and diacritics, so "functia",
// "funcţia" (cedilla) and "funcția" (comma) are one word.
namespace IndexText {

// What the index holds for one picture.
struct Intrare
{
    qint64 Marime = -1;   // the file's size when it was recognised; -1 while it waits
    qint64 Modificat = 0; // its modification time then, ms since the epoch
    QString Observatii;
    bool operator==(const Intrare &) const = default;
};
using Intrari = QHash<QString, Intrare>;

// Adds the tables to those the database creates when it opens.
void InregistreazaSchema(BazaDate &baza);

// Every picture the index holds, by name; nothing when the database cannot be read.
std::optional<Intrari> Citeste(BazaDate &baza);

// Makes the rows follow the problems in use (picture name -> observations):
// other names lose their row and text, new names get a row that waits for
// recognition, changed observations are replaced. At most limita rows in one
// transaction, so a first start on a full collection never holds the windows
// long; cunoscute follows when it commits. The rows still to change; nothing
// when the database refused.
std::optional<int> Potriveste(BazaDate &baza, const QHash<QString, QString> &probleme,
                              Intrari &cunoscute, int limita = std::numeric_limits<int>::max());

// Stores what recognition made of a picture, its words' boxes with it. A
// picture that could not be read is stored with no text and the file's size
// and time, so that it is tried again only once the file changes.
bool Inregistreaza(BazaDate &baza, const QString &nume, qint64 marime, qint64 modificat,
                   const QString &text, const std::vector<CuvantRecunoscut> &cuvinte = {});

// The recognised words of a picture with their boxes, while the file still has
// the size it had when recognised; none otherwise (a changed scan's old boxes
// would point at the wrong places).
std::vector<CuvantRecunoscut> Cuvinte(BazaDate &baza, const QString &nume, qint64 marimeFisier);

// Inside the caller's transaction: the row of a picture whose text is already
// known (one that came from a colleague), with the file's size and time, so
// that it is not recognised again.
bool Adauga(QSqlDatabase &db, const QString &nume, const Intrare &intrare, const QString &text);

// The FTS5 query for what the user typed: every word required, each as a
// prefix, each quoted so that nothing typed is read as FTS5 syntax. Empty when
// there is no word.
QString Interogare(const QString &cuvinte);

// The names whose text or observations hold every word; nothing when cuvinte
// holds no word (no filter).
std::optional<QSet<QString>> Cauta(BazaDate &baza, const QString &cuvinte);

// The recognised text of a picture; nothing while it waits for recognition.
std::optional<QString> Text(BazaDate &baza, const QString &nume);

} // namespace IndexText

} // namespace tezaurel
