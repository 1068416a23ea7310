#include "logica/banca/LucrareBanca.h"

#include "logica/banca/FiltruBanca.h"
#include "logica/lucrari/CompunereLucrare.h"
#include "model/BazaDate.h"

#include <QSqlQuery>

#include <algorithm>

namespace tezaurel {

namespace {
constexpr size_t PasiAnulare = 50;
const QString CheieLucrare = QStringLiteral("lucrare_curenta");

// Points nobody typed: none at all, or the even share this window gave.
bool PuncteAutomate(const Lucrare &l)
{
    const std::vector<double> egale =
        PuncteEgale(int(l.Probleme.size()), 10 - (l.Antet.DinOficiu ? 1 : 0));
    bool zero = true, egal = egale.size() == l.Probleme.size();
    for (size_t i = 0; i < l.Probleme.size(); ++i) {
        zero = zero && l.Probleme[i].Puncte == 0;
        egal = egal && l.Probleme[i].Puncte == egale[i];
    }
    return zero || egal;
}
} // namespace

LucrareBanca::LucrareBanca(BazaDate &baza, CompunereLucrare &compunere)
    : m_baza(baza)
    , m_compunere(compunere)
{
    baza.AdaugaSchema([](QSqlDatabase &db) {
        return QSqlQuery(db).exec(QStringLiteral("CREATE TABLE IF NOT EXISTS banca_stare ("
                                                 " cheie TEXT PRIMARY KEY, valoare TEXT)"));
    });
}

void LucrareBanca::Restaureaza()
{
    if (m_restaurata || !m_baza.EsteDeschisa())
        return;
    m_restaurata = true;
    QSqlQuery q(m_baza.Conexiune());
    q.prepare(QStringLiteral("SELECT valoare FROM banca_stare WHERE cheie = ?"));
    q.addBindValue(CheieLucrare);
    if (q.exec() && q.next())
        m_pastrata = q.value(0).toLongLong();
    if (m_pastrata > 0 && m_compunere.Curenta().Id == 0 && m_compunere.Curenta().Probleme.empty())
        m_compunere.Deschide(m_pastrata);
    connect(&m_compunere, &CompunereLucrare::Schimbata, this, &LucrareBanca::TineMinte);
    TineMinte();
}

// Whichever window changed or opened the paper, the next start finds it.
void LucrareBanca::TineMinte()
{
    const qint64 id = m_compunere.Curenta().Id;
    if (id == m_pastrata || !m_baza.PoateScrie())
        return;
    const bool scrisa = m_baza.Tranzactie([&](QSqlDatabase &db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO banca_stare (cheie, valoare) "
                                 "VALUES (?, ?)"));
        q.addBindValue(CheieLucrare);
        q.addBindValue(QString::number(id));
        return BazaDate::Executa(q);
    });
    if (scrisa)
        m_pastrata = id;
}

template <typename F> void LucrareBanca::Schimba(F &&fa)
{
    const Lucrare inainte = m_compunere.Curenta();
    if (!PoateAnula())
        m_inainte.clear(); // another paper was opened meanwhile
    fa();
    const Lucrare &dupa = m_compunere.Curenta();
    if (dupa.Probleme.size() == inainte.Probleme.size() &&
        std::equal(dupa.Probleme.begin(), dupa.Probleme.end(), inainte.Probleme.begin(),
                   [](const ProblemaLucrare &a, const ProblemaLucrare &b) {
                       return a.Poza == b.Poza && a.Puncte == b.Puncte && a.Alte == b.Alte;
                   }) &&
        dupa.Antet.Clasa == inainte.Antet.Clasa && dupa.Antet.Titlu == inainte.Antet.Titlu &&
        dupa.Antet.Scoala == inainte.Antet.Scoala && dupa.Antet.Data == inainte.Antet.Data &&
        dupa.Antet.TimpLucru == inainte.Antet.TimpLucru &&
        dupa.Antet.DinOficiu == inainte.Antet.DinOficiu &&
        dupa.Antet.LiniaNume == inainte.Antet.LiniaNume)
        return;
    m_inainte.push_back({dupa.Id, inainte});
    if (m_inainte.size() > PasiAnulare)
        m_inainte.erase(m_inainte.begin());
}

void LucrareBanca::ImparteEgal()
{
    Lucrare l = m_compunere.Curenta();
    const std::vector<double> egale =
        PuncteEgale(int(l.Probleme.size()), 10 - (l.Antet.DinOficiu ? 1 : 0));
    bool schimbate = false;
    for (size_t i = 0; i < egale.size(); ++i) {
        schimbate = schimbate || l.Probleme[i].Puncte != egale[i];
        l.Probleme[i].Puncte = egale[i];
    }
    if (schimbate)
        m_compunere.Restabileste(l);
}

void LucrareBanca::Adauga(const QStringList &poze)
{
    Schimba([&] {
        const bool automate = PuncteAutomate(m_compunere.Curenta());
        for (const QString &poza : poze)
            m_compunere.Adauga(poza);
        if (automate)
            ImparteEgal();
    });
}

void LucrareBanca::Noua()
{
    m_compunere.Noua();
    m_inainte.clear();
    AntetLucrare antet = m_compunere.Curenta().Antet;
    antet.Clasa.clear();
    m_clasaLuata.clear();
    m_compunere.SeteazaAntet(antet);
}

void LucrareBanca::Muta(int i, int j)
{
    const int n = int(m_compunere.Curenta().Probleme.size());
    if (i < 0 || j < 0 || i >= n || j >= n || i == j)
        return;
    // Dragged over several places, the problem goes there in one change, one undo.
    Schimba([&] {
        Lucrare l = m_compunere.Curenta();
        auto &p = l.Probleme;
        if (i < j)
            std::rotate(p.begin() + i, p.begin() + i + 1, p.begin() + j + 1);
        else
            std::rotate(p.begin() + j, p.begin() + i, p.begin() + i + 1);
        m_compunere.Restabileste(l);
    });
}

void LucrareBanca::Scoate(int i)
{
    Schimba([&] {
        const Lucrare &l = m_compunere.Curenta();
        const bool automate = PuncteAutomate(l);
        m_compunere.Scoate(i);
        if (automate)
            ImparteEgal();
    });
}

void LucrareBanca::SeteazaPuncte(int i, double puncte)
{
    Schimba([&] { m_compunere.SeteazaPuncte(i, puncte); });
}

void LucrareBanca::SeteazaAntet(const AntetLucrare &antet)
{
    Schimba([&] { m_compunere.SeteazaAntet(antet); });
}

void LucrareBanca::ClasaFiltrului(const QString &clasa)
{
    AntetLucrare antet = m_compunere.Curenta().Antet;
    if (clasa.isEmpty() || (!antet.Clasa.isEmpty() && antet.Clasa != m_clasaLuata))
        return;
    m_clasaLuata = antet.Clasa = clasa;
    SeteazaAntet(antet);
}

bool LucrareBanca::PoateAnula() const
{
    return !m_inainte.empty() && m_inainte.back().first == m_compunere.Curenta().Id;
}

void LucrareBanca::Anuleaza()
{
    if (!PoateAnula())
        return;
    m_compunere.Restabileste(m_inainte.back().second);
    m_inainte.pop_back();
}

} // namespace tezaurel
