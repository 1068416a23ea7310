#pragma once

#include "model/CitirePoza.h"
#include "model/Scara.h"

#include <QDateTime>
#include <QFuture>
#include <QHash>
#include <QStringList>
#include <QThreadPool>

namespace tezaurel {

// The pictures of the problem shown and of its neighbours in the selection,
// the neighbours decoded ahead on other threads, so that paging to one of
// them shows it at once. At most Capacitate decoded pictures are held, and the
// neighbour behind only while all fit in BugetOcteti. A file changed on disk
// since it was read (another size or time) is read again.
class CachePoze
{
public:
    // A picture and, for a neighbour shown smaller than natural size, its
    // copy at the zoom it will be shown at, scaled on the worker thread too.
    struct PozaGata
    {
        PozaCitita Citita;
        QImage Afisata;
        double Factor = 1.0;
    };

    static constexpr int Capacitate = 3;
    // A neighbour larger than this (an A4 page at 400 dpi) is left to be read
    // when it is shown: three of the largest pictures would take 840 MB.
    static constexpr int64_t PixeliMaximiVecin = 16'000'000;
    // Small pictures keep both neighbours; colour A4 scans at 300 dpi (35 MB
    // each) keep only the one ahead, which is where paging goes next: the
    // one behind was a third of the memory of paging through scans.
    static constexpr int64_t BugetOcteti = 64 * 1024 * 1024;

    CachePoze();
    ~CachePoze();

    // The picture at cale: at once when held, when its read ahead ends if it
    // is being read, otherwise read here and now.
    PozaGata Ia(const QString &cale);
    // Keeps curenta and vecini, forgets the rest and starts reading the
    // neighbours not held, to be shown at zoom. vecini come in the order
    // they are likely to be shown: the first is read whatever the budget.
    // Never waits.
    void Pregateste(const QString &curenta, const QStringList &vecini, Scara zoom = {});
    void Goleste();

    // Waits for every read ahead to end: for measuring, never for showing.
    void AsteaptaCitirile() { m_fire.waitForDone(); }
    bool Tine(const QString &cale) const { return m_intrari.contains(cale); }
    qsizetype Tinute() const { return m_intrari.size(); }

    // A picture read the same way here and on the worker threads: in the
    // formats a drag copies without conversion.
    static PozaCitita Citeste(const QString &cale);

private:
    // Citeste for a neighbour, with its copy at the zoom it will be shown at.
    static PozaGata CitesteInainte(const QString &cale, Scara zoom);

    struct Intrare
    {
        QFuture<PozaGata> Poza;
        qint64 Marime = -1;
        QDateTime Modificare;
        int64_t Octeti = 0;   // the decoded picture's, or what its header promises
        bool Inainte = false; // read ahead: anything but a picture is read again
        bool AcelasiFisier(const Intrare &acum) const
        {
            return Marime == acum.Marime && Modificare == acum.Modificare;
        }
    };
    static Intrare Amprenta(const QString &cale);
    void Uita(const QString &cale);

    QThreadPool m_fire; // first, so it outlives the reads it runs
    QHash<QString, Intrare> m_intrari;
    QString m_ultima; // the last picture handed out
};

} // namespace tezaurel
