#include "logica/vizualizare/Vizualizator.h"

#include "interfete/Platforma.h"
#include "model/CitirePoza.h"
#include "model/Colectie.h"

namespace {
// Margin, in pixels, inside the picture's top and left edges where the
// pointer stays an arrow.
constexpr int MargineTragere = 20;
} // namespace

Vizualizator::Vizualizator(Colectie &definitii, Panza &picture1)
    : Picture2(picture1)
    , m_definitii(definitii)
{}

void Vizualizator::Form_Load()
{
    Activat = false;
    m_definitii.SelectieNoua = false;
    Text1Vizibil = false;
}

void Vizualizator::Form_Activate()
{
    Picture2.Activare();
    // The selection can be emptied while the viewer is hidden (the purge
    // renumbers the collection): what it still shows is then gone.
    if (m_definitii.NrSelectie < 2 && (!TextStare.isEmpty() || Text1Vizibil))
        AnuleazaSelectie();
    if (Activat)
        return;
    Activat = true;
    if (m_definitii.SelectieNoua && m_definitii.NrSelectie >= 2) {
        m_definitii.PozitieCurenta = 2;
        ArataProblema(m_definitii.PozitieCurenta);
    }
}

Vizualizator::Urmare Vizualizator::Toolbar1_ButtonClick(const QString &titlu)
{
    Colectie &d = m_definitii;
    if (titlu == QLatin1String("Prima")) {
        if (d.NrSelectie >= 2) {
            d.PozitieCurenta = 2;
            ArataProblema(d.PozitieCurenta);
        }
    } else if (titlu == QLatin1String("Inainte")) {
        if (d.PozitieCurenta != d.NrSelectie) {
            d.PozitieCurenta = int16_t(d.PozitieCurenta + 1);
            ArataProblema(d.PozitieCurenta);
        }
    } else if (titlu == QLatin1String("Inapoi")) {
        if (d.PozitieCurenta != 2) {
            d.PozitieCurenta = int16_t(d.PozitieCurenta - 1);
            ArataProblema(d.PozitieCurenta);
        }
    } else if (titlu == QLatin1String("Ultima")) {
        d.PozitieCurenta = d.NrSelectie;
        ArataProblema(d.PozitieCurenta);
    } else if (titlu == QLatin1String("Defineste selectie")) {
        if (DefinesteSelectie())
            return Urmare::DefSel;
    } else if (titlu == QLatin1String("Anuleaza selectie")) {
        AnuleazaSelectie();
    } else if (titlu == QLatin1String("Arata/Ascunde Obs")) {
        ArataAscundeObs();
    } else if (titlu == QLatin1String("Imprimare")) {
        if (d.NrSelectie < 2) {
            d.platforma().Mesaj(QStringLiteral("Nu avem ce tipari"));
            return Urmare::Ramane;
        }
        return Urmare::Tipareste;
    } else if (titlu == QLatin1String("Revenire Meniu")) {
        Activat = false;
        Text1Vizibil = false;
        return Urmare::Main;
    }
    return Urmare::Ramane;
}

void Vizualizator::ArataProblema(int16_t &Pozitie)
{
    Colectie &d = m_definitii;
    if (Pozitie < 2 || Pozitie > d.NrSelectie)
        return;
    const Problema &p = d.TabelProbleme[d.Selectie[Pozitie]];
    d.PozitieCurenta = Pozitie;
    CompuneTexte(p);

    CachePoze::PozaGata gata = IncarcaPoza(d.CalePoza(p.Fisier.FaraBlancuri()).Cale);
    Picture2.Arata(std::move(gata.Citita.Poza), std::move(gata.Afisata), gata.Factor);
    // Read ahead only once the picture asked for is shown: it does not share
    // the processor with them.
    QStringList vecini;
    for (const int16_t vecin : {int16_t(Pozitie + 1), int16_t(Pozitie - 1)})
        if (vecin >= 2 && vecin <= d.NrSelectie)
            vecini << CalePoza(vecin);
    m_cache.Pregateste(CalePoza(Pozitie), vecini, Picture2.Zoom());
}

QString Vizualizator::CalePoza(int16_t pozitie) const
{
    const Colectie &d = m_definitii;
    return d.CalePoza(d.TabelProbleme[d.Selectie[pozitie]].Fisier.FaraBlancuri()).Cale;
}

void Vizualizator::CompuneTexte(const Problema &p)
{
    Text1 = p.Observatii.FaraBlancuri();
    TextStare = p.Fisier.FaraBlancuri() + QStringLiteral(" - Capitolul: ") +
                p.Capitol.FaraBlancuri() + QStringLiteral("-Disciplina: ") +
                p.Disciplina.FaraBlancuri() + QStringLiteral("-Clasa: ") +
                QString::number(p.Clasa) + QStringLiteral("-Nivel Nota: ") +
                QString::number(p.Nivel) + QStringLiteral(" -") +
                QStringLiteral(" Selectia contine: ") + QString::number(m_definitii.NrSelectie - 1) +
                QStringLiteral(" inregistrari.");
}

int Vizualizator::SlotCurent() const
{
    const Colectie &d = m_definitii;
    if (TextStare.isEmpty() || d.PozitieCurenta < 2 || d.PozitieCurenta > d.NrSelectie)
        return 0;
    return d.Selectie[d.PozitieCurenta];
}

void Vizualizator::ReafiseazaDetalii()
{
    if (const int slot = SlotCurent())
        CompuneTexte(m_definitii.TabelProbleme[slot]);
}

bool Vizualizator::DefinesteSelectie()
{
    if (m_definitii.NrSelectie >= 2) {
        m_definitii.platforma().Mesaj(QStringLiteral("Anulati mai intai filtru curent!"));
        return false;
    }
    m_definitii.SelectieNoua = false;
    Activat = false;
    Text1Vizibil = false;
    return true;
}

void Vizualizator::AnuleazaSelectie()
{
    m_definitii.NrSelectie = 1;
    Picture2.Goleste();
    m_cache.Goleste();
    TextStare.clear();
    Text1Vizibil = false;
}

void Vizualizator::ArataAscundeObs()
{
    if (m_definitii.NrSelectie < 2)
        return;
    Text1Vizibil = !Text1Vizibil;
    const int16_t p = m_definitii.PozitieCurenta;
    // Every new selection starts at its first problem, so the position is
    // inside it; checked all the same, as the table index depends on it.
    if (p >= 2 && p <= m_definitii.NrSelectie)
        Text1 = m_definitii.TabelProbleme[m_definitii.Selectie[p]].Observatii.FaraBlancuri();
}

void Vizualizator::Picture1_MouseDown(double x, double y)
{
    Picture2.Apasa(x, y);
}

std::optional<Qt::CursorShape> Vizualizator::Picture1_MouseMove(double x, double y)
{
    if (Picture2.Panorama.Tragere) {
        Picture2.Misca(x, y);
        return std::nullopt;
    }
    const double stanga = Picture2.Panorama.DeplasareX;
    const double sus = Picture2.Panorama.DeplasareY;
    const QImage &afisata = Picture2.Afisata();
    const bool peste = x > stanga + MargineTragere && x < stanga + afisata.width() &&
                       y > sus + MargineTragere && y < sus + afisata.height() &&
                       m_definitii.NrSelectie >= 2;
    return peste ? Qt::SizeAllCursor : Qt::ArrowCursor;
}

void Vizualizator::Picture1_MouseUp(double x, double y)
{
    Picture2.Elibereaza(x, y);
}

void Vizualizator::Panoreaza(int dx, int dy)
{
    if (m_definitii.NrSelectie >= 2)
        Picture2.Deplaseaza(dx, dy);
}

CachePoze::PozaGata Vizualizator::IncarcaPoza(const QString &cale)
{
    CachePoze::PozaGata gata = m_cache.Ia(cale);
    PozaCitita &citita = gata.Citita;
    // Too large to hold is the one case the blank panel would not explain.
    if (citita.Rezultat == PozaCitita::Stare::PreaMare)
        m_definitii.platforma().Mesaj(MesajPozaPreaMare(cale, citita.Marime));
    if (citita.Rezultat != PozaCitita::Stare::Citita)
        gata = CachePoze::PozaGata();
    return gata;
}
