#include "model/ConversiePoze.h"

#include "model/AdaugareProbleme.h"
#include "model/Colectie.h"
#include "model/FormatPoza.h"
#include "model/NumeFisier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlQuery>

namespace tezaurel {

namespace {

void La(ConversiePoze::Punct punct)
{
    if (ConversiePoze::LaPunct)
        ConversiePoze::LaPunct(punct);
}

// Every statement with its values bound in order, in one transaction.
bool Executa(BazaDate &baza, const QString &sql, const QStringList &valori = {})
{
    return baza.Tranzactie([&](QSqlDatabase &db) {
        QSqlQuery q(db);
        q.prepare(sql);
        for (const QString &v : valori)
            q.addBindValue(v);
        return BazaDate::Executa(q);
    });
}

bool Nesterge(Colectie &d, const QString &vechi)
{
    return Executa(d.Baza(), QStringLiteral("DELETE FROM conversie_in_curs WHERE vechi = ?"),
                   {vechi});
}

// The new picture is the problem's from its first record on: the database
// follows first (a rename that can be undone), then every record, then the
// old picture goes.
bool Incheie(Colectie &d, const QString &vechi, const QString &nou)
{
    if (!d.Baza().PozaRedenumita(vechi, nou))
        return false;
    La(ConversiePoze::Punct::Baza);
    for (int i = 2; i <= d.NrProbleme(); ++i) {
        Problema p = d.ProblemaDin(i);
        // Names that differ only in case are one picture, as on Windows.
        if (p.Fisier.FaraBlancuri().compare(vechi, Qt::CaseInsensitive) != 0)
            continue;
        p.Fisier.Atribuie(nou);
        if (!d.RescrieProblema(i, p))
            return false;
        La(ConversiePoze::Punct::Inregistrare);
    }
    const CaleGasita veche = d.CalePoza(vechi);
    if (veche.EsteGasita() && veche.Cale != d.CalePoza(nou).Cale && !QFile::remove(veche.Cale))
        return false;
    La(ConversiePoze::Punct::PozaVecheStearsa);
    return Nesterge(d, vechi);
}

bool Anuleaza(Colectie &d, const QString &vechi, const QString &nou)
{
    const CaleGasita noua = d.CalePoza(nou);
    if (noua.EsteGasita() && noua.Cale != d.CalePoza(vechi).Cale && !QFile::remove(noua.Cale))
        return false;
    return d.Baza().PozaRedenumita(nou, vechi) && Nesterge(d, vechi);
}

// What a conversion cut short left: a record naming the new picture is the
// sign it got that far.
void Recupereaza(Colectie &d)
{
    QSqlQuery q(d.Baza().Conexiune());
    if (!q.exec(QStringLiteral("SELECT vechi, nou FROM conversie_in_curs")))
        return;
    std::vector<std::pair<QString, QString>> ramase;
    while (q.next())
        ramase.emplace_back(q.value(0).toString(), q.value(1).toString());
    q.finish();
    for (const auto &[vechi, nou] : ramase) {
        bool numita = false;
        for (int i = 2; i <= d.NrProbleme() && !numita; ++i)
            numita = d.ProblemaDin(i).Fisier.FaraBlancuri() == nou;
        numita ? Incheie(d, vechi, nou) : Anuleaza(d, vechi, nou);
    }
}

QString NumeLiber(Colectie &d, const QString &dorit)
{
    QSet<QString> luate;
    for (const QString &f :
         QDir(d.CaleProbleme()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System))
        luate.insert(f.toLower());
    for (int i = 2; i <= d.NrProbleme(); ++i)
        luate.insert(d.ProblemaDin(i).Fisier.FaraBlancuri().toLower());
    const QString baza = dorit.left(dorit.lastIndexOf(QLatin1Char('.')));
    QString propus = dorit;
    for (int n = 2; luate.contains(propus.toLower()); ++n)
        propus = QStringLiteral("%1 (%2).jpg").arg(baza).arg(n);
    return propus;
}

// Empty when done or nothing to do; why not otherwise.
QString ConvertesteUna(Colectie &d, const QString &vechi)
{
    const CaleGasita cale = d.CalePoza(vechi);
    QFile fisier(cale.Cale);
    if (!cale.EsteGasita() || !fisier.open(QIODevice::ReadOnly))
        return {}; // the viewer says what is missing
    if (AreNumeDeStocat(vechi) && EsteStocataCorect(fisier.read(64 * 1024)))
        return {};
    fisier.seek(0);
    const QByteArray octeti = fisier.readAll();
    if (fisier.error() != QFileDevice::NoError)
        return fisier.errorString();
    const std::optional<PozaStocata> stocata = PozaDeStocat(vechi, octeti);
    if (!stocata)
        return {}; // no reader shows it: nothing better to make of it
    if (stocata->Nume == vechi) {
        const int eroare = ScrieFisierIntreg(cale.Cale, stocata->Octeti, /*inlocuieste=*/true);
        La(ConversiePoze::Punct::Poza);
        return eroare ? MotivEroareScriere(eroare) : QString();
    }
    const QString nou = NumeLiber(d, stocata->Nume);
    if (const auto motiv = MotivNumeNepermis(nou))
        return *motiv;
    if (!Executa(
            d.Baza(),
            QStringLiteral("INSERT OR REPLACE INTO conversie_in_curs(vechi, nou) VALUES (?, ?)"),
            {vechi, nou}))
        return d.Baza().Raport();
    La(ConversiePoze::Punct::Jurnal);
    if (const int eroare = ScrieFisierIntreg(d.CaleProbleme() + nou, stocata->Octeti, false)) {
        Nesterge(d, vechi);
        return MotivEroareScriere(eroare);
    }
    La(ConversiePoze::Punct::Poza);
    if (!Incheie(d, vechi, nou))
        return d.IaAnunturile().join(QLatin1Char(' '));
    return {};
}

} // namespace

void ConversiePoze::Converteste(Colectie &d)
{
    BazaDate &baza = d.Baza();
    if (!baza.PoateScrie() || !d.SingurCuColectia())
        return;
    // Reading every picture's first bytes is done once; a name that is no
    // .jpg is seen at every start, from the records alone.
    const bool creata =
        Executa(baza, QStringLiteral("CREATE TABLE IF NOT EXISTS conversie_in_curs "
                                     "(vechi TEXT PRIMARY KEY, nou TEXT NOT NULL)")) &&
        Executa(baza, QStringLiteral("CREATE TABLE IF NOT EXISTS conversie_poze "
                                     "(gata INTEGER NOT NULL)"));
    QSqlQuery gata(baza.Conexiune());
    if (creata && gata.exec(QStringLiteral("SELECT count(*) FROM conversie_poze")) && gata.next()) {
        const bool toate = gata.value(0).toInt() == 0;
        gata.finish();
        Recupereaza(d);
        QSet<QString> vazute;
        QStringList esecuri;
        for (int i = 2; i <= d.NrProbleme(); ++i) {
            const QString nume = d.ProblemaDin(i).Fisier.FaraBlancuri();
            if (vazute.contains(nume.toLower()) || (!toate && AreNumeDeStocat(nume)))
                continue;
            vazute.insert(nume.toLower());
            const QString motiv = ConvertesteUna(d, nume);
            if (!motiv.isEmpty())
                esecuri << QStringLiteral("Poza %1 nu a putut fi transformată în JPEG, cum o "
                                          "citește și programul Tezaurel pentru Windows: %2. "
                                          "Voi încerca din nou la următoarea pornire.")
                               .arg(nume, motiv);
        }
        if (toate && esecuri.isEmpty())
            Executa(baza, QStringLiteral("INSERT INTO conversie_poze(gata) VALUES (1)"));
        for (const QString &esec : esecuri)
            d.Anunta(esec);
    }
    d.ElibereazaColectiaExclusiva();
}

} // namespace tezaurel
