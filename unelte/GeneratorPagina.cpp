#include "unelte/GeneratorPagina.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace tezaurel {

namespace {

const QStringList Enunturi = {
    QStringLiteral("Rezolvați în mulțimea numerelor reale ecuația"),
    QStringLiteral("Arătați că funcția f este strict crescătoare pe intervalul dat"),
    QStringLiteral("Calculați aria triunghiului ABC în care AB = 6 cm și BC = 8 cm"),
    QStringLiteral("Determinați valorile parametrului real m pentru care"),
    QStringLiteral("Aflați suma primilor zece termeni ai progresiei aritmetice"),
    QStringLiteral("Demonstrați că pentru orice număr natural n are loc inegalitatea"),
    QStringLiteral("Se consideră matricea A și determinantul ei"),
    QStringLiteral("Fie șirul definit prin relația de recurență"),
};
const QStringList Formule = {
    QStringLiteral("f(x) = x² − 5x + 6"),
    QStringLiteral("√(x + 3) = 2x − 1"),
    QStringLiteral("log₂(x + 1) + log₂(x − 1) = 3"),
    QStringLiteral("sin²x + cos²x = 1"),
    QStringLiteral("aₙ₊₁ = 2aₙ + 3, a₁ = 1"),
    QStringLiteral("∫₀¹ (2x + 1) dx = 2"),
    QStringLiteral("lim (1 + 1/n)ⁿ = e"),
    QStringLiteral("|x − 2| ≤ 3 și x ∈ ℤ"),
    QStringLiteral("det(A) = a·d − b·c ≠ 0"),
    QStringLiteral("3ˣ + 3ˣ⁺¹ = 36"),
};

// A line of the problem, cut to the column's width at a word.
QString Rand(QRandomGenerator &aleator, const QFontMetrics &masura, int latime, bool formula)
{
    QString text = formula ? Formule[int(aleator.bounded(Formule.size()))]
                           : Enunturi[int(aleator.bounded(Enunturi.size()))] + QStringLiteral(" ") +
                                 Formule[int(aleator.bounded(Formule.size()))];
    while (masura.horizontalAdvance(text) > latime && text.contains(QLatin1Char(' ')))
        text.truncate(text.lastIndexOf(QLatin1Char(' ')));
    return text;
}

// The box of the ink inside zona of an upright page; empty when there is none.
QRect Cerneala(const QImage &pagina, const QRect &zona)
{
    QRect cutie;
    const QRect z = zona & pagina.rect();
    for (int y = z.top(); y <= z.bottom(); ++y) {
        const QRgb *rand = reinterpret_cast<const QRgb *>(pagina.constScanLine(y));
        for (int x = z.left(); x <= z.right(); ++x)
            if (qGray(rand[x]) < 160)
                cutie |= QRect(x, y, 1, 1);
    }
    return cutie;
}

struct Asezare
{
    int Dpi;
    int Coloane;
    QRandomGenerator Aleator;
};

// Lays the problems out top to bottom, column after column, until the page is full.
void ScrieProbleme(QImage &pagina, Asezare &a, PaginaGenerata &rezultat)
{
    QPainter pictor(&pagina);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(a.Dpi / 6); // 12 points
    pictor.setFont(font);
    pictor.setPen(Qt::black);
    const QFontMetrics masura(font, &pagina);
    const int margine = a.Dpi * 8 / 10, jgheab = a.Dpi * 4 / 10;
    const int pas = masura.lineSpacing() * 12 / 10;
    const int latimeColoana = (pagina.width() - 2 * margine - (a.Coloane - 1) * jgheab) / a.Coloane;
    const int retragere = masura.horizontalAdvance(QStringLiteral("88. "));
    int numar = 1;
    for (int coloana = 0; coloana < a.Coloane; ++coloana) {
        const int stanga = margine + coloana * (latimeColoana + jgheab);
        int y = margine;
        for (;;) {
            const int nrRanduri = 1 + int(a.Aleator.bounded(6));
            if (y + nrRanduri * pas > pagina.height() - margine)
                break;
            std::vector<std::pair<QString, QRect>> randuri;
            for (int r = 0; r < nrRanduri; ++r) {
                const bool subpunct = r > 0 && nrRanduri > 2 && a.Aleator.bounded(3) == 0;
                QString text = Rand(a.Aleator, masura, latimeColoana - retragere * 2, r > 0);
                if (subpunct)
                    text = QStringLiteral("%1) ").arg(QChar(u'a' + r - 1)) + text;
                const int x = r == 0 ? stanga : stanga + retragere;
                if (r == 0)
                    text = QStringLiteral("%1. ").arg(numar) + text;
                pictor.drawText(x, y + masura.ascent(), text);
                randuri.emplace_back(text, QRect(stanga, y, latimeColoana, pas));
                y += pas;
            }
            pictor.end();
            QRect problema;
            for (const auto &[text, zona] : randuri) {
                const QRect cerneala = Cerneala(pagina, zona);
                rezultat.Randuri.push_back({cerneala, text, numar});
                problema |= cerneala;
            }
            rezultat.Probleme.push_back(problema);
            pictor.begin(&pagina);
            pictor.setFont(font);
            ++numar;
            y += pas * (5 + int(a.Aleator.bounded(6))) / 10;
        }
    }
}

// Grey paper, a shadow along one edge, the sensor's noise and a few specks.
void Imbatraneste(QImage &gri, QRandomGenerator &aleator)
{
    const int hartie = 200 + int(aleator.bounded(50));
    const int latura = int(aleator.bounded(4));
    const double latime = 0.12 * (latura < 2 ? gri.width() : gri.height());
    for (int y = 0; y < gri.height(); ++y) {
        uchar *rand = gri.scanLine(y);
        for (int x = 0; x < gri.width(); ++x) {
            const int d = latura == 0   ? x
                          : latura == 1 ? gri.width() - 1 - x
                          : latura == 2 ? y
                                        : gri.height() - 1 - y;
            const double umbra = d >= latime ? 1.0 : 0.45 + 0.55 * d / latime;
            const double zgomot = (int(aleator.bounded(17)) - 8) * 1.0;
            rand[x] = uchar(std::clamp(rand[x] * hartie / 255.0 * umbra + zgomot, 0.0, 255.0));
        }
    }
    for (int i = 0; i < 300; ++i)
        gri.scanLine(int(aleator.bounded(gri.height())))[aleator.bounded(gri.width())] = 40;
}

} // namespace

PaginaGenerata GenereazaPagina(quint32 samanta, int dpi)
{
    PaginaGenerata rezultat;
    Asezare a{dpi, samanta % 2 == 1 ? 2 : 1, QRandomGenerator(samanta)};
    rezultat.Coloane = a.Coloane;
    QImage drept(int(8.27 * dpi), int(11.69 * dpi), QImage::Format_RGB32);
    drept.fill(Qt::white);
    ScrieProbleme(drept, a, rezultat);
    rezultat.Unghi = (int(a.Aleator.bounded(1001)) - 500) / 100.0; // ±5°
    QImage intors(drept.size(), QImage::Format_RGB32);
    intors.fill(Qt::white);
    {
        QPainter pictor(&intors);
        pictor.setRenderHint(QPainter::SmoothPixmapTransform);
        const QPointF centru(drept.width() / 2.0, drept.height() / 2.0);
        pictor.translate(centru);
        pictor.rotate(rezultat.Unghi);
        pictor.translate(-centru);
        pictor.drawImage(0, 0, drept);
    }
    rezultat.Poza = intors.convertToFormat(QImage::Format_Grayscale8);
    Imbatraneste(rezultat.Poza, a.Aleator);
    const int dpm = qRound(dpi / 0.0254);
    rezultat.Poza.setDotsPerMeterX(dpm);
    rezultat.Poza.setDotsPerMeterY(dpm);
    return rezultat;
}

} // namespace tezaurel
