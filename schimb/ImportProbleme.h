#pragma once

#include <QString>
#include <QStringList>

class SursaProbleme;
class mDefinitii;

// How a long import shows its progress and hears "Anulare". A seam, so the
// import runs without a progress dialog in tests and benchmarks.
class ProgresImport
{
public:
    virtual ~ProgresImport() = default;
    virtual void Avans(int facute, int total) = 0;
    virtual bool Anulat() = 0;
};

struct RaportImport
{
    int Adaugate = 0;
    QStringList Omise;      // one line for each problem left out, with its reason
    QStringList Redenumite; // added under a free name, the old one being in use
    QString Oprire;    // why the import stopped before its end; empty when it did not
};

// Adds the source's problems after the last one of this collection, each
// picture stored before its record, so an interruption at any point leaves
// whole problems only. A picture whose content this collection already has
// is a duplicate and is left out; a name already in use gets a free one
// ("nume (2).jpg"). When the new problems would not fit in the table, none is
// added.
RaportImport ImportaProbleme(mDefinitii &definitii, SursaProbleme &sursa, ProgresImport &progres);

// The report as the user reads it at the end.
QString TextRaport(const RaportImport &raport);
