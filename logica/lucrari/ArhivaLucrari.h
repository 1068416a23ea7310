#pragma once

#include "logica/lucrari/Lucrare.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>

#include <optional>
#include <vector>

class QSqlDatabase;

namespace tezaurel {

class BazaDate;

// The kept papers and the record of which problems each class was given, in
// Tezaurel.db. Every change is one transaction; a failure leaves the last
// committed state and its text in the database's Raport().
class ArhivaLucrari
{
public:
    explicit ArhivaLucrari(BazaDate &baza)
        : m_baza(baza)
    {}

    // The tables, and the purge's clean-up; before the database is opened.
    static void Inregistreaza(BazaDate &baza);

    struct Rezumat
    {
        qint64 Id = 0;
        QString Titlu;
        QString Clasa;
        QDate Data;
        int NrProbleme = 0;
        int ProblemeSterse = 0;
    };
    struct Folosire
    {
        QString Clasa;
        QDate Data;
    };

    // Inserts the paper (setting its Id) or replaces what was kept under its Id.
    bool Pastreaza(Lucrare &lucrare);
    std::optional<Lucrare> Citeste(qint64 id);
    // The newest first.
    std::vector<Rezumat> Lista();
    bool Sterge(qint64 id);

    // The paper's problems were given to its class on its date.
    bool InregistreazaFolosirea(const Lucrare &lucrare);
    // Inside the caller's transaction: poza was given to these classes (a
    // colleague's history, brought with the problem).
    static bool AdaugaFolosiri(QSqlDatabase &db, const QString &poza,
                               const std::vector<Folosire> &folosiri);
    // Every class and date the problem was given, the latest first.
    std::vector<Folosire> Folosiri(const QString &poza);
    // The latest time this class had the problem; classes are compared as
    // written, ignoring case and spacing ("IX B" and "ix  b" are one class).
    std::optional<Folosire> DataClasei(const QString &poza, const QString &clasa);
    QSet<QString> PozeDateClasei(const QString &clasa);
    // How many times each problem was given (a class on a day counts once).
    QHash<QString, int> NrFolosiri();

    QString Raport() const;

private:
    BazaDate &m_baza;
};

// "IX B 12.03.2026, X A 01.10.2025"
QString TextFolosiri(const std::vector<ArhivaLucrari::Folosire> &folosiri);

} // namespace tezaurel
