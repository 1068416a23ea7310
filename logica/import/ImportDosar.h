#pragma once

#include "logica/import/DetaliiProblema.h"
#include "model/AdaugareProbleme.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tezaurel {

class Colectie;

// What the import asks of whoever runs it: a screen with a form and a
// progress dialog, or a test.
class InterfataImport
{
public:
    virtual ~InterfataImport() = default;
    // The details every picture gets when the folder has no probleme.csv,
    // asked once for its nrFisiere files; nothing when the user gives up.
    virtual std::optional<DetaliiProblema>
    CereDetalii(const QStringList &capitole, const QStringList &discipline, int nrFisiere) = 0;
    // Before each picture, and once more at the end (facute == total).
    virtual void Progres(int facute, int total, const QString &nume) = 0;
    // Polled after each step: true once the user has pressed "Anulare".
    virtual bool Anulat() = 0;
};

struct RaportImport
{
    int Adaugate = 0;
    QStringList Omise; // one text for each picture left out, with the reason
    // Rows of probleme.csv that are wrong or name no picture of the folder:
    // told, but not counted, so that the pictures added and left out add up
    // to the folder's (a wrong row's picture is counted among those left out).
    QStringList RanduriCsv;
    bool Anulat = false;
    QStringList Redenumite; // added under a free name, the one they came with being taken
    QString Oprire;         // why the import stopped before its end; empty when it did not

    QString Text() const;
    // What adding the picture named nume gave (cerut: the name it asked
    // for): a duplicate or a refused name left out, a free name noted; false
    // when the import must stop there, the reason in Oprire.
    bool Noteaza(const AdaugareProbleme::Rezultat &r, const QString &nume, const QString &cerut);
};

// Turns every picture of a folder (JPEG, PNG, bitmap, recognised by content;
// no sub-folders) into a problem. Each picture is stored in Probleme before
// its record is appended, and taken back out when the record cannot be
// written, so a stop at any point leaves only whole problems behind.
class ImportDosar
{
public:
    static inline const QString NumeCsv = QStringLiteral("probleme.csv");

    ImportDosar(Colectie &definitii, InterfataImport &interfata);

    // Nothing when the import did not start: the user was told why.
    std::optional<RaportImport> Importa(const QString &dosar);

private:
    Colectie &m_definitii;
    InterfataImport &m_interfata;
};

} // namespace tezaurel
