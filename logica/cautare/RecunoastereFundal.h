#pragma once

#include "interfete/Recunoastere.h"
#include "logica/cautare/IndexText.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

class QThread;

namespace tezaurel {

class Colectie;

// Keeps the index of recognised texts in step with the collection. The
// pictures are looked at and recognised one at a time on a worker thread of
// low priority; what it finds is written here, on the interface thread, one
// short transaction per picture, so no window waits on a recognition.
class RecunoastereFundal : public QObject
{
    Q_OBJECT

public:
    // Rows written in one transaction on the interface thread.
    static constexpr int RanduriPeTranzactie = 250;

    RecunoastereFundal(Colectie &definitii, MotorRecunoastere motor);
    ~RecunoastereFundal() override;

    // Brings the index in line with the problems in use: texts of pictures no
    // longer used go, observations follow the collection, and every picture
    // not yet looked at in this run goes to the worker, which recognises it
    // when it was never recognised or its file changed (size or time). Cheap
    // when nothing changed; called after start-up and after every change.
    void Actualizeaza();

    // Why words cannot be searched; empty when they can.
    QString MotivIndisponibil() const;
    // "83 de poze așteaptă recunoașterea" while pictures wait; empty otherwise.
    const QString &TextProgres() const { return m_progres; }
    static QString TextAsteptare(int poze);
    // Pictures sent to the worker and not yet answered for.
    int Ocupat() const { return m_ocupat; }

signals:
    void Progres(const QString &text);

private:
    struct Lucrare
    {
        QString Nume;
        QString Cale;
        IndexText::Intrare Cunoscuta;
    };
    void Lucreaza();
    // Blocks until there is work or the program ends; false then.
    bool Asteapta(std::deque<Lucrare> &deVerificat, bool asteaptaNou);
    void Triat(int neschimbate, int deRecunoscut);
    void Recunoscuta(const QString &nume, qint64 marime, qint64 modificat,
                     const std::optional<QString> &text,
                     const std::vector<CuvantRecunoscut> &cuvinte);
    void ArataProgres();

    Colectie &m_definitii;
    MotorRecunoastere m_motor;
    IndexText::Intrari m_cunoscute;
    QSet<QString> m_trimise; // looked at, or on their way, in this run
    int m_ocupat = 0;
    int m_total = 0;
    int m_gata = 0;
    QString m_progres;

    std::mutex m_mutex;
    std::condition_variable m_semnal;
    std::deque<Lucrare> m_coada;
    std::atomic<bool> m_oprire{false};
    QThread *m_fir = nullptr;
};

} // namespace tezaurel
