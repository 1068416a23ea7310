#include "logica/lucrari/Lucrare.h"

#include "model/CuNumar.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace tezaurel {

double Lucrare::TotalPuncte() const
{
    double total = Antet.DinOficiu ? 1 : 0;
    for (const ProblemaLucrare &p : Probleme)
        total += p.Puncte;
    return total;
}

QString Lucrare::AvertismentPuncte() const
{
    bool cuPuncte = false;
    for (const ProblemaLucrare &p : Probleme)
        cuPuncte = cuPuncte || p.Puncte > 0;
    const double total = TotalPuncte();
    if (!cuPuncte || std::abs(total - 10) < 1e-9)
        return QString();
    return QStringLiteral("Atenție: punctele însumează %1%2, nu 10.")
        .arg(TextPuncte(total),
             Antet.DinOficiu ? QStringLiteral(" (cu 1 punct din oficiu)") : QString());
}

Lucrare Lucrare::Varianta(int v) const
{
    Lucrare varianta = *this;
    varianta.Antet.Varianta = NrVariante > 1 ? v : 0;
    for (ProblemaLucrare &p : varianta.Probleme) {
        p.Poza = p.PozaVariantei(v);
        p.Alte.clear();
    }
    return varianta;
}

QString Lucrare::NumeFisier() const
{
    QString titlu = Antet.Titlu.simplified();
    if (titlu.isEmpty())
        titlu = QStringLiteral("Lucrare");
    // A title such as "Test 1/2" must not name a folder.
    titlu.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]")),
                  QStringLiteral("-"));
    return titlu + QLatin1Char(' ') + Antet.Data.toString(QStringLiteral("dd.MM.yyyy")) +
           QStringLiteral(".pdf");
}

QString TextPuncte(double puncte)
{
    return QLocale(QLocale::Romanian, QLocale::Romania)
        .toString(puncte, 'g', QLocale::FloatingPointShortest);
}

QString EtichetaProblema(int numar, double puncte)
{
    QString eticheta = QString::number(numar) + QLatin1Char('.');
    if (puncte > 0)
        eticheta += QStringLiteral(" (%1p)").arg(TextPuncte(puncte));
    return eticheta;
}

QString TextClasa(const QString &clasa)
{
    static const QRegularExpression roman(
        QStringLiteral("^(?:a\\s+)?(V|VI|VII|VIII|IX|X|XI|XII)(?:-a)?(?:\\s+(.*))?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QString text = clasa.simplified();
    const QRegularExpressionMatch m = roman.match(text);
    if (!m.hasMatch())
        return text;
    QString rezultat = QStringLiteral("Clasa a %1-a").arg(m.captured(1).toUpper());
    if (!m.captured(2).isEmpty())
        rezultat += QLatin1Char(' ') + m.captured(2);
    return rezultat;
}

QString LiniaTimp(const AntetLucrare &antet)
{
    QString linie;
    if (antet.TimpLucru > 0) {
        linie =
            QStringLiteral("Timp de lucru: %1.")
                .arg(CuNumar(antet.TimpLucru, QStringLiteral("minut"), QStringLiteral("minute")));
    }
    if (antet.DinOficiu) {
        if (!linie.isEmpty())
            linie += QLatin1Char(' ');
        linie += QStringLiteral("Se acordă 1 punct din oficiu.");
    }
    return linie;
}

QString TextProbleme(int n)
{
    return n == 1 ? QStringLiteral("o problemă") : QStringLiteral("%1 probleme").arg(n);
}

} // namespace tezaurel
