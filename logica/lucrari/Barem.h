#pragma once

#include "logica/lucrari/AsezareLucrare.h"
#include "logica/lucrari/Lucrare.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QPainter;
class QSqlDatabase;

namespace tezaurel {

class BazaDate;
class Imprimanta;

// One step of a solution and what it is worth: "Calculul discriminantului", 1.
struct PasBarem
{
    QString Text;
    double Puncte = 0;
    bool operator==(const PasBarem &) const = default;
};

// What the grading scheme says of a problem: a scan of its solution and/or a
// text, and the steps with their points.
struct Solutie
{
    QByteArray Poza; // the picture's own bytes, as a problem's picture is kept
    QString Text;
    std::vector<PasBarem> Pasi;

    double PunctePasi() const;
    bool Goala() const { return Poza.isEmpty() && Text.trimmed().isEmpty() && Pasi.empty(); }
    bool operator==(const Solutie &) const = default;
};

// The solutions in Tezaurel.db, keyed by the problem's picture name, the name
// a problem keeps through every correction of its details; the purge takes a
// problem's solution with it.
class SolutiiProbleme
{
public:
    explicit SolutiiProbleme(BazaDate &baza)
        : m_baza(baza)
    {}
    // The table and the purge's clean-up; before the database is opened.
    static void Inregistreaza(BazaDate &baza);

    // An empty solution when the problem has none; nothing when the database cannot be read.
    std::optional<Solutie> Citeste(const QString &poza);
    // An empty solution removes the row. False, with the database's Raport(), on failure.
    bool Pastreaza(const QString &poza, const Solutie &solutie);
    // Inside the caller's transaction (a package being imported).
    static bool Adauga(QSqlDatabase &db, const QString &poza, const Solutie &solutie);

private:
    BazaDate &m_baza;
};

// The steps as one text, a step a line: "Calculul discriminantului — 1p".
QString TextPasi(const std::vector<PasBarem> &pasi);
// The steps read back from such a text; the line that cannot be read, when one cannot.
std::optional<std::vector<PasBarem>> CitestePasi(const QString &text, int *randGresit = nullptr);

// For each problem whose steps do not add up to its points, a line saying so.
QStringList AvertismenteBarem(const Lucrare &lucrare, const std::vector<Solutie> &solutii);
// The scheme's closing lines: the point given "din oficiu", and how the mark
// comes from the points (a total of 100 is divided by 10; a total of 10 is the mark).
QStringList IncheiereBarem(const Lucrare &lucrare);

// Draws the grading scheme of one variant: its header, then for each problem
// its number and points, its solution, its steps and their sum, then the
// closing lines. Pages flow like a text; a picture is never split.
class RedareBarem
{
public:
    RedareBarem(const Lucrare &lucrare, std::vector<Solutie> solutii,
                const MarginiLucrare &margini);
    int NrPagini() const { return m_nrPagini; }
    void Deseneaza(QPainter &pictor, int pagina, QSize marimeFoaie) const;

    static bool ScriePdf(const std::vector<RedareBarem *> &variante, const QString &cale,
                         QString *motiv = nullptr);
    static bool Tipareste(const std::vector<RedareBarem *> &variante, Imprimanta &imprimanta,
                          int exemplare);

    struct Bloc
    {
        enum class Tip { Titlu, Problema, Rand, Pas, Suma, Avertisment, Imagine };
        Bloc(Tip fel = Tip::Rand, QString text = {}, QString puncte = {})
            : Fel(fel)
            , Text(std::move(text))
            , Puncte(std::move(puncte))
        {}
        Tip Fel;
        QString Text;
        QString Puncte; // of a step, at the right
        QImage Imagine;
        QRect Loc;
        int Pagina = 0;
    };

private:
    void Asaza();

    Lucrare m_lucrare;
    std::vector<Solutie> m_solutii;
    std::vector<Bloc> m_blocuri;
    QRect m_zona;
    int m_nrPagini = 1;
};

} // namespace tezaurel
