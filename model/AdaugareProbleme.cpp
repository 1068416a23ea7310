#include "model/AdaugareProbleme.h"

#include "model/BazaDate.h"
#include "model/CodPagina.h"
#include "model/Colectie.h"
#include "model/FormatPoza.h"
#include "model/NumeFisier.h"
#include "model/ZavorColectie.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMultiHash>
#include <QSet>
#include <QSqlQuery>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tezaurel {

namespace {

QByteArray Sha(const QByteArray &octeti)
{
    return QCryptographicHash::hash(octeti, QCryptographicHash::Sha256);
}

QString Tabel(Jurnal jurnal)
{
    return jurnal == Jurnal::Adaugare ? QStringLiteral("import_in_curs")
                                      : QStringLiteral("stergere_in_curs");
}

// luate: the names, in lower case, of the files in Probleme/ and of the
// pictures records name (a marked one's too, which the purge will delete).
QString NumeLiber(const QSet<QString> &luate, const QString &nume)
{
    if (!luate.contains(nume.toLower()))
        return nume;
    const QFileInfo info(nume);
    const QString baza = info.completeBaseName();
    const QString extensie = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 2;; ++n) {
        const QString propus = QStringLiteral("%1 (%2)%3").arg(baza).arg(n).arg(extensie);
        if (!luate.contains(propus.toLower()))
            return propus;
    }
}

int ScrieTot(int fd, const QByteArray &octeti)
{
    const char *p = octeti.constData();
    qint64 rest = octeti.size();
    while (rest > 0) {
        const ssize_t scrise = ::write(fd, p, size_t(rest));
        if (scrise < 0 && errno == EINTR)
            continue;
        if (scrise <= 0)
            return scrise < 0 ? errno : ENOSPC;
        p += scrise;
        rest -= scrise;
    }
    return 0;
}

} // namespace

int ScrieFisierIntreg(const QString &cale, const QByteArray &octeti, bool inlocuieste)
{
    static int numar = 0;
    const QString dosar = QFileInfo(cale).absolutePath() + QLatin1Char('/');
    QByteArray alaturi;
    int fd = -1;
    for (int incercari = 0; fd < 0 && incercari < 100; ++incercari) {
        alaturi = QFile::encodeName(
            dosar + QStringLiteral(".tezaurel-%1-%2.tmp").arg(::getpid()).arg(++numar));
        fd = ::open(alaturi.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return errno;
    }
    if (fd < 0)
        return EEXIST;
    int eroare = ScrieTot(fd, octeti);
    if (eroare == 0 && ::fsync(fd) != 0)
        eroare = errno;
    struct stat st
    {
    };
    if (eroare == 0 && (::fstat(fd, &st) != 0 || st.st_size != octeti.size()))
        eroare = EIO;
    if (::close(fd) != 0 && eroare == 0)
        eroare = errno;
    const QByteArray tinta = QFile::encodeName(cale);
    if (eroare == 0 && inlocuieste && ::rename(alaturi.constData(), tinta.constData()) != 0)
        eroare = errno;
    if (eroare == 0 && !inlocuieste && ::link(alaturi.constData(), tinta.constData()) != 0) {
        eroare = errno;
        // A stick formatted for Windows knows no links; the name is then
        // taken by a rename that refuses to replace.
        if (eroare == EPERM || eroare == EOPNOTSUPP || eroare == EMLINK) {
            eroare = ::renameat2(AT_FDCWD, alaturi.constData(), AT_FDCWD, tinta.constData(),
                                 RENAME_NOREPLACE) == 0
                         ? 0
                         : errno;
        }
    }
    ::unlink(alaturi.constData());
    if (eroare == 0 && (::stat(tinta.constData(), &st) != 0 || st.st_size != octeti.size())) {
        eroare = EIO;
        ::unlink(tinta.constData());
    }
    if (eroare == 0) {
        const int d =
            ::open(QFile::encodeName(dosar).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (d >= 0) {
            ::fsync(d);
            ::close(d);
        }
    }
    return eroare;
}

QString MotivEroareScriere(int eroare)
{
    switch (eroare) {
    case ENOSPC:
        return QStringLiteral("spațiu insuficient pe disc");
    case EDQUOT:
        return QStringLiteral("s-a depășit spațiul permis pe disc");
    case EROFS:
        return QStringLiteral("discul poate fi doar citit");
    case EACCES:
    case EPERM:
        return QStringLiteral("nu aveți dreptul să scrieți acolo");
    case EIO:
        return QStringLiteral("fișierul nu a ajuns întreg pe disc");
    default:
        return QString::fromLocal8Bit(std::strerror(eroare));
    }
}

bool JurnalizeazaPoze(BazaDate &baza, Jurnal jurnal, const QStringList &nume, bool adauga)
{
    if (!baza.EsteDeschisa() || nume.isEmpty())
        return true; // the collection works without its database, and so do its writes
    const QString tabel = Tabel(jurnal);
    return baza.Tranzactie([&](QSqlDatabase &db) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (nume TEXT NOT NULL PRIMARY KEY)")
                        .arg(tabel)))
            return false;
        q.prepare((adauga ? QStringLiteral("INSERT OR REPLACE INTO %1(nume) VALUES (?)")
                          : QStringLiteral("DELETE FROM %1 WHERE nume = ?"))
                      .arg(tabel));
        for (const QString &n : nume) {
            q.addBindValue(n);
            if (!q.exec())
                return false;
        }
        return true;
    });
}

AdaugareProbleme::AdaugareProbleme(Colectie &definitii, Regula regula)
    : m_definitii(definitii)
    , m_regula(regula)
{}

QByteArray AdaugareProbleme::AmprentaFisier(const QString &cale)
{
    const QFileInfo info(cale);
    if (!info.isFile())
        return {};
    const qint64 modificare = info.lastModified().toMSecsSinceEpoch();
    const auto gasita = m_amprente.find(cale);
    if (gasita != m_amprente.end() && gasita->second.Marime == info.size() &&
        gasita->second.Modificare == modificare)
        return gasita->second.Sha;
    QFile fisier(cale);
    if (!fisier.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&fisier);
    m_amprente[cale] = {info.size(), modificare, hash.result()};
    return hash.result();
}

std::optional<QString> AdaugareProbleme::NumeAles(const QString &dorit, const QByteArray &poza,
                                                  Stare &stare)
{
    Colectie &d = m_definitii;
    const QByteArray sha = Sha(poza);
    if (m_regula == Regula::NumeFolosit) {
        if (d.ExistaProblema(dorit)) {
            stare = Stare::NumeFolosit;
            return std::nullopt;
        }
        const CaleGasita existenta = d.CalePoza(dorit);
        if (existenta.EsteGasita() && AmprentaFisier(existenta.Cale) == sha)
            return dorit; // the same picture: the problem takes it as it is
    } else {
        for (int i = 2; i <= d.NrProbleme(); ++i) {
            const Problema &p = d.ProblemaDin(size_t(i));
            if (p.EsteStearsa())
                continue;
            const CaleGasita cale = d.CalePoza(p.Fisier.FaraBlancuri());
            if (cale.EsteGasita() && AmprentaFisier(cale.Cale) == sha) {
                stare = Stare::Duplicat;
                return std::nullopt;
            }
        }
    }
    QSet<QString> luate;
    for (const QString &f :
         QDir(d.CaleProbleme()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System))
        luate.insert(f.toLower());
    for (int i = 2; i <= d.NrProbleme(); ++i)
        luate.insert(d.ProblemaDin(size_t(i)).Fisier.FaraBlancuri().toLower());
    return NumeLiber(luate, dorit);
}

AdaugareProbleme::Rezultat AdaugareProbleme::Adauga(Problema p, const QByteArray &primita,
                                                    const Verificare &verifica)
{
    Colectie &d = m_definitii;
    Rezultat r;
    const auto esec = [&](Stare stare, const QString &motiv) {
        r.Fel = stare;
        r.Motiv = motiv;
        return r;
    };
    // Encoded before the lock is taken: a large scan takes a while.
    const std::optional<PozaStocata> stocata = PozaDeStocat(p.Fisier.FaraBlancuri(), primita);
    if (!stocata)
        return esec(Stare::Respinsa,
                    QStringLiteral("%1: fișierul nu este o imagine").arg(p.Fisier.FaraBlancuri()));
    const QByteArray &poza = stocata->Octeti;
    const auto anunturi = [&] { return d.IaAnunturile().join(QLatin1Char('\n')); };
    Colectie::Scriere scriere = d.IncepeScrierea();
    if (!scriere)
        return esec(Stare::Esuata, anunturi());
    if (scriere.Reincarcata)
        d.Anunta(MesajColectieSchimbata);
    if (!d.PoateAdauga())
        return esec(Stare::Esuata, anunturi());

    const QString dorit = stocata->Nume;
    Stare refuz = Stare::Esuata;
    std::optional<QString> nume = NumeAles(dorit, poza, refuz);
    if (!nume)
        return esec(refuz, QString());
    if (MotivNumeNepermis(*nume))
        return esec(Stare::Respinsa,
                    QStringLiteral("%1: numele nu poate fi păstrat în colecție").arg(dorit));
    const bool refolosita =
        m_regula == Regula::NumeFolosit && *nume == dorit && d.CalePoza(dorit).EsteGasita();
    const QString cale = d.CaleProbleme() + *nume;
    BazaDate &baza = d.Baza();
    const auto uita = [&] { JurnalizeazaPoze(baza, Jurnal::Adaugare, {*nume}, false); };

    if (!refolosita) {
        if (!JurnalizeazaPoze(baza, Jurnal::Adaugare, {*nume}, true))
            return esec(Stare::Esuata,
                        baza.Raport() +
                            QStringLiteral(" Problema %1 nu a fost adăugată.").arg(dorit));
        if (LaPunct)
            LaPunct(Punct::Jurnal);
        const int eroare = ScrieFisierIntreg(cale, poza, /*inlocuieste=*/false);
        if (eroare != 0) {
            uita();
            r.PozaNescrisa = cale;
            return esec(Stare::Esuata, QStringLiteral("Nu am reușit să scriu imaginea %1: %2.")
                                           .arg(cale, MotivEroareScriere(eroare)));
        }
        if (LaPunct)
            LaPunct(Punct::Poza);
        if (verifica) {
            if (const std::optional<QString> motiv = verifica(cale)) {
                QFile::remove(cale);
                uita();
                return esec(Stare::Respinsa, *motiv);
            }
        }
    }

    p.Fisier.Atribuie(*nume);
    p.Sters = Fals;
    if (!d.AdaugaInregistrarea(scriere, p)) {
        if (!refolosita) {
            QFile::remove(cale);
            uita();
        }
        return esec(Stare::Esuata, anunturi());
    }
    if (LaPunct)
        LaPunct(Punct::Inregistrare);
    if (!refolosita)
        uita(); // a journal left behind costs only a look at the next start
    r.Fel = Stare::Adaugata;
    r.Nume = *nume;
    return r;
}

void RecupereazaPozeleJurnalizate(Colectie &definitii)
{
    BazaDate &baza = definitii.Baza();
    if (!baza.EsteDeschisa() || !definitii.ModificariPermise())
        return;
    std::map<Jurnal, QStringList> jurnale;
    for (const Jurnal jurnal : {Jurnal::Adaugare, Jurnal::Stergere}) {
        QSqlQuery q(baza.Conexiune());
        if (!q.exec(QStringLiteral("SELECT nume FROM %1").arg(Tabel(jurnal))))
            continue; // never written here
        while (q.next())
            jurnale[jurnal] << q.value(0).toString();
    }
    if (jurnale.empty() || !definitii.SingurCuColectia())
        return;
    // Every record, read again as it is on disk, keeps the picture its name
    // finds: a marked one's too, since the teacher may still restore it. The
    // name may differ in case from the file (a collection from Windows), and
    // two files may differ only in case: the one a record finds stays, the
    // other is an orphan.
    QMultiHash<QString, QString> numite;
    bool citita = false;
    if (const Colectie::Scriere scriere = definitii.IncepeScrierea(/*recitesteTot=*/true)) {
        for (int i = 2; i <= definitii.NrProbleme(); ++i) {
            const QString nume = definitii.ProblemaDin(size_t(i)).Fisier.FaraBlancuri();
            numite.insert(nume.toCaseFolded(), nume);
        }
        citita = true;
    }
    definitii.IaAnunturile(); // a collection that cannot be read now waits for the next start
    if (citita) {
        for (const auto &[jurnal, nume] : jurnale) {
            QStringList sterse, incheiate;
            for (const QString &n : nume) {
                incheiate << n;
                // Only a plain name of Probleme/ is ever deleted.
                if (MotivNumeNepermis(n))
                    continue;
                const CaleGasita poza = definitii.CalePoza(n);
                if (!poza.EsteGasita())
                    continue;
                bool folosita = false;
                const auto [de, pana] = numite.equal_range(n.toCaseFolded());
                for (auto it = de; it != pana && !folosita; ++it)
                    folosita = definitii.CalePoza(*it).Cale == poza.Cale;
                if (folosita)
                    continue;
                // A program whose lock file was deleted may still be importing
                // it: a picture of the last minutes waits for a later start.
                if (jurnal == Jurnal::Adaugare && ZavorColectie::ProaspatScris(poza.Cale))
                    incheiate.removeLast();
                else if (QFile::remove(poza.Cale))
                    sterse << n;
            }
            // A purge stopped before the papers let go of its problems
            // finishes that too; what fails waits for the next start.
            if (jurnal == Jurnal::Stergere && !baza.ProblemeSterse(sterse))
                continue;
            JurnalizeazaPoze(baza, jurnal, incheiate, false);
        }
    }
    definitii.ElibereazaColectiaExclusiva();
}

} // namespace tezaurel
