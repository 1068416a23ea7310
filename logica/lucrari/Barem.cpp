#include "logica/lucrari/Barem.h"

#include "logica/lucrari/RedareLucrare.h"
#include "logica/tiparire/GeometriePagina.h"
#include "model/BazaDate.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QVariant>
#include <QtConcurrentMap>

#include <cmath>

namespace tezaurel {

namespace {
// A null QString binds as SQL NULL, which the NOT NULL columns refuse.
QString NiciodataNul(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

bool Egale(double a, double b)
{
    return std::abs(a - b) < 1e-9;
}

// Kept a step a line, "points<TAB>text", whatever the language of the machine.
QString PasiDeStocat(const std::vector<PasBarem> &pasi)
{
    QStringList randuri;
    for (const PasBarem &p : pasi)
        randuri << QString::number(p.Puncte) + QLatin1Char('\t') + QString(p.Text).simplified();
    return NiciodataNul(randuri.join(QLatin1Char('\n')));
}

std::vector<PasBarem> PasiStocati(const QString &text)
{
    std::vector<PasBarem> pasi;
    for (const QString &rand : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        pasi.push_back(
            {rand.section(QLatin1Char('\t'), 1), rand.section(QLatin1Char('\t'), 0, 0).toDouble()});
    return pasi;
}

bool CreeazaTabelul(QSqlDatabase &db)
{
    return QSqlQuery(db).exec(
        QStringLiteral("CREATE TABLE IF NOT EXISTS solutii (poza TEXT PRIMARY KEY, imagine BLOB,"
                       " text TEXT NOT NULL DEFAULT '', pasi TEXT NOT NULL DEFAULT '')"));
}

bool CurataSolutii(QSqlDatabase &db, const QStringList &poze)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM solutii WHERE poza = ?"));
    for (const QString &poza : poze) {
        q.addBindValue(poza);
        if (!BazaDate::Executa(q))
            return false;
    }
    return true;
}
} // namespace

double Solutie::PunctePasi() const
{
    double total = 0;
    for (const PasBarem &p : Pasi)
        total += p.Puncte;
    return total;
}

void SolutiiProbleme::Inregistreaza(BazaDate &baza)
{
    baza.AdaugaSchema(CreeazaTabelul);
    baza.AdaugaCuratare(CurataSolutii);
}

std::optional<Solutie> SolutiiProbleme::Citeste(const QString &poza)
{
    if (!m_baza.EsteDeschisa())
        return std::nullopt;
    QSqlQuery q(m_baza.Conexiune());
    q.prepare(QStringLiteral("SELECT imagine, text, pasi FROM solutii WHERE poza = ?"));
    q.addBindValue(poza);
    if (!q.exec())
        return std::nullopt;
    Solutie s;
    if (q.next()) {
        s.Poza = q.value(0).toByteArray();
        s.Text = q.value(1).toString();
        s.Pasi = PasiStocati(q.value(2).toString());
    }
    return s;
}

bool SolutiiProbleme::Adauga(QSqlDatabase &db, const QString &poza, const Solutie &solutie)
{
    QSqlQuery q(db);
    if (solutie.Goala()) {
        q.prepare(QStringLiteral("DELETE FROM solutii WHERE poza = ?"));
        q.addBindValue(poza);
        return BazaDate::Executa(q);
    }
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO solutii (poza, imagine, text, pasi)"
                             " VALUES (?, ?, ?, ?)"));
    q.addBindValue(poza);
    q.addBindValue(solutie.Poza.isEmpty() ? QVariant(QMetaType(QMetaType::QByteArray))
                                          : QVariant(solutie.Poza));
    q.addBindValue(NiciodataNul(solutie.Text));
    q.addBindValue(PasiDeStocat(solutie.Pasi));
    return BazaDate::Executa(q);
}

bool SolutiiProbleme::Pastreaza(const QString &poza, const Solutie &solutie)
{
    return m_baza.Tranzactie([&](QSqlDatabase &db) { return Adauga(db, poza, solutie); });
}

QString TextPasi(const std::vector<PasBarem> &pasi)
{
    QStringList randuri;
    for (const PasBarem &p : pasi)
        randuri << QStringLiteral("%1 — %2p").arg(p.Text, TextPuncte(p.Puncte));
    return randuri.join(QLatin1Char('\n'));
}

std::optional<std::vector<PasBarem>> CitestePasi(const QString &text, int *randGresit)
{
    // "Calculul discriminantului — 1p", "Finalizare - 0,5 p", "Desen – 2 puncte"
    static const QRegularExpression pas(QStringLiteral(
        "^(.*\\S)\\s*[—–-]\\s*([0-9]+(?:[.,][0-9]+)?)\\s*(?:p|pct\\.?|puncte?|punct)$"));
    std::vector<PasBarem> pasi;
    const QStringList randuri = text.split(QLatin1Char('\n'));
    for (int i = 0; i < randuri.size(); ++i) {
        const QString rand = randuri[i].simplified();
        if (rand.isEmpty())
            continue;
        const QRegularExpressionMatch m = pas.match(rand);
        if (!m.hasMatch()) {
            if (randGresit)
                *randGresit = i + 1;
            return std::nullopt;
        }
        pasi.push_back(
            {m.captured(1), m.captured(2).replace(QLatin1Char(','), QLatin1Char('.')).toDouble()});
    }
    return pasi;
}

QStringList AvertismenteBarem(const Lucrare &lucrare, const std::vector<Solutie> &solutii)
{
    QStringList avertismente;
    for (size_t i = 0; i < lucrare.Probleme.size() && i < solutii.size(); ++i) {
        const double pasi = solutii[i].PunctePasi();
        if (!solutii[i].Pasi.empty() && !Egale(pasi, lucrare.Probleme[i].Puncte))
            avertismente << QStringLiteral("Atenție: la problema %1, pașii baremului însumează "
                                           "%2p, nu %3p.")
                                .arg(i + 1)
                                .arg(TextPuncte(pasi), TextPuncte(lucrare.Probleme[i].Puncte));
    }
    return avertismente;
}

QStringList IncheiereBarem(const Lucrare &lucrare)
{
    QStringList randuri;
    if (lucrare.Antet.DinOficiu)
        randuri << QStringLiteral("Se acordă 1 punct din oficiu.");
    const double total = lucrare.TotalPuncte();
    if (Egale(total, 100))
        randuri << QStringLiteral(
            "Nota finală se calculează prin împărțirea punctajului obținut la 10.");
    else
        randuri << QStringLiteral("Total: %1 %2.")
                       .arg(TextPuncte(total),
                            Egale(total, 1) ? QStringLiteral("punct") : QStringLiteral("puncte"));
    return randuri;
}

namespace {
using Bloc = RedareBarem::Bloc;

QFont LiteraBarem(int marime, bool ingrosat = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(marime); // twips: the painter's window is in twips on every device
    font.setBold(ingrosat);
    return font;
}

QFont LiteraBlocului(Bloc::Tip fel)
{
    using namespace PaginaLucrare;
    return fel == Bloc::Tip::Titlu ? LiteraBarem(MarimeTitlu, true)
                                   : LiteraBarem(MarimeText, fel == Bloc::Tip::Problema);
}

// A step's points stand at the right, in a column of their own.
int LatimePuncte(const Bloc &b)
{
    return b.Puncte.isEmpty() ? 0 : 1200;
}

// The problem's blocks: its number and points, its solution, its steps and their sum.
void BlocuriProblema(std::vector<Bloc> &blocuri, int numar, const ProblemaLucrare &problema,
                     const Solutie &solutie, const PozaPregatita &p)
{
    blocuri.push_back({Bloc::Tip::Problema, EtichetaProblema(numar, problema.Puncte)});
    if (solutie.Goala())
        blocuri.push_back({Bloc::Tip::Rand, QStringLiteral("(Problema nu are soluție în barem.)")});
    if (!solutie.Text.trimmed().isEmpty())
        blocuri.push_back({Bloc::Tip::Rand, solutie.Text.trimmed()});
    if (!solutie.Poza.isEmpty()) {
        Bloc poza{Bloc::Tip::Imagine};
        poza.Imagine = p.Poza;
        poza.Loc.setSize(p.Marime);
        if (p.Poza.isNull())
            poza = {Bloc::Tip::Rand, QStringLiteral("(Poza soluției nu poate fi citită.)")};
        blocuri.push_back(poza);
    }
    for (const PasBarem &pas : solutie.Pasi)
        blocuri.push_back({Bloc::Tip::Pas, QStringLiteral("• ") + pas.Text,
                           TextPuncte(pas.Puncte) + QLatin1Char('p')});
    if (solutie.Pasi.empty())
        return;
    const double suma = solutie.PunctePasi();
    if (std::abs(suma - problema.Puncte) < 1e-9)
        blocuri.push_back({Bloc::Tip::Suma, QStringLiteral("Total problema %1:").arg(numar),
                           TextPuncte(suma) + QLatin1Char('p')});
    else
        blocuri.push_back(
            {Bloc::Tip::Avertisment, QStringLiteral("Atenție: pașii însumează %1p, nu %2p.")
                                         .arg(TextPuncte(suma), TextPuncte(problema.Puncte))});
}
} // namespace

RedareBarem::RedareBarem(const Lucrare &lucrare, std::vector<Solutie> solutii,
                         const MarginiLucrare &margini)
    : m_lucrare(lucrare)
    , m_solutii(std::move(solutii))
{
    m_solutii.resize(m_lucrare.Probleme.size());
    m_zona = ZonaLucrare(margini);
    const AntetLucrare &a = m_lucrare.Antet;
    m_blocuri.push_back({Bloc::Tip::Titlu, QStringLiteral("Barem de evaluare și de notare")});
    QStringList antet{a.Scoala.simplified(), TextClasa(a.Clasa), a.Titlu.simplified(),
                      a.Data.toString(QStringLiteral("dd.MM.yyyy"))};
    if (a.Varianta > 0)
        antet << QStringLiteral("Varianta %1").arg(a.Varianta);
    antet.removeAll(QString());
    m_blocuri.push_back({Bloc::Tip::Rand, antet.join(QStringLiteral(" · "))});
    // The solutions' scans are prepared several at once, as the paper's are.
    const QList<PozaPregatita> poze = QtConcurrent::blockingMapped<QList<PozaPregatita>>(
        m_solutii, [latime = m_zona.width()](const Solutie &s) {
            return s.Poza.isEmpty()
                       ? PozaPregatita()
                       : RedareLucrare::Pregateste(QImage::fromData(s.Poza), latime, {});
        });
    for (size_t i = 0; i < m_lucrare.Probleme.size(); ++i)
        BlocuriProblema(m_blocuri, int(i) + 1, m_lucrare.Probleme[i], m_solutii[i],
                        poze[qsizetype(i)]);
    for (const QString &rand : IncheiereBarem(m_lucrare))
        m_blocuri.push_back({Bloc::Tip::Suma, rand});
    Asaza();
}

void RedareBarem::Asaza()
{
    using namespace PaginaLucrare;
    const int fund = m_zona.bottom() + 1 - InaltimeSubsol;
    const int inaltimePagina = fund - m_zona.top();
    const int indent = 400; // the solution stands under its number
    int y = m_zona.top();
    int pagina = 0;
    for (Bloc &b : m_blocuri) {
        const bool laMargine = b.Fel == Bloc::Tip::Titlu || b.Fel == Bloc::Tip::Problema;
        const int stanga = m_zona.left() + (laMargine ? 0 : indent);
        const int latime = m_zona.right() + 1 - stanga;
        QSize marime(latime, RandText);
        if (b.Fel == Bloc::Tip::Imagine) {
            marime = b.Loc.size();
            if (marime.width() > latime || marime.height() > inaltimePagina)
                marime = marime.scaled(QSize(latime, inaltimePagina), Qt::KeepAspectRatio);
        } else {
            const QFontMetricsF m(LiteraBlocului(b.Fel));
            const QRectF text = m.boundingRect(QRectF(0, 0, latime - LatimePuncte(b), 1e7),
                                               Qt::TextWordWrap, b.Text);
            marime.setHeight(std::max(int(std::ceil(text.height())), RandText));
        }
        const int inainte = laMargine ? SpatiuIntreProbleme : 0;
        if (y + inainte + marime.height() > fund && y > m_zona.top()) {
            ++pagina;
            y = m_zona.top();
        }
        y += y > m_zona.top() ? inainte : 0;
        b.Loc = QRect(QPoint(stanga, y), marime);
        b.Pagina = pagina;
        y += marime.height();
    }
    m_nrPagini = pagina + 1;
}

void RedareBarem::Deseneaza(QPainter &pictor, int pagina, QSize marimeFoaie) const
{
    pictor.save();
    pictor.setViewport(QRect(QPoint(0, 0), marimeFoaie));
    pictor.setWindow(0, 0, Pagina::Latime, Pagina::Inaltime);
    pictor.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Bloc &b : m_blocuri) {
        if (b.Pagina != pagina)
            continue;
        pictor.setFont(LiteraBlocului(b.Fel));
        pictor.setPen(b.Fel == Bloc::Tip::Avertisment ? QColor(176, 0, 0) : QColor(Qt::black));
        if (b.Fel == Bloc::Tip::Imagine) {
            pictor.drawImage(b.Loc, b.Imagine);
            continue;
        }
        const QRect text = b.Loc.adjusted(0, 0, -LatimePuncte(b), 0);
        // A step and its points on one line, as a reader of the PDF finds them.
        pictor.drawText(text,
                        (b.Fel == Bloc::Tip::Titlu ? Qt::AlignHCenter : Qt::AlignLeft) |
                            Qt::AlignTop | Qt::TextWordWrap,
                        b.Text);
        if (!b.Puncte.isEmpty())
            pictor.drawText(b.Loc, Qt::AlignRight | Qt::AlignTop, b.Puncte);
    }
    pictor.setPen(Qt::black);
    pictor.setFont(LiteraBarem(PaginaLucrare::MarimeText));
    const QRect subsol(m_zona.left(), m_zona.bottom() + 1 - PaginaLucrare::InaltimeSubsol,
                       m_zona.width(), PaginaLucrare::InaltimeSubsol);
    pictor.drawText(subsol, Qt::AlignRight | Qt::AlignVCenter,
                    QStringLiteral("Barem · Pagina %1 din %2").arg(pagina + 1).arg(m_nrPagini));
    pictor.restore();
}

namespace {
std::pair<int, DesenarePagina> PaginileBaremelor(const std::vector<RedareBarem *> &variante)
{
    int total = 0;
    for (RedareBarem *v : variante)
        total += v->NrPagini();
    return {total, [variante](QPainter &pictor, int i, QSize foaie) {
                for (RedareBarem *v : variante) {
                    if (i < v->NrPagini())
                        return v->Deseneaza(pictor, i, foaie);
                    i -= v->NrPagini();
                }
            }};
}
} // namespace

bool RedareBarem::ScriePdf(const std::vector<RedareBarem *> &variante, const QString &cale,
                           QString *motiv)
{
    const auto [pagini, deseneaza] = PaginileBaremelor(variante);
    return ScriePdfPagini(pagini, deseneaza, QStringLiteral("Barem de evaluare și de notare"), cale,
                          motiv);
}

bool RedareBarem::Tipareste(const std::vector<RedareBarem *> &variante, Imprimanta &imprimanta,
                            int exemplare)
{
    const auto [pagini, deseneaza] = PaginileBaremelor(variante);
    return TiparestePagini(pagini, deseneaza, imprimanta, exemplare);
}

} // namespace tezaurel
