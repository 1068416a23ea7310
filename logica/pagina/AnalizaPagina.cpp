#include "logica/pagina/AnalizaPagina.h"

#include "model/NumeFisier.h"

#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

namespace tezaurel {

std::optional<PaginaAnalizata> AnalizeazaPagina(const QImage &poza, Recunoastere *motor,
                                                const std::atomic<bool> &oprire)
{
    PaginaAnalizata a;
    const QImage gri = UniformizeazaFundal(poza);
    a.Unghi = UnghiInclinare(gri);
    a.Pagina = Indreapta(gri, a.Unghi);
    // Recognition reads the straightened page: its lines' boxes are then
    // those the crops are cut by.
    a.Pagina.setDotsPerMeterX(poza.dotsPerMeterX());
    a.Pagina.setDotsPerMeterY(poza.dotsPerMeterY());
    if (oprire)
        return std::nullopt;
    auto randuri = motor ? motor->RecunoasteRanduri(a.Pagina, oprire) : std::nullopt;
    if (oprire)
        return std::nullopt;
    if (randuri)
        a.Randuri = std::move(*randuri);
    a.Cutii = PropuneCutii(a.Randuri, a.Pagina.size());
    if (a.Cutii.empty())
        a.Eroare = motor ? QStringLiteral("Pe pagină nu a fost recunoscut niciun text: desenați "
                                          "casetele problemelor cu mouse-ul.")
                         : QStringLiteral("Recunoașterea textului nu este disponibilă: desenați "
                                          "casetele problemelor cu mouse-ul.");
    return a;
}

QImage CitestePagina(const QString &cale, QString &eroare)
{
    const QString afisat = TextAfisabil(QFileInfo(cale).fileName());
    if (cale.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        QTemporaryDir dosar;
        QProcess pdf;
        pdf.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-f"),
                   QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                   QStringLiteral("-gray"), QStringLiteral("-singlefile"), cale,
                   dosar.filePath(QStringLiteral("pagina"))});
        if (!dosar.isValid() || !pdf.waitForFinished(120000) || pdf.exitCode() != 0) {
            eroare = QStringLiteral("Prima pagină din „%1” nu a putut fi citită (programul "
                                    "pdftoppm, din pachetul poppler-utils, lipsește sau nu "
                                    "înțelege fișierul).")
                         .arg(afisat);
            return {};
        }
        QImage pagina(dosar.filePath(QStringLiteral("pagina.pgm")));
        const int dpm = qRound(300 / 0.0254);
        pagina.setDotsPerMeterX(dpm);
        pagina.setDotsPerMeterY(dpm);
        return pagina;
    }
    QImageReader cititor(cale);
    cititor.setDecideFormatFromContent(true);
    cititor.setAutoTransform(true); // a phone's photo keeps its orientation
    QImage pagina = cititor.read();
    if (pagina.isNull())
        eroare = QStringLiteral("Fișierul „%1” nu este o poză pe care programul o poate citi.")
                     .arg(afisat);
    return pagina;
}

} // namespace tezaurel
