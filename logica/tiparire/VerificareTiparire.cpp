#include "logica/tiparire/VerificareTiparire.h"

#include "logica/tiparire/GeometriePagina.h"

#include <QLocale>

#include <cmath>

namespace tezaurel {

QString TextMargine(int valoareBara)
{
    // (40 - v) / 10 rather than 4 - v / 10: the nearest double to the decimal,
    // so the shortest form is "3.7" and not "3.7000000000000002".
    return QLocale().toString((40 - valoareBara) / 10.0, 'g', QLocale::FloatingPointShortest);
}

std::optional<double> CitesteNumar(const QString &text)
{
    bool corect = false;
    double valoare = QLocale().toDouble(text, &corect);
    if (!corect)
        valoare = QLocale::c().toDouble(text, &corect);
    if (!corect || !std::isfinite(valoare))
        return std::nullopt;
    return valoare;
}

namespace {

std::optional<float> CitesteMargine(const QString &text)
{
    const std::optional<double> valoare = CitesteNumar(text);
    if (!valoare)
        return std::nullopt;
    const float cm = float(*valoare);
    if (!std::isfinite(cm) || cm < 0)
        return std::nullopt;
    return cm;
}

QString MesajMargine(const QString &nume)
{
    return QStringLiteral("Marginea %1 nu este un numar valid de centimetri!...").arg(nume);
}

} // namespace

std::variant<DatePagina, QString> VerificaTiparirea(const TexteTipareste &texte)
{
    DatePagina date;
    if (texte.LaImprimanta) {
        if (texte.Imprimanta.isEmpty())
            return QStringLiteral("Nu ati ales imprimanta!....");
        if (texte.Exemplare.isEmpty())
            return QStringLiteral("Nu ati definit numarul exemplarelor de tiparit!....");
        const std::optional<double> exemplare = CitesteNumar(texte.Exemplare);
        // Halves go to the even neighbour, as whole numbers have always been rounded here.
        const double rotunjit = exemplare ? std::nearbyint(*exemplare) : -1;
        if (exemplare && rotunjit == 0)
            return QStringLiteral("Nu avem nimic de tiparit!...");
        if (!exemplare || rotunjit < 1 || rotunjit > 32767)
            return QStringLiteral(
                "Numarul exemplarelor trebuie sa fie un numar intreg intre 1 si 32767!...");
        date.NrExemplare = int(rotunjit);
    } else {
        if (texte.NumeFisier.isEmpty())
            return QStringLiteral("Nu ati definit numele fisierului!...");
        // The page goes to teste/ and nowhere else.
        if (texte.NumeFisier.contains(QLatin1Char('/')))
            return QStringLiteral("Numele fisierului nu poate contine caracterul /: paginile se "
                                  "salveaza numai in folderul teste!...");
        date.NumeFisier = texte.NumeFisier;
    }

    const struct
    {
        const QString &text;
        float &cm;
        const char *nume;
    } margini[] = {{texte.Stanga, date.Stanga, "Stanga"},
                   {texte.Dreapta, date.Dreapta, "Dreapta"},
                   {texte.Sus, date.Sus, "Top"},
                   {texte.Jos, date.Jos, "Bottom"}};
    for (const auto &m : margini) {
        const std::optional<float> cm = CitesteMargine(m.text);
        if (!cm)
            return MesajMargine(QLatin1String(m.nume));
        m.cm = *cm;
    }
    if (AseazaPagina(date.Stanga, date.Dreapta, date.Sus, {}).Antet.width() < 1)
        return QStringLiteral("Marginile Stanga si Dreapta nu lasa loc pe latimea paginii!...");

    date.Antet = texte.Antet;
    return date;
}

} // namespace tezaurel
