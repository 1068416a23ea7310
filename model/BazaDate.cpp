#include "model/BazaDate.h"

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <sqlite3.h>
#include <unistd.h>

namespace tezaurel {

namespace {
QString NumeConexiuneNou()
{
    // Qt keys connections by name per process; two collections open at once
    // (an import from another folder) must not share one.
    static QAtomicInt contor;
    return QStringLiteral("tezaurel-%1").arg(contor.fetchAndAddRelaxed(1));
}

// The failing statement's error, kept until the transaction reports it.
thread_local QString eroareInstructiune;
thread_local int codInstructiune = 0;

bool Retine(const QSqlQuery &q)
{
    eroareInstructiune = q.lastError().text();
    bool numar = false;
    // Qt gives SQLite's code, extended or not; the primary one is its low byte.
    codInstructiune = q.lastError().nativeErrorCode().toInt(&numar) & 0xff;
    if (!numar)
        codInstructiune = 0;
    return false;
}

bool Ocupata(int cod)
{
    return cod == SQLITE_BUSY || cod == SQLITE_LOCKED;
}

// How many busy waits a start allows before it gives up: an import holds the
// file for a few seconds, a start should outlast it.
constexpr int AsteptariLaDeschidere = 3;
} // namespace

bool BazaDate::Executa(QSqlQuery &q)
{
    return q.exec() || Retine(q);
}
bool BazaDate::Executa(QSqlQuery &q, const QString &sql)
{
    return q.exec(sql) || Retine(q);
}

BazaDate::BazaDate(QString cale, int asteptareMs)
    : m_cale(std::move(cale))
    , m_numeConexiune(NumeConexiuneNou())
    , m_asteptareMs(asteptareMs)
{}

BazaDate::~BazaDate()
{
    Inchide();
}

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
    codInstructiune = 0;
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_numeConexiune);
    m_db.setDatabaseName(m_cale);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_asteptareMs));
    if (!m_db.open()) {
        eroareInstructiune = m_db.lastError().text();
        codInstructiune = m_db.lastError().nativeErrorCode().toInt() & 0xff;
        return false;
    }
    // SQLite opens a file it may not write for reading only, and a folder
    // it may not write has no room for the journal of any change.
    const QByteArray fisier = QFile::encodeName(m_cale);
    const QByteArray dosar = QFile::encodeName(QFileInfo(m_cale).absolutePath());
    m_doarCitire =
        (::access(fisier.constData(), F_OK) == 0 && ::access(fisier.constData(), W_OK) != 0) ||
        ::access(dosar.constData(), W_OK) != 0;
    // DELETE is SQLite's default, but a file made elsewhere may carry WAL.
    QSqlQuery q(m_db);
    return Executa(q, QStringLiteral("PRAGMA journal_mode=DELETE")) &&
           Executa(q, QStringLiteral("PRAGMA foreign_keys=ON"));
}

bool BazaDate::Verifica()
{
    QSqlQuery q(m_db);
    if (!Executa(q, QStringLiteral("PRAGMA quick_check")))
        return false;
    m_verificareEsuata = !q.next() || q.value(0).toString() != QLatin1String("ok");
    return !m_verificareEsuata;
}

bool BazaDate::CreeazaScheme()
{
    // In one write transaction: another program that holds the file shows
    // here as busy, not as a schema that cannot be made.
    QSqlQuery q(m_db);
    if (!m_doarCitire && !Executa(q, QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    for (const Schema &schema : m_scheme)
        if (!schema(m_db)) {
            if (!m_doarCitire)
                q.exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    return m_doarCitire || Executa(q, QStringLiteral("COMMIT"));
}

bool BazaDate::PuneDeoparte()
{
    // An earlier damaged copy may be all that is left of someone's papers:
    // each one gets a name of its own.
    QString deoparte = m_cale + QStringLiteral(".deteriorat");
    for (int n = 2; QFileInfo::exists(deoparte) || QFileInfo(deoparte).isSymLink(); ++n)
        deoparte = m_cale + QStringLiteral(".deteriorat.%1").arg(n);
    if (!QFile::rename(m_cale, deoparte))
        return false;
    // Its journal goes with it: SQLite rolls it back when the copy is opened.
    const QString jurnal = m_cale + QStringLiteral("-journal");
    if (QFileInfo::exists(jurnal))
        QFile::rename(jurnal, deoparte + QStringLiteral("-journal"));
    m_deoparte = deoparte;
    return true;
}

bool BazaDate::Deschide()
{
    m_raport.clear();
    QElapsedTimer ceas;
    ceas.start();
    for (;;) {
        m_verificareEsuata = false;
        if (DeschideFisier() && Verifica() && CreeazaScheme()) {
            if (m_doarCitire)
                m_raport = QStringLiteral("Baza de date %1 poate fi doar citită (fișierul sau "
                                          "dosarul lui nu permite scrierea). Lucrările, istoricul "
                                          "și textele recunoscute se pot vedea, dar modificările "
                                          "lor nu vor fi salvate.")
                               .arg(m_cale);
            return true;
        }
        Inchide();
        if (!Ocupata(codInstructiune) ||
            ceas.elapsed() >= qint64(m_asteptareMs) * AsteptariLaDeschidere)
            break;
        QThread::msleep(50); // a lock SQLite does not wait for
    }
    const QString motiv = eroareInstructiune;
    if (Ocupata(codInstructiune)) {
        m_raport = QStringLiteral("Baza de date %1 este folosită de alt program Tezaurel, care "
                                  "nu a terminat în %2 secunde. Lucrările, istoricul și textele "
                                  "recunoscute nu sunt disponibile acum; închideți programul și "
                                  "porniți-l din nou peste puțin timp. Colecția de probleme "
                                  "funcționează.")
                       .arg(m_cale)
                       .arg(ceas.elapsed() / 1000);
        return false;
    }
    const bool deteriorata =
        m_verificareEsuata || codInstructiune == SQLITE_CORRUPT || codInstructiune == SQLITE_NOTADB;
    if (deteriorata) {
        if (!PuneDeoparte()) {
            m_raport = QStringLiteral("Baza de date %1 este deteriorată și nu am reușit să o "
                                      "mut deoparte. Lucrările, istoricul și textele "
                                      "recunoscute nu sunt disponibile; colecția de probleme "
                                      "nu este afectată.")
                           .arg(m_cale);
            return false;
        }
        m_raport = QStringLiteral("Baza de date %1 era deteriorată (%2). Am păstrat-o sub "
                                  "numele %3 și am început una nouă; colecția de probleme nu "
                                  "este afectată.")
                       .arg(m_cale, motiv.isEmpty() ? QStringLiteral("fișier necunoscut") : motiv,
                            m_deoparte);
        if (DeschideFisier() && CreeazaScheme())
            return true;
        Inchide();
    } else if (QFileInfo::exists(m_cale)) {
        // Not damaged, only not usable now (no right to read it, a disk
        // error): the file stays as it is for the next start.
        m_raport = QStringLiteral("Nu am reușit să deschid baza de date %1 (%2). Lucrările, "
                                  "istoricul și textele recunoscute nu sunt disponibile; "
                                  "fișierul a rămas neatins, iar colecția de probleme nu este "
                                  "afectată.")
                       .arg(m_cale, motiv);
        return false;
    }
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
    QSqlQuery q(m_db);
    if (!Executa(q, QStringLiteral("BEGIN IMMEDIATE"))) {
        if (Ocupata(codInstructiune))
            m_raport = QStringLiteral("Baza de date %1 este ocupată de alt program Tezaurel de "
                                      "mai mult de %2 secunde. Modificarea nu a fost salvată; "
                                      "încercați din nou.")
                           .arg(m_cale)
                           .arg(m_asteptareMs / 1000);
        else
            m_raport = QStringLiteral("Nu am reușit să scriu în baza de date %1: %2. Modificarea "
                                      "nu a fost salvată.")
                           .arg(m_cale, eroareInstructiune);
        return false;
    }
    eroareInstructiune.clear();
    if (fapta(m_db) && Executa(q, QStringLiteral("COMMIT")))
        return true;
    // A statement that found nothing to change fails without an error.
    QString motiv = eroareInstructiune.isEmpty() ? m_db.lastError().text() : eroareInstructiune;
    if (motiv.trimmed().isEmpty())
        motiv = QStringLiteral("datele nu mai corespund, poate le-a schimbat alt program");
    m_raport = QStringLiteral("Nu am reușit să scriu în baza de date %1: %2. Modificarea nu a "
                              "fost salvată.")
                   .arg(m_cale, motiv);
    q.exec(QStringLiteral("ROLLBACK"));
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

bool BazaDate::PozaRedenumita(const QString &vechi, const QString &nou)
{
    if (!EsteDeschisa())
        return true;
    return Tranzactie([&](QSqlDatabase &db) {
        for (const Redenumire &redenumire : m_redenumiri)
            if (!redenumire(db, vechi, nou))
                return false;
        return true;
    });
}

} // namespace tezaurel
