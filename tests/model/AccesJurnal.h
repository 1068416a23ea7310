#pragma once

#include "model/Colectie.h"
#include "tests/comune/DosarTest.h"
#include "tests/comune/PlatformaScriptata.h"

#include <QDirIterator>
#include <QRegularExpression>

using namespace tezaurel;

// The real disk with faults on demand: after ScrieriPermise writes the process
// "dies", its next write landing only its first Rupt bytes over what the disk
// held, nothing later reaching the disk. DoarCitire: the read-write open fails,
// as on a write-protected stick. (Named for the journal it once kept; the
// editor's and the import's tests use it too.)
struct AccesJurnal final : AccesFisiere
{
    int ScrieriPermise = INT_MAX, Rupt = 0;
    bool SincronizareReuseste = true, InlocuireReuseste = true, DoarCitire = false;

    struct FisierCuCadere final : FisierInregistrari
    {
        std::unique_ptr<FisierInregistrari> real;
        AccesJurnal &acces;
        QString cale;
        FisierCuCadere(std::unique_ptr<FisierInregistrari> r, AccesJurnal &a, QString c)
            : real(std::move(r))
            , acces(a)
            , cale(std::move(c))
        {}
        int Citeste(int nr, Problema::Inregistrare &b) override { return real->Citeste(nr, b); }
        std::pair<quint64, quint64> Identitate() const override { return real->Identitate(); }
        bool Sincronizeaza() override
        {
            return acces.SincronizareReuseste && acces.ScrieriPermise >= 0 && real->Sincronizeaza();
        }
        bool Scrie(int nr, const Problema::Inregistrare &o) override
        {
            if (acces.ScrieriPermise-- > 0)
                return real->Scrie(nr, o);
            QFile f(cale);
            if (acces.ScrieriPermise == -1 && f.open(QFile::ReadWrite) && f.seek(nr * 512 - 512))
                f.write(o.data(), acces.Rupt);
            return false;
        }
    };
    std::unique_ptr<FisierInregistrari> Deschide(const QString &cale, Mod mod) override
    {
        auto real =
            DoarCitire && mod != Mod::DoarCitire ? nullptr : AccesFisiereDisc().Deschide(cale, mod);
        return real ? std::make_unique<FisierCuCadere>(std::move(real), *this, cale) : nullptr;
    }
    bool Inlocuieste(const QString &sursa, const QString &destinatie) override
    {
        return InlocuireReuseste && AccesFisiere::Inlocuieste(sursa, destinatie);
    }
    int EroareZavor = 0; // every lock refused with this errno
    int Blocheaza(int fd, struct flock *z) override
    {
        return EroareZavor ? (errno = EroareZavor, -1) : AccesFisiere::Blocheaza(fd, z);
    }
};

// Record 1: the count, over the last kept problem when a purge wrote it.
inline QByteArray Antet(int16_t numar, Problema ultima = Problema())
{
    ultima.Clasa = numar;
    return Octeti(ultima);
}

// What the teacher reads when the collection could not be written.
inline QString EroareScriere(const QString &colectie)
{
    return "Nu am reusit sa scriu in fisierul colectiei: " + colectie +
           ". Modificarea nu a fost salvata.";
}

// Appends as the editor does: a new slot, then header and record.
inline bool Adauga(Colectie &d, const Problema &p)
{
    return d.PoateAdauga() && d.ScrieProblemaNoua(p);
}

// An application folder, its collection loaded through the faulty disk.
struct ColectieTest
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    AccesJurnal *acces = new AccesJurnal; // owned by d
    Colectie d{dosar.Cale(), platforma, std::unique_ptr<AccesFisiere>(acces)};
    QByteArray Fisier() const { return dosar.CitesteOcteti("Tezaurel.stn"); }
    // Every file of the folder but the collection and its lock, hidden ones too.
    QStringList Fisiere() const
    {
        QStringList fisiere;
        QDirIterator it(dosar.Cale(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            fisiere << QDir(dosar.Cale()).relativeFilePath(it.next());
        fisiere.sort();
        return fisiere.filter(QRegularExpression("^(?!Tezaurel.stn)"));
    }
};
