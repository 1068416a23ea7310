#include "model/Colectie.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace tezaurel {

Colectie::Colectie(DosareAplicatie dosare, Platforma &platforma,
                   std::unique_ptr<AccesFisiere> acces)
    : m_probleme(UltimulSlot + 1)
    , m_dosarAplicatie(std::move(dosare.Date))
    , m_dosarResurse(std::move(dosare.Resurse))
    , m_platforma(platforma)
    , m_acces(acces ? std::move(acces) : std::make_unique<AccesFisiereDisc>())
    , m_baza(std::make_unique<BazaDate>(m_dosarAplicatie + QStringLiteral("/Tezaurel.db")))
{}

Colectie::~Colectie() = default;

namespace {
const QString MesajPlin = QStringLiteral("Tezaurelul este plin: nu mai este loc pentru inca o "
                                         "problema (cel mult 1999). Stergeti mai intai "
                                         "problemele de care nu mai aveti nevoie.");
const QString MesajScriereOcupata = QStringLiteral(
    "Colecția este scrisă chiar acum de alt program Tezaurel (pe acest calculator sau în "
    "rețea). Modificarea nu a fost salvată; încercați din nou peste câteva clipe.");
const QString MesajFaraZavor = QStringLiteral(
    "Nu am reușit să folosesc fișierul de blocare %1, prin care programele Tezaurel care "
    "folosesc aceeași colecție se așteaptă unul pe altul. Modificarea nu a fost salvată.");
} // namespace

ZavorColectie &Colectie::Zavor()
{
    if (!m_zavor) {
        // Beside the file itself: two folders that link to one collection share its lock.
        const QFileInfo colectie(CaleColectie);
        QString cale = colectie.canonicalFilePath();
        if (cale.isEmpty())
            cale = QFileInfo(colectie.absolutePath()).canonicalFilePath() + QLatin1Char('/') +
                   colectie.fileName();
        m_zavor = std::make_unique<ZavorColectie>(cale, std::chrono::seconds(10), m_acces.get());
    }
    return *m_zavor;
}

void Colectie::IncarcaColectie()
{
    CaleColectie = m_dosarAplicatie + QStringLiteral("/Tezaurel.stn");
    m_motivBlocare.clear();
    m_raportIncarcare.clear();
    // Waits for a purge running elsewhere. A program that cannot say it is
    // here still works: its writes check what changed under it all the same.
    Zavor().IaPrezenta();

    auto fisier = m_acces->Deschide(CaleColectie, AccesFisiere::Mod::CitireScriere);
    if (!fisier && QFileInfo(CaleColectie).isFile()) {
        // A read-only medium: the teacher can still browse and print.
        fisier = m_acces->Deschide(CaleColectie, AccesFisiere::Mod::DoarCitire);
        if (fisier)
            m_motivBlocare = QStringLiteral("Fisierul colectiei poate fi doar citit: %1. "
                                            "Problemele pot fi vizualizate, dar colectia nu "
                                            "poate fi modificata.")
                                 .arg(CaleColectie);
    }
    if (!fisier) {
        m_motivBlocare = QStringLiteral("Nu am reusit sa deschid fisierul colectiei: %1. "
                                        "Colectia este goala si nu poate fi modificata.")
                             .arg(CaleColectie);
        m_raportIncarcare = m_motivBlocare;
        m_nrProbleme = 1;
        m_schimbare = {{}, {}, true};
        AnuntaSchimbarile();
        return;
    }
    m_identitate = fisier->Identitate();
    m_nrProbleme = 1;
    CitesteProblemele(*fisier, CitesteAntet(*fisier));
    m_raportIncarcare = m_motivBlocare;
    if (FaraZavoare() && !std::exchange(m_faraZavoareSpus, true)) // told once, with the load
        m_raportIncarcare +=
            (m_raportIncarcare.isEmpty() ? QString() : QStringLiteral("\n")) + MesajFaraZavoare;
    m_schimbare = {{}, {}, true};
    AnuntaSchimbarile();
}

int Colectie::CitesteAntet(FisierInregistrari &fisier)
{
    Problema::Inregistrare antet{};
    fisier.Citeste(1, antet);
    const int numar = Problema::Decodifica(antet).NumarInregistrari();
    if (numar <= UltimulSlot)
        return numar;
    // Written by something else: load what fits and leave the file as it is.
    m_motivBlocare = QStringLiteral("Fisierul colectiei anunta mai multe probleme decat "
                                    "incap in Tezaurel. Au fost incarcate primele 1999 "
                                    "probleme; colectia nu poate fi modificata.");
    return UltimulSlot;
}

// Loads records NrProbleme() + 1 to ultima. A count past the end of the file is
// an append interrupted between its header and its record: only the complete
// records count.
void Colectie::CitesteProblemele(FisierInregistrari &fisier, int ultima)
{
    m_nrProbleme = std::max<int16_t>(m_nrProbleme, 1);
    for (int i = m_nrProbleme + 1; i <= ultima; ++i) {
        Problema::Inregistrare inregistrare{};
        if (fisier.Citeste(i, inregistrare) < Problema::MarimeInregistrare)
            break;
        m_probleme[i] = Problema::Decodifica(inregistrare);
        m_nrProbleme = int16_t(i);
        m_schimbare.Adaugate.push_back(i);
    }
}

// Marks other programs made in place come in; the numbering stays, and with
// it whatever positions the windows keep.
void Colectie::RecitesteInregistrarile(FisierInregistrari &fisier)
{
    for (int i = 2; i <= m_nrProbleme; ++i) {
        Problema::Inregistrare inregistrare{};
        if (fisier.Citeste(i, inregistrare) < Problema::MarimeInregistrare)
            break;
        const Problema citita = Problema::Decodifica(inregistrare);
        if (citita == m_probleme[i])
            continue;
        m_probleme[i] = citita;
        m_schimbare.Modificate.push_back(i);
    }
}

// Under the write lock. Problems other programs appended are loaded after
// ours; a file put in place of the loaded one (a purge, a copy restored) or
// shortened is read again from the start. True in that second case.
bool Colectie::AduceLaZi(FisierInregistrari &fisier)
{
    const auto identitate = fisier.Identitate();
    const int numar = std::max(CitesteAntet(fisier), 1); // an empty file holds no problem
    const bool inlocuit = identitate != m_identitate &&
                          identitate != std::pair<quint64, quint64>{} &&
                          m_identitate != std::pair<quint64, quint64>{};
    if (!inlocuit && numar >= m_nrProbleme) {
        CitesteProblemele(fisier, numar);
        return false;
    }
    m_nrProbleme = 1;
    CitesteProblemele(fisier, numar);
    m_identitate = identitate;
    m_schimbare.Reincarcata = true;
    return true;
}

bool Colectie::ScrieAntet(FisierInregistrari &fisier) const
{
    Problema antet;
    antet.NumarInregistrari() = m_nrProbleme;
    return fisier.Scrie(1, antet.Codifica());
}

bool Colectie::ScrieProblema(FisierInregistrari &fisier, int i) const
{
    return fisier.Scrie(i, m_probleme[i].Codifica());
}

bool Colectie::ExistaFisier(const QString &cale)
{
    // A length can be asked only of a file; a folder of that name does not count.
    return QFileInfo(cale).isFile();
}

CaleGasita Colectie::CalePoza(const QString &nume) const
{
    return GasesteInDosar(Dosar(QStringLiteral("Probleme")), nume);
}

int Colectie::SlotProblema(const QString &nume) const
{
    for (int i = 2; i <= m_nrProbleme; ++i) {
        const Problema &p = m_probleme[i];
        if (!p.EsteStearsa() && p.Fisier.FaraBlancuri() == nume)
            return i;
    }
    return 0;
}

bool Colectie::PoateAdauga() const
{
    if (!ModificariPermise()) {
        Anunta(m_motivBlocare);
        return false;
    }
    if (m_nrProbleme >= UltimulSlot) {
        Anunta(MesajPlin);
        return false;
    }
    return true;
}

Colectie::Scriere::Scriere(Scriere &&alta) noexcept
    : Fisier(std::move(alta.Fisier))
    , Reincarcata(alta.Reincarcata)
    , m_zavor(std::exchange(alta.m_zavor, nullptr))
    , m_colectie(std::exchange(alta.m_colectie, nullptr))
{}

Colectie::Scriere::~Scriere()
{
    // Closed before the others may read it.
    Fisier.reset();
    if (m_zavor)
        m_zavor->ElibereazaScrierea();
    if (m_colectie)
        m_colectie->AnuntaSchimbarile();
}

void Colectie::AnuntaSchimbarile()
{
    if (m_schimbare.EsteGoala())
        return;
    const SchimbareColectie schimbare = std::exchange(m_schimbare, {});
    emit Schimbata(schimbare);
}

void Colectie::UrmaresteAltePrograme()
{
    if (m_urmarire)
        return;
    m_urmarire = new QFileSystemWatcher(this);
    m_amanare = new QTimer(this);
    // A write is a header and a record, an import many of them: read once
    // they have settled.
    m_amanare->setSingleShot(true);
    m_amanare->setInterval(150);
    connect(m_amanare, &QTimer::timeout, this, &Colectie::CitesteAltePrograme);
    connect(m_urmarire, &QFileSystemWatcher::fileChanged, m_amanare, qOverload<>(&QTimer::start));
    m_urmarire->addPath(CaleColectie);
}

void Colectie::CitesteAltePrograme()
{
    // A file put in place of the watched one (a purge elsewhere) is watched anew.
    if (!m_urmarire->files().contains(CaleColectie))
        m_urmarire->addPath(CaleColectie);
    if (ModificariPermise() && Zavor().IaScrierea() == ZavorColectie::Rezultat::Luat) {
        // A mark, a restore or a correction is written in place: only reading
        // the records again shows it.
        if (auto fisier = m_acces->Deschide(CaleColectie, AccesFisiere::Mod::DoarCitire))
            if (!AduceLaZi(*fisier))
                RecitesteInregistrarile(*fisier);
        m_zavor->ElibereazaScrierea();
    }
    // Nothing to tell when the lock is busy: the writer's own change brings
    // this back, and a collection that may not be written is read as it was.
    AnuntaSchimbarile();
}

Colectie::Scriere Colectie::IncepeScrierea(bool recitesteTot)
{
    Scriere scriere;
    if (!ModificariPermise()) {
        Anunta(m_motivBlocare);
        return scriere;
    }
    switch (Zavor().IaScrierea()) {
    case ZavorColectie::Rezultat::Luat:
        scriere.m_zavor = m_zavor.get();
        scriere.m_colectie = this;
        SpuneFaraZavoare();
        break;
    case ZavorColectie::Rezultat::Ocupat:
        Anunta(MesajScriereOcupata);
        return scriere;
    case ZavorColectie::Rezultat::Imposibil:
        Anunta(MesajFaraZavor.arg(m_zavor->Cale()));
        return scriere;
    }
    // Opened only now: a purge elsewhere may have put a new file in place.
    scriere.Fisier = m_acces->Deschide(CaleColectie, AccesFisiere::Mod::CitireScriere);
    if (!scriere.Fisier) {
        AnuntaEroareScriere();
        return scriere;
    }
    scriere.Reincarcata = AduceLaZi(*scriere.Fisier);
    if (recitesteTot && !scriere.Reincarcata)
        RecitesteInregistrarile(*scriere.Fisier);
    if (!ModificariPermise()) {
        Anunta(m_motivBlocare);
        scriere.Fisier.reset();
    }
    return scriere;
}

bool Colectie::ScrieProblemaNoua(const Problema &noua)
{
    // The file decides its slot.
    Scriere scriere = IncepeScrierea();
    if (!scriere)
        return false;
    if (scriere.Reincarcata)
        Anunta(MesajColectieSchimbata);
    if (m_nrProbleme >= UltimulSlot) {
        Anunta(MesajPlin);
        return false;
    }
    return AdaugaInregistrarea(scriere, noua);
}

bool Colectie::AdaugaInregistrarea(Scriere &scriere, const Problema &noua)
{
    const int k = ++m_nrProbleme;
    m_probleme[k] = noua;
    FisierInregistrari &fisier = *scriere.Fisier;
    if (ScrieAntet(fisier) && ScrieProblema(fisier, k) && fisier.Sincronizeaza()) {
        m_schimbare.Adaugate.push_back(k);
        return true;
    }
    AnuntaEroareScriere();
    m_probleme[k] = Problema();
    m_nrProbleme = int16_t(k - 1);
    return false;
}

bool Colectie::RescrieProblema(int i, const Problema &noua)
{
    const Problema aratata = m_probleme[i];
    Scriere scriere = IncepeScrierea();
    if (!scriere)
        return false;
    FisierInregistrari &fisier = *scriere.Fisier;
    Problema::Inregistrare peDisc{};
    if (scriere.Reincarcata || i > m_nrProbleme ||
        fisier.Citeste(i, peDisc) < Problema::MarimeInregistrare || peDisc != aratata.Codifica()) {
        if (!scriere.Reincarcata) {
            m_nrProbleme = 1;
            CitesteProblemele(fisier, CitesteAntet(fisier));
            m_schimbare.Reincarcata = true;
        }
        Anunta(MesajColectieSchimbata +
               QStringLiteral(" Modificarea nu a fost salvată: verificați problema "
                              "și încercați din nou."));
        return false;
    }
    m_probleme[i] = noua;
    if (ScrieProblema(fisier, i) && fisier.Sincronizeaza()) {
        m_schimbare.Modificate.push_back(i);
        return true;
    }
    AnuntaEroareScriere();
    m_probleme[i] = aratata;
    return false;
}

bool Colectie::MarcheazaStearsa(int i)
{
    Problema stearsa = m_probleme[i];
    stearsa.Sters = Adevarat;
    return RescrieProblema(i, stearsa);
}

bool Colectie::IaColectiaExclusiv()
{
    if (!ModificariPermise()) {
        Anunta(m_motivBlocare);
        return false;
    }
    switch (Zavor().IaPrezentaExclusiva()) {
    case ZavorColectie::Rezultat::Luat:
        return true;
    case ZavorColectie::Rezultat::Ocupat:
        Anunta(MesajColectieDeschisaInAltProgram);
        return false;
    case ZavorColectie::Rezultat::Imposibil:
        break;
    }
    Anunta(MesajFaraZavor.arg(m_zavor->Cale()));
    return false;
}

bool Colectie::SingurCuColectia()
{
    return ModificariPermise() && Zavor().IaPrezentaExclusiva() == ZavorColectie::Rezultat::Luat;
}

void Colectie::ElibereazaColectiaExclusiva()
{
    Zavor().RevinoLaPrezentaPartajata();
}

void Colectie::SpuneFaraZavoare()
{
    if (FaraZavoare() && !m_faraZavoareSpus) {
        m_faraZavoareSpus = true;
        Anunta(MesajFaraZavoare);
    }
}

void Colectie::Anunta(const QString &text) const
{
    m_anunturi << text;
}

QStringList Colectie::IaAnunturile()
{
    return std::exchange(m_anunturi, {});
}

void Colectie::AnuntaEroareScriere() const
{
    Anunta(QStringLiteral("Nu am reusit sa scriu in fisierul colectiei: %1. "
                          "Modificarea nu a fost salvata.")
               .arg(CaleColectie));
}

} // namespace tezaurel
