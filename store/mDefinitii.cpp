#include "store/mDefinitii.h"

#include "lucrari/CompunereLucrare.h"
#include "platform/Platforma.h"

#include <QFileInfo>

mDefinitii::mDefinitii(QString dosarAplicatie, Platforma &platforma,
                       std::unique_ptr<AccesFisiere> acces)
    : TabelProbleme(UltimulSlot + 1)
    , TabelCapitole(CapitoleInitiale)
    , TabelDiscipline(DisciplineInitiale)
    , m_dosarAplicatie(std::move(dosarAplicatie))
    , m_platforma(platforma)
    , m_acces(acces ? std::move(acces) : std::make_unique<AccesFisiereDisc>())
    , m_baza(std::make_unique<BazaDate>(m_dosarAplicatie + QStringLiteral("/Tezaurel.db")))
    , m_lucrare(std::make_unique<CompunereLucrare>(*m_baza, platforma, CaleProbleme()))
{
    ArhivaLucrari::Inregistreaza(*m_baza);
}

mDefinitii::~mDefinitii() = default;

void mDefinitii::IncarcaColectie()
{
    CaleColectie = m_dosarAplicatie + QStringLiteral("/Tezaurel.stn");
    m_motivBlocare.clear();

    auto fisier = m_acces->Deschide(CaleColectie, AccesFisiere::Mod::CitireScriere);
    if (!fisier && QFileInfo(CaleColectie).isFile()) {
        // A read-only medium: the teacher can still browse and print.
        fisier = m_acces->Deschide(CaleColectie, AccesFisiere::Mod::DoarCitire);
        if (fisier) {
            m_motivBlocare = QStringLiteral("Fisierul colectiei poate fi doar citit: %1. "
                                            "Problemele pot fi vizualizate, dar colectia nu "
                                            "poate fi modificata.")
                                 .arg(CaleColectie);
            m_platforma.Mesaj(m_motivBlocare);
        }
    }
    if (!fisier) {
        m_motivBlocare = QStringLiteral("Nu am reusit sa deschid fisierul colectiei: %1. "
                                        "Colectia este goala si nu poate fi modificata.")
                             .arg(CaleColectie);
        m_platforma.Mesaj(m_motivBlocare);
        NrProbleme = 1;
        return;
    }

    Problema::Inregistrare antet{};
    fisier->Citeste(1, antet);
    int numar = Problema::Decodifica(antet).Clasa;
    if (numar <= 1) {
        NrProbleme = 1;
        return;
    }
    if (numar > UltimulSlot) {
        // Written by something else: load what fits and leave the file as it is.
        numar = UltimulSlot;
        m_motivBlocare = QStringLiteral("Fisierul colectiei anunta mai multe probleme decat "
                                        "incap in Tezaurel. Au fost incarcate primele 1999 "
                                        "probleme; colectia nu poate fi modificata.");
        m_platforma.Mesaj(m_motivBlocare);
    }

    NrProbleme = 1;
    for (int i = 2; i <= numar; ++i) {
        Problema::Inregistrare inregistrare{};
        // A count past the end of the file is an append interrupted between
        // its header and its record: keep only the complete records.
        if (fisier->Citeste(i, inregistrare) < Problema::MarimeInregistrare)
            break;
        TabelProbleme[i] = Problema::Decodifica(inregistrare);
        NrProbleme = int16_t(i);
    }
}

bool mDefinitii::ScrieAntet(FisierInregistrari &fisier) const
{
    Problema antet;
    antet.Clasa = NrProbleme;
    return fisier.Scrie(1, antet.Codifica());
}

bool mDefinitii::ScrieProblema(FisierInregistrari &fisier, int i) const
{
    return fisier.Scrie(i, TabelProbleme[i].Codifica());
}

bool mDefinitii::ExistaFisier(const QString &cale)
{
    // A length can be asked only of a file; a folder of that name does not count.
    return QFileInfo(cale).isFile();
}

bool mDefinitii::ExistaProblema(const QString &nume) const
{
    for (int i = 2; i <= NrProbleme; ++i) {
        const Problema &p = TabelProbleme[i];
        if (!p.EsteStearsa() && p.Fisier.FaraBlancuri() == nume)
            return true;
    }
    return false;
}

bool mDefinitii::PoateAdauga() const
{
    if (!ModificariPermise()) {
        m_platforma.Mesaj(m_motivBlocare);
        return false;
    }
    if (NrProbleme >= UltimulSlot) {
        m_platforma.Mesaj(QStringLiteral("Tezaurelul este plin: nu mai este loc pentru inca o "
                                         "problema (cel mult 1999). Stergeti mai intai "
                                         "problemele de care nu mai aveti nevoie."));
        return false;
    }
    return true;
}

std::unique_ptr<FisierInregistrari> mDefinitii::DeschidePentruScriere() const
{
    if (!ModificariPermise()) {
        m_platforma.Mesaj(m_motivBlocare);
        return nullptr;
    }
    auto fisier = m_acces->Deschide(CaleColectie, AccesFisiere::Mod::CitireScriere);
    if (!fisier)
        AnuntaEroareScriere();
    return fisier;
}

bool mDefinitii::ScrieProblemaNoua()
{
    const int k = NrProbleme;
    auto fisier = DeschidePentruScriere();
    if (fisier && ScrieAntet(*fisier) && ScrieProblema(*fisier, k) && fisier->Sincronizeaza())
        return true;
    if (fisier)
        AnuntaEroareScriere();
    TabelProbleme[k] = Problema();
    NrProbleme = int16_t(k - 1);
    return false;
}

bool mDefinitii::MarcheazaStearsa(int i)
{
    const int16_t inainte = TabelProbleme[i].Sters;
    TabelProbleme[i].Sters = Adevarat;
    auto fisier = DeschidePentruScriere();
    if (fisier && ScrieProblema(*fisier, i) && fisier->Sincronizeaza())
        return true;
    if (fisier)
        AnuntaEroareScriere();
    TabelProbleme[i].Sters = inainte;
    return false;
}

void mDefinitii::AnuntaEroareScriere() const
{
    m_platforma.Mesaj(QStringLiteral("Nu am reusit sa scriu in fisierul colectiei: %1. "
                                     "Modificarea nu a fost salvata.")
                          .arg(CaleColectie));
}
