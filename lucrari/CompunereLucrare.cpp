#include "lucrari/CompunereLucrare.h"

#include "platform/Platforma.h"
#include "store/BazaDate.h"

#include <utility>

CompunereLucrare::CompunereLucrare(BazaDate &baza, Platforma &platforma, QString dosarProbleme)
    : m_baza(baza)
    , m_platforma(platforma)
    , m_dosarProbleme(std::move(dosarProbleme))
    , m_arhiva(baza)
{
    // The purge takes its problems out of the paper in hand as well, or the
    // next change would keep them again.
    baza.AdaugaCuratare([this](QSqlDatabase &, const QStringList &poze) {
        const auto inainte = m_lucrare.Probleme.size();
        std::erase_if(m_lucrare.Probleme,
                      [&](const ProblemaLucrare &p) { return poze.contains(p.Poza); });
        m_lucrare.ProblemeSterse += int(inainte - m_lucrare.Probleme.size());
        return true;
    });
}

void CompunereLucrare::Pastreaza()
{
    // An empty paper nobody has kept yet is not worth a row.
    if ((m_lucrare.Id != 0 || !m_lucrare.Probleme.empty()) && m_baza.EsteDeschisa()
        && !m_arhiva.Pastreaza(m_lucrare))
        m_platforma.Mesaj(m_arhiva.Raport());
    emit Schimbata();
}

void CompunereLucrare::Adauga(const QString &poza)
{
    if (const auto data = m_arhiva.DataClasei(poza, m_lucrare.Antet.Clasa))
        m_platforma.Mesaj(QStringLiteral("Problema a fost dată clasei %1 pe %2.")
                              .arg(data->Clasa, data->Data.toString(QStringLiteral("dd.MM.yyyy"))));
    for (size_t i = 0; i < m_lucrare.Probleme.size(); ++i)
        if (m_lucrare.Probleme[i].Poza == poza) {
            m_platforma.Mesaj(QStringLiteral("Problema este deja în lucrare, la numărul %1.")
                                  .arg(i + 1));
            break;
        }
    m_lucrare.Probleme.push_back({poza, 0});
    Pastreaza();
}

void CompunereLucrare::Muta(int i, int j)
{
    const int n = int(m_lucrare.Probleme.size());
    if (i < 0 || j < 0 || i >= n || j >= n || i == j)
        return;
    std::swap(m_lucrare.Probleme[size_t(i)], m_lucrare.Probleme[size_t(j)]);
    Pastreaza();
}

void CompunereLucrare::Scoate(int i)
{
    if (i < 0 || i >= int(m_lucrare.Probleme.size()))
        return;
    m_lucrare.Probleme.erase(m_lucrare.Probleme.begin() + i);
    Pastreaza();
}

void CompunereLucrare::SeteazaPuncte(int i, double puncte)
{
    if (i < 0 || i >= int(m_lucrare.Probleme.size()) || m_lucrare.Probleme[size_t(i)].Puncte == puncte)
        return;
    m_lucrare.Probleme[size_t(i)].Puncte = puncte;
    Pastreaza();
}

void CompunereLucrare::SeteazaAntet(const AntetLucrare &antet)
{
    const AntetLucrare &a = m_lucrare.Antet;
    if (a.Titlu == antet.Titlu && a.Scoala == antet.Scoala && a.Clasa == antet.Clasa
        && a.Data == antet.Data && a.LiniaNume == antet.LiniaNume
        && a.TimpLucru == antet.TimpLucru && a.DinOficiu == antet.DinOficiu)
        return;
    m_lucrare.Antet = antet;
    Pastreaza();
}

void CompunereLucrare::Noua()
{
    Lucrare noua;
    noua.Antet = m_lucrare.Antet;
    noua.Antet.Data = QDate::currentDate();
    m_lucrare = noua;
    emit Schimbata();
}

bool CompunereLucrare::Deschide(qint64 id)
{
    std::optional<Lucrare> citita = m_arhiva.Citeste(id);
    if (!citita) {
        m_platforma.Mesaj(QStringLiteral("Lucrarea nu a putut fi citită din baza de date."));
        return false;
    }
    m_lucrare = std::move(*citita);
    emit Schimbata();
    return true;
}

void CompunereLucrare::Copiaza()
{
    m_lucrare.Id = 0;
    m_lucrare.ProblemeSterse = 0;
    m_lucrare.Antet.Data = QDate::currentDate();
    Pastreaza();
}

void CompunereLucrare::InregistreazaFolosirea()
{
    if (m_baza.EsteDeschisa() && !m_arhiva.InregistreazaFolosirea(m_lucrare))
        m_platforma.Mesaj(m_arhiva.Raport());
    // The viewer names the classes each problem was given to.
    emit Schimbata();
}

bool CompunereLucrare::SalveazaPdf(const QString &cale, const MarginiLucrare &margini)
{
    RedareLucrare redare(m_lucrare, m_dosarProbleme, margini, &m_poze);
    if (!redare.ScriePdf(cale)) {
        m_platforma.Mesaj(QStringLiteral("Nu am reușit să scriu fișierul %1. Verificați că "
                                         "dosarul există și poate fi scris.")
                              .arg(cale));
        return false;
    }
    InregistreazaFolosirea();
    m_platforma.Mesaj(QStringLiteral("Lucrarea a fost salvată în fișierul %1.").arg(cale));
    return true;
}

bool CompunereLucrare::Tipareste(Imprimanta &imprimanta, int exemplare,
                                 const MarginiLucrare &margini)
{
    RedareLucrare redare(m_lucrare, m_dosarProbleme, margini, &m_poze);
    if (!redare.Tipareste(imprimanta, exemplare)) {
        m_platforma.Mesaj(QStringLiteral("Nu am reușit să tipăresc lucrarea. Verificați "
                                         "imprimanta aleasă."));
        return false;
    }
    InregistreazaFolosirea();
    return true;
}
