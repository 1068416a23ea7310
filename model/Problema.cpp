#include "model/Problema.h"

#include <cstring>

namespace tezaurel {

namespace {

constexpr int OffsetNivel = 2;
constexpr int OffsetDisciplina = 4;
constexpr int OffsetCapitol = 54;
constexpr int OffsetObservatii = 154;
constexpr int OffsetFisier = 254;
constexpr int OffsetSters = 510;

// Little-endian two's complement, whatever the machine.
void CodificaIntreg(char *tinta, int16_t valoare)
{
    const auto v = static_cast<uint16_t>(valoare);
    tinta[0] = static_cast<char>(v & 0xFF);
    tinta[1] = static_cast<char>(v >> 8);
}

int16_t DecodificaIntreg(const char *sursa)
{
    const auto v = static_cast<uint16_t>(static_cast<unsigned char>(sursa[0]) |
                                         (static_cast<unsigned char>(sursa[1]) << 8));
    return static_cast<int16_t>(v);
}

template <int N> void CodificaText(char *tinta, const TextFix<N> &text)
{
    std::memcpy(tinta, text.Octeti.data(), N);
}

template <int N> void DecodificaText(const char *sursa, TextFix<N> &text)
{
    std::memcpy(text.Octeti.data(), sursa, N);
}

} // namespace

Problema::Inregistrare Problema::Codifica() const
{
    Inregistrare octeti{};
    CodificaIntreg(octeti.data(), Clasa);
    CodificaIntreg(octeti.data() + OffsetNivel, Nivel);
    CodificaText(octeti.data() + OffsetDisciplina, Disciplina);
    CodificaText(octeti.data() + OffsetCapitol, Capitol);
    CodificaText(octeti.data() + OffsetObservatii, Observatii);
    CodificaText(octeti.data() + OffsetFisier, Fisier);
    CodificaIntreg(octeti.data() + OffsetSters, Sters);
    return octeti;
}

Problema Problema::Decodifica(const Inregistrare &octeti)
{
    Problema p;
    p.Clasa = DecodificaIntreg(octeti.data());
    p.Nivel = DecodificaIntreg(octeti.data() + OffsetNivel);
    DecodificaText(octeti.data() + OffsetDisciplina, p.Disciplina);
    DecodificaText(octeti.data() + OffsetCapitol, p.Capitol);
    DecodificaText(octeti.data() + OffsetObservatii, p.Observatii);
    DecodificaText(octeti.data() + OffsetFisier, p.Fisier);
    p.Sters = DecodificaIntreg(octeti.data() + OffsetSters);
    return p;
}

} // namespace tezaurel
