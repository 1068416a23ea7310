#include "store/BazaDate.h"

#include <QAtomicInt>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QString NumeConexiuneNou()
{
    // Qt keys connections by name per process; two collections open at once
    // (an import from another folder) must not share one.
    static QAtomicInt contor;
    return QStringLiteral("tezaurel-%1").arg(contor.fetchAndAddRelaxed(1));
}

bool Executa(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    return q.exec(sql);
}
} // namespace

BazaDate::BazaDate(QString cale)
    : m_cale(std::move(cale)), m_numeConexiune(NumeConexiuneNou())
{}

BazaDate::~BazaDate() { Inchide(); }

void BazaDate::Inchide()
{
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_numeConexiune);
    }
}

bool BazaDate::DeschideFisier()
{
    Inchide();
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_numeConexiune);
    m_db.setDatabaseName(m_cale);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(AsteptareMaximaMs));
    if (!m_db.open())
        return false;
    // DELETE is SQLite's default, but a file made elsewhere may carry WAL.
    return Executa(m_db, QStringLiteral("PRAGMA journal_mode=DELETE"))
           && Executa(m_db, QStringLiteral("PRAGMA foreign_keys=ON"));
}

bool BazaDate::Verifica()
{
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next())
        return false;
    return q.value(0).toString() == QLatin1String("ok");
}

bool BazaDate::CreeazaScheme()
{
    for (const Schema &schema : m_scheme)
        if (!schema(m_db))
            return false;
    return true;
}

bool BazaDate::Deschide()
{
    m_raport.clear();
    if (DeschideFisier() && Verifica() && CreeazaScheme())
        return true;

    const QString motiv = m_db.isValid() ? m_db.lastError().text() : QString();
    Inchide();
    if (QFile::exists(m_cale)) {
        const QString deoparte = m_cale + QStringLiteral(".deteriorat");
        QFile::remove(deoparte);
        if (!QFile::rename(m_cale, deoparte)) {
            m_raport = QStringLiteral("Baza de date %1 este deteriorată și nu am reușit să o "
                                      "mut deoparte. Lucrările, istoricul și textele "
                                      "recunoscute nu sunt disponibile; colecția de probleme "
                                      "nu este afectată.")
                           .arg(m_cale);
            return false;
        }
        QFile::remove(m_cale + QStringLiteral("-journal"));
        m_raport = QStringLiteral("Baza de date %1 era deteriorată (%2). Am păstrat-o sub "
                                  "numele %3 și am început una nouă; colecția de probleme nu "
                                  "este afectată.")
                       .arg(m_cale, motiv.isEmpty() ? QStringLiteral("fișier necunoscut") : motiv,
                            deoparte);
    }
    if (DeschideFisier() && CreeazaScheme())
        return true;
    Inchide();
    m_raport = QStringLiteral("Nu am reușit să creez baza de date %1. Lucrările, istoricul și "
                              "textele recunoscute nu sunt disponibile; colecția de probleme "
                              "nu este afectată.")
                   .arg(m_cale);
    return false;
}

bool BazaDate::Tranzactie(const std::function<bool(QSqlDatabase &)> &fapta)
{
    if (!EsteDeschisa())
        return false;
    // IMMEDIATE takes the write lock at once, so a second program waits here
    // (bounded by the busy timeout) rather than failing halfway through.
    if (!Executa(m_db, QStringLiteral("BEGIN IMMEDIATE"))) {
        m_raport = QStringLiteral("Baza de date %1 este ocupată de alt program Tezaurel de "
                                  "mai mult de %2 secunde. Modificarea nu a fost salvată; "
                                  "încercați din nou.")
                       .arg(m_cale)
                       .arg(AsteptareMaximaMs / 1000);
        return false;
    }
    if (fapta(m_db) && Executa(m_db, QStringLiteral("COMMIT")))
        return true;
    m_raport = QStringLiteral("Nu am reușit să scriu în baza de date %1: %2. Modificarea nu a "
                              "fost salvată.")
                   .arg(m_cale, m_db.lastError().text());
    Executa(m_db, QStringLiteral("ROLLBACK"));
    return false;
}

bool BazaDate::ProblemeSterse(const QStringList &poze)
{
    if (poze.isEmpty() || m_curatari.empty() || !EsteDeschisa())
        return true;
    return Tranzactie([&](QSqlDatabase &db) {
        for (const Curatare &curatare : m_curatari)
            if (!curatare(db, poze))
                return false;
        return true;
    });
}
