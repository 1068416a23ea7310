#include "logica/tiparire/CompunePagina.h"

#include "interfete/Imprimanta.h"
#include "interfete/Platforma.h"
#include "logica/tiparire/VerificareTiparire.h"
#include "model/CitirePoza.h"
#include "model/SelectieCurenta.h"

#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>

namespace tezaurel {

namespace {

// Where the picture of the problem the viewer shows lives; empty when none is shown.
QString CalePozaCurenta(const SelectieCurenta &selectie)
{
    const Problema *p = selectie.ProblemaAratata();
    const QString nume = p ? p->Fisier.FaraBlancuri() : QString();
    if (nume.isEmpty())
        return {};
    return selectie.Colectia().CalePoza(nume).Cale;
}

PozaCitita CitestePozaCurenta(const SelectieCurenta &selectie)
{
    const QString cale = CalePozaCurenta(selectie);
    return cale.isEmpty() ? PozaCitita() : CitestePoza(cale);
}

} // namespace

QImage PaginaFisier(const AsezarePagina &asezare, const QString &antet, const QImage &poza)
{
    QImage pagina(Pagina::MarimeFisier(), QImage::Format_RGB32);
    pagina.fill(Qt::white);
    // 96 dots to the inch, so a viewer shows the page at its real size.
    pagina.setDotsPerMeterX(3780);
    pagina.setDotsPerMeterY(3780);
    QPainter pictor(&pagina);
    DeseneazaPagina(pictor, asezare, antet, poza);
    return pagina;
}

namespace {

void Tipareste(const AsezarePagina &asezare, const DatePagina &date, const QImage &poza,
               Imprimanta &imprimanta)
{
    imprimanta.SeteazaExemplare(date.NrExemplare);
    imprimanta.SeteazaPortret();
    QPainter *pictor = imprimanta.IncepePagina();
    if (!pictor)
        return;
    DeseneazaPagina(*pictor, asezare, date.Antet, poza);
    imprimanta.TerminaDocument();
}

bool Salveaza(const QImage &pagina, const QString &cale)
{
    // The rename at the end asks only the folder's leave, so a page marked
    // read-only would be replaced: refused here, for root too, as rm warns.
    const QFileInfo existent(cale);
    constexpr QFile::Permissions Scriere =
        QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (existent.exists() && (!existent.isWritable() || !(existent.permissions() & Scriere)))
        return false;
    // Written aside and renamed at the end: a failed save leaves an earlier
    // page of that name as it was, and a missing teste/ leaves nothing behind.
    QSaveFile fisier(cale);
    // A folder closed to new files still lets a page already in it be rewritten in place.
    fisier.setDirectWriteFallback(true);
    if (!fisier.open(QIODevice::WriteOnly))
        return false;
    if (!pagina.save(&fisier, "BMP")) {
        fisier.cancelWriting();
        return false;
    }
    return fisier.commit();
}

} // namespace

void CompunePagina(bool LaImprimanta, const DatePagina &date, const SelectieCurenta &selectie,
                   Imprimanta &imprimanta)
{
    const Colectie &definitii = selectie.Colectia();
    Platforma &platforma = definitii.platforma();
    PozaCitita citita = CitestePozaCurenta(selectie);
    // The page then carries the header alone, as for any picture that cannot
    // be read; the user is told why, as the viewer told them.
    if (citita.Rezultat == PozaCitita::Stare::PreaMare)
        platforma.Mesaj(MesajPozaPreaMare(CalePozaCurenta(selectie), citita.Marime));
    const QImage poza = std::move(citita.Poza);
    const AsezarePagina asezare = AseazaPagina(date.Stanga, date.Dreapta, date.Sus, poza.size());
    if (LaImprimanta) {
        Tipareste(asezare, date, poza, imprimanta);
        return;
    }

    const QString numeFisier = date.NumeFisier + QStringLiteral(".jpg");
    if (Salveaza(PaginaFisier(asezare, date.Antet, poza), definitii.CaleTeste() + numeFisier))
        platforma.Mesaj(QStringLiteral("A fost creat fisierul: ") + numeFisier +
                        QStringLiteral(" in folderul de lucru al aplicatiei."));
    else
        platforma.Mesaj(QStringLiteral(
            "A intervenit o eroare la salvarea fisierului. Verificati mediul de stocare."));
}

} // namespace tezaurel
