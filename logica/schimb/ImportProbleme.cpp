#include "logica/schimb/ImportProbleme.h"

#include "logica/cautare/IndexText.h"
#include "logica/schimb/SursaProbleme.h"
#include "model/AdaugareProbleme.h"
#include "model/CitirePoza.h"
#include "model/CodPagina.h"
#include "model/Colectie.h"
#include "model/NumeFisier.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlQuery>

#include <set>

namespace tezaurel {

namespace {

QByteArray Amprenta(const QByteArray &octeti)
{
    return QCryptographicHash::hash(octeti, QCryptographicHash::Sha256);
}

std::set<QByteArray> AmprenteColectie(const Colectie &definitii)
{
    std::set<QByteArray> amprente;
    for (int i = 2; i <= definitii.NrProbleme(); ++i) {
        const Problema &p = definitii.ProblemaDin(size_t(i));
        if (p.EsteStearsa())
            continue;
        QFile fisier(definitii.CaleProbleme() + p.Fisier.FaraBlancuri());
        if (!fisier.open(QIODevice::ReadOnly))
            continue;
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(&fisier);
        amprente.insert(hash.result());
    }
    return amprente;
}

struct Adaugata
{
    int Index;    // in the source
    QString Nume; // in this collection
};

// What came with the pictures, stored under their names here. The recognised
// text keeps the size and time of the copied file, so the background
// recognition leaves it as it is.
bool PastreazaInsotitoarele(Colectie &definitii, SursaProbleme &sursa,
                            const std::vector<Adaugata> &adaugate)
{
    BazaDate &baza = definitii.Baza();
    if (!baza.EsteDeschisa())
        return true;
    const QStringList tabele = baza.Conexiune().tables();
    const bool cuTexte = tabele.contains(QStringLiteral("texte_recunoscute"));
    const bool cuSolutii = tabele.contains(QStringLiteral("solutii"));
    return baza.Tranzactie([&](QSqlDatabase &db) {
        for (const Adaugata &a : adaugate) {
            const SursaProbleme::Insotitoare insotite = sursa.Insotite(a.Index);
            const QFileInfo fisier(definitii.CaleProbleme() + a.Nume);
            const IndexText::Intrare intrare{
                fisier.size(), fisier.lastModified().toMSecsSinceEpoch(),
                sursa.Probleme()[size_t(a.Index)].Observatii.FaraBlancuri()};
            if ((cuTexte && insotite.Text &&
                 !IndexText::Adauga(db, a.Nume, intrare, *insotite.Text)) ||
                !ArhivaLucrari::AdaugaFolosiri(db, a.Nume, insotite.Folosiri) ||
                (cuSolutii && insotite.Rezolvare &&
                 !SolutiiProbleme::Adauga(db, a.Nume, *insotite.Rezolvare)))
                return false;
        }
        return true;
    });
}

QString MotivPoza(PozaCitita::Stare stare)
{
    switch (stare) {
    case PozaCitita::Stare::PreaMare:
        return QStringLiteral("imaginea este prea mare");
    case PozaCitita::Stare::Incompleta:
        return QStringLiteral("imaginea este tăiată (fișier incomplet)");
    default:
        return QStringLiteral("fișierul nu este o imagine");
    }
}

// First the whole source is weighed, so that what does not fit is refused
// before anything is added: the source's problems that are new here, by index.
std::vector<int> ProblemeNoi(const Colectie &definitii, SursaProbleme &sursa, RaportImport &raport)
{
    const std::vector<Problema> &probleme = sursa.Probleme();
    std::set<QByteArray> amprente = AmprenteColectie(definitii);
    std::vector<int> deAdaugat;
    for (int i = 0; i < int(probleme.size()); ++i) {
        const QString nume = probleme[size_t(i)].Fisier.FaraBlancuri();
        // A package's pictures were hashed when it was opened: not read again here.
        QByteArray amprenta = sursa.Amprenta(i);
        if (amprenta.isEmpty()) {
            QString motiv;
            const std::optional<QByteArray> poza = sursa.Poza(i, motiv);
            if (!poza) {
                raport.Omise << QStringLiteral("%1: %2").arg(TextAfisabil(nume), motiv);
                continue;
            }
            amprenta = Amprenta(*poza);
        }
        if (!amprente.insert(amprenta).second) {
            raport.Omise << QStringLiteral("%1: aceeași imagine există deja în colecție").arg(nume);
            continue;
        }
        deAdaugat.push_back(i);
    }
    return deAdaugat;
}

// Whether the import goes on after a problem: it stops when the collection
// could not take one.
enum class Urmare { Continua, Opreste };

Urmare AdaugaProblema(AdaugareProbleme &adaugare, SursaProbleme &sursa, int i, RaportImport &raport,
                      std::vector<Adaugata> &adaugate)
{
    const Problema &problema = sursa.Probleme()[size_t(i)];
    const QString numeSursa = problema.Fisier.FaraBlancuri();
    QString motiv;
    const std::optional<QByteArray> poza = sursa.Poza(i, motiv);
    if (!poza) {
        raport.Omise << QStringLiteral("%1: %2").arg(numeSursa, motiv);
        return Urmare::Continua;
    }
    // Checked back through the one picture reader: what it refuses here
    // the viewer and the page would refuse too. A JPEG is walked to its
    // end rather than decoded, as for a folder of photos.
    const auto verifica = [&](const QString &cale) -> std::optional<QString> {
        const PozaCitita citita = VerificaPoza(cale);
        if (citita.Rezultat == PozaCitita::Stare::Citita)
            return std::nullopt;
        return QStringLiteral("%1: %2").arg(numeSursa, MotivPoza(citita.Rezultat));
    };
    const AdaugareProbleme::Rezultat r = adaugare.Adauga(problema, *poza, verifica);
    if (!raport.Noteaza(r, numeSursa, numeSursa))
        return Urmare::Opreste;
    if (r.Adaugata())
        adaugate.push_back({i, r.Nume});
    return Urmare::Continua;
}

} // namespace

RaportImport ImportaProbleme(Colectie &definitii, SursaProbleme &sursa, InterfataImport &progres)
{
    RaportImport raport;
    if (!definitii.ModificariPermise()) {
        raport.Oprire = QStringLiteral("Colecția nu poate fi modificată. Nu am importat nimic.");
        return raport;
    }
    const std::vector<int> deAdaugat = ProblemeNoi(definitii, sursa, raport);
    const int libere = Colectie::UltimulSlot - definitii.NrProbleme();
    if (int(deAdaugat.size()) > libere) {
        raport.Oprire = QStringLiteral("Colecția s-ar umple: sunt %1 probleme noi, dar mai este "
                                       "loc pentru %2 (cel mult 1999). Nu am importat nimic.")
                            .arg(deAdaugat.size())
                            .arg(libere);
        raport.Omise.clear();
        return raport;
    }

    // Each problem goes through the one append pipeline: its name chosen and
    // its content compared under the lock, against what other programs
    // stored meanwhile, its picture journaled before it is written.
    AdaugareProbleme adaugare(definitii, AdaugareProbleme::Regula::Continut);
    const int total = int(deAdaugat.size());
    int facute = 0;
    std::vector<Adaugata> adaugate;
    for (int i : deAdaugat) {
        progres.Progres(facute++, total, sursa.Probleme()[size_t(i)].Fisier.FaraBlancuri());
        if (progres.Anulat()) {
            raport.Anulat = true;
            break;
        }
        if (AdaugaProblema(adaugare, sursa, i, raport, adaugate) == Urmare::Opreste)
            break;
    }
    definitii
        .IaAnunturile(); // a reload that let the imports go on changes nothing the report shows
    // The problems are whole without what came with them: a database that
    // refuses only means their pictures are recognised here again.
    if (!PastreazaInsotitoarele(definitii, sursa, adaugate) && raport.Oprire.isEmpty())
        raport.Oprire = definitii.Baza().Raport() +
                        QStringLiteral(" Problemele au fost adăugate, dar textul recunoscut și "
                                       "istoricul folosirii venite cu ele nu au fost păstrate; "
                                       "textul va fi recunoscut din nou.");
    progres.Progres(facute, total, QString());
    return raport;
}

} // namespace tezaurel
