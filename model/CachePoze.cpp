#include "model/CachePoze.h"

#include "model/PozaPanoramata.h"

#include <QFileInfo>
#include <QImageReader>
#include <QtConcurrent/QtConcurrentRun>

namespace tezaurel {

CachePoze::CachePoze()
{
    // One thread per neighbour; more would only slow the picture waited for.
    m_fire.setMaxThreadCount(2);
}

CachePoze::~CachePoze()
{
    Goleste();
}

PozaCitita CachePoze::Citeste(const QString &cale)
{
    PozaCitita citita = CitestePoza(cale);
    QImage &poza = citita.Poza;
    if (!poza.isNull() && poza.format() != QImage::Format_RGB32 &&
        poza.format() != QImage::Format_ARGB32_Premultiplied)
        poza.convertTo(poza.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                              : QImage::Format_RGB32);
    return citita;
}

CachePoze::PozaGata CachePoze::CitesteInainte(const QString &cale, Scara zoom)
{
    PozaGata gata;
    gata.Citita = Citeste(cale);
    zoom.PozaNoua(gata.Citita.Poza.size());
    // Only smaller: a larger copy of each neighbour would cost more memory
    // than the scaling costs time.
    if (gata.Citita.Rezultat == PozaCitita::Stare::Citita && zoom.Factor() < 1.0) {
        gata.Factor = zoom.Factor();
        gata.Afisata = PozaPanoramata::Scalata(gata.Citita.Poza, gata.Factor);
    }
    return gata;
}

CachePoze::Intrare CachePoze::Amprenta(const QString &cale)
{
    // Taken before the read: a change during it shows as a change next time.
    const QFileInfo info(cale);
    Intrare intrare;
    if (info.exists()) {
        intrare.Marime = info.size();
        intrare.Modificare = info.lastModified();
    }
    return intrare;
}

CachePoze::PozaGata CachePoze::Ia(const QString &cale)
{
    Intrare acum = Amprenta(cale);
    const auto gasita = m_intrari.constFind(cale);
    if (gasita != m_intrari.constEnd() && gasita->AcelasiFisier(acum)) {
        PozaGata gata = gasita->Poza.result();
        if (!gasita->Inainte || gata.Citita.Rezultat == PozaCitita::Stare::Citita) {
            m_ultima = cale;
            return gata;
        }
    }
    // A jump away from the pictures held: only the one shown may be a neighbour.
    for (const QString &c : m_intrari.keys())
        if (c != m_ultima)
            Uita(c);
    PozaGata gata{Citeste(cale), {}, 1.0};
    acum.Octeti = gata.Citita.Poza.sizeInBytes();
    acum.Poza = QtFuture::makeReadyFuture(gata);
    m_intrari.insert(cale, acum);
    m_ultima = cale;
    return gata;
}

void CachePoze::Pregateste(const QString &curenta, const QStringList &vecini, Scara zoom)
{
    QStringList pastrate{curenta};
    int64_t octeti = m_intrari.value(curenta).Octeti;
    QList<std::pair<QString, Intrare>> deCitit;
    for (const QString &vecin : vecini) {
        if (pastrate.size() >= Capacitate)
            break;
        Intrare acum = Amprenta(vecin);
        const auto gasita = m_intrari.constFind(vecin);
        if (gasita != m_intrari.constEnd() && gasita->AcelasiFisier(acum)) {
            acum.Octeti = gasita->Octeti;
        } else {
            Uita(vecin); // held from before the file changed, if at all
            // Its header decides whether it is read ahead at all; a picture
            // too large is read when it is shown.
            QImageReader cititor(vecin);
            cititor.setDecideFormatFromContent(true);
            const QSize marime = cititor.size();
            const int64_t pixeli = int64_t(qMax(marime.width(), 0)) * qMax(marime.height(), 0);
            if (pixeli > PixeliMaximiVecin)
                continue;
            acum.Octeti = pixeli * 4;
            acum.Inainte = true;
        }
        if (pastrate.size() > 1 && octeti + acum.Octeti > BugetOcteti)
            break;
        pastrate << vecin;
        octeti += acum.Octeti;
        if (acum.Inainte)
            deCitit.push_back({vecin, acum});
    }
    // Forgotten before the new reads start, so the two are never held together.
    for (const QString &c : m_intrari.keys())
        if (!pastrate.contains(c))
            Uita(c);
    for (auto &[cale, acum] : deCitit) {
        acum.Poza = QtConcurrent::run(&m_fire, &CachePoze::CitesteInainte, cale, zoom);
        m_intrari.insert(cale, acum);
    }
}

void CachePoze::Goleste()
{
    for (const QString &c : m_intrari.keys())
        Uita(c);
    m_ultima.clear();
}

void CachePoze::Uita(const QString &cale)
{
    // A read not yet started is skipped; one under way ends on its own and
    // its picture goes with the last reference to it.
    auto gasita = m_intrari.find(cale);
    if (gasita == m_intrari.end())
        return;
    gasita->Poza.cancel();
    m_intrari.erase(gasita);
}

} // namespace tezaurel
