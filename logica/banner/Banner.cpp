#include "logica/banner/Banner.h"

#include <QFont>
#include <QImageReader>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace tezaurel {

namespace {

int Int(double v)
{
    return static_cast<int>(std::floor(v));
}

QImage LiteraDeRezerva(char litera)
{
    QImage imagine(Banner::LatimeMobil, Banner::InaltimeMobil, QImage::Format_RGB32);
    imagine.fill(Qt::white);
    QPainter pictor(&imagine);
    QFont font;
    font.setPixelSize(44);
    font.setItalic(true);
    pictor.setFont(font);
    pictor.setPen(Qt::black);
    pictor.drawText(imagine.rect(), Qt::AlignCenter, QString(QChar::fromLatin1(litera)));
    return imagine;
}

} // namespace

Banner::Banner(GazdaBanner &gazda, std::array<QImage, NrLitere> litere)
    : m_gazda(gazda)
    , m_litere(std::move(litere))
{
    // One pixel layout for the transparent copies, whatever the files held.
    for (QImage &litera : m_litere)
        litera = litera.convertToFormat(QImage::Format_RGB32);
}

int Banner::Aseaza(QSize client)
{
    const int inaltimeCutie0 = m_litere[0].height() + 2 * RamaCutie;
    m_randY = static_cast<int16_t>(Int((client.height() - inaltimeCutie0) / 2.0));
    m_centruX = static_cast<int16_t>(Int(client.width() / 2.0));

    int x = Margine;
    for (int i = 0; i < NrLitere; ++i) {
        m_pozitii[i] = {static_cast<int16_t>(x), m_randY, static_cast<int16_t>(m_litere[i].width()),
                        static_cast<int16_t>(m_litere[i].height())};
        if (i == 3 || i == 7 || i == 11)
            x += SpatiuCuvant;
        x += m_litere[i].width() + Spatiu;
    }
    const Pozitie &ultima = m_pozitii[NrLitere - 1];
    return ultima.X + ultima.Latime + Margine;
}

void Banner::Amesteca(const std::function<double()> &rnd)
{
    for (int i = 0; i < NrLitere; ++i)
        m_ordine[i] = static_cast<int16_t>(i);
    // Clamped only against a source that breaks its [0, 1) promise.
    auto alege = [&rnd] { return std::clamp(Int(rnd() * NrLitere), 0, NrLitere - 1); };
    for (int i = 0; i < NrAmestecari; ++i) {
        const int a = alege();
        const int b = alege();
        if (a != b)
            std::swap(m_ordine[a], m_ordine[b]);
    }
}

void Banner::DeseneazaRandul()
{
    for (int i = 0; i < NrLitere; ++i)
        DeseneazaInSlot(m_ordine[i], i);
    m_gazda.CopiazaPeFereastra();
}

void Banner::Porneste()
{
    m_gazda.ActiveazaTimer(false);
    m_tinta = 0;
    PregatesteSchimb();
}

int Banner::CautaLitera(int k) const
{
    for (int s = 0; s < NrLitere; ++s)
        if (m_ordine[s] == k)
            return s;
    return -1;
}

void Banner::PregatesteSchimb()
{
    for (;;) {
        m_sursa = static_cast<int16_t>(CautaLitera(m_tinta));
        if (m_sursa != m_tinta)
            break;
        ++m_tinta;
    }
    if (m_tinta == NrLitere) {
        DeseneazaFinal();
        m_gazda.ActiveazaTimer(false);
        return;
    }

    const int x1 = m_pozitii[m_tinta].X - m_centruX;
    const int x2 = m_pozitii[m_sursa].X - m_centruX;
    m_x1 = static_cast<float>(x1);
    m_x2 = static_cast<float>(x2);
    m_coefA = 1.0f / (m_x2 - m_x1);
    m_coefB = -(m_x2 + m_x1) * m_coefA;
    m_coefC = m_coefA * m_x1 * m_x2;

    m_acum1 = QPoint(m_pozitii[m_tinta].X, m_randY);
    m_acum2 = QPoint(m_pozitii[m_sursa].X, m_randY);

    m_xMobil1 = static_cast<int16_t>(x1 + Pas);
    m_xMobil2 = static_cast<int16_t>(x2 - Pas);
    const int y = YParabola(m_xMobil1);
    m_urmator1 = QPoint(m_centruX + m_xMobil1, m_randY - y);
    m_urmator2 = QPoint(m_centruX + m_xMobil2, m_randY + y);

    m_gazda.ActiveazaTimer(true);
}

int Banner::YParabola(int x) const
{
    // Each operation rounds to single precision, as the coefficients are kept.
    const float xf = static_cast<float>(x);
    const float a = m_coefA * xf;
    const float ax2 = a * xf;
    const float bx = xf * m_coefB;
    const float suma = ax2 + bx;
    const float y = suma + m_coefC;
    return Int(y);
}

void Banner::Tick()
{
    if (static_cast<float>(m_xMobil1) > m_x2) {
        if (m_gazda.FereastraVizibila())
            m_gazda.CantaSunetul();
        m_ordine[m_sursa] = m_ordine[m_tinta];
        m_ordine[m_tinta] = m_tinta;
        // Slot 20 is right as soon as slot 19 is.
        if (m_tinta > 18) {
            m_gazda.ActiveazaTimer(false);
            DeseneazaFinal();
            return;
        }
        ++m_tinta;
        m_gazda.ActiveazaTimer(false);
        PregatesteSchimb();
    }

    DeseneazaFixe(m_tinta, m_sursa);
    DeseneazaMobile(m_tinta, m_sursa);
    Avanseaza();
    m_gazda.CopiazaPeFereastra();
}

void Banner::Avanseaza()
{
    m_acum1 = m_urmator1;
    m_acum2 = m_urmator2;
    m_xMobil1 = static_cast<int16_t>(m_xMobil1 + Pas);
    m_xMobil2 = static_cast<int16_t>(m_xMobil2 - Pas);
    const int y = YParabola(m_xMobil1);
    m_urmator1 = QPoint(m_centruX + m_xMobil1, m_randY - y);
    m_urmator2 = QPoint(m_centruX + m_xMobil2, m_randY + y);
}

void Banner::DeseneazaFixe(int k, int b)
{
    if (k >= NrLitere || b >= NrLitere)
        return;
    m_gazda.StergePanzaAscunsa();
    for (int i = 0; i < NrLitere; ++i)
        if (i != k && i != b)
            DeseneazaInSlot(m_ordine[i], i);
}

void Banner::DeseneazaMobile(int k, int b)
{
    if (k >= NrLitere || b >= NrLitere)
        return;
    const QRect sursa(0, 0, LatimeMobil, InaltimeMobil);
    const QImage &literaK = m_litere[m_ordine[k]];
    const QImage &literaB = m_litere[m_ordine[b]];
    CopieTransparenta(m_gazda.PanzaAscunsa(), QRect(m_acum1, sursa.size()), literaK, sursa,
                      literaK.pixel(1, 1));
    CopieTransparenta(m_gazda.PanzaAscunsa(), QRect(m_acum2, sursa.size()), literaB, sursa,
                      literaB.pixel(1, 1));
}

void Banner::DeseneazaFinal()
{
    m_gazda.StergePanzaAscunsa();
    for (int i = 0; i < NrLitere; ++i)
        DeseneazaInSlot(m_ordine[i], i);
    m_gazda.CopiazaPeFereastra();
}

void Banner::DeseneazaInSlot(int g, int i)
{
    const Pozitie &slot = m_pozitii[i];
    const Pozitie &propriu = m_pozitii[g];
    CopieTransparenta(m_gazda.PanzaAscunsa(), QRect(slot.X, slot.Y, slot.Latime, slot.Inaltime),
                      m_litere[g], QRect(0, 0, propriu.Latime, propriu.Inaltime),
                      m_litere[g].pixel(1, 1));
}

void CopieTransparenta(QImage &destinatie, const QRect &tinta, const QImage &sursa,
                       const QRect &dinSursa, QRgb cheie)
{
    if (tinta.isEmpty() || dinSursa.isEmpty() || destinatie.isNull())
        return;
    if (destinatie.format() != QImage::Format_RGB32 && destinatie.format() != QImage::Format_ARGB32)
        destinatie = destinatie.convertToFormat(QImage::Format_RGB32);
    const QImage sursa32 = sursa.format() == QImage::Format_RGB32
                               ? sursa
                               : sursa.convertToFormat(QImage::Format_RGB32);
    const QRect vizibil = tinta.intersected(destinatie.rect());
    if (vizibil.isEmpty())
        return;
    // The source column of each destination column, -1 outside the source.
    std::vector<int> coloane(size_t(vizibil.width()));
    for (int x = vizibil.left(); x <= vizibil.right(); ++x) {
        const int sx = dinSursa.x() + (x - tinta.x()) * dinSursa.width() / tinta.width();
        coloane[size_t(x - vizibil.left())] = sx >= 0 && sx < sursa32.width() ? sx : -1;
    }
    for (int y = vizibil.top(); y <= vizibil.bottom(); ++y) {
        const int sy = dinSursa.y() + (y - tinta.y()) * dinSursa.height() / tinta.height();
        if (sy < 0 || sy >= sursa32.height())
            continue;
        const auto *rand = reinterpret_cast<const QRgb *>(sursa32.constScanLine(sy));
        auto *dest = reinterpret_cast<QRgb *>(destinatie.scanLine(y)) + vizibil.left();
        for (size_t i = 0; i < coloane.size(); ++i) {
            const int sx = coloane[i];
            if (sx >= 0 && rand[sx] != cheie)
                dest[i] = rand[sx];
        }
    }
}

QString CaleLitera(const QString &dosarAplicatie, int i)
{
    return dosarAplicatie + QStringLiteral("/Litere/Litera%1.bmp").arg(i, 2, 10, QLatin1Char('0'));
}

std::array<QImage, Banner::NrLitere> IncarcaLitere(const QString &dosarAplicatie)
{
    std::array<QImage, Banner::NrLitere> litere;
    for (int i = 0; i < Banner::NrLitere; ++i) {
        QImageReader cititor(CaleLitera(dosarAplicatie, i));
        cititor.setDecideFormatFromContent(true);
        litere[i] = cititor.read();
        if (litere[i].isNull())
            litere[i] = LiteraDeRezerva(Banner::Litere[i]);
    }
    return litere;
}

} // namespace tezaurel
