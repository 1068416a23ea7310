#include "schimb/ImportProbleme.h"

#include "schimb/SursaProbleme.h"
#include "store/CitirePoza.h"
#include "store/CodPagina.h"
#include "store/StocarePoza.h"
#include "store/mDefinitii.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <set>

namespace {

QByteArray Amprenta(const QByteArray &octeti)
{
    return QCryptographicHash::hash(octeti, QCryptographicHash::Sha256);
}

std::set<QByteArray> AmprenteColectie(const mDefinitii &definitii)
{
    std::set<QByteArray> amprente;
    for (int i = 2; i <= definitii.NrProbleme; ++i) {
        const Problema &p = definitii.TabelProbleme[size_t(i)];
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

// A name is taken when a file of that name (in any case) is in Probleme, or
// any problem names it: a marked one too, whose picture the purge will delete.
bool NumeOcupat(const mDefinitii &definitii, const QStringList &fisiere, const QString &nume)
{
    for (const QString &f : fisiere)
        if (f.compare(nume, Qt::CaseInsensitive) == 0)
            return true;
    for (int i = 2; i <= definitii.NrProbleme; ++i)
        if (definitii.TabelProbleme[size_t(i)].Fisier.FaraBlancuri().compare(nume, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString NumeLiber(const mDefinitii &definitii, const QString &nume)
{
    const QStringList fisiere = QDir(definitii.CaleProbleme()).entryList(QDir::Files | QDir::Hidden);
    if (!NumeOcupat(definitii, fisiere, nume))
        return nume;
    const QFileInfo info(nume);
    const QString baza = info.completeBaseName();
    const QString extensie = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 2;; ++n) {
        const QString propus = QStringLiteral("%1 (%2)%3").arg(baza).arg(n).arg(extensie);
        if (!NumeOcupat(definitii, fisiere, propus))
            return propus;
    }
}

bool IncapeInInregistrare(const QString &nume)
{
    return CodificaAnsi(nume).size() <= 256 && !CodificaAnsi(nume).contains('?')
           && !nume.contains(QLatin1Char('?'));
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

} // namespace

RaportImport ImportaProbleme(mDefinitii &definitii, SursaProbleme &sursa,
                             InterfataImport &progres)
{
    RaportImport raport;
    if (!definitii.ModificariPermise()) {
        raport.Oprire = QStringLiteral("Colecția nu poate fi modificată. Nu am importat nimic.");
        return raport;
    }
    const std::vector<Problema> &probleme = sursa.Probleme();
    const int total = int(probleme.size());

    // First the whole source is weighed, so that what does not fit is refused
    // before anything is added.
    std::set<QByteArray> amprente = AmprenteColectie(definitii);
    std::vector<int> deAdaugat;
    for (int i = 0; i < total; ++i) {
        const QString nume = probleme[size_t(i)].Fisier.FaraBlancuri();
        QString motiv;
        const std::optional<QByteArray> poza = sursa.Poza(i, motiv);
        if (!poza) {
            raport.Omise << QStringLiteral("%1: %2").arg(nume, motiv);
            continue;
        }
        if (!amprente.insert(Amprenta(*poza)).second) {
            raport.Omise << QStringLiteral("%1: aceeași imagine există deja în colecție").arg(nume);
            continue;
        }
        deAdaugat.push_back(i);
    }
    const int libere = mDefinitii::UltimulSlot - definitii.NrProbleme;
    if (int(deAdaugat.size()) > libere) {
        raport.Oprire = QStringLiteral("Colecția s-ar umple: sunt %1 probleme noi, dar mai este "
                                       "loc pentru %2 (cel mult 1999). Nu am importat nimic.")
                            .arg(deAdaugat.size())
                            .arg(libere);
        raport.Omise.clear();
        return raport;
    }

    int facute = 0;
    for (int i : deAdaugat) {
        Problema p = probleme[size_t(i)];
        const QString numeSursa = p.Fisier.FaraBlancuri();
        progres.Progres(facute++, int(deAdaugat.size()), numeSursa);
        if (progres.Anulat()) {
            raport.Anulat = true;
            break;
        }
        const QString nume = NumeLiber(definitii, numeSursa);
        if (!IncapeInInregistrare(nume)) {
            raport.Omise << QStringLiteral("%1: numele nu poate fi păstrat în colecție").arg(numeSursa);
            continue;
        }
        QString motiv;
        const std::optional<QByteArray> poza = sursa.Poza(i, motiv);
        const QString cale = definitii.CaleProbleme() + nume;
        if (!poza || !ScrieOctetiPoza(*poza, cale)) {
            raport.Oprire = QStringLiteral("Nu am reușit să scriu imaginea %1. Importul s-a "
                                           "oprit; problemele adăugate până atunci au rămas în "
                                           "colecție.").arg(cale);
            break;
        }
        // Read back through the one picture reader: what it refuses here the
        // viewer and the page would refuse too.
        const PozaCitita citita = CitestePoza(cale);
        if (citita.Rezultat != PozaCitita::Stare::Citita) {
            QFile::remove(cale);
            raport.Omise << QStringLiteral("%1: %2").arg(numeSursa, MotivPoza(citita.Rezultat));
            continue;
        }
        p.Fisier.Atribuie(nume);
        p.Sters = Fals;
        const int k = ++definitii.NrProbleme;
        definitii.TabelProbleme[size_t(k)] = p;
        const bool scrisa = definitii.ScrieProblemaNoua();
        // The report tells why it stopped; a reload that let the append go on
        // changes nothing the report shows.
        const QStringList anunturi = definitii.IaAnunturile();
        if (!scrisa) {
            QFile::remove(cale);
            raport.Oprire = (anunturi.isEmpty() ? QString() : anunturi.constLast() + QLatin1Char(' ')) +
                            QStringLiteral("Importul s-a oprit; problemele adăugate până "
                                           "atunci au rămas în colecție.");
            break;
        }
        if (nume != numeSursa)
            raport.Redenumite << QStringLiteral("%1 → %2").arg(numeSursa, nume);
        ++raport.Adaugate;
    }
    progres.Progres(facute, int(deAdaugat.size()), QString());
    return raport;
}
