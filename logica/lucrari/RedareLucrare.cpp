#include "logica/lucrari/RedareLucrare.h"

#include "interfete/Imprimanta.h"
#include "logica/lucrari/ContinutScan.h"
#include "logica/tiparire/GeometriePagina.h"
#include "model/AdaugareProbleme.h"
#include "model/CitirePoza.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QtConcurrentMap>

#include <algorithm>

namespace tezaurel {

namespace {
QFont Litera(int marime, bool ingrosat = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    // Twips, not points: the painter's window is in twips on every device.
    font.setPixelSize(marime);
    font.setBold(ingrosat);
    return font;
}

// Black text on white: almost no pixel is a middle grey. A photograph or a
// shaded figure has many, and keeps its greys.
bool EsteText(const QImage &gri)
{
    qint64 mijloc = 0, total = 0;
    // QImage's size is asked once: inside the loop it is a call per pixel.
    const int latime = gri.width(), inaltime = gri.height();
    for (int y = 0; y < inaltime; y += 4) {
        const uchar *rand = gri.constScanLine(y);
        for (int x = 0; x < latime; x += 2) {
            mijloc += rand[x] >= 64 && rand[x] < 192;
            ++total;
        }
    }
    return total > 0 && mijloc * 100 < total * 3;
}

// A scan decoded in colour whose every pixel is a grey, as one byte a pixel;
// a null image as soon as one pixel has a colour. One pass where Qt's
// allGray() and its conversion take two, over pictures of 35 MB.
QImage GriDacaEste(const QImage &poza)
{
    if (poza.format() == QImage::Format_Grayscale8)
        return poza;
    if (poza.format() != QImage::Format_RGB32 && poza.format() != QImage::Format_ARGB32)
        return poza.allGray() ? poza.convertToFormat(QImage::Format_Grayscale8) : QImage();
    QImage gri(poza.size(), QImage::Format_Grayscale8);
    const int latime = poza.width(), inaltime = poza.height();
    for (int y = 0; y < inaltime; ++y) {
        const auto *rand = reinterpret_cast<const QRgb *>(poza.constScanLine(y));
        uchar *tinta = gri.scanLine(y);
        for (int x = 0; x < latime; ++x) {
            const int r = qRed(rand[x]);
            if (r != qGreen(rand[x]) || r != qBlue(rand[x]) || qAlpha(rand[x]) != 255)
                return {};
            tinta[x] = uchar(r);
        }
    }
    return gri;
}

// GasesteContinutul over the part of gri inside chenar, read where it lies
// rather than copied out.
ContinutScan GasesteContinutulIn(const QImage &gri, const QRect &chenar)
{
    QImage parte(gri.constScanLine(chenar.top()) + chenar.left(), chenar.width(), chenar.height(),
                 gri.bytesPerLine(), QImage::Format_Grayscale8);
    parte.setDotsPerMeterX(gri.dotsPerMeterX());
    parte.setDotsPerMeterY(gri.dotsPerMeterY());
    ContinutScan continut = GasesteContinutul(parte);
    continut.Chenar.translate(chenar.topLeft());
    return continut;
}

// One bit a pixel, black as colour 0 as Qt's PDF writer wants it, the same
// threshold as Qt's ThresholdDither without its trip through 32 bits a pixel.
QImage InAlbNegru(const QImage &poza)
{
    const QImage gri = poza.format() == QImage::Format_Grayscale8
                           ? poza
                           : poza.convertToFormat(QImage::Format_Grayscale8);
    QImage mono(gri.size(), QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.setDotsPerMeterX(gri.dotsPerMeterX());
    mono.setDotsPerMeterY(gri.dotsPerMeterY());
    const int latime = gri.width(), inaltime = gri.height();
    const qsizetype octeti = mono.bytesPerLine();
    for (int y = 0; y < inaltime; ++y) {
        const uchar *rand = gri.constScanLine(y);
        uchar *biti = mono.scanLine(y);
        std::fill(biti, biti + octeti, uchar(0));
        for (int x = 0; x < latime; ++x)
            if (rand[x] >= 128)
                biti[x >> 3] |= uchar(0x80 >> (x & 7));
    }
    return mono;
}

// A painter scaling a picture far down samples it and loses thin strokes:
// for a small preview the picture is averaged down first. A printer or a PDF
// gets the picture itself.
QImage PentruDispozitiv(const QImage &poza, QSize peDispozitiv)
{
    if (peDispozitiv.width() * 2 >= poza.width() || peDispozitiv.isEmpty())
        return poza;
    // One bit a pixel averages to jagged strokes; greys make them smooth.
    return (poza.format() == QImage::Format_Mono ? poza.convertToFormat(QImage::Format_Grayscale8)
                                                 : poza)
        .scaled(peDispozitiv, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Ruled as a Romanian notebook: lines 8 mm apart, or 5 mm squares, in a grey
// light enough to write over.
void DeseneazaSpatiul(QPainter &pictor, const QRect &loc, FelSpatiu fel)
{
    if (loc.isEmpty() || fel == FelSpatiu::Gol)
        return;
    const double pas = Pagina::TwipsPeCm * (fel == FelSpatiu::Liniat ? 0.8 : 0.5);
    pictor.save();
    pictor.setPen(QPen(QColor(190, 190, 190), 8));
    for (double y = loc.top() + pas; y <= loc.bottom(); y += pas)
        pictor.drawLine(QLineF(loc.left(), y, loc.right(), y));
    if (fel == FelSpatiu::Patratele) {
        pictor.drawLine(QLineF(loc.left(), loc.top(), loc.right(), loc.top()));
        for (double x = loc.left(); x <= loc.right(); x += pas)
            pictor.drawLine(QLineF(x, loc.top(), x, loc.bottom()));
    }
    pictor.restore();
}

} // namespace

RedareLucrare::RedareLucrare(const Lucrare &lucrare, const QString &dosarProbleme,
                             const MarginiLucrare &margini, PozePregatite *pastrate,
                             const CuvintePoza &cuvinte)
    : m_lucrare(lucrare)
    , m_dosar(dosarProbleme)
    , m_poze(pastrate ? *pastrate : m_proprii)
{
    m_latimeZona = ZonaLucrare(margini).width();
    PregatesteToate(lucrare, lucrare.AscundeNumerele ? cuvinte : CuvintePoza());
    std::vector<ProblemaDeAsezat> probleme;
    for (size_t i = 0; i < lucrare.Probleme.size(); ++i) {
        ProblemaDeAsezat deAsezat;
        deAsezat.Spatiu = int(lucrare.Probleme[i].SpatiuCm * Pagina::TwipsPeCm);
        if (const PozaPregatita *poza = m_pregatite[i]; poza && !poza->Poza.isNull()) {
            deAsezat.Poza = poza->Marime;
            deAsezat.PrimulRand = poza->PrimulRand;
        }
        probleme.push_back(deAsezat);
    }
    m_asezare = AseazaLucrarea(margini, InaltimeAntet(lucrare.Antet), probleme);
}

int RedareLucrare::InaltimeAntet(const AntetLucrare &antet)
{
    using namespace PaginaLucrare;
    int h = RandText; // the school and the date
    if (!antet.Clasa.trimmed().isEmpty())
        h += RandText;
    if (!antet.Titlu.trimmed().isEmpty())
        h += RandTitlu;
    if (antet.LiniaNume)
        h += RandText;
    if (!LiniaTimp(antet).isEmpty())
        h += RandText;
    if (antet.Varianta > 0)
        h += RandText;
    return h;
}

namespace {
// At print resolution: black text on white becomes one bit a pixel, a
// picture with greys or colours keeps them.
QImage LaRezolutie(QImage poza, bool gri, qint64 latimeMiimiInch)
{
    const bool text = gri && EsteText(poza);
    const int latime = std::max<qint64>(
        1, latimeMiimiInch *
               (text ? RedareLucrare::PunctePeInchText : RedareLucrare::PunctePeInch) / 1000);
    // A quarter more than needed is not worth the time a smooth scaling takes.
    if (poza.width() > latime * 5 / 4)
        poza = poza.scaledToWidth(latime, Qt::SmoothTransformation);
    return text ? InAlbNegru(poza) : poza;
}

// The scan's number is covered only where it stands on the first line: a
// word read elsewhere first is not the problem's number.
bool AcoperaNumarul(QImage &poza, const ContinutScan &continut, const QRect &numar)
{
    const int mijloc = continut.Chenar.top() + continut.PrimulRand;
    if (numar.isEmpty() || std::abs(numar.center().y() - mijloc) > numar.height())
        return false;
    QPainter pictor(&poza);
    pictor.fillRect(numar.adjusted(-2, -2, 2, 2), Qt::white);
    return true;
}
} // namespace

PozaPregatita RedareLucrare::Pregateste(QImage poza, int latimeZona,
                                        const std::vector<CuvantRecunoscut> &cuvinte)
{
    using namespace PaginaLucrare;
    PozaPregatita pregatita;
    if (poza.isNull())
        return pregatita;
    QImage inGri = GriDacaEste(poza);
    const bool gri = !inGri.isNull();
    // Held once: a second holder would make the number's covering copy the scan.
    poza = gri ? std::move(inGri) : poza.convertToFormat(QImage::Format_RGB32);
    QImage dupaGri = gri ? QImage() : poza.convertToFormat(QImage::Format_Grayscale8);
    ContinutScan continut = GasesteContinutul(gri ? poza : dupaGri);
    // Without the number the first line may start further right. Covering
    // only takes ink away, so the new box lies inside the old one.
    const QRect numar = NumarulScanului(cuvinte);
    if (continut.PrimulRand >= 0 && AcoperaNumarul(poza, continut, numar)) {
        if (!gri)
            AcoperaNumarul(dupaGri, continut, numar);
        continut = GasesteContinutulIn(gri ? poza : dupaGri, continut.Chenar);
    }
    const int intreaga = poza.width();
    if (continut.Chenar != poza.rect())
        poza = poza.copy(continut.Chenar);
    // Never larger than the whole scan across the zone: trimming takes away
    // white, it does not enlarge the text.
    const double twipsPePixel =
        std::min(double(latimeZona) / intreaga, double(latimeZona - ColoanaNumar) / poza.width());
    pregatita.Marime = QSize(std::max(1, int(poza.width() * twipsPePixel)),
                             std::max(1, int(poza.height() * twipsPePixel)));
    pregatita.PrimulRand = continut.PrimulRand < 0 ? -1 : int(continut.PrimulRand * twipsPePixel);
    // The picture's width as printed, in thousandths of an inch (1440 twips to the inch).
    pregatita.Poza = LaRezolutie(poza, gri, qint64(pregatita.Marime.width()) * 1000 / 1440);
    return pregatita;
}

namespace {
// The number found is part of the key: a scan recognised while the window is
// open is covered at the next drawing.
QString CheiePoza(const QString &nume, int latimeZona, const QRect &numar)
{
    return QStringLiteral("%1@%2").arg(nume).arg(latimeZona) +
           (numar.isEmpty() ? QString() : QStringLiteral("/%1,%2").arg(numar.x()).arg(numar.y()));
}
} // namespace

void RedareLucrare::PregatesteToate(const Lucrare &lucrare, const CuvintePoza &cuvinte)
{
    struct DePregatit
    {
        QString Cheie, Nume;
        std::vector<CuvantRecunoscut> Cuvinte;
    };
    std::vector<QString> chei; // one a problem; empty: no picture chosen
    std::vector<DePregatit> lipsa;
    for (const ProblemaLucrare &p : lucrare.Probleme) {
        chei.emplace_back();
        if (p.Poza.isEmpty())
            continue;
        std::vector<CuvantRecunoscut> gasite =
            cuvinte ? cuvinte(p.Poza) : std::vector<CuvantRecunoscut>();
        chei.back() = CheiePoza(p.Poza, m_latimeZona, NumarulScanului(gasite));
        if (m_poze.count(chei.back()) ||
            std::ranges::any_of(lipsa, [&](const DePregatit &d) { return d.Cheie == chei.back(); }))
            continue;
        lipsa.push_back({chei.back(), p.Poza, std::move(gasite)});
    }
    // Reading and trimming a 300-dpi scan is most of a paper's time, and each
    // scan is its own: one to a core, the pictures only gathered here.
    const QString dosar = m_dosar;
    const int latime = m_latimeZona;
    const QList<PozaPregatita> gata = QtConcurrent::blockingMapped<QList<PozaPregatita>>(
        lipsa, [&dosar, latime](const DePregatit &d) {
            return Pregateste(CitestePoza(dosar + d.Nume).Poza, latime, d.Cuvinte);
        });
    for (size_t i = 0; i < lipsa.size(); ++i)
        m_poze.emplace(lipsa[i].Cheie, gata[qsizetype(i)]);
    for (const QString &cheie : chei)
        m_pregatite.push_back(cheie.isEmpty() ? nullptr : &m_poze.at(cheie));
}

void RedareLucrare::DeseneazaAntet(QPainter &pictor)
{
    using namespace PaginaLucrare;
    const AntetLucrare &antet = m_lucrare.Antet;
    const QRect &a = m_asezare.Antet;
    int y = a.top();
    auto rand = [&](int inaltime) {
        const QRect r(a.left(), y, a.width(), inaltime);
        y += inaltime;
        return r;
    };
    pictor.setFont(Litera(MarimeText));
    const QRect primul = rand(RandText);
    pictor.drawText(primul, Qt::AlignLeft | Qt::AlignVCenter, antet.Scoala.simplified());
    pictor.drawText(primul, Qt::AlignRight | Qt::AlignVCenter,
                    QStringLiteral("Data: ") + antet.Data.toString(QStringLiteral("dd.MM.yyyy")));
    if (!antet.Clasa.trimmed().isEmpty())
        pictor.drawText(rand(RandText), Qt::AlignLeft | Qt::AlignVCenter, TextClasa(antet.Clasa));
    if (!antet.Titlu.trimmed().isEmpty()) {
        pictor.setFont(Litera(MarimeTitlu, true));
        pictor.drawText(rand(RandTitlu), Qt::AlignCenter, antet.Titlu.simplified());
        pictor.setFont(Litera(MarimeText));
    }
    if (antet.Varianta > 0)
        pictor.drawText(rand(RandText), Qt::AlignCenter,
                        QStringLiteral("Varianta %1").arg(antet.Varianta));
    if (antet.LiniaNume)
        pictor.drawText(rand(RandText), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("Numele și prenumele: ") + QString(40, QLatin1Char('_')));
    const QString timp = LiniaTimp(antet);
    if (!timp.isEmpty())
        pictor.drawText(rand(RandText), Qt::AlignLeft | Qt::AlignVCenter, timp);
}

void RedareLucrare::Deseneaza(QPainter &pictor, int pagina, QSize marimeFoaie)
{
    using namespace PaginaLucrare;
    pictor.save();
    pictor.setViewport(QRect(QPoint(0, 0), marimeFoaie));
    pictor.setWindow(0, 0, Pagina::Latime, Pagina::Inaltime);
    pictor.setRenderHint(QPainter::SmoothPixmapTransform);
    pictor.setPen(Qt::black);
    if (pagina == 0)
        DeseneazaAntet(pictor);
    pictor.setFont(Litera(MarimeText));
    for (size_t i = 0; i < m_asezare.Locuri.size(); ++i)
        if (m_asezare.Locuri[i].Pagina == pagina)
            DeseneazaProblema(pictor, i);
    pictor.drawText(m_asezare.Subsol, Qt::AlignRight | Qt::AlignVCenter,
                    QStringLiteral("Pagina %1 din %2").arg(pagina + 1).arg(m_asezare.NrPagini));
    pictor.restore();
}

void RedareLucrare::DeseneazaProblema(QPainter &pictor, size_t i)
{
    using namespace PaginaLucrare;
    const LocProblema &loc = m_asezare.Locuri[i];
    const ProblemaLucrare &problema = m_lucrare.Probleme[i];
    pictor.setFont(Litera(MarimeText, true));
    pictor.drawText(loc.Eticheta, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                    EtichetaProblema(int(i) + 1, problema.Puncte));
    pictor.setFont(Litera(MarimeText));
    const PozaPregatita *poza = m_pregatite[i];
    if (!poza)
        pictor.drawText(loc.Poza, Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("(Nicio problemă aleasă în această variantă.)"));
    else if (poza->Poza.isNull())
        pictor.drawText(
            loc.Poza, Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("(Poza problemei %1 nu poate fi citită.)").arg(problema.Poza));
    else
        pictor.drawImage(
            loc.Poza,
            PentruDispozitiv(poza->Poza,
                             pictor.combinedTransform().mapRect(QRectF(loc.Poza)).size().toSize()));
    DeseneazaSpatiul(pictor, loc.Spatiu, problema.Spatiu);
}

QImage RedareLucrare::Previzualizare(int pagina, int latimePixeli)
{
    const QSize marime(latimePixeli, latimePixeli * Pagina::Inaltime / Pagina::Latime);
    QImage imagine(marime, QImage::Format_RGB32);
    imagine.fill(Qt::white);
    QPainter pictor(&imagine);
    pictor.setRenderHints(QPainter::TextAntialiasing | QPainter::Antialiasing |
                          QPainter::SmoothPixmapTransform);
    Deseneaza(pictor, pagina, marime);
    return imagine;
}

bool ScriePdfPagini(int nrPagini, const DesenarePagina &deseneaza, const QString &titlu,
                    const QString &cale, QString *motiv)
{
    // Made whole in memory and written in one checked step: QPdfWriter says
    // nothing when the disk fills under it, and a paper that no reader opens
    // must not be reported saved.
    QByteArray octeti;
    QBuffer buffer(&octeti);
    if (!buffer.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(1200);
        pdf.setTitle(titlu);
        pdf.setCreator(QStringLiteral("Tezaurel"));
        QPainter pictor;
        if (!pictor.begin(&pdf))
            return false;
        const QSize foaie(pdf.width(), pdf.height());
        for (int p = 0; p < nrPagini; ++p) {
            if (p > 0)
                pdf.newPage();
            deseneaza(pictor, p, foaie);
        }
        if (!pictor.end())
            return false;
    }
    if (!octeti.startsWith("%PDF") || !octeti.trimmed().endsWith("%%EOF"))
        return false;
    const int eroare = ScrieFisierIntreg(cale, octeti, /*inlocuieste=*/true);
    if (eroare != 0 && motiv)
        *motiv = MotivEroareScriere(eroare);
    return eroare == 0;
}

bool TiparestePagini(int nrPagini, const DesenarePagina &deseneaza, Imprimanta &imprimanta,
                     int exemplare)
{
    imprimanta.SeteazaExemplare(exemplare);
    imprimanta.SeteazaPortret();
    QPainter *pictor = imprimanta.IncepePagina();
    if (!pictor)
        return false;
    const QSize foaie(pictor->device()->width(), pictor->device()->height());
    for (int p = 0; p < nrPagini; ++p) {
        if (p > 0 && !imprimanta.PaginaNoua())
            return false;
        deseneaza(*pictor, p, foaie);
    }
    return imprimanta.TerminaDocument();
}

namespace {
// The variants' pages one after another, each variant with its own numbers.
std::pair<int, DesenarePagina> PaginileVariantelor(const std::vector<RedareLucrare *> &variante)
{
    int total = 0;
    for (RedareLucrare *v : variante)
        total += v->NrPagini();
    return {total, [variante](QPainter &pictor, int i, QSize foaie) {
                for (RedareLucrare *v : variante) {
                    if (i < v->NrPagini())
                        return v->Deseneaza(pictor, i, foaie);
                    i -= v->NrPagini();
                }
            }};
}
} // namespace

bool RedareLucrare::ScriePdf(const std::vector<RedareLucrare *> &variante, const QString &cale,
                             QString *motiv)
{
    const auto [pagini, deseneaza] = PaginileVariantelor(variante);
    return ScriePdfPagini(pagini, deseneaza, variante.front()->m_lucrare.Antet.Titlu, cale, motiv);
}

bool RedareLucrare::Tipareste(const std::vector<RedareLucrare *> &variante, Imprimanta &imprimanta,
                              int exemplare)
{
    const auto [pagini, deseneaza] = PaginileVariantelor(variante);
    return TiparestePagini(pagini, deseneaza, imprimanta, exemplare);
}

} // namespace tezaurel
