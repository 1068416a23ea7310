#include "model/StergereFizica.h"

#include "interfete/Platforma.h"
#include "model/AdaugareProbleme.h"
#include "model/Colectie.h"
#include "model/FisierInregistrari.h"

#include <QFileInfo>
#include <QMultiHash>
#include <QSet>

#include <algorithm>

#include <vector>

namespace tezaurel {

namespace {

using Inregistrare = Problema::Inregistrare;

// The whole old file, record n at index n (index 0 unused). A short last
// record is kept, padded with zeros: the rewrite never shortens the file.
std::vector<Inregistrare> CitesteTot(FisierInregistrari &fisier)
{
    std::vector<Inregistrare> inregistrari(1);
    for (int nr = 1;; ++nr) {
        Inregistrare inregistrare{};
        const int citit = fisier.Citeste(nr, inregistrare);
        if (citit <= 0)
            break;
        inregistrari.push_back(inregistrare);
        if (citit < Problema::MarimeInregistrare)
            break;
    }
    return inregistrari;
}

// Writes the new collection under cale and pushes it to the disk. Record 1
// goes last, as in the old in-place rewrite, so the file is complete before
// its count says so.
bool ScrieColectiaNoua(Colectie &definitii, const QString &cale,
                       const std::vector<Inregistrare> &inregistrari)
{
    // Left by a purge that was cut off; opening would keep its old bytes.
    if (QFileInfo(cale).isFile())
        definitii.Acces().Sterge(cale);
    if (QFileInfo::exists(cale))
        return false;
    auto fisier = definitii.Acces().Deschide(cale, AccesFisiere::Mod::CitireScriere);
    if (!fisier)
        return false;
    for (size_t nr = 2; nr < inregistrari.size(); ++nr)
        if (!fisier->Scrie(int(nr), inregistrari[nr]))
            return false;
    return fisier->Scrie(1, inregistrari[1]) && fisier->Sincronizeaza();
}

// A name from the file that could reach outside Probleme/, or name the folder
// itself, must never lead to a deletion. Nor may a NUL: any layer that hands
// the path on as a C string would cut it short and delete another picture.
bool NumeDinProbleme(const QString &nume)
{
    return !nume.isEmpty() && nume != QLatin1String(".") && nume != QLatin1String("..") &&
           !nume.contains(QLatin1Char('/')) && !nume.contains(QChar(0));
}

// The table is not changed during the run, so the names still in use can
// be gathered once instead of asking ExistaProblema for every dropped one.
QSet<QString> NumeActive(const Colectie &definitii)
{
    QSet<QString> numeActive;
    for (int i = 2; i <= definitii.NrProbleme(); ++i)
        if (!definitii.ProblemaDin(i).EsteStearsa())
            numeActive.insert(definitii.ProblemaDin(i).Fisier.FaraBlancuri());
    return numeActive;
}

// Moves the kept problems together from record 2 on; gives back the pictures
// of the dropped ones that no kept problem still uses.
QStringList AsazaPastrate(const Colectie &definitii, const QSet<QString> &numeActive,
                          std::vector<Inregistrare> &inregistrari)
{
    int16_t pozitie = 1;
    Problema ciorna;
    QStringList deSters;
    for (int i = 2; i <= definitii.NrProbleme(); ++i) {
        const Problema &problema = definitii.ProblemaDin(i);
        if (!problema.EsteStearsa()) {
            ciorna = problema;
            ++pozitie;
            if (inregistrari.size() <= size_t(pozitie))
                inregistrari.resize(size_t(pozitie) + 1);
            inregistrari[size_t(pozitie)] = ciorna.Codifica();
        } else {
            const QString nume = problema.Fisier.FaraBlancuri();
            if (!numeActive.contains(nume))
                deSters << nume;
        }
    }
    // The rest of record 1 keeps the last kept problem: readers use only the count.
    ciorna.NumarInregistrari() = pozitie;
    if (inregistrari.size() < 2)
        inregistrari.resize(2);
    inregistrari[1] = ciorna.Codifica();
    return deSters;
}

// Puts the rewritten collection in the old one's place; false (the user told,
// the old collection untouched) when it cannot.
bool InlocuiesteColectia(Colectie &definitii, const std::vector<Inregistrare> &inregistrari,
                         const QStringList &deSters, QStringList &mesaje)
{
    // Written beside the collection, so the rename stays within one file system;
    // a symlinked collection stays a link to the rewritten file.
    QString tinta = QFileInfo(definitii.CaleColectie).canonicalFilePath();
    if (tinta.isEmpty())
        tinta = definitii.CaleColectie;
    const QFileInfo infoTinta(tinta);
    const QString temporar = infoTinta.absolutePath() + QStringLiteral("/.") +
                             infoTinta.fileName() + QStringLiteral(".nou");
    // Named before the new collection takes the old one's place: a purge
    // stopped after that leaves pictures no record names, and the next start
    // finds them in the journal and finishes deleting them.
    if (!JurnalizeazaPoze(definitii.Baza(), Jurnal::Stergere, deSters, true)) {
        mesaje << definitii.Baza().Raport();
        return false;
    }
    if (!ScrieColectiaNoua(definitii, temporar, inregistrari) ||
        !definitii.Acces().Inlocuieste(temporar, tinta)) {
        if (QFileInfo(temporar).isFile())
            definitii.Acces().Sterge(temporar);
        definitii.AnuntaEroareScriere();
        JurnalizeazaPoze(definitii.Baza(), Jurnal::Stergere, deSters, false);
        return false;
    }
    return true;
}

// Only once the new collection is in place: a purge cut off earlier must
// find every picture its old records name.
void StergePozele(Colectie &definitii, const QSet<QString> &numeActive, const QStringList &deSters,
                  QStringList &mesaje)
{
    // A name from Windows may reach, in another case, the picture of a kept
    // problem; only names equal but for case can, so only those are looked up.
    QMultiHash<QString, QString> activeDupaLitere;
    for (const QString &nume : numeActive)
        activeDupaLitere.insert(nume.toCaseFolded(), nume);
    const auto folosita = [&](const QString &nume, const QString &cale) {
        const auto [de, pana] = activeDupaLitere.equal_range(nume.toCaseFolded());
        return std::any_of(
            de, pana, [&](const QString &activ) { return definitii.CalePoza(activ).Cale == cale; });
    };
    int16_t sterse = 0;
    bool esuate = false;
    for (const QString &nume : deSters) {
        // Two pictures differing only in case: which one was meant is not known.
        const CaleGasita poza = NumeDinProbleme(nume) ? definitii.CalePoza(nume) : CaleGasita();
        if (poza.EsteGasita() && folosita(nume, poza.Cale))
            continue;
        if (poza.EsteGasita() && definitii.platforma().StergeFisier(poza.Cale))
            ++sterse;
        else
            esuate = true, mesaje << QStringLiteral("Nu am reusit sa sterg fisierul: ") + nume;
    }
    JurnalizeazaPoze(definitii.Baza(), Jurnal::Stergere, deSters, false);
    // A count is shown with a blank in the place of its sign.
    if (sterse > 0)
        mesaje << QStringLiteral("Am sters: ") + QLatin1Char(' ') + QString::number(sterse) +
                      QStringLiteral(" fisiere");
    // After a picture that could not be deleted, "none marked" would contradict
    // the message just given.
    else if (!esuate)
        mesaje << QStringLiteral("Nu sunt fisiere marcate pentru sters");
}

// Under the purge's exclusive hold of the collection. The messages are only
// gathered: the others wait while the user reads.
bool Compacteaza(Colectie &definitii, QStringList &mesaje)
{
    std::vector<Inregistrare> inregistrari;
    Colectie::Scriere scriere = definitii.IncepeScrierea(/*recitesteTot=*/true);
    if (!scriere)
        return false;
    inregistrari = CitesteTot(*scriere.Fisier);
    scriere.Fisier.reset();

    const QSet<QString> numeActive = NumeActive(definitii);
    const QStringList deSters = AsazaPastrate(definitii, numeActive, inregistrari);
    if (!InlocuiesteColectia(definitii, inregistrari, deSters, mesaje))
        return false;

    if (AdaugareProbleme::LaPunct)
        AdaugareProbleme::LaPunct(AdaugareProbleme::Punct::ColectieInlocuita);
    // Papers and their history name problems by picture: they let go of the
    // purged ones with the collection, before the pictures themselves go.
    if (!definitii.Baza().ProblemeSterse(deSters))
        mesaje << definitii.Baza().Raport();
    StergePozele(definitii, numeActive, deSters, mesaje);
    return true;
}

} // namespace

bool StergereFizica(Colectie &definitii)
{
    if (definitii.NrProbleme() < 2) {
        definitii.Anunta(QStringLiteral("Nu sunt probleme de sters"));
        return false;
    }

    definitii.CaleColectie = definitii.DosarAplicatie() + QStringLiteral("/Tezaurel.stn");
    // Alone with the collection: no other program keeps a table of the old
    // numbering, nor saves a problem over a picture about to be deleted.
    if (!definitii.IaColectiaExclusiv())
        return false;
    QStringList mesaje;
    const bool rescrisa = Compacteaza(definitii, mesaje);
    definitii.ElibereazaColectiaExclusiva();
    for (const QString &mesaj : mesaje)
        definitii.Anunta(mesaj);
    if (!rescrisa)
        return false;
    return true;
}

} // namespace tezaurel
