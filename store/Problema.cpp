#include "store/Problema.h"

#include <cstring>

namespace {

constexpr int OffsetNivel = 2;
constexpr int OffsetDisciplina = 4;
constexpr int OffsetCapitol = 54;
constexpr int OffsetObservatii = 154;
constexpr int OffsetFisier = 254;
constexpr int OffsetSters = 510;

// Little-endian two's complement, whatever the machine.
void ScrieIntreg(char *tinta, int16_t valoare)
{
    const auto v = static_cast<uint16_t>(valoare);
    tinta[0] = static_cast<char>(v & 0xFF);
    tinta[1] = static_cast<char>(v >> 8);
}

int16_t CitesteIntreg(const char *sursa)
{
    const auto v = static_cast<uint16_t>(static_cast<unsigned char>(sursa[0])
                                         | (static_cast<unsigned char>(sursa[1]) << 8));
    return static_cast<int16_t>(v);
}

template<int N>
void ScrieText(char *tinta, const TextFix<N> &text)
{
    std::memcpy(tinta, text.Octeti.data(), N);
}

template<int N>
void CitesteText(const char *sursa, TextFix<N> &text)
{
    std::memcpy(text.Octeti.data(), sursa, N);
}

} // namespace

Problema::Inregistrare Problema::Codifica() const
{
    Inregistrare octeti{};
    ScrieIntreg(octeti.data(), Clasa);
    ScrieIntreg(octeti.data() + OffsetNivel, Nivel);
    ScrieText(octeti.data() + OffsetDisciplina, Disciplina);
    ScrieText(octeti.data() + OffsetCapitol, Capitol);
    ScrieText(octeti.data() + OffsetObservatii, Observatii);
    ScrieText(octeti.data() + OffsetFisier, Fisier);
    ScrieIntreg(octeti.data() + OffsetSters, Sters);
    return octeti;
}

Problema Problema::Decodifica(const Inregistrare &octeti)
{
    Problema p;
    p.Clasa = CitesteIntreg(octeti.data());
    p.Nivel = CitesteIntreg(octeti.data() + OffsetNivel);
    CitesteText(octeti.data() + OffsetDisciplina, p.Disciplina);
    CitesteText(octeti.data() + OffsetCapitol, p.Capitol);
    CitesteText(octeti.data() + OffsetObservatii, p.Observatii);
    CitesteText(octeti.data() + OffsetFisier, p.Fisier);
    p.Sters = CitesteIntreg(octeti.data() + OffsetSters);
    return p;
}
