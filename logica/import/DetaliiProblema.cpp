#include "logica/import/DetaliiProblema.h"

#include "interfete/Platforma.h"
#include "model/CodPagina.h"
#include "model/Colectie.h"

#include <set>

namespace tezaurel {

namespace {

// The first character the code page cannot hold; ș ț Ș Ț count as held,
// since they are kept as their cedilla forms.
std::optional<QChar> CaracterNepastrat(const QString &text)
{
    for (const QChar c : text)
        if (c != QLatin1Char('?') && CodificaCaracterAnsi(c.unicode()) == '?')
            return c;
    return std::nullopt;
}

std::optional<QString> VerificaCamp(const QString &nume, const QString &text, int lungime)
{
    if (const auto c = CaracterNepastrat(text))
        return QStringLiteral("%1: caracterul „%2” nu poate fi păstrat în colecție (codificarea "
                              "Windows-1250 nu îl are). Înlocuiți-l.")
            .arg(nume, *c);
    if (text.size() > lungime)
        return QStringLiteral("%1: textul are %2 de caractere, dar încap cel mult %3. "
                              "Scurtați-l.")
            .arg(nume)
            .arg(text.size())
            .arg(lungime);
    return std::nullopt;
}

template <typename Camp> QStringList TexteDistincte(const Colectie &d, Camp camp)
{
    std::set<QString> texte;
    for (int i = 2; i <= d.NrProbleme(); ++i) {
        const Problema &p = d.ProblemaDin(size_t(i));
        const QString text = (p.*camp).FaraBlancuri().trimmed();
        if (!p.EsteStearsa() && !text.isEmpty())
            texte.insert(text);
    }
    return QStringList(texte.begin(), texte.end());
}

} // namespace

DetaliiProblema DetaliiProblema::DinProblema(const Problema &p)
{
    return {p.Clasa, p.Nivel, p.Disciplina.FaraBlancuri(), p.Capitol.FaraBlancuri(),
            p.Observatii.FaraBlancuri()};
}

void DetaliiProblema::AplicaLa(Problema &p) const
{
    p.Clasa = Clasa;
    p.Nivel = Nivel;
    p.Disciplina.Atribuie(Disciplina);
    p.Capitol.Atribuie(Capitol);
    p.Observatii.Atribuie(Observatii);
}

std::optional<QString> VerificaDetalii(const DetaliiProblema &d)
{
    if (auto m = VerificaCamp(QStringLiteral("Disciplina"), d.Disciplina,
                              decltype(Problema::Disciplina)::Lungime))
        return m;
    if (auto m = VerificaCamp(QStringLiteral("Capitolul"), d.Capitol,
                              decltype(Problema::Capitol)::Lungime))
        return m;
    return VerificaCamp(QStringLiteral("Observațiile"), d.Observatii,
                        decltype(Problema::Observatii)::Lungime);
}

QStringList CapitoleExistente(const Colectie &d)
{
    return TexteDistincte(d, &Problema::Capitol);
}

QStringList DisciplineExistente(const Colectie &d)
{
    return TexteDistincte(d, &Problema::Disciplina);
}

bool CorecteazaDetalii(Colectie &d, int slot, const DetaliiProblema &noi)
{
    if (slot < 2 || slot > d.NrProbleme())
        return false;
    if (const auto motiv = VerificaDetalii(noi)) {
        d.platforma().Mesaj(*motiv);
        return false;
    }
    Problema p = d.ProblemaDin(size_t(slot));
    // A field the teacher left as the form showed it keeps its bytes: leading
    // blanks, NUL filling, whatever the Windows program or another wrote.
    const DetaliiProblema aratate = DetaliiProblema::DinProblema(p);
    const auto schimbat = [](const QString &nou, const QString &vechi) {
        return nou.trimmed() != QString(vechi).remove(QChar(0)).trimmed();
    };
    p.Clasa = noi.Clasa;
    p.Nivel = noi.Nivel;
    if (schimbat(noi.Disciplina, aratate.Disciplina))
        p.Disciplina.Atribuie(noi.Disciplina);
    if (schimbat(noi.Capitol, aratate.Capitol))
        p.Capitol.Atribuie(noi.Capitol);
    if (schimbat(noi.Observatii, aratate.Observatii))
        p.Observatii.Atribuie(noi.Observatii);
    const bool rescrisa = d.RescrieProblema(slot, p);
    d.platforma().ArataAnunturile(d.IaAnunturile());
    return rescrisa;
}

} // namespace tezaurel
