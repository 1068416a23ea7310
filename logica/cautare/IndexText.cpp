#include "logica/cautare/IndexText.h"

#include "model/BazaDate.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QVariant>

namespace tezaurel {

namespace IndexText {

namespace {
// A null QString binds as SQL NULL, which the NOT NULL columns refuse.
QString NiciodataNul(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}
} // namespace

void InregistreazaSchema(BazaDate &baza)
{
    baza.AdaugaSchema([](QSqlDatabase &db) {
        // A picture's row stays small (the text lives only in the FTS5 table,
        // under the same id), so turning the ids a search finds into names
        // does not read the texts. The triggers keep the two tables in step;
        // the prefix indexes make a search for the first letters of a word
        // as quick as one for the whole word.
        static const char *const instructiuni[] = {
            "CREATE TABLE IF NOT EXISTS texte_recunoscute ("
            " id INTEGER PRIMARY KEY, nume TEXT NOT NULL UNIQUE,"
            " marime INTEGER NOT NULL DEFAULT -1, modificat INTEGER NOT NULL DEFAULT 0,"
            " observatii TEXT NOT NULL DEFAULT '')",
            "CREATE VIRTUAL TABLE IF NOT EXISTS texte_cautare USING fts5(text, observatii,"
            " tokenize='unicode61 remove_diacritics 2', prefix='2 3 4')",
            "CREATE TRIGGER IF NOT EXISTS texte_adaugat AFTER INSERT ON texte_recunoscute BEGIN"
            " INSERT INTO texte_cautare(rowid, text, observatii)"
            " VALUES (new.id, '', new.observatii); END",
            "CREATE TRIGGER IF NOT EXISTS texte_sters AFTER DELETE ON texte_recunoscute BEGIN"
            " DELETE FROM texte_cautare WHERE rowid = old.id; END",
            "CREATE TRIGGER IF NOT EXISTS texte_observatii AFTER UPDATE OF observatii"
            " ON texte_recunoscute BEGIN"
            " UPDATE texte_cautare SET observatii = new.observatii WHERE rowid = new.id; END",
            // One line a word, "x y w h text": read back only to lay out a paper.
            "CREATE TABLE IF NOT EXISTS texte_cuvinte ("
            " id INTEGER PRIMARY KEY REFERENCES texte_recunoscute(id) ON DELETE CASCADE,"
            " cuvinte TEXT NOT NULL)",
        };
        QSqlQuery q(db);
        for (const char *sql : instructiuni)
            if (!q.exec(QString::fromLatin1(sql)))
                return false;
        return true;
    });
}

std::optional<Intrari> Citeste(BazaDate &baza)
{
    if (!baza.EsteDeschisa())
        return std::nullopt;
    QSqlQuery q(baza.Conexiune());
    if (!q.exec(
            QStringLiteral("SELECT nume, marime, modificat, observatii FROM texte_recunoscute")))
        return std::nullopt;
    Intrari intrari;
    while (q.next())
        intrari.insert(q.value(0).toString(),
                       {q.value(1).toLongLong(), q.value(2).toLongLong(), q.value(3).toString()});
    return intrari;
}

std::optional<int> Potriveste(BazaDate &baza, const QHash<QString, QString> &probleme,
                              Intrari &cunoscute, int limita)
{
    int ramase = 0;
    auto loc = [&] { return ramase++ < limita; };
    QStringList plecate;
    for (auto it = cunoscute.cbegin(); it != cunoscute.cend(); ++it)
        if (!probleme.contains(it.key()) && loc())
            plecate << it.key();
    QHash<QString, QString> noi, schimbate;
    for (auto it = probleme.cbegin(); it != probleme.cend(); ++it) {
        const auto gasit = cunoscute.constFind(it.key());
        if (gasit == cunoscute.cend()) {
            if (loc())
                noi.insert(it.key(), it.value());
        } else if (gasit->Observatii != it.value() && loc()) {
            schimbate.insert(it.key(), it.value());
        }
    }
    ramase = std::max(0, ramase - limita);
    if (plecate.isEmpty() && noi.isEmpty() && schimbate.isEmpty())
        return ramase;

    const bool scris = baza.Tranzactie([&](QSqlDatabase &db) {
        QSqlQuery sterge(db), adauga(db), schimba(db);
        sterge.prepare(QStringLiteral("DELETE FROM texte_recunoscute WHERE nume = ?"));
        adauga.prepare(
            QStringLiteral("INSERT INTO texte_recunoscute(nume, observatii) VALUES (?, ?)"));
        schimba.prepare(
            QStringLiteral("UPDATE texte_recunoscute SET observatii = ? WHERE nume = ?"));
        for (const QString &nume : plecate) {
            sterge.addBindValue(nume);
            if (!BazaDate::Executa(sterge))
                return false;
        }
        for (auto it = noi.cbegin(); it != noi.cend(); ++it) {
            adauga.addBindValue(it.key());
            adauga.addBindValue(NiciodataNul(it.value()));
            if (!BazaDate::Executa(adauga))
                return false;
        }
        for (auto it = schimbate.cbegin(); it != schimbate.cend(); ++it) {
            schimba.addBindValue(NiciodataNul(it.value()));
            schimba.addBindValue(it.key());
            if (!BazaDate::Executa(schimba))
                return false;
        }
        return true;
    });
    if (!scris)
        return std::nullopt;
    for (const QString &nume : plecate)
        cunoscute.remove(nume);
    for (auto it = noi.cbegin(); it != noi.cend(); ++it)
        cunoscute.insert(it.key(), {-1, 0, it.value()});
    for (auto it = schimbate.cbegin(); it != schimbate.cend(); ++it)
        cunoscute[it.key()].Observatii = it.value();
    return ramase;
}

bool Inregistreaza(BazaDate &baza, const QString &nume, qint64 marime, qint64 modificat,
                   const QString &text, const std::vector<CuvantRecunoscut> &cuvinte)
{
    QStringList randuri;
    for (const CuvantRecunoscut &c : cuvinte)
        randuri << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(c.Chenar.x())
                       .arg(c.Chenar.y())
                       .arg(c.Chenar.width())
                       .arg(c.Chenar.height())
                       .arg(QString(c.Text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    return baza.Tranzactie([&](QSqlDatabase &db) {
        QSqlQuery c(db);
        c.prepare(QStringLiteral("INSERT OR REPLACE INTO texte_cuvinte(id, cuvinte)"
                                 " SELECT id, ? FROM texte_recunoscute WHERE nume = ?"));
        c.addBindValue(NiciodataNul(randuri.join(QLatin1Char('\n'))));
        c.addBindValue(nume);
        if (!BazaDate::Executa(c))
            return false;
        QSqlQuery q(db), t(db);
        q.prepare(QStringLiteral(
            "UPDATE texte_recunoscute SET marime = ?, modificat = ? WHERE nume = ?"));
        q.addBindValue(marime);
        q.addBindValue(modificat);
        q.addBindValue(nume);
        t.prepare(QStringLiteral("UPDATE texte_cautare SET text = ? WHERE rowid ="
                                 " (SELECT id FROM texte_recunoscute WHERE nume = ?)"));
        t.addBindValue(NiciodataNul(text));
        t.addBindValue(nume);
        return BazaDate::Executa(q) && BazaDate::Executa(t);
    });
}

bool Adauga(QSqlDatabase &db, const QString &nume, const Intrare &intrare, const QString &text)
{
    // A row left by a picture of that name since gone is taken over; the
    // triggers keep the observations of the search table in step.
    QSqlQuery q(db), t(db);
    q.prepare(QStringLiteral(
        "INSERT INTO texte_recunoscute(nume, marime, modificat, observatii) VALUES (?, ?, ?, ?)"
        " ON CONFLICT(nume) DO UPDATE SET marime = excluded.marime,"
        " modificat = excluded.modificat, observatii = excluded.observatii"));
    q.addBindValue(nume);
    q.addBindValue(intrare.Marime);
    q.addBindValue(intrare.Modificat);
    q.addBindValue(NiciodataNul(intrare.Observatii));
    t.prepare(QStringLiteral("UPDATE texte_cautare SET text = ? WHERE rowid ="
                             " (SELECT id FROM texte_recunoscute WHERE nume = ?)"));
    t.addBindValue(NiciodataNul(text));
    t.addBindValue(nume);
    return BazaDate::Executa(q) && BazaDate::Executa(t);
}

QString Interogare(const QString &cuvinte)
{
    // The tokenizer's own word boundaries: letters, digits and combining marks
    // make words, everything else separates them.
    static const QRegularExpression separatori(QStringLiteral("[^\\p{L}\\p{N}\\p{M}]+"));
    QStringList termeni;
    for (QString cuvant : cuvinte.split(separatori, Qt::SkipEmptyParts))
        termeni << QLatin1Char('"') + cuvant.replace(QLatin1Char('"'), QLatin1String("\"\"")) +
                       QLatin1String("\"*");
    return termeni.join(QLatin1Char(' '));
}

std::optional<QSet<QString>> Cauta(BazaDate &baza, const QString &cuvinte)
{
    const QString interogare = Interogare(cuvinte);
    if (interogare.isEmpty())
        return std::nullopt;
    QSet<QString> gasite;
    if (!baza.EsteDeschisa())
        return gasite;
    QSqlQuery q(baza.Conexiune());
    q.prepare(QStringLiteral("SELECT r.nume FROM texte_cautare JOIN texte_recunoscute r"
                             " ON r.id = texte_cautare.rowid WHERE texte_cautare MATCH ?"));
    q.addBindValue(interogare);
    if (q.exec())
        while (q.next())
            gasite.insert(q.value(0).toString());
    return gasite;
}

std::optional<QString> Text(BazaDate &baza, const QString &nume)
{
    if (!baza.EsteDeschisa())
        return std::nullopt;
    QSqlQuery q(baza.Conexiune());
    q.prepare(QStringLiteral("SELECT r.marime, c.text FROM texte_recunoscute r"
                             " JOIN texte_cautare c ON c.rowid = r.id WHERE r.nume = ?"));
    q.addBindValue(nume);
    if (!q.exec() || !q.next() || q.value(0).toLongLong() < 0)
        return std::nullopt;
    return q.value(1).toString();
}

std::vector<CuvantRecunoscut> Cuvinte(BazaDate &baza, const QString &nume, qint64 marimeFisier)
{
    std::vector<CuvantRecunoscut> cuvinte;
    if (!baza.EsteDeschisa())
        return cuvinte;
    QSqlQuery q(baza.Conexiune());
    q.prepare(
        QStringLiteral("SELECT c.cuvinte FROM texte_recunoscute r"
                       " JOIN texte_cuvinte c ON c.id = r.id WHERE r.nume = ? AND r.marime = ?"));
    q.addBindValue(nume);
    q.addBindValue(marimeFisier);
    if (!q.exec() || !q.next())
        return cuvinte;
    for (const QString &rand : q.value(0).toString().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList campuri = rand.split(QLatin1Char(' '));
        if (campuri.size() < 5)
            continue;
        cuvinte.push_back(
            {QRect(campuri[0].toInt(), campuri[1].toInt(), campuri[2].toInt(), campuri[3].toInt()),
             campuri.mid(4).join(QLatin1Char(' '))});
    }
    return cuvinte;
}

} // namespace IndexText

} // namespace tezaurel
