// The program stopped dead in the middle of an append or a deletion mark, at
// every write it makes, and with the interrupted write torn part-way: a fresh
// start must still find every problem stored before, unchanged.
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"

#include <gtest/gtest.h>

namespace {

// After Ramase whole writes the process "dies": the next write lands only its
// first Rupt bytes, and nothing after it reaches the disk. A tear never splits
// the header's 16-bit count: a disk writes whole sectors, and a record is one
// aligned sector, so tearing at all is already pessimistic.
struct Cadere
{
    int Ramase = 0;
    int Rupt = 0;
    bool Cazut = false;
};

class FisierCazator final : public FisierInregistrari
{
public:
    FisierCazator(const QString &cale, Cadere &cadere) : m_cale(cale), m_cadere(cadere) {}

    int Citeste(int nr, Problema::Inregistrare &b) override
    {
        return AccesFisiereDisc().Deschide(m_cale, AccesFisiere::Mod::DoarCitire)->Citeste(nr, b);
    }
    bool Scrie(int nr, const Problema::Inregistrare &octeti) override
    {
        if (m_cadere.Cazut)
            return false;
        if (m_cadere.Ramase-- > 0)
            return Real()->Scrie(nr, octeti);
        m_cadere.Cazut = true;
        if (m_cadere.Rupt > 0) {
            // A torn write: the record's first bytes over what the disk held.
            Problema::Inregistrare amestec{};
            const int avea = Real()->Citeste(nr, amestec);
            std::copy_n(octeti.begin(), m_cadere.Rupt, amestec.begin());
            QFile f(m_cale);
            f.open(QIODevice::ReadWrite);
            f.seek(qint64(nr - 1) * 512);
            f.write(amestec.data(), std::max(avea, m_cadere.Rupt));
        }
        return false;
    }
    bool Sincronizeaza() override { return !m_cadere.Cazut; }

private:
    std::unique_ptr<FisierInregistrari> Real()
    {
        return AccesFisiereDisc().Deschide(m_cale, AccesFisiere::Mod::CitireScriere);
    }
    QString m_cale;
    Cadere &m_cadere;
};

class AccesCazator final : public AccesFisiere
{
public:
    Cadere cadere;
    bool Activ = false;
    std::unique_ptr<FisierInregistrari> Deschide(const QString &cale, Mod mod) override
    {
        if (!Activ)
            return AccesFisiereDisc().Deschide(cale, mod);
        AccesFisiereDisc().Deschide(cale, mod); // creates it when missing, as the real open does
        return std::make_unique<FisierCazator>(cale, cadere);
    }
};

std::vector<Problema> Colectie(int numar)
{
    std::vector<Problema> probleme;
    for (int i = 0; i < numar; ++i)
        probleme.push_back(FaProblema(5 + i % 8, 5 + i % 6, "Algebra", QString("Capitolul %1").arg(i),
                                      QString("p%1.jpg").arg(i)));
    return probleme;
}

// A collection of `existente` problems on disk, loaded through a file layer
// that is then told where to fail.
struct Scena
{
    DosarTest dosar;
    std::vector<Problema> inainte;
    PlatformaScriptata platforma;
    AccesCazator *cazator = nullptr;
    std::unique_ptr<mDefinitii> d;

    Scena(int existente, Cadere cadere)
        : inainte(Colectie(existente))
    {
        dosar.ScrieColectie(inainte);
        auto acces = std::make_unique<AccesCazator>();
        cazator = acces.get();
        d = std::make_unique<mDefinitii>(dosar.Cale(), platforma, std::move(acces));
        d->IncarcaColectie();
        cazator->Activ = true;
        cazator->cadere = cadere;
    }

    // A fresh start on what the disk holds now; every problem stored before
    // must be there unchanged.
    std::unique_ptr<mDefinitii> Reincarca()
    {
        auto dupa = std::make_unique<mDefinitii>(dosar.Cale(), altaPlatforma);
        dupa->IncarcaColectie();
        EXPECT_GE(dupa->NrProbleme, int(inainte.size()) + 1);
        for (size_t i = 0; i < inainte.size() && int(i) + 2 <= dupa->NrProbleme; ++i)
            EXPECT_EQ(dupa->TabelProbleme[i + 2], inainte[i]) << i;
        return dupa;
    }

private:
    PlatformaScriptata altaPlatforma;
};

class Intreruperi : public ::testing::TestWithParam<int>
{
};

TEST_P(Intreruperi, AdaugareaIntreruptaNuPierdeNimic)
{
    const int existente = GetParam();
    for (int k = 0; k <= 2; ++k) {
        for (int rupt : {0, 2, 100, 511}) {
            SCOPED_TRACE(testing::Message() << "k=" << k << " rupt=" << rupt);
            Scena scena(existente, {k, rupt, false});
            mDefinitii &d = *scena.d;
            const Problema noua = FaProblema(9, 9, "Geometrie", "Cercul", "nou.jpg");
            ASSERT_TRUE(d.PoateAdauga());
            d.NrProbleme++;
            d.TabelProbleme[size_t(d.NrProbleme)] = noua;
            const bool scris = d.ScrieProblemaNoua();

            const auto dupa = scena.Reincarca();
            ASSERT_LE(dupa->NrProbleme, existente + 2);
            if (dupa->NrProbleme == existente + 2) {
                EXPECT_EQ(dupa->TabelProbleme[size_t(existente + 2)], noua);
            }
            if (scris) {
                EXPECT_EQ(dupa->NrProbleme, existente + 2);
            } else {
                EXPECT_EQ(d.NrProbleme, existente + 1); // undone in memory
            }
        }
    }
}

TEST_P(Intreruperi, MarcareaIntreruptaLasaProblemaIntreaga)
{
    const int existente = GetParam();
    if (existente == 0)
        GTEST_SKIP() << "nothing to mark";
    for (int rupt : {0, 2, 100, 510}) {
        SCOPED_TRACE(testing::Message() << "rupt=" << rupt);
        Scena scena(existente, {0, rupt, false});
        const int tinta = existente + 1;
        EXPECT_FALSE(scena.d->MarcheazaStearsa(tinta));
        EXPECT_FALSE(scena.d->TabelProbleme[size_t(tinta)].EsteStearsa());
        EXPECT_EQ(scena.Reincarca()->NrProbleme, existente + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Colectii, Intreruperi, ::testing::Values(0, 1, 254, 255));

} // namespace
