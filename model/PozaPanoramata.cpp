#include "model/PozaPanoramata.h"

#include "interfete/Panza.h"

namespace tezaurel {

PozaPanoramata::PozaPanoramata(Panza &panza)
    : m_panza(panza)
{}

void PozaPanoramata::Arata(QImage poza, QImage afisata, double factor)
{
    m_afisata = QImage();
    m_naturala = std::move(poza);
    m_scara.PozaNoua(m_naturala.size());
    if (!afisata.isNull() && factor == m_scara.Factor()) {
        m_factorAfisat = factor;
        m_afisata = std::move(afisata);
    } else {
        Scaleaza();
    }
    m_panza.Cls();
    Panorama.ImagineNoua();
    Deseneaza(QPoint(0, 0));
}

void PozaPanoramata::Goleste()
{
    m_naturala = QImage();
    m_afisata = QImage();
    m_panza.Cls();
    m_panza.Refresh();
}

void PozaPanoramata::Albeste()
{
    m_panza.Cls();
    m_panza.Refresh();
    if (m_naturala.isNull())
        return;
    if (m_factorAfisat == 1.0) {
        m_afisata = QImage(); // so the fill does not copy the picture first
        m_naturala.fill(m_panza.Fundal());
        m_afisata = m_naturala;
    } else {
        m_naturala.fill(m_panza.Fundal());
        m_afisata.fill(m_panza.Fundal());
    }
}

void PozaPanoramata::Misca(double x, double y)
{
    if (const auto la = Panorama.Misca(x, y)) {
        m_panza.Cls();
        Deseneaza(*la);
    }
}

void PozaPanoramata::Deplaseaza(int dx, int dy)
{
    if (Panorama.Tragere || m_naturala.isNull())
        return;
    Panorama.DeplasareX += dx;
    Panorama.DeplasareY += dy;
    m_panza.Cls();
    Deseneaza(QPoint(Panorama.DeplasareX, Panorama.DeplasareY));
}

void PozaPanoramata::Elibereaza(double x, double y)
{
    Deseneaza(Panorama.Elibereaza(x, y));
}

void PozaPanoramata::PotrivesteLaLatime(int latimePanou)
{
    Redeseneaza(m_scara.PotrivesteLaLatime(m_naturala.size(), latimePanou), {});
}

void PozaPanoramata::Scaleaza()
{
    m_factorAfisat = m_scara.Factor();
    if (m_naturala.isNull() || m_factorAfisat == 1.0) {
        m_afisata = m_naturala; // shared, not copied
        return;
    }
    m_afisata = Scalata(m_naturala, m_factorAfisat);
}

QImage PozaPanoramata::Scalata(const QImage &poza, double factor)
{
    QImage scalata = poza.scaled(Scara::Marime(poza.size(), factor), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
    // The panel's own format, so a drag step stays a row copy.
    if (scalata.format() != poza.format())
        scalata.convertTo(poza.format());
    return scalata;
}

void PozaPanoramata::Redeseneaza(bool schimbat, QPointF centru)
{
    if (!schimbat || m_naturala.isNull())
        return;
    const double vechi = m_factorAfisat;
    Scaleaza();
    const QPoint colt = Scara::Colt(QPoint(Panorama.DeplasareX, Panorama.DeplasareY), centru, vechi,
                                    m_factorAfisat);
    Panorama.DeplasareX = colt.x();
    Panorama.DeplasareY = colt.y();
    m_panza.Cls();
    Deseneaza(colt);
}

void PozaPanoramata::Deseneaza(QPoint la)
{
    m_panza.Copiaza(m_afisata, m_afisata.size(), la);
    m_panza.Refresh();
}

} // namespace tezaurel
