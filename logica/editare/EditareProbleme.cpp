#include "logica/editare/EditareProbleme.h"

#include "model/CodPagina.h"
#include "model/NumeFisier.h"

#include "interfete/Panza.h"
#include "interfete/Platforma.h"
#include "model/AdaugareProbleme.h"
#include "model/Colectie.h"
#include "model/StocarePoza.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>

#include <cmath>

namespace tezaurel {

namespace {

const QString MesajFaraFisier = QStringLiteral("Nu ati selectat nici un fisier");
const QString MesajNuEJpeg = QStringLiteral("Fisierul selectat nu este in format .jpg or .jpeg");
const QString MesajProblemaExistenta =
    QStringLiteral("Problema existenta! Va trebui stearsa inainte de a o redefini");
const QString MesajProblemaInexistenta =
    QStringLiteral("Problema nu exista in tezaurel si nu poate fi stearsa");
const QString MesajStearsa = QStringLiteral("Problema stearsa cu succes");

const QString PromptClasa =
    QStringLiteral("Introduceti (ca numar) clasa de studiu atasata problemei");
const QString PromptCapitol = QStringLiteral("Introduceti titlul capitolului atasat problemei");
const QString PromptDisciplina = QStringLiteral("Introduceti specialitatea atasata problemei");
const QString PromptNivel = QStringLiteral("Introduceti nivelul de notare atasat problemei");
const QString PromptObservatii =
    QStringLiteral("Introduceti obsevatii auxiliare atasate problemei");

QString MesajPozaNecitita(const QString &cale, const PozaCitita &citita)
{
    switch (citita.Rezultat) {
    case PozaCitita::Stare::Goala:
        return QStringLiteral("Fisierul selectat este gol: %1").arg(cale);
    case PozaCitita::Stare::Incompleta:
        return QStringLiteral("Fisierul selectat este incomplet, imaginea din el este taiata: %1. "
                              "Copiati sau scanati din nou problema.")
            .arg(cale);
    case PozaCitita::Stare::PreaMare:
        return MesajPozaPreaMare(cale, citita.Marime);
    default:
        return QStringLiteral("Nu am reusit sa citesc imaginea din fisierul selectat: %1")
            .arg(cale);
    }
}

} // namespace

EditareProbleme::EditareProbleme(Colectie &definitii, Panza &panza)
    : m_definitii(definitii)
    , m_panza(panza)
    , m_poza(panza)
{}

Platforma &EditareProbleme::platforma() const
{
    return m_definitii.platforma();
}

QString EditareProbleme::DosarInitial() const
{
    const QString probleme = QDir::cleanPath(m_definitii.CaleProbleme());
    return QFileInfo(probleme).isDir() ? probleme : m_definitii.DosarAplicatie();
}

bool EditareProbleme::EsteJpeg(const QString &cale)
{
    const QString extensie = cale.mid(cale.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    return extensie == QLatin1String("jpg") || extensie == QLatin1String("jpeg");
}

QString EditareProbleme::NumeSimplu(const QString &cale)
{
    return cale.mid(cale.lastIndexOf(QLatin1Char('/')) + 1);
}

std::optional<int16_t> EditareProbleme::ConvertesteIntreg(const QString &text)
{
    bool ok = false;
    const double valoare = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    const double rotunjit = std::nearbyint(valoare); // halves to even
    if (!(rotunjit >= -32768.0 && rotunjit <= 32767.0))
        return std::nullopt;
    return int16_t(rotunjit);
}

void EditareProbleme::DeschideFisier()
{
    const QString cale = platforma().AlegeFisier(DosarInitial());
    m_marcataUltima.clear();
    m_numeFisier = cale;
    if (m_numeFisier.isEmpty()) {
        platforma().Mesaj(MesajFaraFisier);
        return;
    }
    if (!EsteJpeg(cale)) {
        platforma().Mesaj(MesajNuEJpeg);
        m_numeFisier.clear();
        return;
    }
    // The record keeps the name in the collection's code page: a name it
    // cannot hold, or one longer than its field, would no longer lead back
    // to the picture.
    const QString nume = NumeSimplu(cale);
    const QByteArray octeti = CodificaAnsi(nume);
    const QString pastrat = DecodificaAnsi(octeti.constData(), int(octeti.size()));
    if (MotivNumeNepermis(nume)) {
        platforma().Mesaj(QStringLiteral("Numele fisierului nu poate fi pastrat in colectie: %1. "
                                         "Redenumiti fisierul folosind litere romanesti sau "
                                         "latine si cel mult 256 de caractere.")
                              .arg(nume));
        m_numeFisier.clear();
        return;
    }
    PozaCitita citita = CitestePoza(cale);
    if (citita.Rezultat != PozaCitita::Stare::Citita) {
        platforma().Mesaj(MesajPozaNecitita(cale, citita));
        m_numeFisier.clear();
        return;
    }
    const QFileInfo info(cale);
    m_caleAleasa = cale;
    m_marimeAleasa = info.size();
    m_modificareAleasa = info.lastModified();
    m_poza.Arata(std::move(citita.Poza));
    // Stored as the record will give it back (comma-below letters as cedilla).
    m_numeFisier = pastrat;
}

PozaCitita EditareProbleme::CitestePoza(const QString &cale) const
{
    // Under the same rules as the viewer and the page, so that every picture
    // stored here can be shown and printed again.
    PozaCitita citita = tezaurel::CitestePoza(cale);
    if (citita.Rezultat != PozaCitita::Stare::Citita)
        return citita;
    QImage &poza = citita.Poza;
    // The holder keeps the canvas's own pixel format, so every drag step is a
    // plain row copy; transparent parts lie on the holder's background.
    if (poza.hasAlphaChannel()) {
        QImage opaca(poza.size(), QImage::Format_RGB32);
        opaca.fill(m_panza.Fundal());
        QPainter(&opaca).drawImage(0, 0, poza);
        poza = std::move(opaca);
    } else {
        poza.convertTo(QImage::Format_RGB32);
    }
    return citita;
}

std::optional<QByteArray> EditareProbleme::OctetiPoza() const
{
    const QString dosar = m_definitii.CaleProbleme();
    if (!QFileInfo(dosar).isDir()) {
        platforma().Mesaj(QStringLiteral("Dosarul Probleme nu exista: %1. "
                                         "Problema nu a fost salvata.")
                              .arg(QDir::cleanPath(dosar)));
        return std::nullopt;
    }
    // A file changed since it was shown would store another picture than the
    // one the teacher saw: the holder is stored instead.
    const QFileInfo aleasa(m_caleAleasa);
    const bool neschimbata =
        aleasa.size() == m_marimeAleasa && aleasa.lastModified() == m_modificareAleasa;
    std::optional<QByteArray> octeti =
        OctetiDeStocat(neschimbata ? m_caleAleasa : QString(), m_poza.Naturala());
    if (!octeti)
        platforma().Mesaj(QStringLiteral("Nu am reusit sa scriu imaginea problemei: %1. "
                                         "Problema nu a fost salvata.")
                              .arg(dosar + m_numeFisier));
    return octeti;
}

int16_t EditareProbleme::CitesteIntreg(const QString &intrebare) const
{
    for (;;) {
        if (const auto raspuns = platforma().CitesteText(intrebare))
            if (const auto numar = ConvertesteIntreg(*raspuns))
                return *numar;
    }
}

QString EditareProbleme::CitesteText(const QString &intrebare) const
{
    return platforma().CitesteText(intrebare).value_or(QString());
}

void EditareProbleme::SalveazaProblema()
{
    if (m_numeFisier.isEmpty())
        return;
    if (m_definitii.ExistaProblema(m_numeFisier)) {
        platforma().Mesaj(MesajProblemaExistenta);
        return;
    }
    if (!m_definitii.PoateAdauga()) {
        platforma().ArataAnunturile(m_definitii.IaAnunturile());
        return;
    }
    const std::optional<QByteArray> octeti = OctetiPoza();
    if (!octeti)
        return;

    Problema problema;
    problema.Fisier.Atribuie(m_numeFisier);
    problema.Clasa = CitesteIntreg(PromptClasa);
    problema.Capitol.Atribuie(CitesteText(PromptCapitol));
    problema.Disciplina.Atribuie(CitesteText(PromptDisciplina));
    problema.Nivel = CitesteIntreg(PromptNivel);
    problema.Observatii.Atribuie(CitesteText(PromptObservatii));

    // Another program may have saved under this name while the teacher typed:
    // the pipeline decides under the lock, against the collection as it is now.
    AdaugareProbleme adaugare(m_definitii, AdaugareProbleme::Regula::NumeFolosit);
    const AdaugareProbleme::Rezultat rezultat = adaugare.Adauga(problema, *octeti);
    platforma().ArataAnunturile(m_definitii.IaAnunturile());
    switch (rezultat.Fel) {
    case AdaugareProbleme::Stare::Adaugata:
        if (rezultat.Nume != m_numeFisier)
            platforma().Mesaj(QStringLiteral("În dosarul Probleme există deja o altă imagine "
                                             "numită %1; problema a fost salvată cu imaginea "
                                             "%2.")
                                  .arg(m_numeFisier, rezultat.Nume));
        Goleste();
        return;
    case AdaugareProbleme::Stare::NumeFolosit:
        platforma().Mesaj(MesajProblemaExistenta);
        return;
    default:
        if (!rezultat.PozaNescrisa.isEmpty())
            platforma().Mesaj(QStringLiteral("Nu am reusit sa scriu imaginea problemei: %1. "
                                             "Problema nu a fost salvata.")
                                  .arg(rezultat.PozaNescrisa) +
                              QLatin1Char('\n') + rezultat.Motiv);
        else if (!rezultat.Motiv.isEmpty())
            platforma().Mesaj(rezultat.Motiv);
        return;
    }
}

bool MarcheazaProblema(Colectie &definitii, const QString &nume)
{
    Platforma &platforma = definitii.platforma();
    const int slot = definitii.SlotProblema(nume);
    if (slot == 0) {
        platforma.Mesaj(MesajProblemaInexistenta);
        return false;
    }
    const bool marcata = definitii.MarcheazaStearsa(slot);
    platforma.ArataAnunturile(definitii.IaAnunturile());
    if (marcata)
        platforma.Mesaj(MesajStearsa);
    return marcata;
}

bool RepuneProblema(Colectie &definitii, const QString &nume)
{
    Platforma &platforma = definitii.platforma();
    // A problem saved again under the same name has taken the marked one's
    // place; two unmarked problems would then share one picture.
    if (definitii.ExistaProblema(nume)) {
        platforma.Mesaj(QStringLiteral("Problema este în colecție și nu este marcată pentru "
                                       "ștergere."));
        return false;
    }
    // The latest of several marked problems with this picture is the one the
    // teacher marked last.
    for (int i = definitii.NrProbleme(); i >= 2; --i) {
        Problema p = definitii.ProblemaDin(i);
        if (p.EsteStearsa() && p.Fisier.FaraBlancuri() == nume) {
            p.Sters = Fals;
            const bool repusa = definitii.RescrieProblema(i, p);
            platforma.ArataAnunturile(definitii.IaAnunturile());
            if (repusa)
                platforma.Mesaj(QStringLiteral("Problema a fost repusă în colecție."));
            return repusa;
        }
    }
    platforma.Mesaj(QStringLiteral("Problema nu este marcată pentru ștergere în tezaurel."));
    return false;
}

void EditareProbleme::StergeProblema()
{
    if (m_numeFisier.isEmpty() || !MarcheazaProblema(m_definitii, m_numeFisier))
        return;
    m_marcataUltima = m_numeFisier;
    Goleste();
}

void EditareProbleme::RepuneProblema()
{
    // Marking empties the window, so the undo right after it has no picture
    // left to name the problem by.
    const QString nume = m_numeFisier.isEmpty() ? m_marcataUltima : m_numeFisier;
    if (nume.isEmpty() || !tezaurel::RepuneProblema(m_definitii, nume))
        return;
    m_marcataUltima.clear();
    Goleste();
}

void EditareProbleme::Goleste()
{
    m_numeFisier.clear();
    m_caleAleasa.clear();
    // Emptied, not released: the holder keeps its size as a blank surface.
    m_poza.Albeste();
}

} // namespace tezaurel
