#pragma once

#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <QFile>
#include <QFileInfo>

#include <climits>

// The real disk, with a journal of what the program asks of it and faults on
// demand: after ScrieriPermise writes the process "dies", its next write
// landing only its first Rupt bytes, nothing later reaching the disk.
class AccesJurnal final : public AccesFisiere
{
public:
    int ScrieriPermise = INT_MAX, Rupt = 0;
    bool SincronizareReuseste = true, InlocuireReuseste = true;
    bool DoarCitire = false; // the read-write open fails, as on a write-protected stick
    QStringList Jurnal;
    const QStringList *Sterse = nullptr; // the platform's deletions, counted at the replace
    qsizetype SterseLaInlocuire = -1;

    std::unique_ptr<FisierInregistrari> Deschide(const QString &cale, Mod mod) override;
    bool Inlocuieste(const QString &sursa, const QString &destinatie) override
    {
        Jurnal << "inlocuieste " + QFileInfo(sursa).fileName();
        SterseLaInlocuire = Sterse ? Sterse->size() : -1;
        return InlocuireReuseste && AccesFisiere::Inlocuieste(sursa, destinatie);
    }
};

class FisierJurnal final : public FisierInregistrari
{
public:
    FisierJurnal(std::unique_ptr<FisierInregistrari> real, AccesJurnal &a, const QString &cale)
        : m_real(std::move(real)), m_acces(a), m_cale(cale)
    {}
    int Citeste(int nr, Problema::Inregistrare &b) override { return m_real->Citeste(nr, b); }
    bool Scrie(int nr, const Problema::Inregistrare &o) override
    {
        m_acces.Jurnal << QString("scrie %1").arg(nr);
        if (m_acces.ScrieriPermise-- > 0)
            return m_real->Scrie(nr, o);
        if (m_acces.ScrieriPermise == -1 && m_acces.Rupt > 0) { // torn over what the disk held
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
        m_acces.Jurnal << "sincronizeaza";
        return m_acces.SincronizareReuseste && m_acces.ScrieriPermise >= 0 && m_real->Sincronizeaza();
    }

private:
    std::unique_ptr<FisierInregistrari> m_real;
    AccesJurnal &m_acces;
    QString m_cale;
};

inline std::unique_ptr<FisierInregistrari> AccesJurnal::Deschide(const QString &cale, Mod mod)
{
    auto real = DoarCitire && mod == Mod::CitireScriere ? nullptr
                                                        : AccesFisiereDisc().Deschide(cale, mod);
    if (!real)
        return nullptr;
    Jurnal << "deschide " + QFileInfo(cale).fileName();
    return std::make_unique<FisierJurnal>(std::move(real), *this, cale);
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

// An application folder, its collection loaded through the journal.
struct Colectie
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    AccesJurnal *acces = new AccesJurnal; // owned by d
    mDefinitii d{dosar.Cale(), platforma, std::unique_ptr<AccesFisiere>(acces)};
    QByteArray Fisier() const { return dosar.CitesteOcteti("Tezaurel.stn"); }
    // A fresh start on what the disk holds now.
    std::unique_ptr<mDefinitii> Reincarcat()
    {
        auto r = std::make_unique<mDefinitii>(dosar.Cale(), platforma);
        r->IncarcaColectie();
        return r;
    }
};
