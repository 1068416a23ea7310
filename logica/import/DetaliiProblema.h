#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace tezaurel {

class Colectie;
struct Problema;

// The five details of a problem a teacher writes, as texts and numbers,
// before they are fitted into the record's fixed fields.
struct DetaliiProblema
{
    // The choices offered: classes V to XII, grading levels 5 to 10.
    static constexpr int ClasaMinima = 5;
    static constexpr int ClasaMaxima = 12;
    static constexpr int NivelMinim = 5;
    static constexpr int NivelMaxim = 10;

    int16_t Clasa = ClasaMinima;
    int16_t Nivel = NivelMinim;
    QString Disciplina;
    QString Capitol;
    QString Observatii;

    static DetaliiProblema DinProblema(const Problema &p);
    // Only after VerificaDetalii has accepted them: the record's fields cut nothing then.
    void AplicaLa(Problema &p) const;
};

// Why the texts cannot be kept as written (too long for their field, or a
// character the collection's code page lacks); nothing when they can.
std::optional<QString> VerificaDetalii(const DetaliiProblema &d);

// The distinct chapters and disciplines of the collection's unmarked problems,
// offered while the teacher types.
QStringList CapitoleExistente(const Colectie &d);
QStringList DisciplineExistente(const Colectie &d);

// Checks the details and rewrites problem slot in place, same picture, same
// mark. False, after telling the user why, when nothing was changed.
bool CorecteazaDetalii(Colectie &d, int slot, const DetaliiProblema &noi);

} // namespace tezaurel
