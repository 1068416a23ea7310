#include "logica/lucrari/ArhivaLucrari.h"

#include "model/BazaDate.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <map>

namespace tezaurel {

namespace {
const QString FormatData = QStringLiteral("yyyy-MM-dd");

QString CheieClasa(const QString &clasa)
{
    return clasa.simplified().toUpper();
}

// Qt binds a null QString as NULL; an empty field is an empty text here.
QVariant Text(const QString &text)
{
    return text.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(text);
}

bool AdaugaColoana(QSqlDatabase &db, const QString &tabel, const QString &coloana)
{
    QSqlQuery coloane(db);
    if (!coloane.exec(QStringLiteral("PRAGMA table_info(%1)").arg(tabel)))
        return false;
    while (coloane.next())
        if (coloane.value(1).toString() == coloana.section(QLatin1Char(' '), 0, 0))
            return true;
    return QSqlQuery(db).exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(tabel, coloana));
}

bool CreeazaTabele(QSqlDatabase &db)
{
    const char *const comenzi[] = {
        "CREATE TABLE IF NOT EXISTS lucrari ("
        " id INTEGER PRIMARY KEY, titlu TEXT NOT NULL, scoala TEXT NOT NULL,"
        " clasa TEXT NOT NULL, data TEXT NOT NULL, linia_nume INTEGER NOT NULL,"
        " timp_lucru INTEGER NOT NULL, din_oficiu INTEGER NOT NULL,"
        " probleme_sterse INTEGER NOT NULL DEFAULT 0, modificata TEXT NOT NULL,"
        " variante INTEGER NOT NULL DEFAULT 1)",
        // varianta is 1 for a paper with one variant.
        "CREATE TABLE IF NOT EXISTS lucrari_probleme ("
        " lucrare INTEGER NOT NULL REFERENCES lucrari(id) ON DELETE CASCADE,"
        " varianta INTEGER NOT NULL DEFAULT 1, loc INTEGER NOT NULL,"
        " poza TEXT NOT NULL, puncte REAL NOT NULL DEFAULT 0,"
        " PRIMARY KEY (lucrare, varianta, loc))",
        "CREATE INDEX IF NOT EXISTS lucrari_probleme_poza ON lucrari_probleme(poza)",
        // A paper printed twice on one day is one giving; a deleted paper
        // keeps the history of what its class was given.
        "CREATE TABLE IF NOT EXISTS folosiri ("
        " poza TEXT NOT NULL, clasa TEXT NOT NULL, cheie_clasa TEXT NOT NULL,"
        " data TEXT NOT NULL, varianta INTEGER NOT NULL DEFAULT 1,"
        " UNIQUE (poza, cheie_clasa, data, varianta))",
        "CREATE INDEX IF NOT EXISTS folosiri_clasa ON folosiri(cheie_clasa)",
    };
    for (const char *comanda : comenzi)
        if (!QSqlQuery(db).exec(QString::fromLatin1(comanda)))
            return false;
    // Papers kept by an earlier Tezaurel lack the columns added since.
    const char *const adaugate[][2] = {
        {"lucrari", "variante INTEGER NOT NULL DEFAULT 1"},
        {"lucrari", "ascunde_numerele INTEGER NOT NULL DEFAULT 1"},
        {"lucrari_probleme", "spatiu_cm REAL NOT NULL DEFAULT 0"},
        {"lucrari_probleme", "fel_spatiu INTEGER NOT NULL DEFAULT 0"},
    };
    for (const auto &[tabel, coloana] : adaugate)
        if (!AdaugaColoana(db, QString::fromLatin1(tabel), QString::fromLatin1(coloana)))
            return false;
    return true;
}

bool RedenumesteProblema(QSqlDatabase &db, const QString &vechi, const QString &nou)
{
    // A giving of both names on one day is one giving.
    QSqlQuery lucrari(db), folosiri(db), ramase(db);
    lucrari.prepare(QStringLiteral("UPDATE lucrari_probleme SET poza = ? WHERE poza = ?"));
    folosiri.prepare(QStringLiteral("UPDATE OR IGNORE folosiri SET poza = ? WHERE poza = ?"));
    ramase.prepare(QStringLiteral("DELETE FROM folosiri WHERE poza = ?"));
    for (QSqlQuery *q : {&lucrari, &folosiri}) {
        q->addBindValue(nou);
        q->addBindValue(vechi);
    }
    ramase.addBindValue(vechi);
    return BazaDate::Executa(lucrari) && BazaDate::Executa(folosiri) && BazaDate::Executa(ramase);
}

bool CurataProbleme(QSqlDatabase &db, const QStringList &poze)
{
    QSqlQuery numara(db), scoate(db), uita(db), marcheaza(db);
    numara.prepare(QStringLiteral("SELECT lucrare, count(*) FROM lucrari_probleme WHERE poza = ?"
                                  " GROUP BY lucrare"));
    scoate.prepare(QStringLiteral("DELETE FROM lucrari_probleme WHERE poza = ?"));
    uita.prepare(QStringLiteral("DELETE FROM folosiri WHERE poza = ?"));
    marcheaza.prepare(
        QStringLiteral("UPDATE lucrari SET probleme_sterse = probleme_sterse + ? WHERE id = ?"));
    for (const QString &poza : poze) {
        numara.addBindValue(poza);
        if (!BazaDate::Executa(numara))
            return false;
        std::vector<std::pair<qint64, int>> atinse;
        while (numara.next())
            atinse.emplace_back(numara.value(0).toLongLong(), numara.value(1).toInt());
        for (const auto &[lucrare, cate] : atinse) {
            marcheaza.addBindValue(cate);
            marcheaza.addBindValue(lucrare);
            if (!BazaDate::Executa(marcheaza))
                return false;
        }
        scoate.addBindValue(poza);
        uita.addBindValue(poza);
        if (!BazaDate::Executa(scoate) || !BazaDate::Executa(uita))
            return false;
    }
    return true;
}
} // namespace

void ArhivaLucrari::Inregistreaza(BazaDate &baza)
{
    baza.AdaugaSchema(CreeazaTabele);
    baza.AdaugaCuratare(CurataProbleme);
    baza.AdaugaRedenumire(RedenumesteProblema);
}

QString ArhivaLucrari::Raport() const
{
    return m_baza.Raport();
}

bool ArhivaLucrari::Pastreaza(Lucrare &lucrare)
{
    qint64 id = lucrare.Id;
    const bool reusit = m_baza.Tranzactie([&](QSqlDatabase &db) {
        const AntetLucrare &a = lucrare.Antet;
        QSqlQuery q(db);
        q.prepare(id == 0
                      ? QStringLiteral("INSERT INTO lucrari (titlu, scoala, clasa, data, "
                                       "linia_nume, timp_lucru, din_oficiu, probleme_sterse, "
                                       "modificata, variante, ascunde_numerele) VALUES (?, ?, ?, "
                                       "?, ?, ?, ?, ?, ?, ?, ?)")
                      : QStringLiteral("UPDATE lucrari SET titlu = ?, scoala = ?, clasa = ?, "
                                       "data = ?, linia_nume = ?, timp_lucru = ?, din_oficiu = ?,"
                                       " probleme_sterse = ?, modificata = ?, variante = ?, "
                                       "ascunde_numerele = ? "
                                       "WHERE id = ?"));
        for (const QVariant &v :
             {Text(a.Titlu), Text(a.Scoala), Text(a.Clasa), QVariant(a.Data.toString(FormatData)),
              QVariant(a.LiniaNume ? 1 : 0), QVariant(a.TimpLucru), QVariant(a.DinOficiu ? 1 : 0),
              QVariant(lucrare.ProblemeSterse),
              QVariant(QDateTime::currentDateTimeUtc().toString(Qt::ISODate)),
              QVariant(lucrare.NrVariante), QVariant(lucrare.AscundeNumerele ? 1 : 0)})
            q.addBindValue(v);
        if (id != 0)
            q.addBindValue(id);
        if (!BazaDate::Executa(q) || (id != 0 && q.numRowsAffected() != 1))
            return false;
        if (id == 0)
            id = q.lastInsertId().toLongLong();
        QSqlQuery sterge(db);
        sterge.prepare(QStringLiteral("DELETE FROM lucrari_probleme WHERE lucrare = ?"));
        sterge.addBindValue(id);
        if (!BazaDate::Executa(sterge))
            return false;
        QSqlQuery adauga(db);
        adauga.prepare(
            QStringLiteral("INSERT INTO lucrari_probleme (lucrare, varianta, loc, poza, puncte, "
                           "spatiu_cm, fel_spatiu) VALUES (?, ?, ?, ?, ?, ?, ?)"));
        for (int v = 1; v <= lucrare.NrVariante; ++v)
            for (size_t i = 0; i < lucrare.Probleme.size(); ++i) {
                const QString poza = lucrare.Probleme[i].PozaVariantei(v);
                if (poza.isEmpty())
                    continue;
                adauga.addBindValue(id);
                adauga.addBindValue(v);
                adauga.addBindValue(int(i) + 1);
                adauga.addBindValue(poza);
                adauga.addBindValue(lucrare.Probleme[i].Puncte);
                adauga.addBindValue(lucrare.Probleme[i].SpatiuCm);
                adauga.addBindValue(int(lucrare.Probleme[i].Spatiu));
                if (!BazaDate::Executa(adauga))
                    return false;
            }
        return true;
    });
    if (reusit)
        lucrare.Id = id;
    return reusit;
}

std::optional<Lucrare> ArhivaLucrari::Citeste(qint64 id)
{
    if (!m_baza.EsteDeschisa())
        return std::nullopt;
    QSqlQuery q(m_baza.Conexiune());
    q.prepare(QStringLiteral("SELECT titlu, scoala, clasa, data, linia_nume, timp_lucru, "
                             "din_oficiu, probleme_sterse, variante, ascunde_numerele FROM lucrari "
                             "WHERE id = ?"));
    q.addBindValue(id);
    if (!q.exec() || !q.next())
        return std::nullopt;
    Lucrare l;
    l.Id = id;
    l.Antet.Titlu = q.value(0).toString();
    l.Antet.Scoala = q.value(1).toString();
    l.Antet.Clasa = q.value(2).toString();
    l.Antet.Data = QDate::fromString(q.value(3).toString(), FormatData);
    l.Antet.LiniaNume = q.value(4).toInt() != 0;
    l.Antet.TimpLucru = q.value(5).toInt();
    l.Antet.DinOficiu = q.value(6).toInt() != 0;
    l.ProblemeSterse = q.value(7).toInt();
    l.NrVariante = std::clamp(q.value(8).toInt(), 1, int(Lucrare::VarianteMaxime));
    l.AscundeNumerele = q.value(9).toInt() != 0;
    QSqlQuery p(m_baza.Conexiune());
    p.prepare(QStringLiteral("SELECT varianta, loc, poza, puncte, spatiu_cm, fel_spatiu "
                             "FROM lucrari_probleme "
                             "WHERE lucrare = ? ORDER BY varianta, loc"));
    p.addBindValue(id);
    if (!p.exec())
        return std::nullopt;
    // The places are variant 1's; the other variants fill theirs by number.
    std::map<int, size_t> locuri;
    while (p.next()) {
        const int varianta = p.value(0).toInt();
        const int loc = p.value(1).toInt();
        if (varianta == 1) {
            locuri[loc] = l.Probleme.size();
            l.Probleme.push_back({p.value(2).toString(),
                                  p.value(3).toDouble(),
                                  {},
                                  std::max(0.0, p.value(4).toDouble()),
                                  FelSpatiu(std::clamp(p.value(5).toInt(), 0, 2))});
        } else if (varianta <= l.NrVariante && locuri.count(loc)) {
            QStringList &alte = l.Probleme[locuri[loc]].Alte;
            while (alte.size() < varianta - 1)
                alte.append(QString());
            alte[varianta - 2] = p.value(2).toString();
        }
    }
    return l;
}

std::vector<ArhivaLucrari::Rezumat> ArhivaLucrari::Lista()
{
    std::vector<Rezumat> lista;
    if (!m_baza.EsteDeschisa())
        return lista;
    QSqlQuery q(m_baza.Conexiune());
    q.exec(QStringLiteral(
        "SELECT id, titlu, clasa, data, probleme_sterse,"
        " (SELECT count(*) FROM lucrari_probleme p WHERE p.lucrare = l.id AND varianta = 1)"
        " FROM lucrari l ORDER BY data DESC, id DESC"));
    while (q.next())
        lista.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                         QDate::fromString(q.value(3).toString(), FormatData), q.value(5).toInt(),
                         q.value(4).toInt()});
    return lista;
}

bool ArhivaLucrari::Sterge(qint64 id)
{
    return m_baza.Tranzactie([&](QSqlDatabase &db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("DELETE FROM lucrari WHERE id = ?"));
        q.addBindValue(id);
        return BazaDate::Executa(q);
    });
}

bool ArhivaLucrari::InregistreazaFolosirea(const Lucrare &lucrare)
{
    return m_baza.Tranzactie([&](QSqlDatabase &db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT OR IGNORE INTO folosiri (poza, clasa, cheie_clasa, data,"
                                 " varianta) VALUES (?, ?, ?, ?, ?)"));
        for (int v = 1; v <= lucrare.NrVariante; ++v)
            for (const ProblemaLucrare &p : lucrare.Probleme) {
                if (p.PozaVariantei(v).isEmpty())
                    continue;
                q.addBindValue(p.PozaVariantei(v));
                q.addBindValue(Text(lucrare.Antet.Clasa.simplified()));
                q.addBindValue(Text(CheieClasa(lucrare.Antet.Clasa)));
                q.addBindValue(lucrare.Antet.Data.toString(FormatData));
                q.addBindValue(v);
                if (!BazaDate::Executa(q))
                    return false;
            }
        return true;
    });
}

bool ArhivaLucrari::AdaugaFolosiri(QSqlDatabase &db, const QString &poza,
                                   const std::vector<Folosire> &folosiri)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT OR IGNORE INTO folosiri (poza, clasa, cheie_clasa, data)"
                             " VALUES (?, ?, ?, ?)"));
    for (const Folosire &f : folosiri) {
        q.addBindValue(poza);
        q.addBindValue(Text(f.Clasa.simplified()));
        q.addBindValue(Text(CheieClasa(f.Clasa)));
        q.addBindValue(f.Data.toString(FormatData));
        if (!BazaDate::Executa(q))
            return false;
    }
    return true;
}

std::vector<ArhivaLucrari::Folosire> ArhivaLucrari::Folosiri(const QString &poza)
{
    std::vector<Folosire> folosiri;
    if (!m_baza.EsteDeschisa())
        return folosiri;
    QSqlQuery q(m_baza.Conexiune());
    q.prepare(QStringLiteral("SELECT DISTINCT clasa, data FROM folosiri WHERE poza = ? "
                             "ORDER BY data DESC, clasa"));
    q.addBindValue(poza);
    q.exec();
    while (q.next())
        folosiri.push_back(
            {q.value(0).toString(), QDate::fromString(q.value(1).toString(), FormatData)});
    return folosiri;
}

QHash<QString, int> ArhivaLucrari::NrFolosiri()
{
    QHash<QString, int> numar;
    if (!m_baza.EsteDeschisa())
        return numar;
    QSqlQuery q(m_baza.Conexiune());
    q.exec(QStringLiteral("SELECT poza, count(DISTINCT cheie_clasa || ' ' || data) FROM folosiri "
                          "GROUP BY poza"));
    while (q.next())
        numar.insert(q.value(0).toString(), q.value(1).toInt());
    return numar;
}

std::optional<ArhivaLucrari::Folosire> ArhivaLucrari::DataClasei(const QString &poza,
                                                                 const QString &clasa)
{
    if (!m_baza.EsteDeschisa() || clasa.trimmed().isEmpty())
        return std::nullopt;
    QSqlQuery q(m_baza.Conexiune());
    q.prepare(QStringLiteral("SELECT clasa, data FROM folosiri WHERE poza = ? AND "
                             "cheie_clasa = ? ORDER BY data DESC LIMIT 1"));
    q.addBindValue(poza);
    q.addBindValue(CheieClasa(clasa));
    if (!q.exec() || !q.next())
        return std::nullopt;
    return Folosire{q.value(0).toString(), QDate::fromString(q.value(1).toString(), FormatData)};
}

QSet<QString> ArhivaLucrari::PozeDateClasei(const QString &clasa)
{
    QSet<QString> poze;
    if (!m_baza.EsteDeschisa())
        return poze;
    QSqlQuery q(m_baza.Conexiune());
    q.prepare(QStringLiteral("SELECT DISTINCT poza FROM folosiri WHERE cheie_clasa = ?"));
    q.addBindValue(CheieClasa(clasa));
    q.exec();
    while (q.next())
        poze.insert(q.value(0).toString());
    return poze;
}

QString TextFolosiri(const std::vector<ArhivaLucrari::Folosire> &folosiri)
{
    QStringList texte;
    for (const ArhivaLucrari::Folosire &f : folosiri)
        texte << f.Clasa + QLatin1Char(' ') + f.Data.toString(QStringLiteral("dd.MM.yyyy"));
    return texte.join(QStringLiteral(", "));
}

} // namespace tezaurel
