#include "logica/pagina/SalvarePagina.h"

#include "interfete/Platforma.h"
#include "logica/cautare/IndexText.h"
#include "model/AdaugareProbleme.h"
#include "model/BazaDate.h"
#include "model/CodPagina.h"
#include "model/Colectie.h"
#include "model/NumeFisier.h"

#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSqlQuery>
#include <QVariant>

namespace tezaurel {

namespace {

// Read at 300 dpi, grey JPEG of this quality keeps the thin strokes of
// indices and fraction bars; lower ones smear them.
constexpr int CalitateJpeg = 80;

QByteArray Codifica(const QImage &poza, const char *format, int calitate = -1)
{
    QByteArray octeti;
    QBuffer buffer(&octeti);
    QImageWriter scriitor(&buffer, format);
    scriitor.setQuality(calitate);
    if (!buffer.open(QIODevice::WriteOnly) || !scriitor.write(poza))
        return {};
    return octeti;
}

// Whether the crop holds little besides white paper and black ink.
bool DoarCernealaSiHartie(const QImage &gri)
{
    qint64 intermediari = 0;
    for (int y = 0; y < gri.height(); ++y) {
        const uchar *rand = gri.constScanLine(y);
        for (int x = 0; x < gri.width(); ++x)
            intermediari += rand[x] > 40 && rand[x] < 215;
    }
    return intermediari * 50 < qint64(gri.width()) * gri.height();
}

// The pictures are named after the page: "culegere_p07.jpg"; a page whose
// name the collection cannot hold gives "pagina".
QString NumePoza(const QString &sursa, int numar)
{
    QString baza = QFileInfo(sursa).completeBaseName().left(60);
    if (baza.isEmpty() || MotivNumeNepermis(baza + QStringLiteral(".jpg")))
        baza = QStringLiteral("pagina");
    const QString nume = QStringLiteral("%1_p%2.jpg").arg(baza).arg(numar, 2, 10, QLatin1Char('0'));
    // Stored under the name the record gives back (ș ț as ş ţ).
    const QByteArray cod = CodificaAnsi(nume);
    return DecodificaAnsi(cod.constData(), int(cod.size()));
}

std::optional<QString> VerificaPoza(const QString &cale)
{
    QImageReader cititor(cale);
    cititor.setDecideFormatFromContent(true);
    if (cititor.read().isNull())
        return QStringLiteral("poza scrisă nu poate fi citită înapoi");
    return std::nullopt;
}

// The text of the new picture, so that recognition leaves it alone.
bool ScrieText(Colectie &d, const QString &nume, const ProblemaDePagina &p)
{
    const QFileInfo poza(d.CaleProbleme() + nume);
    const IndexText::Intrare intrare{poza.size(), poza.lastModified().toMSecsSinceEpoch(),
                                     p.Detalii.Observatii};
    return d.Baza().Tranzactie(
        [&](QSqlDatabase &db) { return IndexText::Adauga(db, nume, intrare, p.Text); });
}

bool NoteazaImportul(BazaDate &baza, const ImportPagina &import, const QStringList &adaugate)
{
    return baza.Tranzactie([&](QSqlDatabase &db) {
        QSqlQuery q(db);
        if (!BazaDate::Executa(q, QStringLiteral("CREATE TABLE IF NOT EXISTS importuri_pagina("
                                                 "id INTEGER PRIMARY KEY, moment TEXT NOT NULL,"
                                                 " sursa TEXT NOT NULL, probleme TEXT NOT NULL,"
                                                 " pagina BLOB)")))
            return false;
        q.prepare(QStringLiteral("INSERT INTO importuri_pagina(moment, sursa, probleme, pagina)"
                                 " VALUES (?, ?, ?, ?)"));
        q.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
        q.addBindValue(import.NumeSursa);
        q.addBindValue(adaugate.join(QLatin1Char('\n')));
        q.addBindValue(import.Original.isEmpty() ? QVariant() : QVariant(import.Original));
        return BazaDate::Executa(q);
    });
}

} // namespace

QByteArray OctetiDecupaj(const QImage &pagina, const QRect &cutie)
{
    const int margine = std::max(4, pagina.height() / 200);
    const QImage decupaj =
        pagina.copy(cutie.adjusted(-margine, -margine, margine, margine) & pagina.rect())
            .convertToFormat(QImage::Format_Grayscale8);
    QByteArray octeti = Codifica(decupaj, "JPEG", CalitateJpeg);
    if (DoarCernealaSiHartie(decupaj)) {
        QImage bit = decupaj.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
        const QByteArray bitmap = Codifica(bit, "BMP");
        if (!bitmap.isEmpty() && bitmap.size() < octeti.size())
            octeti = bitmap;
    }
    return octeti;
}

RaportPagina SalveazaPagina(Colectie &d, const ImportPagina &import)
{
    RaportPagina raport;
    AdaugareProbleme adaugare(d, AdaugareProbleme::Regula::Continut);
    for (size_t i = 0; i < import.Probleme.size(); ++i) {
        const ProblemaDePagina &p = import.Probleme[i];
        const QString caseta = QStringLiteral("caseta %1: ").arg(i + 1);
        if (const auto motiv = VerificaDetalii(p.Detalii)) {
            raport.Omise << caseta + *motiv;
            continue;
        }
        const QByteArray octeti = OctetiDecupaj(import.Pagina, p.Cutie);
        if (octeti.isEmpty()) {
            raport.Omise << caseta + QStringLiteral("poza nu a putut fi pregătită");
            continue;
        }
        Problema problema;
        problema.Fisier.Atribuie(NumePoza(import.NumeSursa, int(i) + 1));
        p.Detalii.AplicaLa(problema);
        const auto r = adaugare.Adauga(problema, octeti, VerificaPoza);
        d.platforma().ArataAnunturile(d.IaAnunturile());
        if (!r.Adaugata()) {
            raport.Omise << caseta + r.Motiv;
            if (r.Fel == AdaugareProbleme::Stare::Esuata)
                break; // the collection takes no more; what was added stays
            continue;
        }
        raport.Adaugate << r.Nume;
        if (!p.Text.isEmpty() && !ScrieText(d, r.Nume, p))
            raport.Omise << caseta +
                                QStringLiteral("textul recunoscut nu a putut fi păstrat; va fi "
                                               "recunoscut din nou");
    }
    if (!raport.Adaugate.isEmpty() && !NoteazaImportul(d.Baza(), import, raport.Adaugate))
        raport.Omise << QStringLiteral("Importul paginii nu a putut fi notat în Tezaurel.db; "
                                       "problemele adăugate rămân în colecție.");
    return raport;
}

} // namespace tezaurel
