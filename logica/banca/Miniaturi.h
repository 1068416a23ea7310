#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>

#include <tuple>

namespace tezaurel {

// Small pictures of the problems for the bank's results, made on a thread
// of their own so the window never waits for a scan to be decoded, and kept
// under the user's cache folder by the hash of the picture's content: a
// renamed or copied picture keeps its thumbnail, a changed one gets another.
// An index by name, size and time spares reading the pictures at the next
// start, so a whole collection shows at once.
class Miniaturi : public QObject
{
    Q_OBJECT

public:
    // The box a thumbnail fits in: a page scanned upright, a strip of text.
    static constexpr int Latura = 128;
    static constexpr int Inaltime = Latura * 5 / 4;

    explicit Miniaturi(QString dosarCache, QObject *parinte = nullptr);
    ~Miniaturi() override;

    // The thumbnail of the picture at cale; a null image while it is being
    // made, Gata(cale) following when it is there. A picture that cannot be
    // read gets no thumbnail and is not tried again until it changes.
    QImage Miniatura(const QString &cale);
    // After the collection changed: a picture changed on disk since its
    // thumbnail was made gets a new one when next asked for.
    void Reverifica();
    // How many are still waiting to be made.
    int InAsteptare() const { return int(m_cerute.size()); }
    // Waits for every thumbnail asked for so far (benchmarks, tests).
    void AsteaptaTot();

signals:
    void Gata(const QString &cale);

private:
    using Semnatura = std::tuple<qint64, qint64>; // size, modification time
    struct Facuta
    {
        QString Cale;
        Semnatura Fisier;
        QString Hash; // empty: the picture could not be read
        QImage Imagine;
    };
    static Facuta Fa(QString dosar, QString cale, Semnatura fisier, QString hash);
    void Primeste(const Facuta &f);
    void CitesteIndex();

    QString m_dosar;
    QHash<QString, std::pair<Semnatura, QString>> m_index; // picture -> its hash then
    QCache<QString, QImage> m_imagini;
    QSet<QString> m_cerute;
    QHash<QString, Semnatura> m_necitite;
    QThreadPool m_fire;
};

} // namespace tezaurel
