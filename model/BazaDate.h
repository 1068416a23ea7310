#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <functional>

namespace tezaurel {

// Tezaurel.db, the SQLite database beside Tezaurel.stn: everything the
// collection file has no room for (test papers, usage, recognised text) lives
// here, so the collection stays byte for byte what the Windows program reads.
//
// The collection may sit on a school's network folder, where SQLite's WAL
// needs shared memory it does not have: the rollback journal is used, with a
// bounded busy wait, so two programs on one folder share the file through the
// file system's locks.
class BazaDate
{
public:
    // Each part that keeps data here creates its own tables; the statements
    // must be idempotent (CREATE ... IF NOT EXISTS), they run at every open.
    using Schema = std::function<bool(QSqlDatabase &)>;

    // asteptare bounds each wait for another program's write; a start waits
    // a few of them, since an import may hold the file for several seconds.
    explicit BazaDate(QString cale, int asteptareMs = AsteptareMaximaMs);
    ~BazaDate();
    BazaDate(const BazaDate &) = delete;
    BazaDate &operator=(const BazaDate &) = delete;

    // Opens the file, creating it when missing. Only a file SQLite itself
    // finds damaged (not a database, corrupt, failing its quick check) is
    // renamed to the first free Tezaurel.db.deteriorat[.N] and a fresh
    // database started; a file another program holds is waited for and, past
    // the bound, left alone. Raport() says what happened. False when the
    // database cannot be used now (busy, or not even a fresh one can be made).
    bool Deschide();
    void AdaugaSchema(Schema schema) { m_scheme.push_back(std::move(schema)); }
    // What a part keeps about problems it names by picture must go when the
    // purge removes those pictures; each part registers its own clean-up.
    using Curatare = std::function<bool(QSqlDatabase &, const QStringList &poze)>;
    void AdaugaCuratare(Curatare curatare) { m_curatari.push_back(std::move(curatare)); }
    // Runs every clean-up in one transaction; true when there was nothing to do.
    bool ProblemeSterse(const QStringList &poze);
    // ... and must follow a picture that takes another name (FormatPoza's
    // conversion of an earlier version's pictures). Applied again after a
    // crash, or undone by a renaming back: each must be idempotent.
    using Redenumire =
        std::function<bool(QSqlDatabase &, const QString &vechi, const QString &nou)>;
    void AdaugaRedenumire(Redenumire redenumire) { m_redenumiri.push_back(std::move(redenumire)); }
    bool PozaRedenumita(const QString &vechi, const QString &nou);

    bool EsteDeschisa() const { return m_db.isValid() && m_db.isOpen(); }
    // Open and writable: a read-only file or folder was told once, at the
    // open; the parts that save after each change ask here rather than
    // repeat it at every change.
    bool PoateScrie() const { return EsteDeschisa() && !m_doarCitire; }
    QSqlDatabase &Conexiune() { return m_db; }
    const QString &Cale() const { return m_cale; }
    // What the user is to be told about the last Deschide; empty when all went well.
    const QString &Raport() const { return m_raport; }

    // Runs fapta inside one transaction: committed when it returns true,
    // rolled back otherwise, so a crash leaves the last committed state.
    // False, with Raport() set, when the database was busy or failed.
    // The statements in fapta run through Executa, so that the report
    // names the one that failed.
    bool Tranzactie(const std::function<bool(QSqlDatabase &)> &fapta);
    // q.exec(), keeping the error of a failing statement for the report:
    // the connection's own error says nothing of it.
    static bool Executa(QSqlQuery &q);
    static bool Executa(QSqlQuery &q, const QString &sql);

    static constexpr int AsteptareMaximaMs = 5000;

private:
    bool DeschideFisier();
    bool Verifica();
    bool CreeazaScheme();
    void Inchide();
    bool PuneDeoparte();

    QString m_cale;
    QString m_numeConexiune;
    QSqlDatabase m_db;
    QString m_raport;
    std::vector<Schema> m_scheme;
    std::vector<Curatare> m_curatari;
    std::vector<Redenumire> m_redenumiri;
    int m_asteptareMs;
    bool m_doarCitire = false;
    bool m_verificareEsuata = false; // quick_check found damage
    QString m_deoparte;              // where the last damaged file went
};

} // namespace tezaurel
