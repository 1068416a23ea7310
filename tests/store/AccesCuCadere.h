#pragma once

#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <QDirIterator>
#include <QFile>

#include <climits>

// The real disk with faults on demand: after ScrieriPermise writes the process
// "dies", its next write landing only its first Rupt bytes over what the disk
// held, nothing later reaching the disk.
class AccesCuCadere final : public AccesFisiere
{
public:
    int ScrieriPermise = INT_MAX, Rupt = 0;
    bool SincronizareReuseste = true, InlocuireReuseste = true;

    std::unique_ptr<FisierInregistrari> Deschide(const QString &cale, Mod mod) override;
    bool Inlocuieste(const QString &sursa, const QString &destinatie) override
    {
        return InlocuireReuseste && AccesFisiere::Inlocuieste(sursa, destinatie);
    }
};

class FisierCuCadere final : public FisierInregistrari
{
public:
    FisierCuCadere(std::unique_ptr<FisierInregistrari> real, AccesCuCadere &a, const QString &cale)
        : m_real(std::move(real)), m_acces(a), m_cale(cale)
    {}
    int Citeste(int nr, Problema::Inregistrare &b) override { return m_real->Citeste(nr, b); }
    bool Scrie(int nr, const Problema::Inregistrare &o) override
    {
        if (m_acces.ScrieriPermise-- > 0)
            return m_real->Scrie(nr, o);
        if (m_acces.ScrieriPermise == -1 && m_acces.Rupt > 0) {
            Problema::Inregistrare amestec{};
            const int avea = m_real->Citeste(nr, amestec);
            std::copy_n(o.begin(), m_acces.Rupt, amestec.begin());
            QFile f(m_cale);
            f.open(QIODevice::ReadWrite);
            f.seek(qint64(nr - 1) * 512);
            f.write(amestec.data(), std::max(avea, m_acces.Rupt));
        }
        return false;
    }
    bool Sincronizeaza() override
    {
        return m_acces.SincronizareReuseste && m_acces.ScrieriPermise >= 0 && m_real->Sincronizeaza();
    }
    std::pair<quint64, quint64> Identitate() const override { return m_real->Identitate(); }

private:
    std::unique_ptr<FisierInregistrari> m_real;
    AccesCuCadere &m_acces;
    QString m_cale;
};

inline std::unique_ptr<FisierInregistrari> AccesCuCadere::Deschide(const QString &cale, Mod mod)
{
    auto real = AccesFisiereDisc().Deschide(cale, mod);
    return real ? std::make_unique<FisierCuCadere>(std::move(real), *this, cale) : nullptr;
}

// What the teacher reads when the collection could not be written.
inline QString EroareScriere(const QString &colectie)
{
    return "Nu am reusit sa scriu in fisierul colectiei: " + colectie +
           ". Modificarea nu a fost salvata.";
}

// Appends as the editor does: a new slot, then header and record.
inline bool Adauga(mDefinitii &d, const Problema &p)
{
    if (!d.PoateAdauga())
        return false;
    d.TabelProbleme[++d.NrProbleme] = p;
    return d.ScrieProblemaNoua();
}

// An application folder, its collection loaded through the faulty disk.
struct Colectie
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    AccesCuCadere *acces = new AccesCuCadere; // owned by d
    mDefinitii d{dosar.Cale(), platforma, std::unique_ptr<AccesFisiere>(acces)};
    QByteArray Fisier() const { return dosar.CitesteOcteti("Tezaurel.stn"); }
    // Every file of the folder but the collection and its lock, hidden ones too.
    QStringList Fisiere() const
    {
        QStringList fisiere;
        QDirIterator it(dosar.Cale(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            fisiere << QDir(dosar.Cale()).relativeFilePath(it.next());
        fisiere.removeAll("Tezaurel.stn");
        fisiere.removeAll("Tezaurel.stn.lock");
        fisiere.sort();
        return fisiere;
    }
};
