// Any bytes as probleme.csv: the reader must neither crash nor hand the
// import a row the collection could not keep as written.
#include "logica/import/CitireCsv.h"
#include "model/NumeFisier.h"

#include <cstdint>
#include <cstdlib>

using namespace tezaurel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *date, size_t marime)
{
    const TabelCsv tabel =
        CitesteCsv(QByteArray(reinterpret_cast<const char *>(date), qsizetype(marime)));
    if (!tabel.Eroare.isEmpty() && (!tabel.Randuri.empty() || !tabel.RanduriGresite.isEmpty()))
        std::abort();
    for (const RandCsv &r : tabel.Randuri)
        if (MotivNumeNepermis(r.Fisier) || VerificaDetalii(r.Detalii) ||
            r.Detalii.Clasa < DetaliiProblema::ClasaMinima ||
            r.Detalii.Clasa > DetaliiProblema::ClasaMaxima ||
            r.Detalii.Nivel < DetaliiProblema::NivelMinim ||
            r.Detalii.Nivel > DetaliiProblema::NivelMaxim || r.Linie < 2)
            std::abort();
    return 0;
}
