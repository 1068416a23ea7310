// Any bytes as Tezaurel.stn: the loader must neither crash nor misread, and
// every record it loads must encode back to exactly the bytes it came from,
// so a file written by another program survives a round trip through ours.
#include "model/CodPagina.h"
#include "model/Colectie.h"
#include "unelte/PlatformaTacuta.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace tezaurel;

namespace {

// The collection file held in memory, so each input costs no disk access.
class FisierMemorie final : public FisierInregistrari
{
public:
    explicit FisierMemorie(const QByteArray &octeti)
        : m_octeti(octeti)
    {}

    int Citeste(int nr, Problema::Inregistrare &buffer) override
    {
        const qsizetype start = qsizetype(nr - 1) * Problema::MarimeInregistrare;
        if (start >= m_octeti.size())
            return 0;
        const int n =
            int(std::min<qsizetype>(Problema::MarimeInregistrare, m_octeti.size() - start));
        std::memcpy(buffer.data(), m_octeti.constData() + start, size_t(n));
        return n;
    }
    bool Scrie(int, const Problema::Inregistrare &) override { return false; }
    bool Sincronizeaza() override { return true; }

private:
    const QByteArray &m_octeti;
};

class AccesMemorie final : public AccesFisiere
{
public:
    QByteArray Octeti;
    std::unique_ptr<FisierInregistrari> Deschide(const QString &, Mod) override
    {
        return std::make_unique<FisierMemorie>(Octeti);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *date, size_t marime)
{
    static PlatformaTacuta platforma;
    static AccesMemorie *acces = new AccesMemorie;
    static Colectie definitii(QStringLiteral("/nicaieri"), platforma,
                              std::unique_ptr<AccesFisiere>(acces));

    acces->Octeti = QByteArray(reinterpret_cast<const char *>(date), qsizetype(marime));
    definitii.IncarcaColectie();

    if (definitii.NrProbleme() < 1 || definitii.NrProbleme() > Colectie::UltimulSlot)
        std::abort();
    for (int i = 2; i <= definitii.NrProbleme(); ++i) {
        const auto inregistrare = definitii.ProblemaDin(size_t(i)).Codifica();
        const qsizetype start = qsizetype(i - 1) * Problema::MarimeInregistrare;
        if (start + Problema::MarimeInregistrare > acces->Octeti.size() ||
            std::memcmp(inregistrare.data(), acces->Octeti.constData() + start,
                        Problema::MarimeInregistrare) != 0)
            std::abort();
    }

    // The text codec alone: whatever bytes, decoding then encoding gives them back.
    const QString text =
        DecodificaAnsi(reinterpret_cast<const char *>(date), int(std::min<size_t>(marime, 4096)));
    if (CodificaAnsi(text) != QByteArray(reinterpret_cast<const char *>(date), text.size()))
        std::abort();
    return 0;
}
