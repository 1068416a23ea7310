#include "logica/import/ImportDosar.h"

#include "logica/import/CitireCsv.h"
#include "interfete/Platforma.h"
#include "model/CitirePoza.h"
#include "model/CodPagina.h"
#include "model/AdaugareProbleme.h"
#include "model/NumeFisier.h"
#include "model/Colectie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtConcurrent/QtConcurrentMap>

#include <map>

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

QString RaportImport::Text() const
{
    QString text =
        QStringLiteral("Probleme adăugate: %1. Omise: %2.").arg(Adaugate).arg(Omise.size());
    if (Anulat)
        text += QStringLiteral("\nImportul a fost anulat; problemele adăugate până atunci au rămas "
                               "în colecție.");
    if (!Oprire.isEmpty())
        text += QLatin1Char('\n') + Oprire;
    for (const QString &motiv : Omise)
        text += QStringLiteral("\n• ") + motiv;
    for (const QString &nume : Redenumite)
        text += QStringLiteral("\n• adăugată sub alt nume: ") + nume;
    return text;
}

ImportDosar::ImportDosar(Colectie &definitii, InterfataImport &interfata)
    : m_definitii(definitii)
    , m_interfata(interfata)
{}

std::optional<RaportImport> ImportDosar::Importa(const QString &dosar)
{
    Platforma &platforma = m_definitii.platforma();
    if (dosar.isEmpty()) {
        platforma.Mesaj(QStringLiteral("Nu ați ales niciun dosar."));
        return std::nullopt;
    }
    if (!QFileInfo(dosar).isDir()) {
        platforma.Mesaj(QStringLiteral("Dosarul nu există: %1").arg(dosar));
        return std::nullopt;
    }
    if (!QFileInfo(m_definitii.CaleProbleme()).isDir()) {
        platforma.Mesaj(QStringLiteral("Dosarul Probleme nu există: %1. Nu a fost adăugată "
                                       "nicio problemă.")
                            .arg(QDir::cleanPath(m_definitii.CaleProbleme())));
        return std::nullopt;
    }
    if (!m_definitii.PoateAdauga()) {
        platforma.ArataAnunturile(m_definitii.IaAnunturile());
        return std::nullopt;
    }

    RaportImport raport;
    const QDir sursa(dosar);
    // Devices, FIFOs and sockets are listed too, so that the report says why
    // they were left out.
    QStringList nume = sursa.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    nume.removeIf(
        [](const QString &n) { return n.compare(ImportDosar::NumeCsv, Qt::CaseInsensitive) == 0; });

    // With a probleme.csv each picture takes its own row's details; without
    // one, all take the same, asked once.
    std::optional<DetaliiProblema> comune;
    std::map<QString, DetaliiProblema> dinCsv;
    const QStringList csv =
        sursa.entryList({NumeCsv}, QDir::Files | QDir::Hidden | QDir::System);
    if (!csv.isEmpty()) {
        const QString caleCsv = sursa.filePath(csv.first());
        const FisierCitit citit = CitesteFisierSursa(caleCsv, dosar, MarimeMaximaCsv,
                                                     [this] { return m_interfata.Anulat(); });
        if (!citit.Octeti) {
            if (!citit.Anulat)
                platforma.Mesaj(QStringLiteral("Nu am reușit să citesc %1. Nu a fost adăugată "
                                               "nicio problemă.")
                                    .arg(caleCsv)
                                + QLatin1Char('\n') + citit.Motiv.left(1).toUpper()
                                + citit.Motiv.mid(1) + QLatin1Char('.'));
            return std::nullopt;
        }
        TabelCsv tabel = CitesteCsv(*citit.Octeti);
        if (!tabel.Eroare.isEmpty()) {
            platforma.Mesaj(QStringLiteral("%1: %2. Nu a fost adăugată nicio problemă.")
                                .arg(caleCsv, tabel.Eroare));
            return std::nullopt;
        }
        raport.Omise = tabel.RanduriGresite;
        for (RandCsv &rand : tabel.Randuri) {
            if (!nume.contains(rand.Fisier))
                raport.Omise << QStringLiteral("probleme.csv, rândul %1: fișierul %2 nu este în "
                                               "dosar")
                                    .arg(rand.Linie)
                                    .arg(rand.Fisier);
            dinCsv.emplace(rand.Fisier, rand.Detalii);
        }
    } else {
        comune = m_interfata.CereDetalii(CapitoleExistente(m_definitii),
                                         DisciplineExistente(m_definitii));
        if (!comune)
            return std::nullopt;
    }

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
        auto omite = [&](const QString &motiv) {
            raport.Omise << TextAfisabil(n) + QStringLiteral(": ") + motiv;
        };
        const QString cale = sursa.filePath(n);
        // Stored under the name the record gives back (ș ț as ş ţ), so the
        // viewer finds the picture again.
        const QByteArray cod = CodificaAnsi(n);
        const QString pastrat = DecodificaAnsi(cod.constData(), int(cod.size()));
        const auto detalii = comune ? comune : [&]() -> std::optional<DetaliiProblema> {
            const auto it = dinCsv.find(n);
            return it == dinCsv.end() ? std::nullopt : std::optional(it->second);
        }();
        if (const auto motiv = MotivNumeNepermis(n)) {
            omite(*motiv);
        } else if (const auto motivPoza = verificari.resultAt(i)) {
            omite(*motivPoza);
        } else if (!detalii) {
            omite(QStringLiteral("nu are un rând bun în probleme.csv"));
        } else {
            QFile fisier(cale);
            std::optional<QByteArray> octeti;
            if (fisier.open(QIODevice::ReadOnly))
                octeti = fisier.readAll();
            if (!octeti || fisier.error() != QFileDevice::NoError) {
                omite(QStringLiteral("nu am reușit să citesc poza"));
                continue;
            }
            Problema p;
            p.Fisier.Atribuie(pastrat);
            detalii->AplicaLa(p);
            const AdaugareProbleme::Rezultat r = adaugare.Adauga(p, *octeti);
            platforma.ArataAnunturile(m_definitii.IaAnunturile());
            if (r.Fel == AdaugareProbleme::Stare::Duplicat) {
                omite(QStringLiteral("aceeași imagine există deja în colecție"));
            } else if (r.Fel == AdaugareProbleme::Stare::Respinsa) {
                raport.Omise << r.Motiv;
            } else if (!r.Adaugata()) {
                raport.Oprire = (r.Motiv.isEmpty() ? QString() : r.Motiv + QLatin1Char(' '))
                                + QStringLiteral("Importul s-a oprit; problemele adăugate până "
                                                 "atunci au rămas în colecție.");
                break;
            } else {
                if (r.Nume != pastrat)
                    raport.Redenumite << QStringLiteral("%1 → %2").arg(n, r.Nume);
                ++raport.Adaugate;
            }
        }
    }
    verificari.cancel();
    verificari.waitForFinished();
    m_interfata.Progres(total, total, QString());
    return raport;
}
