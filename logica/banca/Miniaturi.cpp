#include "logica/banca/Miniaturi.h"

#include "model/CitirePoza.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace tezaurel {

namespace {
// A screenful or two of thumbnails stays decoded; the rest is read back from
// the cache folder, a few kilobytes each, when scrolled to.
constexpr qsizetype OctetiInMemorie = 64 * 1024 * 1024;
const QString NumeIndex = QStringLiteral("index.tsv");
} // namespace

Miniaturi::Miniaturi(QString dosarCache, QObject *parinte)
    : QObject(parinte)
    , m_dosar(std::move(dosarCache))
    , m_imagini(OctetiInMemorie)
{
    // One thread: the window and the recognition keep the other core.
    m_fire.setMaxThreadCount(1);
    QDir().mkpath(m_dosar);
    CitesteIndex();
}

Miniaturi::~Miniaturi()
{
    m_fire.clear();
    m_fire.waitForDone();
}

void Miniaturi::CitesteIndex()
{
    QFile f(m_dosar + QLatin1Char('/') + NumeIndex);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    // Later lines are the newer: the same picture changed since.
    while (!in.atEnd()) {
        const QStringList campuri = in.readLine().split(QLatin1Char('\t'));
        if (campuri.size() == 4)
            m_index.insert(campuri[3],
                           {{campuri[0].toLongLong(), campuri[1].toLongLong()}, campuri[2]});
    }
}

QImage Miniaturi::Miniatura(const QString &cale)
{
    if (const QImage *gata = m_imagini.object(cale))
        return *gata;
    if (m_cerute.contains(cale))
        return {};
    const QFileInfo info(cale);
    const Semnatura fisier{info.size(), info.lastModified().toMSecsSinceEpoch()};
    if (m_necitite.value(cale, {-1, -1}) == fisier)
        return {};
    QString hash;
    if (const auto cunoscut = m_index.find(cale);
        cunoscut != m_index.end() && cunoscut->first == fisier)
        hash = cunoscut->second;
    m_cerute.insert(cale);
    // The result comes back through the event loop, to this thread.
    QtConcurrent::run(&m_fire, &Miniaturi::Fa, m_dosar, cale, fisier, hash)
        .then(this, [this](const Facuta &f) { Primeste(f); });
    return {};
}

Miniaturi::Facuta Miniaturi::Fa(QString dosar, QString cale, Semnatura fisier, QString hash)
{
    Facuta f{cale, fisier, hash, {}};
    if (!hash.isEmpty() && f.Imagine.load(dosar + QLatin1Char('/') + hash + ".png"))
        return f;
    QFile poza(cale);
    if (!poza.open(QIODevice::ReadOnly))
        return {cale, fisier, {}, {}};
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData(&poza);
    f.Hash = QString::fromLatin1(h.result().toHex());
    const QString fisierMiniatura = dosar + QLatin1Char('/') + f.Hash + ".png";
    if (f.Imagine.load(fisierMiniatura))
        return f;
    const PozaCitita citita = CitestePoza(cale);
    if (citita.Rezultat != PozaCitita::Stare::Citita)
        return {cale, fisier, {}, {}};
    f.Imagine = citita.Poza.scaled(Latura, Inaltime, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
    // A cache that cannot be written costs only the time to make it again.
    f.Imagine.save(fisierMiniatura);
    return f;
}

void Miniaturi::Primeste(const Facuta &f)
{
    m_cerute.remove(f.Cale);
    if (f.Hash.isEmpty() || f.Imagine.isNull()) {
        m_necitite.insert(f.Cale, f.Fisier);
        return;
    }
    const auto cunoscut = m_index.constFind(f.Cale);
    if (cunoscut == m_index.constEnd() || cunoscut->first != f.Fisier ||
        cunoscut->second != f.Hash) {
        m_index.insert(f.Cale, {f.Fisier, f.Hash});
        QFile index(m_dosar + QLatin1Char('/') + NumeIndex);
        if (index.open(QIODevice::Append | QIODevice::Text))
            index.write(QStringLiteral("%1\t%2\t%3\t%4\n")
                            .arg(std::get<0>(f.Fisier))
                            .arg(std::get<1>(f.Fisier))
                            .arg(f.Hash, f.Cale)
                            .toUtf8());
    }
    m_imagini.insert(f.Cale, new QImage(f.Imagine), f.Imagine.sizeInBytes());
    emit Gata(f.Cale);
}

void Miniaturi::Reverifica()
{
    const QList<QString> tinute = m_imagini.keys();
    for (const QString &cale : tinute) {
        const QFileInfo info(cale);
        if (m_index.value(cale).first !=
            Semnatura{info.size(), info.lastModified().toMSecsSinceEpoch()})
            m_imagini.remove(cale);
    }
    m_necitite.clear();
}

void Miniaturi::AsteaptaTot()
{
    while (!m_cerute.isEmpty()) {
        m_fire.waitForDone();
        QCoreApplication::sendPostedEvents(this);
        QCoreApplication::processEvents();
    }
}

} // namespace tezaurel
