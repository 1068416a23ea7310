#include "logica/schimb/Pachet.h"

#include "interfete/Platforma.h"
#include "logica/cautare/IndexText.h"
#include "logica/lucrari/ArhivaLucrari.h"
#include "logica/schimb/SursaProbleme.h"
#include "model/AdaugareProbleme.h"
#include "model/SelectieCurenta.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <zip.h>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

#include <map>
#include <set>

namespace tezaurel {

namespace {

const QString MesajExportAnulat =
    QStringLiteral("Exportul a fost anulat. Nu a fost scris niciun pachet.");

QByteArray Sha256Fisier(const QString &cale, qint64 &marime)
{
    QFile fisier(cale);
    if (!fisier.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&fisier);
    marime = fisier.size();
    return hash.result();
}

// Scans and photos are compressed already; deflating them again costs time
// and saves nothing. Bitmaps shrink a great deal.
bool MeritaComprimat(const QString &cale)
{
    QFile fisier(cale);
    return fisier.open(QIODevice::ReadOnly) && fisier.peek(2) == "BM";
}

QByteArray ColectieDin(const std::vector<Problema> &probleme)
{
    Problema antet;
    antet.Clasa = int16_t(probleme.size() + 1);
    QByteArray octeti;
    const auto adauga = [&](const Problema &p) {
        const Problema::Inregistrare r = p.Codifica();
        octeti.append(r.data(), r.size());
    };
    adauga(antet);
    for (const Problema &p : probleme)
        adauga(p);
    return octeti;
}

class Arhiva
{
public:
    ~Arhiva()
    {
        if (m_zip)
            zip_discard(m_zip);
    }
    zip_t *m_zip = nullptr;
};

// What goes into a package, gathered from the collection and the database
// on the window's thread; the pictures are read only by the thread that
// writes the package.
struct ContinutPachet
{
    std::vector<Problema> Probleme;
    std::vector<QString> Cai; // each problem's picture, in the order of Probleme
    QJsonArray Poze;          // filled as the pictures are read
    QJsonObject Texte, Folosiri;
    std::map<QString, Solutie> Solutii;
    bool PozeSolutiiOmise = false; // the manifest could not hold them
};

void AdunaProbleme(const Colectie &definitii, const std::vector<int> &sloturi,
                   ContinutPachet &continut)
{
    ArhivaLucrari istoric(definitii.Baza());
    SolutiiProbleme solutii(definitii.Baza());
    std::set<QString> nume;
    for (int slot : sloturi) {
        Problema p = definitii.ProblemaDin(size_t(slot));
        p.Sters = Fals;
        const QString numePoza = p.Fisier.FaraBlancuri();
        if (!nume.insert(numePoza).second)
            continue; // the same problem twice in a paper is exported once
        continut.Probleme.push_back(p);
        continut.Cai.push_back(definitii.CaleProbleme() + numePoza);
        // The colleague's search and history work at once, without
        // recognising the pictures again.
        if (const std::optional<QString> text = IndexText::Text(definitii.Baza(), numePoza))
            continut.Texte.insert(numePoza, *text);
        QJsonArray date;
        for (const ArhivaLucrari::Folosire &f : istoric.Folosiri(numePoza))
            date.append(QJsonObject{{QStringLiteral("clasa"), f.Clasa},
                                    {QStringLiteral("data"), f.Data.toString(Qt::ISODate)}});
        if (!date.isEmpty())
            continut.Folosiri.insert(numePoza, date);
        if (const auto solutie = solutii.Citeste(numePoza); solutie && !solutie->Goala())
            continut.Solutii[numePoza] = *solutie;
    }
}

// Progress in thousandths: reading the pictures is the first half, the
// archive's writing the second.
constexpr qint64 PasiProgres = 1000;

// An error message when a picture cannot be read or the user gave up;
// empty otherwise. Every picture is read before anything is written, so
// either stops the export with no file made.
QString AmprentePoze(ContinutPachet &continut, StareLucru &stare)
{
    const size_t n = continut.Probleme.size();
    for (size_t i = 0; i < n; ++i) {
        if (stare.Anulat)
            return MesajExportAnulat;
        qint64 marime = 0;
        const QByteArray sha = Sha256Fisier(continut.Cai[i], marime);
        if (sha.isEmpty())
            return QStringLiteral("Nu am reușit să citesc imaginea problemei: %1. Pachetul nu a "
                                  "fost scris.")
                .arg(continut.Cai[i]);
        continut.Poze.append(
            QJsonObject{{QStringLiteral("fisier"), continut.Probleme[i].Fisier.FaraBlancuri()},
                        {QStringLiteral("octeti"), marime},
                        {QStringLiteral("sha256"), QString::fromLatin1(sha.toHex())}});
        stare.Facute = qint64(i + 1) * PasiProgres / qint64(n);
    }
    return {};
}

QByteArray Manifest(ContinutPachet &continut)
{
    QJsonObject manifest{{QStringLiteral("program"), QStringLiteral("Tezaurel")},
                         {QStringLiteral("versiune"), QCoreApplication::applicationVersion()},
                         {QStringLiteral("data"), QDate::currentDate().toString(Qt::ISODate)},
                         {QStringLiteral("probleme"), int(continut.Probleme.size())},
                         {QStringLiteral("poze"), continut.Poze}};
    if (!continut.Texte.isEmpty())
        manifest.insert(Pachet::ParteTexte, continut.Texte);
    if (!continut.Folosiri.isEmpty())
        manifest.insert(Pachet::ParteFolosiri, continut.Folosiri);
    // The solutions' pictures go while the manifest stays under what a
    // receiving program reads; their texts and steps go always.
    for (const bool cuPoze : {true, false}) {
        QJsonObject solutii;
        for (const auto &[nume, solutie] : continut.Solutii)
            solutii.insert(nume, Pachet::SolutieInManifest(solutie, cuPoze));
        if (!solutii.isEmpty())
            manifest.insert(Pachet::ParteSolutii, solutii);
        const QByteArray octeti = QJsonDocument(manifest).toJson();
        if (octeti.size() <= Pachet::OctetiMaximiManifest || !cuPoze)
            return octeti;
        continut.PozeSolutiiOmise = true;
    }
    return {};
}

// Queues every entry in the open archive; the buffers are read only when the
// archive is closed, so colectie and manifest must live until then.
bool AdaugaIntrari(zip_t *zip, const QByteArray &colectie, const QByteArray &manifest,
                   const ContinutPachet &continut)
{
    const auto adaugaOcteti = [&](const QString &numeIntrare, const QByteArray &octeti) {
        zip_source_t *sursa =
            zip_source_buffer(zip, octeti.constData(), zip_uint64_t(octeti.size()), 0);
        if (!sursa)
            return false;
        if (zip_file_add(zip, numeIntrare.toUtf8().constData(), sursa,
                         ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(sursa);
            return false;
        }
        return true;
    };
    if (!adaugaOcteti(Pachet::NumeColectie, colectie) ||
        !adaugaOcteti(Pachet::NumeManifest, manifest))
        return false;
    for (size_t i = 0; i < continut.Probleme.size(); ++i) {
        zip_source_t *sursa =
            zip_source_file(zip, QFile::encodeName(continut.Cai[i]).constData(), 0, -1);
        if (!sursa)
            return false;
        const QString numeIntrare = Pachet::DosarPoze + continut.Probleme[i].Fisier.FaraBlancuri();
        const zip_int64_t index = zip_file_add(zip, numeIntrare.toUtf8().constData(), sursa,
                                               ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(sursa);
            return false;
        }
        zip_set_file_compression(zip, zip_uint64_t(index),
                                 MeritaComprimat(continut.Cai[i]) ? ZIP_CM_DEFLATE : ZIP_CM_STORE,
                                 0);
    }
    return true;
}

// libzip neither pushes the file to the disk nor reads it back: a package
// the disk cut short is found here, not by whoever opens it elsewhere. The
// error number when the written package is not whole (and it is then removed).
int VerificaPeDisc(const QString &cale)
{
    const int fd = ::open(QFile::encodeName(cale).constData(), O_RDONLY | O_CLOEXEC);
    const int sincronizat = fd >= 0 && ::fsync(fd) == 0 ? 0 : errno;
    if (fd >= 0)
        ::close(fd);
    int eroare = 0;
    zip_t *verificare = sincronizat == 0 ? zip_open(QFile::encodeName(cale).constData(),
                                                    ZIP_RDONLY | ZIP_CHECKCONS, &eroare)
                                         : nullptr;
    if (!verificare) {
        QFile::remove(cale);
        return sincronizat != 0 ? sincronizat : EIO;
    }
    zip_discard(verificare);
    return 0;
}

// Off the window's thread: touches only the files, never the collection
// or the database.
QString ScriePachet(ContinutPachet &continut, const QString &cale, StareLucru &stare)
{
    stare.Total = 2 * PasiProgres;
    if (const QString eroareCitire = AmprentePoze(continut, stare); !eroareCitire.isEmpty())
        return eroareCitire;
    const QByteArray colectie = ColectieDin(continut.Probleme);
    const QByteArray manifest = Manifest(continut);

    const QString esec = QStringLiteral("Nu am reușit să scriu pachetul %1. Verificați că "
                                        "dosarul există și că puteți scrie în el.")
                             .arg(cale);
    int eroare = 0;
    Arhiva arhiva;
    // libzip writes a temporary file and renames it over cale only once the
    // whole archive is written, so a failure leaves no package half made.
    arhiva.m_zip =
        zip_open(QFile::encodeName(cale).constData(), ZIP_CREATE | ZIP_TRUNCATE, &eroare);
    if (!arhiva.m_zip)
        return esec;
    if (!AdaugaIntrari(arhiva.m_zip, colectie, manifest, continut))
        return esec;
    zip_register_progress_callback_with_state(
        arhiva.m_zip, 0.01,
        [](zip_t *, double parte, void *s) {
            static_cast<StareLucru *>(s)->Facute = PasiProgres + qint64(parte * PasiProgres);
        },
        nullptr, &stare);
    // Given up halfway, libzip drops its temporary file: no package is left,
    // and one that was there before stays as it was.
    zip_register_cancel_callback_with_state(
        arhiva.m_zip, [](zip_t *, void *s) { return int(static_cast<StareLucru *>(s)->Anulat); },
        nullptr, &stare);
    if (zip_close(arhiva.m_zip) != 0) {
        if (stare.Anulat)
            return MesajExportAnulat;
        const int sistem = zip_error_code_system(zip_get_error(arhiva.m_zip));
        return sistem > 0 ? esec + QStringLiteral("\nMotivul: %1.").arg(MotivEroareScriere(sistem))
                          : esec;
    }
    arhiva.m_zip = nullptr;
    if (const int motiv = VerificaPeDisc(cale); motiv != 0)
        return esec + QStringLiteral("\nMotivul: %1.").arg(MotivEroareScriere(motiv));
    return {};
}

} // namespace

QJsonObject Pachet::SolutieInManifest(const Solutie &solutie, bool cuPoza)
{
    QJsonArray pasi;
    for (const PasBarem &p : solutie.Pasi)
        pasi.append(
            QJsonObject{{QStringLiteral("text"), p.Text}, {QStringLiteral("puncte"), p.Puncte}});
    QJsonObject o{{QStringLiteral("text"), solutie.Text}, {QStringLiteral("pasi"), pasi}};
    if (cuPoza && !solutie.Poza.isEmpty())
        o.insert(QStringLiteral("poza"), QString::fromLatin1(solutie.Poza.toBase64()));
    return o;
}

std::optional<Solutie> Pachet::SolutieDinManifest(const QJsonValue &valoare)
{
    const QJsonObject o = valoare.toObject();
    const QJsonValue text = o.value(QStringLiteral("text")), pasi = o.value(QStringLiteral("pasi")),
                     poza = o.value(QStringLiteral("poza"));
    if (!valoare.isObject() || !text.isString() || !pasi.isArray() ||
        !(poza.isUndefined() || poza.isString()))
        return std::nullopt;
    Solutie s;
    s.Text = text.toString();
    for (const QJsonValue &pas : pasi.toArray()) {
        const QJsonValue t = pas.toObject().value(QStringLiteral("text")),
                         p = pas.toObject().value(QStringLiteral("puncte"));
        if (!t.isString() || !p.isDouble() || p.toDouble() < 0 || p.toDouble() > 1000)
            return std::nullopt;
        s.Pasi.push_back({t.toString(), p.toDouble()});
    }
    if (poza.isString()) {
        const auto octeti = QByteArray::fromBase64Encoding(poza.toString().toLatin1(),
                                                           QByteArray::AbortOnBase64DecodingErrors);
        // Only a picture this program shows, under the same rules as a problem's.
        if (!octeti || MotivDateDupaSfarsit(*octeti) || QImage::fromData(*octeti).isNull())
            return std::nullopt;
        s.Poza = *octeti;
    }
    return s;
}

QString Pachet::Exporta(const Colectie &definitii, const std::vector<int> &sloturi,
                        const QString &cale, const RulareInFundal &rulare, QString *nota)
{
    if (sloturi.empty())
        return QStringLiteral("Selecția nu conține nicio problemă de exportat.");
    ContinutPachet continut;
    AdunaProbleme(definitii, sloturi, continut);
    StareLucru stare;
    QString rezultat;
    rulare(QStringLiteral("Scriu pachetul %1…").arg(QFileInfo(cale).fileName()), stare,
           [&] { rezultat = ScriePachet(continut, cale, stare); });
    if (nota && rezultat.isEmpty() && continut.PozeSolutiiOmise)
        *nota =
            QStringLiteral("Pozele soluțiilor nu au încăput în pachet: au plecat doar textele "
                           "și pașii lor din barem. Exportați mai puține probleme deodată ca să "
                           "le trimiteți și pozele.");
    return rezultat;
}

void Pachet::ExportaSelectia(const SelectieCurenta &selectie, const RulareInFundal &rulare)
{
    const Colectie &definitii = selectie.Colectia();
    Platforma &platforma = definitii.platforma();
    if (selectie.NrSelectie < 2) {
        platforma.Mesaj(QStringLiteral("Nu este nicio problemă selectată. Definiți mai întâi o "
                                       "selecție, apoi exportați-o."));
        return;
    }
    QString cale =
        platforma.AlegeFisierSalvare(definitii.CaleTeste() + QStringLiteral("selectie") + Extensie);
    if (cale.isEmpty())
        return;
    if (!cale.endsWith(Extensie))
        cale += Extensie;
    std::vector<int> sloturi;
    for (int i = 2; i <= selectie.NrSelectie; ++i)
        sloturi.push_back(selectie.Pozitii[size_t(i)]);
    QString nota;
    const QString eroare = Exporta(definitii, sloturi, cale, rulare, &nota);
    platforma.Mesaj(eroare.isEmpty()
                        ? QStringLiteral("Pachetul a fost scris: %1. Probleme exportate: %2.")
                                  .arg(cale)
                                  .arg(sloturi.size()) +
                              (nota.isEmpty() ? QString() : QStringLiteral("\n") + nota)
                        : eroare);
}

} // namespace tezaurel
