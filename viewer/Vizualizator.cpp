#include "viewer/Vizualizator.h"

#include "platform/Platforma.h"
#include "store/CitirePoza.h"
#include "store/mDefinitii.h"

namespace {
// Margin, in pixels, inside the picture's top and left edges where the
// pointer stays an arrow.
constexpr int MargineTragere = 20;
} // namespace

Vizualizator::Vizualizator(mDefinitii &definitii, SuprafataDesen &picture1)
    : m_definitii(definitii)
    , m_picture1(picture1)
{}

void Vizualizator::Form_Load()
{
    Activat = Fals;
    m_definitii.SelectieNoua = Fals;
    Text1Vizibil = false;
}

void Vizualizator::Form_Activate()
{
    Panorama.Activare();
    // The selection can be emptied while the viewer is hidden (the purge
    // renumbers the collection): what it still shows is then gone.
    if (m_definitii.NrSelectie < 2 && (!TextStare.isEmpty() || Text1Vizibil))
        AnuleazaSelectie();
    if (Activat != Fals)
        return;
    Activat = Adevarat;
    if (m_definitii.SelectieNoua != Fals && m_definitii.NrSelectie >= 2) {
        m_definitii.PozitieCurenta = 2;
        ArataProblema(m_definitii.PozitieCurenta);
    }
}

Vizualizator::Urmare Vizualizator::Toolbar1_ButtonClick(const QString &titlu)
{
    mDefinitii &d = m_definitii;
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
        Activat = Fals;
        Text1Vizibil = false;
        return Urmare::Main;
    }
    return Urmare::Ramane;
}

void Vizualizator::ArataProblema(int16_t &Pozitie)
{
    mDefinitii &d = m_definitii;
    if (Pozitie < 2 || Pozitie > d.NrSelectie)
        return;
    const Problema &p = d.TabelProbleme[d.Selectie[Pozitie]];
    Text1 = p.Observatii.FaraBlancuri();
    d.PozitieCurenta = Pozitie;

    const QString fisier = p.Fisier.FaraBlancuri();
    TextStare = fisier + QStringLiteral(" - Capitolul: ") + p.Capitol.FaraBlancuri() +
                QStringLiteral("-Disciplina: ") + p.Disciplina.FaraBlancuri() +
                QStringLiteral("-Clasa: ") + QString::number(p.Clasa) +
                QStringLiteral("-Nivel Nota: ") + QString::number(p.Nivel) + QStringLiteral(" -") +
                QStringLiteral(" Selectia contine: ") + QString::number(d.NrSelectie - 1) +
                QStringLiteral(" inregistrari.");

    IncarcaPoza(d.CalePoza(fisier).Cale);
    m_picture1.Cls();
    Panorama.ImagineNoua();
    Deseneaza(QPoint(0, 0));
}

bool Vizualizator::DefinesteSelectie()
{
    if (m_definitii.NrSelectie >= 2) {
        m_definitii.platforma().Mesaj(QStringLiteral("Anulati mai intai filtru curent!"));
        return false;
    }
    m_definitii.SelectieNoua = Fals;
    Activat = Fals;
    Text1Vizibil = false;
    return true;
}

void Vizualizator::AnuleazaSelectie()
{
    m_definitii.NrSelectie = 1;
    Picture2 = QImage();
    m_picture1.Cls();
    m_picture1.Refresh();
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
    Panorama.Apasa(x, y);
}

std::optional<Qt::CursorShape> Vizualizator::Picture1_MouseMove(double x, double y)
{
    if (const auto la = Panorama.Misca(x, y)) {
        m_picture1.Cls();
        Deseneaza(*la);
        return std::nullopt;
    }
    const double stanga = Panorama.DeplasareX;
    const double sus = Panorama.DeplasareY;
    const bool peste = x > stanga + MargineTragere && x < stanga + Picture2.width() &&
                       y > sus + MargineTragere && y < sus + Picture2.height() &&
                       m_definitii.NrSelectie >= 2;
    return peste ? Qt::SizeAllCursor : Qt::ArrowCursor;
}

void Vizualizator::Picture1_MouseUp(double x, double y)
{
    Deseneaza(Panorama.Elibereaza(x, y));
}

void Vizualizator::IncarcaPoza(const QString &cale)
{
    Picture2 = QImage();
    PozaCitita citita = CitestePoza(cale);
    // Too large to hold is the one case the blank panel would not explain.
    if (citita.Rezultat == PozaCitita::Stare::PreaMare)
        m_definitii.platforma().Mesaj(MesajPozaPreaMare(cale, citita.Marime));
    if (citita.Rezultat != PozaCitita::Stare::Citita)
        return;
    QImage poza = std::move(citita.Poza);
    // Converted once here so that every step of a drag is a plain copy.
    if (poza.format() != QImage::Format_RGB32 &&
        poza.format() != QImage::Format_ARGB32_Premultiplied)
        poza.convertTo(poza.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                              : QImage::Format_RGB32);
    Picture2 = std::move(poza);
}

void Vizualizator::Deseneaza(QPoint la)
{
    m_picture1.Copiaza(Picture2, Picture2.size(), la);
    m_picture1.Refresh();
}
