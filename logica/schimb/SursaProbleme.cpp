#include "logica/schimb/SursaProbleme.h"

#include "logica/schimb/Pachet.h"
#include "model/NumeFisier.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <zip.h>

#include <map>

namespace tezaurel {

namespace {

constexpr int UltimulSlot = 2000;

// The problems of a collection file's bytes, as the program's own loader
// keeps them: the count from the header, complete records only, the marked
// problems left out.
std::vector<Problema> ProblemeDin(const QByteArray &octeti)
{
    std::vector<Problema> probleme;
    if (octeti.size() < Problema::MarimeInregistrare)
        return probleme;
    Problema::Inregistrare r{};
    std::copy_n(octeti.constData(), r.size(), r.begin());
    const int numar = std::min<int>(Problema::Decodifica(r).Clasa, UltimulSlot);
    for (int i = 2; i <= numar; ++i) {
        const qsizetype la = qsizetype(i - 1) * Problema::MarimeInregistrare;
        if (la + Problema::MarimeInregistrare > octeti.size())
            break;
        std::copy_n(octeti.constData() + la, r.size(), r.begin());
        const Problema p = Problema::Decodifica(r);
        if (!p.EsteStearsa())
            probleme.push_back(p);
    }
    return probleme;
}

// Windows never told Poza1.JPG from poza1.jpg: when the exact name is not
// there, the one entry that differs only in case is taken; two such are
// left alone rather than guessed between.
QString CaleFaraMajuscule(const QString &dosar, const QString &nume, bool dosare)
{
    const QString exacta = dosar + QLatin1Char('/') + nume;
    if (QFileInfo::exists(exacta))
        return exacta;
    const QStringList gasite = QDir(dosar).entryList({}, (dosare ? QDir::Dirs : QDir::Files) |
                                                             QDir::NoDotAndDotDot | QDir::Hidden);
    QString aleasa;
    for (const QString &g : gasite) {
        if (g.compare(nume, Qt::CaseInsensitive) != 0)
            continue;
        if (!aleasa.isEmpty())
            return {};
        aleasa = dosar + QLatin1Char('/') + g;
    }
    return aleasa;
}

class SursaDosar final : public SursaProbleme
{
public:
    SursaDosar(std::vector<Problema> probleme, QString dosar, QString dosarPoze)
        : m_probleme(std::move(probleme))
        , m_dosar(std::move(dosar))
        , m_dosarPoze(std::move(dosarPoze))
    {}

    const std::vector<Problema> &Probleme() const override { return m_probleme; }

    // The records are another program's, or anyone's: a name is a path here
    // only once it is a plain name, and the file only when it lies in the
    // chosen folder.
    std::optional<QByteArray> Poza(int i, QString &motiv) override
    {
        const QString nume = m_probleme[size_t(i)].Fisier.FaraBlancuri();
        if (const auto nepermis = MotivNumeNepermis(nume)) {
            motiv = *nepermis;
            return std::nullopt;
        }
        const QString cale =
            m_dosarPoze.isEmpty() ? QString() : CaleFaraMajuscule(m_dosarPoze, nume, false);
        if (cale.isEmpty() || !QFileInfo::exists(cale)) {
            motiv = QStringLiteral("imaginea %1 lipsește din colecția de import").arg(nume);
            return std::nullopt;
        }
        FisierCitit citit = CitesteFisierSursa(cale, m_dosar, Pachet::OctetiMaximiPoza);
        if (!citit.Octeti) {
            motiv = citit.Motiv;
            return std::nullopt;
        }
        if (const auto dupa = MotivDateDupaSfarsit(*citit.Octeti)) {
            motiv = *dupa;
            return std::nullopt;
        }
        return std::move(citit.Octeti);
    }

private:
    std::vector<Problema> m_probleme;
    QString m_dosar;
    QString m_dosarPoze;
};

class SursaPachet final : public SursaProbleme
{
public:
    ~SursaPachet() override
    {
        if (m_zip)
            zip_discard(m_zip);
    }

    // "" when the package is whole and agrees with its manifest.
    QString Deschide(const QString &cale, StareLucru *stare)
    {
        int eroare = 0;
        m_zip = zip_open(QFile::encodeName(cale).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &eroare);
        m_stare = stare;
        const QString motiv = Verifica(QFileInfo(cale).fileName());
        m_stare = nullptr;
        return motiv;
    }

    QString Deschide(const QByteArray &octeti)
    {
        m_octeti = octeti;
        zip_error_t eroare;
        zip_error_init(&eroare);
        if (zip_source_t *sursa = zip_source_buffer_create(
                m_octeti.constData(), zip_uint64_t(m_octeti.size()), 0, &eroare)) {
            m_zip = zip_open_from_source(sursa, ZIP_RDONLY | ZIP_CHECKCONS, &eroare);
            if (!m_zip)
                zip_source_free(sursa);
        }
        zip_error_fini(&eroare);
        return Verifica(QStringLiteral("din memorie"));
    }

    QString Verifica(const QString &nume)
    {
        if (!m_zip)
            return QStringLiteral("Fișierul %1 nu este un pachet Tezaurel: arhiva nu poate fi "
                                  "citită.")
                .arg(nume);

        const zip_int64_t intrari = zip_get_num_entries(m_zip, 0);
        if (intrari < 0 || intrari > UltimulSlot + 3)
            return QStringLiteral("Pachetul %1 are prea multe fișiere.").arg(nume);
        zip_int64_t colectie = -1, manifest = -1;
        std::map<QString, std::pair<zip_int64_t, qint64>> poze; // name -> index, size
        for (zip_int64_t i = 0; i < intrari; ++i) {
            zip_stat_t st;
            if (zip_stat_index(m_zip, zip_uint64_t(i), 0, &st) != 0 ||
                !(st.valid & ZIP_STAT_NAME) || !(st.valid & ZIP_STAT_SIZE))
                return QStringLiteral("Pachetul %1 este deteriorat.").arg(nume);
            const QString intrare = QString::fromUtf8(st.name);
            const qint64 marime = qint64(st.size);
            if (intrare == Pachet::NumeColectie &&
                marime <= qint64(UltimulSlot) * Problema::MarimeInregistrare) {
                colectie = i;
            } else if (intrare == Pachet::NumeManifest && marime <= Pachet::OctetiMaximiManifest) {
                manifest = i;
            } else if (intrare == Pachet::DosarPoze) {
                continue;
            } else if (intrare.startsWith(Pachet::DosarPoze)) {
                if (const auto nepermis = MotivNumeNepermis(intrare.mid(Pachet::DosarPoze.size())))
                    return QStringLiteral("Pachetul %1 conține o imagine care nu poate fi primită: "
                                          "%2. Nu am importat nimic.")
                        .arg(nume, *nepermis);
                if (marime > Pachet::OctetiMaximiPoza)
                    return QStringLiteral("Pachetul %1 declară o imagine de %2 MB (%3), peste "
                                          "limita de %4 MB. Nu am importat nimic.")
                        .arg(nume, MarimeInMb(marime), intrare,
                             MarimeInMb(Pachet::OctetiMaximiPoza));
                poze[intrare.mid(Pachet::DosarPoze.size())] = {i, marime};
            } else if (intrare == Pachet::NumeColectie || intrare == Pachet::NumeManifest) {
                return QStringLiteral("Pachetul %1 declară un fișier %2 mai mare decât poate "
                                      "fi. Nu am importat nimic.")
                    .arg(nume, intrare);
            } else {
                return QStringLiteral("Pachetul %1 conține un fișier în afara locului său: %2. "
                                      "Nu am importat nimic.")
                    .arg(nume, intrare);
            }
        }
        if (colectie < 0 || manifest < 0)
            return QStringLiteral("Fișierul %1 nu este un pachet Tezaurel: îi lipsește %2.")
                .arg(nume, colectie < 0 ? Pachet::NumeColectie : Pachet::NumeManifest);

        QByteArray octeti;
        if (!Citeste(colectie, qint64(UltimulSlot) * Problema::MarimeInregistrare, octeti))
            return QStringLiteral("Pachetul %1 este deteriorat.").arg(nume);
        m_probleme = ProblemeDin(octeti);
        if (!Citeste(manifest, Pachet::OctetiMaximiManifest, octeti))
            return QStringLiteral("Pachetul %1 este deteriorat.").arg(nume);
        QJsonParseError eroare;
        const QJsonDocument document = QJsonDocument::fromJson(octeti, &eroare);
        if (eroare.error != QJsonParseError::NoError || !document.isObject())
            return QStringLiteral("Pachetul %1 nu are o listă de conținut validă: %2 nu este un "
                                  "obiect JSON. Nu am importat nimic.")
                .arg(nume, Pachet::NumeManifest);
        return VerificaManifest(nume, document.object(), poze);
    }

    const std::vector<Problema> &Probleme() const override { return m_probleme; }

    std::optional<QByteArray> Poza(int i, QString &motiv) override
    {
        QByteArray octeti;
        if (!Citeste(m_indexPoza[size_t(i)], Pachet::OctetiMaximiPoza, octeti)) {
            motiv = QStringLiteral("imaginea %1 nu poate fi citită din pachet")
                        .arg(m_probleme[size_t(i)].Fisier.FaraBlancuri());
            return std::nullopt;
        }
        return octeti;
    }

    Insotitoare Insotite(int i) const override { return m_insotite[size_t(i)]; }
    QByteArray Amprenta(int i) const override { return m_amprente[size_t(i)]; }

private:
    // Reads one entry whole, never more than limita bytes whatever the
    // archive declares; false when it cannot be read or its checksum fails,
    // and preaMare set (when asked) when it holds more than limita.
    bool Citeste(zip_int64_t index, qint64 limita, QByteArray &octeti, bool *preaMare = nullptr)
    {
        octeti.clear();
        zip_file_t *f = zip_fopen_index(m_zip, zip_uint64_t(index), 0);
        if (!f)
            return false;
        char bucata[1 << 16];
        bool bun = true;
        for (;;) {
            const zip_int64_t n = zip_fread(f, bucata, sizeof bucata);
            if (n < 0 || octeti.size() + n > limita) {
                if (preaMare && n > 0)
                    *preaMare = true;
                bun = false;
                break;
            }
            if (n == 0)
                break;
            octeti.append(bucata, qsizetype(n));
        }
        return zip_fclose(f) == 0 && bun;
    }

    QString VerificaManifest(const QString &nume, const QJsonObject &manifest,
                             const std::map<QString, std::pair<zip_int64_t, qint64>> &poze)
    {
        const QString nepotrivire = QStringLiteral("Pachetul %1 nu se potrivește cu lista lui "
                                                   "de conținut (%2). Nu am importat nimic.");
        if (manifest.value(QStringLiteral("probleme")).toInt(-1) != int(m_probleme.size()))
            return nepotrivire.arg(nume, QStringLiteral("numărul de probleme"));
        std::map<QString, QByteArray> amprente;
        for (const QJsonValue &v : manifest.value(QStringLiteral("poze")).toArray()) {
            const QJsonObject o = v.toObject();
            amprente[o.value(QStringLiteral("fisier")).toString()] =
                QByteArray::fromHex(o.value(QStringLiteral("sha256")).toString().toLatin1());
        }
        if (amprente.size() != poze.size())
            return nepotrivire.arg(nume, QStringLiteral("numărul de imagini"));
        qint64 despachetati = 0;
        if (m_stare)
            m_stare->Total = qint64(m_probleme.size());
        for (const Problema &p : m_probleme) {
            if (m_stare && m_stare->Anulat)
                return QStringLiteral("Verificarea pachetului %1 a fost anulată. Nu am importat "
                                      "nimic.")
                    .arg(nume);
            if (m_stare)
                m_stare->Facute = qint64(m_indexPoza.size());
            const QString numePoza = p.Fisier.FaraBlancuri();
            const auto poza = poze.find(numePoza);
            const auto amprenta = amprente.find(numePoza);
            if (poza == poze.end() || amprenta == amprente.end())
                return nepotrivire.arg(nume, QStringLiteral("lipsește imaginea %1").arg(numePoza));
            // The sizes the archive declares are the sender's word; what is
            // counted is what comes out.
            QByteArray octeti;
            bool preaMare = false;
            if (!Citeste(poza->second.first, Pachet::OctetiMaximiPoza, octeti, &preaMare))
                return preaMare ? QStringLiteral("Pachetul %1 conține imaginea %2 de peste %3 MB, "
                                                 "limita unei imagini. Nu am importat nimic.")
                                      .arg(nume, numePoza, MarimeInMb(Pachet::OctetiMaximiPoza))
                                : QStringLiteral("Pachetul %1 este deteriorat: imaginea %2 nu "
                                                 "poate fi citită. Nu am importat nimic.")
                                      .arg(nume, numePoza);
            despachetati += octeti.size();
            if (despachetati > Pachet::OctetiMaximiPachet)
                return QStringLiteral("Pachetul %1 se despachetează în mai mult de %2 MB, limita "
                                      "unui pachet. Nu am importat nimic.")
                    .arg(nume, MarimeInMb(Pachet::OctetiMaximiPachet));
            if (const auto dupa = MotivDateDupaSfarsit(octeti))
                return QStringLiteral("Pachetul %1: imaginea %2 nu poate fi primită: %3. Nu am "
                                      "importat nimic.")
                    .arg(nume, numePoza, *dupa);
            if (QCryptographicHash::hash(octeti, QCryptographicHash::Sha256) != amprenta->second)
                return nepotrivire.arg(
                    nume, QStringLiteral("imaginea %1 a fost schimbată").arg(numePoza));
            m_indexPoza.push_back(poza->second.first);
            m_amprente.push_back(amprenta->second);
        }
        const QString parte = CitesteInsotitoare(manifest);
        if (!parte.isEmpty())
            return nepotrivire.arg(nume, parte);
        return {};
    }

    // Fills m_insotite from the optional parts; "" when they are absent or
    // sound, otherwise which part is wrong.
    QString CitesteInsotitoare(const QJsonObject &manifest)
    {
        m_insotite.assign(m_probleme.size(), {});
        std::map<QString, size_t> locuri;
        for (size_t i = 0; i < m_probleme.size(); ++i)
            locuri[m_probleme[i].Fisier.FaraBlancuri()] = i;
        // Each entry names a picture of the package; ia takes its value into that
        // problem's companions, false when the value is not what it must be.
        const auto parte = [&](const QString &nume, auto ia) {
            const QJsonValue valoare = manifest.value(nume);
            if (valoare.isUndefined())
                return true;
            const QJsonObject o = valoare.toObject();
            for (auto it = o.begin(); it != o.end(); ++it) {
                const auto loc = locuri.find(it.key());
                if (loc == locuri.end() || !ia(m_insotite[loc->second], it.value()))
                    return false;
            }
            return valoare.isObject();
        };
        if (!parte(Pachet::ParteTexte, [](Insotitoare &insotite, const QJsonValue &v) {
                insotite.Text = v.toString();
                return v.isString();
            }))
            return QStringLiteral("textele recunoscute");
        if (!parte(Pachet::ParteFolosiri, [](Insotitoare &insotite, const QJsonValue &v) {
                for (const QJsonValue &f : v.toArray()) {
                    const QString clasa = f.toObject().value(QStringLiteral("clasa")).toString();
                    const QDate data = QDate::fromString(
                        f.toObject().value(QStringLiteral("data")).toString(), Qt::ISODate);
                    if (clasa.trimmed().isEmpty() || !data.isValid())
                        return false;
                    insotite.Folosiri.push_back({clasa, data});
                }
                return v.isArray();
            }))
            return QStringLiteral("istoricul folosirii");
        if (!parte(Pachet::ParteSolutii, [](Insotitoare &insotite, const QJsonValue &v) {
                insotite.Rezolvare = Pachet::SolutieDinManifest(v);
                return insotite.Rezolvare.has_value();
            }))
            return QStringLiteral("soluțiile pentru barem");
        return {};
    }

    StareLucru *m_stare = nullptr; // while it is opened, when someone waits on it
    QByteArray m_octeti;           // a package read from memory lives as long as its archive
    zip_t *m_zip = nullptr;
    std::vector<Problema> m_probleme;
    std::vector<zip_int64_t> m_indexPoza;
    std::vector<Insotitoare> m_insotite;
    std::vector<QByteArray> m_amprente;
};

} // namespace

std::unique_ptr<SursaProbleme> DeschideSursa(const QString &cale, QString &motiv, StareLucru *stare)
{
    const QFileInfo info(cale);
    if (info.isDir()) {
        const QString colectie = CaleFaraMajuscule(cale, Pachet::NumeColectie, false);
        if (colectie.isEmpty()) {
            motiv = QStringLiteral("Dosarul %1 nu conține o colecție Tezaurel (fișierul "
                                   "Tezaurel.stn).")
                        .arg(QDir::toNativeSeparators(cale));
            return nullptr;
        }
        // Past the last slot nothing is read, but a file that large is no collection.
        const FisierCitit citit = CitesteFisierSursa(colectie, cale, 64LL * 1024 * 1024);
        if (!citit.Octeti) {
            motiv = QStringLiteral("Colecția din dosarul %1 nu poate fi citită: %2.")
                        .arg(QDir::toNativeSeparators(cale), citit.Motiv);
            return nullptr;
        }
        return std::make_unique<SursaDosar>(
            ProblemeDin(*citit.Octeti), cale,
            CaleFaraMajuscule(cale, QStringLiteral("Probleme"), true));
    }
    auto pachet = std::make_unique<SursaPachet>();
    motiv = pachet->Deschide(cale, stare);
    if (!motiv.isEmpty())
        return nullptr;
    return pachet;
}

std::unique_ptr<SursaProbleme> DeschidePachet(const QByteArray &octeti, QString &motiv)
{
    auto pachet = std::make_unique<SursaPachet>();
    motiv = pachet->Deschide(octeti);
    if (!motiv.isEmpty())
        return nullptr;
    return pachet;
}

} // namespace tezaurel
