#pragma once

#include <QString>

#include <optional>
#include <variant>

namespace tezaurel {

// What the print dialog holds when "Print" is pressed, as typed.
struct TexteTipareste
{
    bool LaImprimanta = true;
    QString Imprimanta;
    QString Exemplare;
    QString NumeFisier;
    QString Stanga;
    QString Dreapta;
    QString Sus;
    QString Jos;
    QString Antet;
};

// The page to compose, once every check has passed.
struct DatePagina
{
    float Stanga = 2;
    float Dreapta = 2;
    float Sus = 1;
    float Jos = 1; // read and checked, but the page does not use it
    QString Antet;
    int NrExemplare = 1;
    QString NumeFisier;
};

// The dialog's checks in order: the first that fails gives its message.
std::variant<DatePagina, QString> VerificaTiparirea(const TexteTipareste &texte);

// The margin box for a scroll bar position: 4 - value / 10 centimetres, in the
// user's number format ("3.5" or "3,5").
QString TextMargine(int valoareBara);
// A number typed in the user's format; the point is accepted as well, since a
// decimal point is what many people type whatever their settings.
std::optional<double> CitesteNumar(const QString &text);

} // namespace tezaurel
