#include "schimb/ImportProbleme.h"

#include "cautare/IndexText.h"
#include "schimb/SursaProbleme.h"
#include "store/CitirePoza.h"
#include "store/CodPagina.h"
#include "store/NumeFisier.h"
#include "store/StocarePoza.h"
#include "store/ZavorColectie.h"
#include "store/mDefinitii.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlQuery>

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

// luate: the names, in lower case, of the files in Probleme, of the pictures
// problems name (a marked one too, whose picture the purge will delete) and of
// those given earlier in this import.
bool NumeOcupat(const QSet<QString> &luate, const QString &nume)
{
    return luate.contains(nume.toLower());
}

QString NumeLiber(const QSet<QString> &luate, const QString &nume)
{
    if (!NumeOcupat(luate, nume))
        return nume;
    const QFileInfo info(nume);
    const QString baza = info.completeBaseName();
    const QString extensie = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 2;; ++n) {
        const QString propus = QStringLiteral("%1 (%2)%3").arg(baza).arg(n).arg(extensie);
        if (!NumeOcupat(luate, propus))
            return propus;
    }
}

// The pictures an import is copying, named in Tezaurel.db before the first is
// written and forgotten once their records are in the collection: what a
// crash leaves behind is found there at the next start.
const QString CreeazaJurnal = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS import_in_curs (nume TEXT NOT NULL PRIMARY KEY)");

bool Jurnalizeaza(BazaDate &baza, const QStringList &nume, bool adauga)
{
    if (!baza.EsteDeschisa() || nume.isEmpty())
        return true; // the collection works without its database, and so does the import
    return baza.Tranzactie([&](QSqlDatabase &db) {
        QSqlQuery q(db);
        if (!q.exec(CreeazaJurnal))
            return false;
        q.prepare(adauga ? QStringLiteral("INSERT OR REPLACE INTO import_in_curs(nume) VALUES (?)")
                         : QStringLiteral("DELETE FROM import_in_curs WHERE nume = ?"));
        for (const QString &n : nume) {
            q.addBindValue(n);
            if (!q.exec())
                return false;
        }
        return true;
    });
}

struct Adaugata
{
    int Index;    // in the source
    QString Nume; // in this collection
};

// What came with the pictures, stored under their names here. The recognised
// text keeps the size and time of the copied file, so the background
// recognition leaves it as it is.
bool PastreazaInsotitoarele(mDefinitii &definitii, SursaProbleme &sursa,
                            const std::vector<Adaugata> &adaugate)
{
    BazaDate &baza = definitii.Baza();
    if (!baza.EsteDeschisa())
        return true;
    const bool cuTexte = baza.Conexiune().tables().contains(QStringLiteral("texte_recunoscute"));
    return baza.Tranzactie([&](QSqlDatabase &db) {
        for (const Adaugata &a : adaugate) {
            const SursaProbleme::Insotitoare insotite = sursa.Insotite(a.Index);
            const QFileInfo fisier(definitii.CaleProbleme() + a.Nume);
            const IndexText::Intrare intrare{
                fisier.size(), fisier.lastModified().toMSecsSinceEpoch(),
                sursa.Probleme()[size_t(a.Index)].Observatii.FaraBlancuri()};
            if ((cuTexte && insotite.Text && !IndexText::Adauga(db, a.Nume, intrare, *insotite.Text))
                || !ArhivaLucrari::AdaugaFolosiri(db, a.Nume, insotite.Folosiri))
                return false;
        }
        return true;
    });
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

    // First the whole source is weighed, so that what does not fit is refused
    // before anything is added.
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
    const int libere = mDefinitii::UltimulSlot - definitii.NrProbleme;
    if (int(deAdaugat.size()) > libere) {
        raport.Oprire = QStringLiteral("Colecția s-ar umple: sunt %1 probleme noi, dar mai este "
                                       "loc pentru %2 (cel mult 1999). Nu am importat nimic.")
                            .arg(deAdaugat.size())
                            .arg(libere);
        raport.Omise.clear();
        return raport;
    }

    // The names are settled and written down before the first picture is.
    QSet<QString> luate;
    for (const QString &f : QDir(definitii.CaleProbleme()).entryList(QDir::Files | QDir::Hidden))
        luate.insert(f.toLower());
    for (int i = 2; i <= definitii.NrProbleme; ++i)
        luate.insert(definitii.TabelProbleme[size_t(i)].Fisier.FaraBlancuri().toLower());
    std::vector<Adaugata> deCopiat;
    QStringList jurnal;
    for (int i : deAdaugat) {
        const QString numeSursa = probleme[size_t(i)].Fisier.FaraBlancuri();
        const QString nume = NumeLiber(luate, numeSursa);
        if (!IncapeInInregistrare(nume)) {
            raport.Omise << QStringLiteral("%1: numele nu poate fi păstrat în colecție").arg(numeSursa);
            continue;
        }
        luate.insert(nume.toLower());
        deCopiat.push_back({i, nume});
        jurnal << nume;
    }
    if (!Jurnalizeaza(definitii.Baza(), jurnal, true)) {
        raport.Oprire = definitii.Baza().Raport() + QStringLiteral(" Nu am importat nimic.");
        return raport;
    }

    // First every picture, then the records: a crash while copying leaves
    // pictures that the journal names and no record does, and those the next
    // start deletes (RecupereazaImportul).
    const int total = int(deCopiat.size());
    int facute = 0;
    std::vector<Adaugata> copiate;
    for (const Adaugata &a : deCopiat) {
        const QString numeSursa = probleme[size_t(a.Index)].Fisier.FaraBlancuri();
        progres.Progres(facute++, total, numeSursa);
        if (progres.Anulat()) {
            raport.Anulat = true;
            break;
        }
        QString motiv;
        const std::optional<QByteArray> poza = sursa.Poza(a.Index, motiv);
        const QString cale = definitii.CaleProbleme() + a.Nume;
        if (!poza || !ScrieOctetiPoza(*poza, cale)) {
            raport.Oprire = QStringLiteral("Nu am reușit să scriu imaginea %1. Importul s-a "
                                           "oprit; problemele adăugate până atunci au rămas în "
                                           "colecție.").arg(cale);
            break;
        }
        // Checked back through the one picture reader: what it refuses here
        // the viewer and the page would refuse too. A JPEG is walked to its
        // end rather than decoded, as for a folder of photos.
        const PozaCitita citita = VerificaPoza(cale);
        if (citita.Rezultat != PozaCitita::Stare::Citita) {
            QFile::remove(cale);
            raport.Omise << QStringLiteral("%1: %2").arg(numeSursa, MotivPoza(citita.Rezultat));
            continue;
        }
        copiate.push_back(a);
    }

    std::vector<Adaugata> adaugate;
    for (size_t j = 0; j < copiate.size(); ++j) {
        const Adaugata &a = copiate[j];
        Problema p = probleme[size_t(a.Index)];
        const QString numeSursa = p.Fisier.FaraBlancuri();
        p.Fisier.Atribuie(a.Nume);
        p.Sters = Fals;
        const int k = ++definitii.NrProbleme;
        definitii.TabelProbleme[size_t(k)] = p;
        const bool scrisa = definitii.ScrieProblemaNoua();
        // The report tells why it stopped; a reload that let the append go on
        // changes nothing the report shows.
        const QStringList anunturi = definitii.IaAnunturile();
        if (!scrisa) {
            for (size_t r = j; r < copiate.size(); ++r)
                QFile::remove(definitii.CaleProbleme() + copiate[r].Nume);
            raport.Oprire = (anunturi.isEmpty() ? QString() : anunturi.constLast() + QLatin1Char(' ')) +
                            QStringLiteral("Importul s-a oprit; problemele adăugate până "
                                           "atunci au rămas în colecție.");
            break;
        }
        if (a.Nume != numeSursa)
            raport.Redenumite << QStringLiteral("%1 → %2").arg(numeSursa, a.Nume);
        ++raport.Adaugate;
        adaugate.push_back(a);
    }
    // The problems are whole without what came with them: a database that
    // refuses only means their pictures are recognised here again.
    if (!PastreazaInsotitoarele(definitii, sursa, adaugate) && raport.Oprire.isEmpty())
        raport.Oprire = definitii.Baza().Raport()
                        + QStringLiteral(" Problemele au fost adăugate, dar textul recunoscut și "
                                         "istoricul folosirii venite cu ele nu au fost păstrate; "
                                         "textul va fi recunoscut din nou.");
    Jurnalizeaza(definitii.Baza(), jurnal, false);
    progres.Progres(facute, total, QString());
    return raport;
}

void RecupereazaImportul(mDefinitii &definitii)
{
    BazaDate &baza = definitii.Baza();
    if (!baza.EsteDeschisa() || !definitii.ModificariPermise())
        return;
    QSqlQuery q(baza.Conexiune());
    if (!q.exec(QStringLiteral("SELECT nume FROM import_in_curs")))
        return; // no import ever ran here
    QStringList jurnal;
    while (q.next())
        jurnal << q.value(0).toString();
    q.finish();
    // Another program may be importing right now: its pictures are not
    // orphans. They wait for a start with the collection to itself.
    if (jurnal.isEmpty() || !definitii.SingurCuColectia())
        return;
    // Every record, read again as it is on disk, keeps its picture: a marked
    // one too, since the teacher may still restore it.
    QSet<QString> numite;
    bool citita = false;
    if (const mDefinitii::Scriere scriere = definitii.IncepeScrierea(/*recitesteTot=*/true)) {
        for (int i = 2; i <= definitii.NrProbleme; ++i)
            numite.insert(definitii.TabelProbleme[size_t(i)].Fisier.FaraBlancuri().toLower());
        citita = true;
    }
    definitii.IaAnunturile(); // a collection that cannot be read now waits for the next start
    if (citita) {
        QStringList incheiate;
        for (const QString &nume : jurnal) {
            const QString cale = definitii.CaleProbleme() + nume;
            if (numite.contains(nume.toLower()))
                incheiate << nume;
            else if (!ZavorColectie::ProaspatScris(cale)
                     && (QFile::remove(cale) || !QFile::exists(cale)))
                incheiate << nume;
        }
        Jurnalizeaza(baza, incheiate, false); // the new ones wait for a later start
    }
    definitii.ElibereazaColectiaExclusiva();
}
