#include "logica/vizualizare/Vizualizator.h"

#include "interfete/Platforma.h"
#include "model/CitirePoza.h"
#include "model/SelectieCurenta.h"

namespace tezaurel {

namespace {
// Margin, in pixels, inside the picture's top and left edges where the
// pointer stays an arrow.
constexpr int MargineTragere = 20;
} // namespace

Vizualizator::Vizualizator(SelectieCurenta &selectie, Panza &panou)
    : Poza(panou)
    , m_definitii(selectie.Colectia())
    , m_selectie(selectie)
{}

void Vizualizator::Incarca()
{
    Activat = false;
    m_selectie.SelectieNoua = false;
    ObservatiiVizibile = false;
}

void Vizualizator::Activeaza()
{
    Poza.Activare();
    // The selection can be emptied while the viewer is hidden (the purge
    // renumbers the collection): what it still shows is then gone.
    if (m_selectie.NrSelectie < 2 && (!TextStare.isEmpty() || ObservatiiVizibile))
        AnuleazaSelectie();
    if (Activat)
        return;
    Activat = true;
    if (m_selectie.SelectieNoua && m_selectie.NrSelectie >= 2) {
        m_selectie.PozitieCurenta = 2;
        ArataProblema(m_selectie.PozitieCurenta);
    }
}

Vizualizator::Urmare Vizualizator::Executa(ComandaVizualizare comanda)
{
    Colectie &d = m_definitii;
    SelectieCurenta &s = m_selectie;
    switch (comanda) {
    case ComandaVizualizare::Prima:
        if (s.NrSelectie >= 2) {
            s.PozitieCurenta = 2;
            ArataProblema(s.PozitieCurenta);
        }
        break;
    case ComandaVizualizare::Inainte:
        if (s.PozitieCurenta != s.NrSelectie) {
            s.PozitieCurenta = int16_t(s.PozitieCurenta + 1);
            ArataProblema(s.PozitieCurenta);
        }
        break;
    case ComandaVizualizare::Inapoi:
        if (s.PozitieCurenta != 2) {
            s.PozitieCurenta = int16_t(s.PozitieCurenta - 1);
            ArataProblema(s.PozitieCurenta);
        }
        break;
    case ComandaVizualizare::Ultima:
        s.PozitieCurenta = s.NrSelectie;
        ArataProblema(s.PozitieCurenta);
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
        if (s.NrSelectie < 2) {
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
    SelectieCurenta &s = m_selectie;
    if (Pozitie < 2 || Pozitie > s.NrSelectie)
        return;
    const Problema &p = s.ProblemaLa(Pozitie);
    // The neighbour paging is heading to is read ahead first.
    const int16_t pas = Pozitie < m_aratata ? -1 : 1;
    m_aratata = Pozitie;
    s.PozitieCurenta = Pozitie;
    CompuneTexte(p);

    CachePoze::PozaGata gata = IncarcaPoza(d.CalePoza(p.Fisier.FaraBlancuri()).Cale);
    Poza.Arata(std::move(gata.Citita.Poza), std::move(gata.Afisata), gata.Factor);
    // Read ahead only once the picture asked for is shown: it does not share
    // the processor with them.
    QStringList vecini;
    for (const int16_t vecin : {int16_t(Pozitie + pas), int16_t(Pozitie - pas)})
        if (vecin >= 2 && vecin <= s.NrSelectie)
            vecini << CalePoza(vecin);
    m_cache.Pregateste(CalePoza(Pozitie), vecini, Poza.Zoom());
    emit s.ProblemaAratataSchimbata();
}

QString Vizualizator::CalePoza(int16_t pozitie) const
{
    const Colectie &d = m_definitii;
    const SelectieCurenta &s = m_selectie;
    return d.CalePoza(s.ProblemaLa(pozitie).Fisier.FaraBlancuri()).Cale;
}

void Vizualizator::CompuneTexte(const Problema &p)
{
    Observatii = p.Observatii.FaraBlancuri();
    TextStare =
        p.Fisier.FaraBlancuri() + QStringLiteral(" - Capitolul: ") + p.Capitol.FaraBlancuri() +
        QStringLiteral("-Disciplina: ") + p.Disciplina.FaraBlancuri() + QStringLiteral("-Clasa: ") +
        QString::number(p.Clasa) + QStringLiteral("-Nivel Nota: ") + QString::number(p.Nivel) +
        QStringLiteral(" -") + QStringLiteral(" Selectia contine: ") +
        QString::number(m_selectie.NrSelectie - 1) + QStringLiteral(" inregistrari.");
}

int Vizualizator::SlotCurent() const
{
    const SelectieCurenta &s = m_selectie;
    if (TextStare.isEmpty() || s.PozitieCurenta < 2 || s.PozitieCurenta > s.NrSelectie)
        return 0;
    return s.Pozitii[s.PozitieCurenta];
}

void Vizualizator::ReafiseazaDetalii()
{
    if (const int slot = SlotCurent())
        CompuneTexte(m_definitii.ProblemaDin(slot));
}

bool Vizualizator::DefinesteSelectie()
{
    if (m_selectie.NrSelectie >= 2) {
        m_definitii.platforma().Mesaj(QStringLiteral("Anulati mai intai filtru curent!"));
        return false;
    }
    m_selectie.SelectieNoua = false;
    Activat = false;
    ObservatiiVizibile = false;
    return true;
}

void Vizualizator::AnuleazaSelectie()
{
    m_selectie.NrSelectie = 1;
    Poza.Goleste();
    m_cache.Goleste();
    TextStare.clear();
    ObservatiiVizibile = false;
    emit m_selectie.ProblemaAratataSchimbata();
}

void Vizualizator::ArataAscundeObservatiile()
{
    if (m_selectie.NrSelectie < 2)
        return;
    ObservatiiVizibile = !ObservatiiVizibile;
    const int16_t p = m_selectie.PozitieCurenta;
    // Every new selection starts at its first problem, so the position is
    // inside it; checked all the same, as the table index depends on it.
    if (p >= 2 && p <= m_selectie.NrSelectie)
        Observatii = m_selectie.ProblemaLa(p).Observatii.FaraBlancuri();
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
                       m_selectie.NrSelectie >= 2;
    return peste ? Qt::SizeAllCursor : Qt::ArrowCursor;
}

void Vizualizator::Elibereaza(double x, double y)
{
    Poza.Elibereaza(x, y);
}

void Vizualizator::Panoreaza(int dx, int dy)
{
    if (m_selectie.NrSelectie >= 2)
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
