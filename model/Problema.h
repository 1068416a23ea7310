#pragma once

#include "model/CodPagina.h"

#include <QString>

#include <array>
#include <cstdint>

namespace tezaurel {

// A fixed-length text field: exactly N characters, one byte each on disk.
// A field never assigned holds N NUL bytes; the bytes are kept as read, so a
// record rewritten by the program is byte-identical to the one it loaded.
template <int N> class TextFix
{
public:
    static constexpr int Lungime = N;

    std::array<char, N> Octeti{};

    // Cut to N characters, padded on the right with blanks.
    void Atribuie(const QString &valoare)
    {
        const QByteArray cod = CodificaAnsi(valoare.left(N));
        Octeti.fill(' ');
        std::copy(cod.begin(), cod.end(), Octeti.begin());
    }

    QString Text() const { return DecodificaAnsi(Octeti.data(), N); }

    // The text without its trailing blanks (U+0020 only), as every reader
    // compares and shows it.
    QString FaraBlancuri() const
    {
        int n = N;
        while (n > 0 && Octeti[n - 1] == ' ')
            --n;
        return DecodificaAnsi(Octeti.data(), n);
    }

    bool operator==(const TextFix &) const = default;
};

constexpr int16_t Adevarat = -1;
constexpr int16_t Fals = 0;

// One problem of the collection; 512 bytes on disk, fields in this order.
struct Problema
{
    static constexpr int MarimeInregistrare = 512;
    using Inregistrare = std::array<char, MarimeInregistrare>;

    int16_t Clasa = 0;
    // Record 1 holds no problem: its class field is the number of records the
    // file counts.
    int16_t &NumarInregistrari() { return Clasa; }
    int16_t NumarInregistrari() const { return Clasa; }
    int16_t Nivel = 0;
    TextFix<50> Disciplina;
    TextFix<100> Capitol;
    TextFix<100> Observatii;
    TextFix<256> Fisier;
    int16_t Sters = Fals; // stored as 00 00 or FF FF

    bool EsteStearsa() const { return Sters != Fals; }

    Inregistrare Codifica() const;
    static Problema Decodifica(const Inregistrare &octeti);

    bool operator==(const Problema &) const = default;
};

} // namespace tezaurel
