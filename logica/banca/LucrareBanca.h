#pragma once

#include "logica/lucrari/Lucrare.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace tezaurel {

class BazaDate;
class CompunereLucrare;

// The problem bank's hold on the paper being composed: the paper itself is
// CompunereLucrare's, shared with the viewer and the paper window. This adds
// what composing it in one window needs: the same paper again after a
// restart, undo, points shared evenly until the teacher types some, and a
// header whose class follows the class the bank is narrowed to.
class LucrareBanca : public QObject
{
    Q_OBJECT

public:
    // Registers its table: made before the database opens.
    LucrareBanca(BazaDate &baza, CompunereLucrare &compunere);

    // Once the database is open: the paper in hand at the last run becomes
    // the current one again, unless another is already there.
    void Restaureaza();

    // Several problems at once (all the bank found) are one change, one undo.
    void Adauga(const QStringList &poze);
    void Adauga(const QString &poza) { Adauga(QStringList{poza}); }
    // A new empty paper dated today; its class is the filter's again.
    void Noua();
    // The problem at place i goes to place j, the others closing up.
    void Muta(int i, int j);
    void Scoate(int i);
    // Typed by the teacher: from now on the points are no longer shared out.
    void SeteazaPuncte(int i, double puncte);
    void SeteazaAntet(const AntetLucrare &antet);
    // The class the bank is narrowed to ("IX", "IX B"); the header takes it
    // while its class is empty or was taken this way.
    void ClasaFiltrului(const QString &clasa);

    bool PoateAnula() const;
    // The paper as it was before the last change made here.
    void Anuleaza();

private:
    // Every change here goes through: the state before it kept for undo.
    template <typename F> void Schimba(F &&fa);
    void ImparteEgal();
    void TineMinte();

    BazaDate &m_baza;
    CompunereLucrare &m_compunere;
    // Each earlier state with the row of the paper it led to.
    std::vector<std::pair<qint64, Lucrare>> m_inainte;
    QString m_clasaLuata; // the header's class as the filter gave it
    qint64 m_pastrata = -1;
    bool m_restaurata = false;
};

} // namespace tezaurel
