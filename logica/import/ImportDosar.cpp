#include "logica/import/ImportDosar.h"

#include "interfete/Platforma.h"
#include "logica/import/CitireCsv.h"
#include "model/AdaugareProbleme.h"
#include "model/CitirePoza.h"
#include "model/CodPagina.h"
#include "model/Colectie.h"
#include "model/NumeFisier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtConcurrent/QtConcurrentMap>

#include <functional>
#include <map>

namespace tezaurel {

namespace {

// A probleme.csv bigger than this is no list of a folder's pictures.
constexpr qint64 MarimeMaximaCsv = 16 * 1024 * 1024;

// Why the file is not a picture the collection takes; nothing when it is.
// Only a regular file inside the chosen folder is opened at all: a FIFO
// would hold the import, a device never end.
std::optional<QString> MotivNuEPoza(const QString &cale, const QString &dosar)
{
    if (const auto motiv = MotivNuEFisierObisnuit(cale, dosar))
        return motiv;
    if (const qint64 marime = QFileInfo(cale).size(); marime > OctetiMaximiPozaPrimita)
        return QStringLiteral("fișierul are %1 MB, peste limita de %2 MB a unei poze")
            .arg(MarimeInMb(marime), MarimeInMb(OctetiMaximiPozaPrimita));
    QImageReader cititor(cale);
    cititor.setDecideFormatFromContent(true);
    const QByteArray format = cititor.format();
    if (format != "jpeg" && format != "png" && format != "bmp")
        return QStringLiteral("nu este o poză JPEG, PNG sau bitmap");
    const PozaCitita verificata = VerificaPoza(cale);
    switch (verificata.Rezultat) {
    case PozaCitita::Stare::Citita:
        return std::nullopt;
    case PozaCitita::Stare::Incompleta:
        return QStringLiteral("poza este incompletă, îi lipsește sfârșitul");
    case PozaCitita::Stare::PreaMare:
        return QStringLiteral("poza are %1 x %2 pixeli, peste cei 70 de milioane pe care îi "
                              "poate încărca Tezaurel")
            .arg(verificata.Marime.width())
            .arg(verificata.Marime.height());
    default:
        return QStringLiteral("poza nu poate fi citită");
    }
}

} // namespace

bool RaportImport::Noteaza(const AdaugareProbleme::Rezultat &r, const QString &nume,
                           const QString &cerut)
{
    switch (r.Fel) {
    case AdaugareProbleme::Stare::Duplicat:
        Omise << QStringLiteral("%1: aceeași imagine există deja în colecție")
                     .arg(TextAfisabil(nume));
        return true;
    case AdaugareProbleme::Stare::Respinsa:
        Omise << r.Motiv;
        return true;
    default:
        break;
    }
    if (!r.Adaugata()) {
        Oprire = (r.Motiv.isEmpty() ? QString() : r.Motiv + QLatin1Char(' ')) +
                 QStringLiteral("Importul s-a oprit; problemele adăugate până atunci au rămas în "
                                "colecție.");
        return false;
    }
    if (r.Nume != cerut)
        Redenumite << QStringLiteral("%1 → %2").arg(TextAfisabil(nume), r.Nume);
    ++Adaugate;
    return true;
}

QString RaportImport::Text() const
{
    QString text =
        QStringLiteral("Probleme adăugate: %1. Omise: %2.").arg(Adaugate).arg(Omise.size());
    if (Anulat)
        text += QStringLiteral("\nImportul a fost anulat; problemele adăugate până atunci au rămas "
                               "în colecție.");
    if (!Oprire.isEmpty())
        text += QLatin1Char('\n') + Oprire;
    for (const QString &motiv : RanduriCsv + Omise)
        text += QStringLiteral("\n• ") + motiv;
    for (const QString &nume : Redenumite)
        text += QStringLiteral("\n• adăugată sub alt nume: ") + nume;
    return text;
}

ImportDosar::ImportDosar(Colectie &definitii, InterfataImport &interfata)
    : m_definitii(definitii)
    , m_interfata(interfata)
{}

namespace {

// Whether an import into the collection may start from this folder; when not,
// the user has been told why.
bool PoateIncepe(Colectie &definitii, const QString &dosar)
{
    Platforma &platforma = definitii.platforma();
    if (dosar.isEmpty()) {
        platforma.Mesaj(QStringLiteral("Nu ați ales niciun dosar."));
        return false;
    }
    if (!QFileInfo(dosar).isDir()) {
        platforma.Mesaj(QStringLiteral("Dosarul nu există: %1").arg(dosar));
        return false;
    }
    if (!QFileInfo(definitii.CaleProbleme()).isDir()) {
        platforma.Mesaj(QStringLiteral("Dosarul Probleme nu există: %1. Nu a fost adăugată "
                                       "nicio problemă.")
                            .arg(QDir::cleanPath(definitii.CaleProbleme())));
        return false;
    }
    if (!definitii.PoateAdauga()) {
        platforma.ArataAnunturile(definitii.IaAnunturile());
        return false;
    }
    return true;
}

// With a probleme.csv each picture takes its own row's details; without
// one, all take the same, asked once.
struct DetaliiPoze
{
    std::optional<DetaliiProblema> Comune;
    std::map<QString, DetaliiProblema> DinCsv;

    std::optional<DetaliiProblema> Pentru(const QString &nume) const
    {
        if (Comune)
            return Comune;
        const auto it = DinCsv.find(nume);
        return it == DinCsv.end() ? std::nullopt : std::optional(it->second);
    }
};

// The rows of the folder's probleme.csv, by picture; rows that are wrong or
// name no picture of the folder go into the report. Nothing when the file
// cannot be read or parsed (the user was told) or the reading was cancelled.
std::optional<std::map<QString, DetaliiProblema>>
CitesteRanduri(Platforma &platforma, const QString &caleCsv, const QString &dosar,
               const QStringList &nume, RaportImport &raport, const std::function<bool()> &anulat)
{
    const FisierCitit citit = CitesteFisierSursa(caleCsv, dosar, MarimeMaximaCsv, anulat);
    if (!citit.Octeti) {
        if (!citit.Anulat)
            platforma.Mesaj(QStringLiteral("Nu am reușit să citesc %1. Nu a fost adăugată "
                                           "nicio problemă.")
                                .arg(caleCsv) +
                            QLatin1Char('\n') + citit.Motiv.left(1).toUpper() + citit.Motiv.mid(1) +
                            QLatin1Char('.'));
        return std::nullopt;
    }
    TabelCsv tabel = CitesteCsv(*citit.Octeti);
    if (!tabel.Eroare.isEmpty()) {
        platforma.Mesaj(QStringLiteral("%1: %2. Nu a fost adăugată nicio problemă.")
                            .arg(caleCsv, tabel.Eroare));
        return std::nullopt;
    }
    raport.RanduriCsv = tabel.RanduriGresite;
    std::map<QString, DetaliiProblema> dinCsv;
    for (RandCsv &rand : tabel.Randuri) {
        if (!nume.contains(rand.Fisier))
            raport.RanduriCsv << QStringLiteral("probleme.csv, rândul %1: fișierul %2 nu este în "
                                                "dosar")
                                     .arg(rand.Linie)
                                     .arg(rand.Fisier);
        dinCsv.emplace(rand.Fisier, rand.Detalii);
    }
    return dinCsv;
}

// Nothing when the import must not go on: the CSV could not be used or the
// user gave up the form.
std::optional<DetaliiPoze> Detalii(Colectie &definitii, InterfataImport &interfata,
                                   const QString &dosar, const QStringList &nume,
                                   RaportImport &raport)
{
    DetaliiPoze detalii;
    const QDir sursa(dosar);
    const QStringList csv =
        sursa.entryList({ImportDosar::NumeCsv}, QDir::Files | QDir::Hidden | QDir::System);
    if (!csv.isEmpty()) {
        auto dinCsv = CitesteRanduri(definitii.platforma(), sursa.filePath(csv.first()), dosar,
                                     nume, raport, [&interfata] { return interfata.Anulat(); });
        if (!dinCsv)
            return std::nullopt;
        detalii.DinCsv = std::move(*dinCsv);
    } else {
        detalii.Comune = interfata.CereDetalii(CapitoleExistente(definitii),
                                               DisciplineExistente(definitii), int(nume.size()));
        if (!detalii.Comune)
            return std::nullopt;
    }
    return detalii;
}

// The report's line for a picture left out.
QString Omisa(const QString &nume, const QString &motiv)
{
    return TextAfisabil(nume) + QStringLiteral(": ") + motiv;
}

// Whether the import goes on after a picture: it stops when the collection
// could not take one.
enum class Urmare { Continua, Opreste };

Urmare AdaugaPoza(Colectie &definitii, AdaugareProbleme &adaugare, const QString &cale,
                  const QString &n, const DetaliiProblema &detalii, RaportImport &raport)
{
    QFile fisier(cale);
    std::optional<QByteArray> octeti;
    if (fisier.open(QIODevice::ReadOnly))
        octeti = fisier.readAll();
    if (!octeti || fisier.error() != QFileDevice::NoError) {
        raport.Omise << Omisa(n, QStringLiteral("nu am reușit să citesc poza"));
        return Urmare::Continua;
    }
    // Stored under the name the record gives back (ș ț as ş ţ), so the
    // viewer finds the picture again.
    const QByteArray cod = CodificaAnsi(n);
    const QString pastrat = DecodificaAnsi(cod.constData(), int(cod.size()));
    Problema p;
    p.Fisier.Atribuie(pastrat);
    detalii.AplicaLa(p);
    const AdaugareProbleme::Rezultat r = adaugare.Adauga(p, *octeti);
    definitii.platforma().ArataAnunturile(definitii.IaAnunturile());
    return raport.Noteaza(r, n, pastrat) ? Urmare::Continua : Urmare::Opreste;
}

} // namespace

std::optional<RaportImport> ImportDosar::Importa(const QString &dosar)
{
    if (!PoateIncepe(m_definitii, dosar))
        return std::nullopt;

    RaportImport raport;
    const QDir sursa(dosar);
    // Devices, FIFOs and sockets are listed too, so that the report says why
    // they were left out.
    QStringList nume = sursa.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    nume.removeIf(
        [](const QString &n) { return n.compare(ImportDosar::NumeCsv, Qt::CaseInsensitive) == 0; });
    const std::optional<DetaliiPoze> detalii =
        Detalii(m_definitii, m_interfata, dosar, nume, raport);
    if (!detalii)
        return std::nullopt;

    // Decoding is what takes the time, so the pictures are checked on every
    // core, ahead of the copying and appending, which stay in order here.
    QFuture<std::optional<QString>> verificari =
        QtConcurrent::mapped(nume, [cale = sursa.path() + QLatin1Char('/')](const QString &n) {
            return MotivNuEPoza(cale + n, cale);
        });
    // Names, duplicates and the writes are settled under the lock, one
    // picture at a time, so another program may save between two of them.
    AdaugareProbleme adaugare(m_definitii, AdaugareProbleme::Regula::Continut);
    const int total = int(nume.size());
    for (int i = 0; i < total; ++i) {
        const QString &n = nume[i];
        m_interfata.Progres(i, total, n);
        if (m_interfata.Anulat()) {
            raport.Anulat = true;
            break;
        }
        const auto detaliiPoza = detalii->Pentru(n);
        if (const auto motiv = MotivNumeNepermis(n)) {
            raport.Omise << Omisa(n, *motiv);
        } else if (const auto motivPoza = verificari.resultAt(i)) {
            raport.Omise << Omisa(n, *motivPoza);
        } else if (!detaliiPoza) {
            raport.Omise << Omisa(n, QStringLiteral("nu are un rând bun în probleme.csv"));
        } else if (AdaugaPoza(m_definitii, adaugare, sursa.filePath(n), n, *detaliiPoza, raport) ==
                   Urmare::Opreste) {
            break;
        }
    }
    verificari.cancel();
    verificari.waitForFinished();
    m_interfata.Progres(total, total, QString());
    return raport;
}

} // namespace tezaurel
