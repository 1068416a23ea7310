#pragma once

#include "store/mDefinitii.h"

#include <QFileInfo>
#include <QStringList>

#include <climits>

// The real disk, with a journal of what the program asks of it and faults on demand.
class AccesJurnal final : public AccesFisiere
{
public:
    int ScrieriPermise = INT_MAX; // every write after these fails
    bool SincronizareReuseste = true;
    bool InlocuireReuseste = true;
    bool DoarCitire = false; // the read-write open fails, as on a write-protected stick
    QStringList Jurnal;
    const QStringList *Sterse = nullptr; // the platform's deletions, looked at on replace
    qsizetype SterseLaInlocuire = -1;

    std::unique_ptr<FisierInregistrari> Deschide(const QString &cale, Mod mod) override;
    bool Inlocuieste(const QString &sursa, const QString &destinatie) override
    {
        Jurnal << "inlocuieste " + QFileInfo(sursa).fileName() + " " +
                      QFileInfo(destinatie).fileName();
        SterseLaInlocuire = Sterse ? Sterse->size() : -1;
        return InlocuireReuseste && AccesFisiere::Inlocuieste(sursa, destinatie);
    }
};

class FisierJurnal final : public FisierInregistrari
{
public:
    FisierJurnal(std::unique_ptr<FisierInregistrari> real, AccesJurnal &acces)
        : m_real(std::move(real))
        , m_acces(acces)
    {}
    int Citeste(int nr, Problema::Inregistrare &b) override { return m_real->Citeste(nr, b); }
    bool Scrie(int nr, const Problema::Inregistrare &o) override
    {
        m_acces.Jurnal << QString("scrie %1").arg(nr);
        return m_acces.ScrieriPermise-- > 0 && m_real->Scrie(nr, o);
    }
    bool Sincronizeaza() override
    {
        m_acces.Jurnal << "sincronizeaza";
        return m_acces.SincronizareReuseste && m_real->Sincronizeaza();
    }
    std::pair<quint64, quint64> Identitate() const override { return m_real->Identitate(); }

private:
    std::unique_ptr<FisierInregistrari> m_real;
    AccesJurnal &m_acces;
};

inline std::unique_ptr<FisierInregistrari> AccesJurnal::Deschide(const QString &cale, Mod mod)
{
    if (DoarCitire && mod == Mod::CitireScriere)
        return nullptr;
    auto real = AccesFisiereDisc().Deschide(cale, mod);
    if (!real)
        return nullptr;
    Jurnal << "deschide " + QFileInfo(cale).fileName();
    return std::make_unique<FisierJurnal>(std::move(real), *this);
}

inline QByteArray Octeti(const Problema &p)
{
    const auto r = p.Codifica();
    return QByteArray(r.data(), Problema::MarimeInregistrare);
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
