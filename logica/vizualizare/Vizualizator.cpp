#include "logica/vizualizare/Vizualizator.h"

#include "interfete/Platforma.h"
#include "model/CitirePoza.h"
#include "model/Colectie.h"

namespace tezaurel {

namespace {
// Margin, in pixels, inside the picture's top and left edges where the
// pointer stays an arrow.
constexpr int MargineTragere = 20;
} // namespace

Vizualizator::Vizualizator(Colectie &definitii, Panza &panou)
    : Poza(panou)
    , m_definitii(definitii)
{}

void Vizualizator::Incarca()
{
    Activat = false;
    m_definitii.SelectieNoua = false;
    ObservatiiVizibile = false;
}

void Vizualizator::Activeaza()
{
    Poza.Activare();
    // The selection can be emptied while the viewer is hidden (the purge
    // renumbers the collection): what it still shows is then gone.
    if (m_definitii.NrSelectie < 2 && (!TextStare.isEmpty() || ObservatiiVizibile))
        AnuleazaSelectie();
    if (Activat)
        return;
    Activat = true;
    if (m_definitii.SelectieNoua && m_definitii.NrSelectie >= 2) {
        m_definitii.PozitieCurenta = 2;
        ArataProblema(m_definitii.PozitieCurenta);
    }
}

Vizualizator::Urmare Vizualizator::Executa(ComandaVizualizare comanda)
{
    Colectie &d = m_definitii;
    switch (comanda) {
    case ComandaVizualizare::Prima:
        if (d.NrSelectie >= 2) {
            d.PozitieCurenta = 2;
            ArataProblema(d.PozitieCurenta);
        }
        break;
    case ComandaVizualizare::Inainte:
        if (d.PozitieCurenta != d.NrSelectie) {
            d.PozitieCurenta = int16_t(d.PozitieCurenta + 1);
            ArataProblema(d.PozitieCurenta);
        }
        break;
    case ComandaVizualizare::Inapoi:
        if (d.PozitieCurenta != 2) {
            d.PozitieCurenta = int16_t(d.PozitieCurenta - 1);
            ArataProblema(d.PozitieCurenta);
        }
        break;
    case ComandaVizualizare::Ultima:
        d.PozitieCurenta = d.NrSelectie;
        ArataProblema(d.PozitieCurenta);
        break;
    case ComandaVizualizare::DefinesteSelectie:
        if (DefinesteSelectie())
            return Urmare::Selectie;
        break;
    case ComandaVizualizare::AnuleazaSelectie:
        AnuleazaSelectie();
        break;
    case ComandaVizualizare::ObservatiiArataAscunde:
        ArataAscundeObservatiile();
        break;
    case ComandaVizualizare::Imprimare:
        if (d.NrSelectie < 2) {
            d.platforma().Mesaj(QStringLiteral("Nu avem ce tipari"));
            return Urmare::Ramane;
        }
        return Urmare::Tiparire;
    case ComandaVizualizare::Revenire:
        Activat = false;
        ObservatiiVizibile = false;
        return Urmare::Principala;
    }
    return Urmare::Ramane;
}

void Vizualizator::ArataProblema(int16_t &Pozitie)
{
    Colectie &d = m_definitii;
    if (Pozitie < 2 || Pozitie > d.NrSelectie)
        return;
    const Problema &p = d.ProblemaDin(d.Selectie[Pozitie]);
    d.PozitieCurenta = Pozitie;
    CompuneTexte(p);

    CachePoze::PozaGata gata = IncarcaPoza(d.CalePoza(p.Fisier.FaraBlancuri()).Cale);
    Poza.Arata(std::move(gata.Citita.Poza), std::move(gata.Afisata), gata.Factor);
    // Read ahead only once the picture asked for is shown: it does not share
    // the processor with them.
    QStringList vecini;
    for (const int16_t vecin : {int16_t(Pozitie + 1), int16_t(Pozitie - 1)})
        if (vecin >= 2 && vecin <= d.NrSelectie)
            vecini << CalePoza(vecin);
    m_cache.Pregateste(CalePoza(Pozitie), vecini, Poza.Zoom());
}

QString Vizualizator::CalePoza(int16_t pozitie) const
{
    const Colectie &d = m_definitii;
    return d.CalePoza(d.ProblemaDin(d.Selectie[pozitie]).Fisier.FaraBlancuri()).Cale;
}

void Vizualizator::CompuneTexte(const Problema &p)
{
    Observatii = p.Observatii.FaraBlancuri();
    TextStare =
        p.Fisier.FaraBlancuri() + QStringLiteral(" - Capitolul: ") + p.Capitol.FaraBlancuri() +
        QStringLiteral("-Disciplina: ") + p.Disciplina.FaraBlancuri() + QStringLiteral("-Clasa: ") +
        QString::number(p.Clasa) + QStringLiteral("-Nivel Nota: ") + QString::number(p.Nivel) +
        QStringLiteral(" -") + QStringLiteral(" Selectia contine: ") +
        QString::number(m_definitii.NrSelectie - 1) + QStringLiteral(" inregistrari.");
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
        CompuneTexte(m_definitii.ProblemaDin(slot));
}

bool Vizualizator::DefinesteSelectie()
{
    if (m_definitii.NrSelectie >= 2) {
        m_definitii.platforma().Mesaj(QStringLiteral("Anulati mai intai filtru curent!"));
        return false;
    }
    m_definitii.SelectieNoua = false;
    Activat = false;
    ObservatiiVizibile = false;
    return true;
}

void Vizualizator::AnuleazaSelectie()
{
    m_definitii.NrSelectie = 1;
    Poza.Goleste();
    m_cache.Goleste();
    TextStare.clear();
    ObservatiiVizibile = false;
}

void Vizualizator::ArataAscundeObservatiile()
{
    if (m_definitii.NrSelectie < 2)
        return;
    ObservatiiVizibile = !ObservatiiVizibile;
    const int16_t p = m_definitii.PozitieCurenta;
    // Every new selection starts at its first problem, so the position is
    // inside it; checked all the same, as the table index depends on it.
    if (p >= 2 && p <= m_definitii.NrSelectie)
        Observatii = m_definitii.ProblemaDin(m_definitii.Selectie[p]).Observatii.FaraBlancuri();
}

void Vizualizator::Apasa(double x, double y)
{
    Poza.Apasa(x, y);
}

std::optional<Qt::CursorShape> Vizualizator::Misca(double x, double y)
{
    if (Poza.Panorama.Tragere) {
        Poza.Misca(x, y);
        return std::nullopt;
    }
    const double stanga = Poza.Panorama.DeplasareX;
    const double sus = Poza.Panorama.DeplasareY;
    const QImage &afisata = Poza.Afisata();
    const bool peste = x > stanga + MargineTragere && x < stanga + afisata.width() &&
                       y > sus + MargineTragere && y < sus + afisata.height() &&
                       m_definitii.NrSelectie >= 2;
    return peste ? Qt::SizeAllCursor : Qt::ArrowCursor;
}

void Vizualizator::Elibereaza(double x, double y)
{
    Poza.Elibereaza(x, y);
}

void Vizualizator::Panoreaza(int dx, int dy)
{
    if (m_definitii.NrSelectie >= 2)
        Poza.Deplaseaza(dx, dy);
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

} // namespace tezaurel
