#include "logica/lucrari/CompunereLucrare.h"

#include "interfete/Imprimanta.h"
#include "interfete/Platforma.h"
#include "logica/cautare/IndexText.h"
#include "logica/lucrari/DocumentLucrare.h"
#include "model/BazaDate.h"
#include "model/Colectie.h"

#include <QFileInfo>

#include <algorithm>
#include <memory>
#include <utility>

namespace tezaurel {

namespace {
bool AreProbleme(Platforma &platforma, const Lucrare &lucrare)
{
    if (lucrare.Probleme.empty())
        platforma.Mesaj(QStringLiteral("Lucrarea nu are nicio problemă."));
    return !lucrare.Probleme.empty();
}
} // namespace

bool PoateTipari(Platforma &platforma, const Lucrare &lucrare, Imprimanta &imprimanta,
                 const QString &numeImprimanta)
{
    if (!AreProbleme(platforma, lucrare))
        return false;
    if (numeImprimanta.isEmpty() || !imprimanta.Alege(numeImprimanta)) {
        platforma.Mesaj(QStringLiteral("Nu ați ales imprimanta."));
        return false;
    }
    return true;
}

QString AlegeFisierLucrare(const Colectie &definitii, const Lucrare &lucrare, const QString &nume)
{
    if (!AreProbleme(definitii.platforma(), lucrare))
        return {};
    const QString teste = definitii.CaleTeste();
    const QString dosar =
        QFileInfo(teste).isDir() ? teste : definitii.DosarAplicatie() + QLatin1Char('/');
    return definitii.platforma().AlegeFisierSalvare(dosar + nume);
}

CompunereLucrare::CompunereLucrare(BazaDate &baza, Platforma &platforma, QString dosarProbleme)
    : m_baza(baza)
    , m_platforma(platforma)
    , m_dosarProbleme(std::move(dosarProbleme))
    , m_arhiva(baza)
    , m_solutii(baza)
{
    ArhivaLucrari::Inregistreaza(baza);
    SolutiiProbleme::Inregistreaza(baza);
    // The purge takes its problems out of the paper in hand as well, or the
    // next change would keep them again.
    baza.AdaugaCuratare([this](QSqlDatabase &, const QStringList &poze) {
        const auto inainte = m_lucrare.Probleme.size();
        std::erase_if(m_lucrare.Probleme,
                      [&](const ProblemaLucrare &p) { return poze.contains(p.Poza); });
        for (ProblemaLucrare &p : m_lucrare.Probleme)
            for (QString &alta : p.Alte)
                if (poze.contains(alta))
                    alta.clear();
        m_lucrare.ProblemeSterse += int(inainte - m_lucrare.Probleme.size());
        return true;
    });
}

CuvintePoza CompunereLucrare::Cuvinte()
{
    return [this](const QString &poza) {
        return IndexText::Cuvinte(m_baza, poza, QFileInfo(m_dosarProbleme + poza).size());
    };
}

void CompunereLucrare::Pastreaza()
{
    // An empty paper nobody has kept yet is not worth a row.
    if ((m_lucrare.Id != 0 || !m_lucrare.Probleme.empty()) && m_baza.PoateScrie() &&
        !m_arhiva.Pastreaza(m_lucrare))
        m_platforma.Mesaj(m_arhiva.Raport());
    emit Schimbata();
}

void CompunereLucrare::ArataVarianta(int v)
{
    m_varianta = std::clamp(v, 1, m_lucrare.NrVariante);
    emit Schimbata();
}

void CompunereLucrare::SeteazaNrVariante(int n)
{
    n = std::clamp(n, 1, int(Lucrare::VarianteMaxime));
    if (n == m_lucrare.NrVariante)
        return;
    m_lucrare.NrVariante = n;
    for (ProblemaLucrare &p : m_lucrare.Probleme)
        while (p.Alte.size() > n - 1)
            p.Alte.removeLast();
    m_varianta = std::min(m_varianta, n);
    Pastreaza();
}

void CompunereLucrare::Adauga(const QString &poza)
{
    if (const auto data = m_arhiva.DataClasei(poza, m_lucrare.Antet.Clasa))
        m_platforma.Mesaj(QStringLiteral("Problema a fost dată clasei %1 pe %2.")
                              .arg(data->Clasa, data->Data.toString(QStringLiteral("dd.MM.yyyy"))));
    for (size_t i = 0; i < m_lucrare.Probleme.size(); ++i)
        if (m_lucrare.Probleme[i].PozaVariantei(m_varianta) == poza) {
            m_platforma.Mesaj(
                QStringLiteral("Problema este deja în lucrare, la numărul %1.").arg(i + 1));
            break;
        }
    if (m_varianta == 1) {
        m_lucrare.Probleme.push_back({poza, 0, {}, 0, FelSpatiu::Gol});
    } else {
        auto loc = std::find_if(
            m_lucrare.Probleme.begin(), m_lucrare.Probleme.end(),
            [this](const ProblemaLucrare &p) { return p.PozaVariantei(m_varianta).isEmpty(); });
        if (loc == m_lucrare.Probleme.end()) {
            m_platforma.Mesaj(QStringLiteral("Fiecare număr al variantei %1 are deja o "
                                             "problemă. Adăugați întâi un număr în varianta 1.")
                                  .arg(m_varianta));
            return;
        }
        while (loc->Alte.size() < m_varianta - 1)
            loc->Alte.append(QString());
        loc->Alte[m_varianta - 2] = poza;
    }
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
    if (m_varianta == 1)
        m_lucrare.Probleme.erase(m_lucrare.Probleme.begin() + i);
    else if (m_varianta - 2 < m_lucrare.Probleme[size_t(i)].Alte.size())
        m_lucrare.Probleme[size_t(i)].Alte[m_varianta - 2].clear();
    Pastreaza();
}

void CompunereLucrare::SeteazaPuncte(int i, double puncte)
{
    if (i < 0 || i >= int(m_lucrare.Probleme.size()) ||
        m_lucrare.Probleme[size_t(i)].Puncte == puncte)
        return;
    m_lucrare.Probleme[size_t(i)].Puncte = puncte;
    Pastreaza();
}

void CompunereLucrare::SeteazaSpatiu(int i, double centimetri, FelSpatiu fel)
{
    if (i < 0 || i >= int(m_lucrare.Probleme.size()))
        return;
    ProblemaLucrare &p = m_lucrare.Probleme[size_t(i)];
    if (p.SpatiuCm == centimetri && p.Spatiu == fel)
        return;
    p.SpatiuCm = std::max(0.0, centimetri);
    p.Spatiu = fel;
    Pastreaza();
}

void CompunereLucrare::SeteazaAscundeNumerele(bool ascunde)
{
    if (m_lucrare.AscundeNumerele == ascunde)
        return;
    m_lucrare.AscundeNumerele = ascunde;
    Pastreaza();
}

void CompunereLucrare::SeteazaAntet(const AntetLucrare &antet)
{
    const AntetLucrare &a = m_lucrare.Antet;
    if (a.Titlu == antet.Titlu && a.Scoala == antet.Scoala && a.Clasa == antet.Clasa &&
        a.Data == antet.Data && a.LiniaNume == antet.LiniaNume && a.TimpLucru == antet.TimpLucru &&
        a.DinOficiu == antet.DinOficiu)
        return;
    m_lucrare.Antet = antet;
    Pastreaza();
}

void CompunereLucrare::Noua()
{
    Lucrare noua;
    noua.Antet = m_lucrare.Antet;
    m_varianta = 1;
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
    m_varianta = 1;
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

void CompunereLucrare::Restabileste(const Lucrare &inainte)
{
    const qint64 id = m_lucrare.Id;
    m_lucrare = inainte;
    m_lucrare.Id = id;
    m_varianta = std::min(m_varianta, m_lucrare.NrVariante);
    Pastreaza();
}

void CompunereLucrare::SpuneNescris(const QString &cale, const QString &motiv)
{
    m_platforma.Mesaj(QStringLiteral("Nu am reușit să scriu fișierul %1. Verificați că "
                                     "dosarul există și poate fi scris.")
                          .arg(cale) +
                      (motiv.isEmpty() ? QString() : QStringLiteral("\nMotivul: %1.").arg(motiv)));
}

void CompunereLucrare::InregistreazaFolosirea()
{
    if (m_baza.PoateScrie() && !m_arhiva.InregistreazaFolosirea(m_lucrare))
        m_platforma.Mesaj(m_arhiva.Raport());
    // The viewer names the classes each problem was given to.
    emit Schimbata();
}

// Every variant of the paper, laid out, handed to fa.
template <typename F> bool CompunereLucrare::Redare(const MarginiLucrare &margini, F &&fa)
{
    std::vector<Lucrare> variante;
    for (int v = 1; v <= m_lucrare.NrVariante; ++v)
        variante.push_back(m_lucrare.Varianta(v));
    std::vector<std::unique_ptr<RedareLucrare>> redari;
    std::vector<RedareLucrare *> parti;
    const CuvintePoza cuvinte = Cuvinte();
    for (const Lucrare &varianta : variante) {
        redari.push_back(
            std::make_unique<RedareLucrare>(varianta, m_dosarProbleme, margini, &m_poze, cuvinte));
        parti.push_back(redari.back().get());
    }
    return fa(parti);
}

bool CompunereLucrare::SalveazaPdf(const QString &cale, const MarginiLucrare &margini)
{
    QString motiv;
    if (!Redare(margini,
                [&](const auto &parti) { return RedareLucrare::ScriePdf(parti, cale, &motiv); })) {
        SpuneNescris(cale, motiv);
        return false;
    }
    InregistreazaFolosirea();
    m_platforma.Mesaj(QStringLiteral("Lucrarea a fost salvată în fișierul %1.").arg(cale));
    return true;
}

bool CompunereLucrare::SalveazaOdt(const QString &cale, const MarginiLucrare &margini)
{
    QString motiv;
    if (!Redare(margini, [&](const auto &parti) { return ScrieOdt(parti, cale, &motiv); })) {
        SpuneNescris(cale, motiv);
        return false;
    }
    m_platforma.Mesaj(QStringLiteral("Lucrarea a fost salvată în fișierul %1.").arg(cale));
    return true;
}

bool CompunereLucrare::Tipareste(Imprimanta &imprimanta, int exemplare,
                                 const MarginiLucrare &margini)
{
    if (!Redare(margini, [&](const auto &parti) {
            return RedareLucrare::Tipareste(parti, imprimanta, exemplare);
        })) {
        m_platforma.Mesaj(QStringLiteral("Nu am reușit să tipăresc lucrarea. Verificați "
                                         "imprimanta aleasă."));
        return false;
    }
    InregistreazaFolosirea();
    return true;
}

std::vector<Solutie> CompunereLucrare::SolutiileVariantei(const Lucrare &varianta)
{
    std::vector<Solutie> solutii;
    for (const ProblemaLucrare &p : varianta.Probleme)
        solutii.push_back(p.Poza.isEmpty() ? Solutie()
                                           : m_solutii.Citeste(p.Poza).value_or(Solutie()));
    return solutii;
}

QStringList CompunereLucrare::AvertismenteBarem()
{
    const Lucrare varianta = m_lucrare.Varianta(m_varianta);
    return tezaurel::AvertismenteBarem(varianta, SolutiileVariantei(varianta));
}

template <typename F> bool CompunereLucrare::RedareBaremuri(const MarginiLucrare &margini, F &&fa)
{
    std::vector<std::unique_ptr<RedareBarem>> redari;
    std::vector<RedareBarem *> parti;
    for (int v = 1; v <= m_lucrare.NrVariante; ++v) {
        const Lucrare varianta = m_lucrare.Varianta(v);
        redari.push_back(
            std::make_unique<RedareBarem>(varianta, SolutiileVariantei(varianta), margini));
        parti.push_back(redari.back().get());
    }
    return fa(parti);
}

bool CompunereLucrare::SalveazaBaremul(const QString &cale, const MarginiLucrare &margini)
{
    QString motiv;
    if (!RedareBaremuri(margini, [&](const auto &parti) {
            return RedareBarem::ScriePdf(parti, cale, &motiv);
        })) {
        SpuneNescris(cale, motiv);
        return false;
    }
    m_platforma.Mesaj(QStringLiteral("Baremul a fost salvat în fișierul %1.").arg(cale));
    return true;
}

bool CompunereLucrare::TiparesteBaremul(Imprimanta &imprimanta, int exemplare,
                                        const MarginiLucrare &margini)
{
    if (!RedareBaremuri(margini, [&](const auto &parti) {
            return RedareBarem::Tipareste(parti, imprimanta, exemplare);
        })) {
        m_platforma.Mesaj(QStringLiteral("Nu am reușit să tipăresc baremul. Verificați "
                                         "imprimanta aleasă."));
        return false;
    }
    return true;
}

} // namespace tezaurel
