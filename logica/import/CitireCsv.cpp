#include "logica/import/CitireCsv.h"

#include "model/CodPagina.h"
#include "model/NumeFisier.h"

#include <QStringDecoder>

#include <array>
#include <map>

namespace tezaurel {

namespace {

enum Coloana { Fisier, Clasa, Nivel, Disciplina, Capitol, Observatii, NrColoane };
constexpr std::array<const char *, NrColoane> NumeColoane = {"fisier",     "clasa",   "nivel",
                                                             "disciplina", "capitol", "observatii"};

QString Decodifica(const QByteArray &octeti)
{
    if (octeti.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(octeti.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(octeti);
    if (!utf8.hasError())
        return text;
    return DecodificaAnsi(octeti.constData(), int(octeti.size()));
}

// The separator the header row uses most, counted outside quotes.
QChar Separator(const QString &text)
{
    int virgule = 0, punctVirgule = 0;
    bool inGhilimele = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            inGhilimele = !inGhilimele;
        else if (!inGhilimele && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!inGhilimele && c == QLatin1Char(','))
            ++virgule;
        else if (!inGhilimele && c == QLatin1Char(';'))
            ++punctVirgule;
    }
    return punctVirgule > virgule ? QLatin1Char(';') : QLatin1Char(',');
}

std::optional<int16_t> Numar(const QString &text, int minim, int maxim)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < minim || n > maxim)
        return std::nullopt;
    return int16_t(n);
}

} // namespace

std::vector<InregistrareCsv> DesparteCsv(const QString &text, QChar separator)
{
    std::vector<InregistrareCsv> inregistrari;
    InregistrareCsv curenta{1, {}};
    QString camp;
    bool inGhilimele = false, areCamp = false;
    int linie = 1;
    auto incheieInregistrarea = [&] {
        // A line with nothing on it is no row at all.
        if (areCamp || !curenta.Campuri.isEmpty() || !camp.isEmpty()) {
            curenta.Campuri << camp;
            inregistrari.push_back(curenta);
        }
        camp.clear();
        areCamp = false;
        curenta = {linie, {}};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inGhilimele) {
            if (c == QLatin1Char('"') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('"')) {
                camp += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                inGhilimele = false;
            } else {
                if (c == QLatin1Char('\n'))
                    ++linie;
                camp += c;
            }
        } else if (c == QLatin1Char('"')) {
            inGhilimele = true;
            areCamp = true;
        } else if (c == separator) {
            curenta.Campuri << camp;
            camp.clear();
            areCamp = true;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            ++linie;
            incheieInregistrarea();
        } else {
            camp += c;
        }
    }
    if (inGhilimele)
        curenta.Linie = -curenta.Linie;
    incheieInregistrarea();
    return inregistrari;
}

namespace {

// Where each column is in a row: -1 when the header does not name it.
using Pozitii = std::array<int, NrColoane>;

// The first column of each name wins. An error text when one of the columns
// every row needs is missing; empty otherwise.
QString GasestePozitiile(const QStringList &antet, Pozitii &pozitie)
{
    pozitie.fill(-1);
    for (int i = 0; i < antet.size(); ++i)
        for (int c = 0; c < NrColoane; ++c)
            if (antet[i].trimmed().compare(QLatin1String(NumeColoane[c]), Qt::CaseInsensitive) ==
                    0 &&
                pozitie[c] < 0)
                pozitie[c] = i;
    for (const int c : {Fisier, Clasa, Nivel})
        if (pozitie[c] < 0)
            return QStringLiteral("primul rând nu numește coloana „%1” (sunt așteptate "
                                  "coloanele fisier, clasa, nivel, disciplina, capitol, "
                                  "observatii)")
                .arg(QLatin1String(NumeColoane[c]));
    return {};
}

// One row after the header, into the table's rows or its wrong rows; an
// empty row goes into neither. primaLinie remembers each picture's first row.
void CitesteRand(const InregistrareCsv &inregistrare, const Pozitii &pozitie,
                 qsizetype campuriAntet, std::map<QString, int> &primaLinie, TabelCsv &tabel)
{
    const int linie = qAbs(inregistrare.Linie);
    auto greseala = [&](const QString &motiv) {
        tabel.RanduriGresite
            << QStringLiteral("probleme.csv, rândul %1: %2").arg(linie).arg(TextAfisabil(motiv));
    };
    if (inregistrare.Linie < 0) {
        greseala(QStringLiteral("ghilimelele deschise nu se închid până la sfârșitul fișierului"));
        return;
    }
    if (inregistrare.Campuri.join(QString()).trimmed().isEmpty())
        return;
    if (inregistrare.Campuri.size() > campuriAntet) {
        greseala(QStringLiteral("are %1 câmpuri, mai multe decât cele %2 ale primului rând; "
                                "puneți între ghilimele textele care conțin separatorul")
                     .arg(inregistrare.Campuri.size())
                     .arg(campuriAntet));
        return;
    }
    auto camp = [&](int c) {
        return pozitie[c] >= 0 ? inregistrare.Campuri.value(pozitie[c]) : QString();
    };
    RandCsv rand;
    rand.Linie = linie;
    rand.Fisier = camp(Fisier).trimmed();
    const auto clasa =
        Numar(camp(Clasa), DetaliiProblema::ClasaMinima, DetaliiProblema::ClasaMaxima);
    const auto nivel = Numar(camp(Nivel), DetaliiProblema::NivelMinim, DetaliiProblema::NivelMaxim);
    rand.Detalii.Disciplina = camp(Disciplina).trimmed();
    rand.Detalii.Capitol = camp(Capitol).trimmed();
    rand.Detalii.Observatii = camp(Observatii).trimmed();
    if (const auto motiv = MotivNumeNepermis(rand.Fisier)) {
        greseala(*motiv);
    } else if (!clasa) {
        greseala(QStringLiteral("clasa „%1” nu este un număr între %2 și %3")
                     .arg(camp(Clasa))
                     .arg(DetaliiProblema::ClasaMinima)
                     .arg(DetaliiProblema::ClasaMaxima));
    } else if (!nivel) {
        greseala(QStringLiteral("nivelul „%1” nu este un număr între %2 și %3")
                     .arg(camp(Nivel))
                     .arg(DetaliiProblema::NivelMinim)
                     .arg(DetaliiProblema::NivelMaxim));
    } else if (const auto motivTexte = VerificaDetalii(rand.Detalii)) {
        greseala(*motivTexte);
    } else if (const auto [it, nou] = primaLinie.emplace(rand.Fisier, linie); !nou) {
        greseala(QStringLiteral("fișierul %1 are deja rândul %2").arg(rand.Fisier).arg(it->second));
    } else {
        rand.Detalii.Clasa = *clasa;
        rand.Detalii.Nivel = *nivel;
        tabel.Randuri.push_back(std::move(rand));
    }
}

} // namespace

TabelCsv CitesteCsv(const QByteArray &octeti)
{
    TabelCsv tabel;
    const QString text = Decodifica(octeti);
    const std::vector<InregistrareCsv> inregistrari = DesparteCsv(text, Separator(text));
    if (inregistrari.empty()) {
        tabel.Eroare = QStringLiteral("fișierul nu are niciun rând");
        return tabel;
    }
    Pozitii pozitie;
    const QStringList &antet = inregistrari.front().Campuri;
    tabel.Eroare = GasestePozitiile(antet, pozitie);
    if (!tabel.Eroare.isEmpty())
        return tabel;
    std::map<QString, int> primaLinie;
    for (size_t r = 1; r < inregistrari.size(); ++r)
        CitesteRand(inregistrari[r], pozitie, antet.size(), primaLinie, tabel);
    return tabel;
}

} // namespace tezaurel
