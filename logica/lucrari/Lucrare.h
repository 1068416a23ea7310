#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

namespace tezaurel {

// How the room to work below a problem is drawn: blank, lined, or squared
// like a Romanian notebook.
enum class FelSpatiu { Gol = 0, Liniat = 1, Patratele = 2 };

// One numbered place of a test paper. The problem is named by its picture,
// the name that stays unique among the collection's unmarked problems.
struct ProblemaLucrare
{
    QString Poza;
    double Puncte = 0; // 0: no points printed beside the number
    // The problems of variants 2, 3 at this place; "" where none is chosen yet.
    QStringList Alte;
    // Room to work below the problem, in centimetres; the same in every variant.
    double SpatiuCm = 0;
    FelSpatiu Spatiu = FelSpatiu::Gol;

    // The picture variant v (from 1) has here.
    QString PozaVariantei(int v) const { return v <= 1 ? Poza : Alte.value(v - 2); }
};

// What the first page says above the problems.
struct AntetLucrare
{
    QString Titlu;
    QString Scoala;
    QString Clasa; // as the teacher writes it: "IX B", "a X-a A", "cerc"
    QDate Data = QDate::currentDate();
    bool LiniaNume = true;
    int TimpLucru = 0; // minutes; 0 leaves the line out
    bool DinOficiu = true;
    int Varianta = 0; // "Varianta 2" under the title; 0 for a paper of one variant
};

// A test paper: the header and its problems in order.
struct Lucrare
{
    qint64 Id = 0; // its row in Tezaurel.db; 0 until it is first kept
    AntetLucrare Antet;
    std::vector<ProblemaLucrare> Probleme;
    // Problems the purge took out of this paper since it was last opened.
    int ProblemeSterse = 0;
    // Neighbouring desks get different problems in the same numbered places.
    int NrVariante = 1;
    static constexpr int VarianteMaxime = 3;
    // The number a scan prints before its problem is covered, so that only
    // the paper's own numbering shows.
    bool AscundeNumerele = true;

    // The paper as variant v prints: its problems, "Varianta v" in the header.
    Lucrare Varianta(int v) const;

    // The problems' points plus the point given "din oficiu".
    double TotalPuncte() const;
    // The warning to show when points are given and they do not make a 10;
    // empty when they do, or when no problem has points.
    QString AvertismentPuncte() const;
    // The name the save dialog proposes inside teste/: "<title> <date>.pdf",
    // with the characters a file name cannot hold replaced.
    QString NumeFisier() const;
};

// "1.", "2. (2p)", "3. (1,5p)"
QString EtichetaProblema(int numar, double puncte);
// "o problemă", "3 probleme".
QString TextProbleme(int n);
// A number of points as a Romanian reads it: 2, 1,5.
QString TextPuncte(double puncte);
// "Clasa a IX-a B" for a class written with a Roman numeral; the text as typed otherwise.
QString TextClasa(const QString &clasa);
// "Timp de lucru: 50 de minute. Se acordă 1 punct din oficiu." or the part that applies.
QString LiniaTimp(const AntetLucrare &antet);

} // namespace tezaurel
