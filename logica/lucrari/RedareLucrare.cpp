#include "logica/lucrari/RedareLucrare.h"

#include "interfete/Imprimanta.h"
#include "logica/tiparire/GeometriePagina.h"
#include "model/AdaugareProbleme.h"
#include "model/CitirePoza.h"

#include <QBuffer>
#include <QImageReader>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

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

QSize MarimeDeclarata(const QString &cale)
{
    QImageReader cititor(cale);
    cititor.setDecideFormatFromContent(true);
    const QSize marime = cititor.size();
    return MarimeAcceptata(marime) ? marime : QSize();
}
// Black text on white: almost no pixel is a middle grey. A photograph or a
// shaded figure has many, and keeps its greys.
bool EsteText(const QImage &gri)
{
    qint64 mijloc = 0, total = 0;
    for (int y = 0; y < gri.height(); y += 4) {
        const uchar *rand = gri.constScanLine(y);
        for (int x = 0; x < gri.width(); x += 2) {
            mijloc += rand[x] >= 64 && rand[x] < 192;
            ++total;
        }
    }
    return total > 0 && mijloc * 100 < total * 3;
}

// A painter scaling a picture far down samples it and loses thin strokes:
// for a small preview the picture is averaged down first. A printer or a PDF
// gets the picture itself.
QImage PentruDispozitiv(const QImage &poza, QSize peDispozitiv)
{
    if (peDispozitiv.width() * 2 >= poza.width() || peDispozitiv.isEmpty())
        return poza;
    return poza.scaled(peDispozitiv, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

RedareLucrare::RedareLucrare(const Lucrare &lucrare, const QString &dosarProbleme,
                             const MarginiLucrare &margini, PozePregatite *pastrate)
    : m_lucrare(lucrare)
    , m_dosar(dosarProbleme)
    , m_poze(pastrate ? *pastrate : m_proprii)
{
    // Sizes only: the pictures themselves are read when a page is drawn.
    std::vector<QSize> marimi;
    for (const ProblemaLucrare &p : lucrare.Probleme)
        marimi.push_back(MarimeDeclarata(m_dosar + p.Poza));
    m_asezare = AseazaLucrarea(margini, InaltimeAntet(lucrare.Antet), marimi);
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

QImage RedareLucrare::Poza(int i)
{
    const QRect loc = m_asezare.Locuri[size_t(i)].Poza;
    const QString nume = m_lucrare.Probleme[size_t(i)].Poza;
    if (nume.isEmpty())
        return QImage();
    // The picture's width as printed, in inches (1440 twips to the inch) times 1000.
    const qint64 latimeInch = qint64(loc.width()) * 1000 / 1440;
    const QString cheie = nume + QLatin1Char('@') + QString::number(latimeInch);
    auto gasita = m_poze.find(cheie);
    if (gasita != m_poze.end())
        return gasita->second;
    QImage poza = CitestePoza(m_dosar + nume).Poza;
    if (!poza.isNull()) {
        const bool gri = poza.allGray();
        poza = poza.convertToFormat(gri ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
        const bool text = gri && EsteText(poza);
        const int latime =
            std::max<qint64>(1, latimeInch * (text ? PunctePeInchText : PunctePeInch) / 1000);
        // A quarter more than needed is not worth the time a smooth scaling takes.
        if (poza.width() > latime * 5 / 4)
            poza = poza.scaledToWidth(latime, Qt::SmoothTransformation);
        if (text) {
            poza = poza.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
            // Qt's PDF writer keeps one bit a pixel only for black as colour 0.
            if (poza.color(0) != qRgb(0, 0, 0)) {
                poza.invertPixels();
                poza.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
            }
        }
    }
    m_poze[cheie] = poza;
    return poza;
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
    for (size_t i = 0; i < m_asezare.Locuri.size(); ++i) {
        const LocProblema &loc = m_asezare.Locuri[i];
        if (loc.Pagina != pagina)
            continue;
        pictor.setFont(Litera(MarimeText, true));
        pictor.drawText(loc.Eticheta, Qt::AlignLeft | Qt::AlignVCenter,
                        EtichetaProblema(int(i) + 1, m_lucrare.Probleme[i].Puncte));
        pictor.setFont(Litera(MarimeText));
        const QImage poza = Poza(int(i));
        if (m_lucrare.Probleme[i].Poza.isEmpty())
            pictor.drawText(loc.Poza, Qt::AlignLeft | Qt::AlignVCenter,
                            QStringLiteral("(Nicio problemă aleasă în această variantă.)"));
        else if (poza.isNull())
            pictor.drawText(loc.Poza, Qt::AlignLeft | Qt::AlignVCenter,
                            QStringLiteral("(Poza problemei %1 nu poate fi citită.)")
                                .arg(m_lucrare.Probleme[i].Poza));
        else
            pictor.drawImage(
                loc.Poza,
                PentruDispozitiv(
                    poza, pictor.combinedTransform().mapRect(QRectF(loc.Poza)).size().toSize()));
    }
    pictor.drawText(m_asezare.Subsol, Qt::AlignRight | Qt::AlignVCenter,
                    QStringLiteral("Pagina %1 din %2").arg(pagina + 1).arg(m_asezare.NrPagini));
    pictor.restore();
}

QImage RedareLucrare::Previzualizare(int pagina, int latimePixeli)
{
    const QSize marime(latimePixeli, latimePixeli * Pagina::Inaltime / Pagina::Latime);
    QImage imagine(marime, QImage::Format_RGB32);
    imagine.fill(Qt::white);
    QPainter pictor(&imagine);
    pictor.setRenderHint(QPainter::TextAntialiasing);
    Deseneaza(pictor, pagina, marime);
    return imagine;
}

bool RedareLucrare::ScriePdf(const std::vector<RedareLucrare *> &variante, const QString &cale,
                             QString *motiv)
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
        pdf.setTitle(variante.front()->m_lucrare.Antet.Titlu);
        pdf.setCreator(QStringLiteral("Tezaurel"));
        QPainter pictor;
        if (!pictor.begin(&pdf))
            return false;
        const QSize foaie(pdf.width(), pdf.height());
        bool prima = true;
        for (RedareLucrare *varianta : variante)
            for (int p = 0; p < varianta->NrPagini(); ++p) {
                if (!prima)
                    pdf.newPage();
                prima = false;
                varianta->Deseneaza(pictor, p, foaie);
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

bool RedareLucrare::Tipareste(const std::vector<RedareLucrare *> &variante, Imprimanta &imprimanta,
                              int exemplare)
{
    imprimanta.SeteazaExemplare(exemplare);
    imprimanta.SeteazaPortret();
    QPainter *pictor = imprimanta.IncepePagina();
    if (!pictor)
        return false;
    const QSize foaie(pictor->device()->width(), pictor->device()->height());
    bool prima = true;
    for (RedareLucrare *varianta : variante)
        for (int p = 0; p < varianta->NrPagini(); ++p) {
            if (!prima && !imprimanta.PaginaNoua())
                return false;
            prima = false;
            varianta->Deseneaza(*pictor, p, foaie);
        }
    return imprimanta.TerminaDocument();
}

} // namespace tezaurel
