#pragma once

#include "logica/lucrari/ArhivaLucrari.h"
#include "logica/lucrari/AsezareLucrare.h"
#include "logica/lucrari/Barem.h"
#include "logica/lucrari/Lucrare.h"
#include "logica/lucrari/RedareLucrare.h"

#include <QObject>

namespace tezaurel {

class BazaDate;
class Colectie;
class Imprimanta;
class Platforma;

// The file one of the paper's outputs (nume proposed) is written to, chosen by
// the teacher in teste/, or beside the collection while there is none: nothing
// is created for a dialog that may be cancelled. Empty when cancelled, or when
// the paper has no problem (the teacher told).
QString AlegeFisierLucrare(const Colectie &definitii, const Lucrare &lucrare, const QString &nume);
// Whether the paper (or its grading scheme) can go to the printer named: it
// has problems and the printer is there; otherwise the teacher is told why.
bool PoateTipari(Platforma &platforma, const Lucrare &lucrare, Imprimanta &imprimanta,
                 const QString &numeImprimanta);

// The paper being composed, shared by the viewer (which adds the problem it
// shows) and the paper's window. Every change is kept in Tezaurel.db at once;
// printing or saving it records its problems as given to its class.
class CompunereLucrare : public QObject
{
    Q_OBJECT

public:
    CompunereLucrare(BazaDate &baza, Platforma &platforma, QString dosarProbleme);

    const Lucrare &Curenta() const { return m_lucrare; }
    ArhivaLucrari &Arhiva() { return m_arhiva; }
    SolutiiProbleme &Solutii() { return m_solutii; }
    const QString &DosarProbleme() const { return m_dosarProbleme; }
    PozePregatite &Poze() { return m_poze; }
    // The recognised words of the problems' pictures, for covering the numbers the scans print.
    CuvintePoza Cuvinte();

    // The variant the window shows and the viewer adds to.
    int VariantaAratata() const { return m_varianta; }
    void ArataVarianta(int v);
    void SeteazaNrVariante(int n);

    // Variant 1 gets a new numbered place; another variant fills its first
    // empty place. Warns, without refusing, when the class already had the
    // problem or the variant already holds it.
    void Adauga(const QString &poza);
    void Muta(int i, int j);
    // In variant 1 the place goes, with every variant's problem there; in
    // another variant only that variant's problem.
    void Scoate(int i);
    void SeteazaPuncte(int i, double puncte);
    // The room to work below place i, the same in every variant.
    void SeteazaSpatiu(int i, double centimetri, FelSpatiu fel);
    void SeteazaAscundeNumerele(bool ascunde);
    void SeteazaAntet(const AntetLucrare &antet);
    // A new empty paper, dated today, keeping the header's other fields.
    void Noua();
    // A kept paper becomes the current one; its ProblemeSterse tells how
    // many problems the purge took out of it.
    bool Deschide(qint64 id);
    // The current paper kept again as a new one, dated today.
    void Copiaza();
    // Problems, points and header as they were in an earlier state of the
    // same paper (an undo); the paper keeps its row.
    void Restabileste(const Lucrare &inainte);

    bool SalveazaPdf(const QString &cale, const MarginiLucrare &margini);
    bool Tipareste(Imprimanta &imprimanta, int exemplare, const MarginiLucrare &margini);
    bool SalveazaOdt(const QString &cale, const MarginiLucrare &margini);
    // The grading scheme, each variant its own, saved or printed like the paper.
    bool SalveazaBaremul(const QString &cale, const MarginiLucrare &margini);
    bool TiparesteBaremul(Imprimanta &imprimanta, int exemplare, const MarginiLucrare &margini);
    // Where the steps of a solution do not add up to the problem's points, in
    // the variant shown.
    QStringList AvertismenteBarem();

signals:
    void Schimbata();

private:
    void Pastreaza();
    void InregistreazaFolosirea();
    void SpuneNescris(const QString &cale, const QString &motiv);
    template <typename F> bool Redare(const MarginiLucrare &margini, F &&fa);
    template <typename F> bool RedareBaremuri(const MarginiLucrare &margini, F &&fa);
    std::vector<Solutie> SolutiileVariantei(const Lucrare &varianta);

    BazaDate &m_baza;
    Platforma &m_platforma;
    QString m_dosarProbleme;
    ArhivaLucrari m_arhiva;
    SolutiiProbleme m_solutii;
    Lucrare m_lucrare;
    int m_varianta = 1;
    PozePregatite m_poze;
};

} // namespace tezaurel
