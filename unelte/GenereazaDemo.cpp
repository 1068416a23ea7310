// tezaurel_demo <application folder>
//
// Fills an application folder that has no collection yet with a small
// demonstration collection: the problems' texts are rendered into pictures
// in Probleme/ and appended to Tezaurel.stn exactly as the editor does, so a
// first run can select, view and print at once.
#include "model/AdaugareProbleme.h"
#include "model/Colectie.h"
#include "unelte/GeneratorPagina.h"
#include "unelte/PlatformaTacuta.h"

#include <QBuffer>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextLayout>

#include <cstdio>

using namespace tezaurel;

namespace {

struct ProblemaDemo
{
    int clasa;
    int nivel;
    const char *disciplina;
    const char *capitol;
    const char *observatii;
    const char *text;
};

const ProblemaDemo Probleme[] = {
    {5, 5, "Aritmetică", "Numere naturale", "", "Calculaţi: 125 + 375 − 2 · (48 : 6 + 12)."},
    {5, 6, "Aritmetică", "Numere naturale", "Se poate da ca temă.",
     "Aflaţi numărul natural n ştiind că 3 · n + 17 = 98."},
    {5, 7, "Aritmetică", "Fracţii ordinare", "",
     "Ana a citit 2/5 dintr-o carte de 240 de pagini. Câte pagini mai are de citit?"},
    {6, 6, "Aritmetică", "Divizibilitate", "",
     "Determinaţi cel mai mare divizor comun şi cel mai mic multiplu comun al numerelor 84 şi "
     "126."},
    {6, 7, "Geometrie", "Unghiuri", "Desen obligatoriu.",
     "Două unghiuri adiacente suplementare au măsurile în raportul 2 : 7. "
     "Aflaţi măsurile unghiurilor."},
    {6, 8, "Aritmetică", "Rapoarte şi proporţii", "",
     "Trei muncitori termină o lucrare în 12 zile. În câte zile termină aceeaşi lucrare "
     "4 muncitori care lucrează în acelaşi ritm?"},
    {7, 6, "Algebră", "Numere reale", "", "Arătaţi că numărul a = √2 · (√8 + √18) este natural."},
    {7, 8, "Geometrie", "Triunghiul dreptunghic", "Teorema lui Pitagora.",
     "Într-un triunghi dreptunghic catetele au 6 cm şi 8 cm. Aflaţi ipotenuza şi înălţimea "
     "corespunzătoare ipotenuzei."},
    {8, 7, "Algebră", "Ecuaţii şi inecuaţii", "",
     "Rezolvaţi în mulţimea numerelor reale inecuaţia 2(x − 3) + 5 ≤ 4x + 1."},
    {8, 9, "Geometrie", "Corpuri geometrice", "Pentru olimpiadă.",
     "Un cub are diagonala de 6√3 cm. Aflaţi aria totală şi volumul cubului."},
    {9, 6, "Algebră", "Funcţii", "",
     "Se consideră funcţia f : ℝ → ℝ, f(x) = 2x − 3. Calculaţi f(0) + f(1) + … + f(10)."},
    {9, 7, "Algebră", "Progresii", "",
     "Determinaţi al zecelea termen al progresiei aritmetice 3, 7, 11, …"},
    {9, 8, "Geometrie", "Vectori", "",
     "În triunghiul ABC, M este mijlocul laturii BC. Arătaţi că AB + AC = 2·AM (vectori)."},
    {10, 7, "Algebră", "Funcţia exponenţială", "", "Rezolvaţi ecuaţia 2^(x+1) + 2^x = 24."},
    {10, 8, "Algebră", "Numere complexe", "",
     "Calculaţi modulul numărului complex z = (3 + 4i) / (1 − i)."},
    {10, 9, "Trigonometrie", "Formule trigonometrice", "Şi pentru clasa a XI-a.",
     "Ştiind că sin x = 3/5 şi x ∈ (π/2, π), calculaţi cos x şi tg 2x."},
    {11, 8, "Analiză matematică", "Limite de funcţii", "",
     "Calculaţi limita lim (x→∞) (√(x² + 3x) − x)."},
    {11, 9, "Algebră", "Matrice şi determinanţi", "",
     "Fie A = (1 2; 3 4). Calculaţi det(A² − 5A)."},
    {12, 9, "Analiză matematică", "Integrale", "", "Calculaţi ∫₀¹ x · eˣ dx."},
    {12, 10, "Algebră", "Grupuri", "Subiect de bacalaureat.",
     "Pe ℝ se defineşte legea x ∘ y = x + y − 3. Arătaţi că (ℝ, ∘) este grup abelian."},
};

// The text set as a scanned page would show it: black on white, wrapped to
// the width of a page's text column.
QImage DeseneazaProblema(int numar, const QString &text)
{
    const int latime = 1400;
    const int margine = 40;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(34);

    QTextLayout asezare(QStringLiteral("%1. %2").arg(numar).arg(text), font);
    asezare.beginLayout();
    qreal y = 0;
    for (QTextLine rand = asezare.createLine(); rand.isValid(); rand = asezare.createLine()) {
        rand.setLineWidth(latime - 2 * margine);
        rand.setPosition(QPointF(0, y));
        y += rand.height() * 1.25;
    }
    asezare.endLayout();

    QImage poza(latime, int(y) + 2 * margine, QImage::Format_RGB32);
    poza.fill(Qt::white);
    QPainter pictor(&poza);
    pictor.setRenderHint(QPainter::TextAntialiasing);
    pictor.setPen(Qt::black);
    asezare.draw(&pictor, QPointF(margine, margine));
    return poza;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool pagina = argc == 3 && qstrcmp(argv[1], "--pagina") == 0;
    if (argc != 2 && !pagina) {
        std::fprintf(
            stderr,
            "usage: %s <application folder>\n"
            "       %s --pagina <picture>   (a two-column book page to cut into problems)\n",
            argv[0], argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicatie(argc, argv);
    if (pagina) { // prints how many problems the page holds
        const PaginaGenerata generata = GenereazaPagina(3);
        if (!generata.Poza.save(QString::fromLocal8Bit(argv[2]), "PNG"))
            return 1;
        std::printf("%d\n", int(generata.Probleme.size()));
        return 0;
    }

    const QString dosar = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (QFileInfo::exists(dosar + QStringLiteral("/Tezaurel.stn"))) {
        std::printf("%s already has a collection; nothing to do.\n", qPrintable(dosar));
        return 0;
    }
    QDir().mkpath(dosar + QStringLiteral("/Probleme"));
    QDir().mkpath(dosar + QStringLiteral("/teste"));

    PlatformaTacuta platforma;
    platforma.LaMesaj = [](const QString &text) { std::fprintf(stderr, "%s\n", qPrintable(text)); };
    Colectie definitii(dosar, platforma);
    definitii.IncarcaColectie();

    AdaugareProbleme adaugare(definitii, AdaugareProbleme::Regula::Continut);
    int numar = 0;
    for (const ProblemaDemo &p : Probleme) {
        ++numar;
        const QString fisier = QStringLiteral("demo%1.jpg").arg(numar, 2, 10, QLatin1Char('0'));
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        if (!buffer.open(QIODevice::WriteOnly) ||
            !DeseneazaProblema(numar, QString::fromUtf8(p.text)).save(&buffer, "JPEG", 90))
            return 1;
        Problema problema;
        problema.Clasa = int16_t(p.clasa);
        problema.Nivel = int16_t(p.nivel);
        problema.Disciplina.Atribuie(QString::fromUtf8(p.disciplina));
        problema.Capitol.Atribuie(QString::fromUtf8(p.capitol));
        problema.Observatii.Atribuie(QString::fromUtf8(p.observatii));
        problema.Fisier.Atribuie(fisier);
        const AdaugareProbleme::Rezultat r = adaugare.Adauga(problema, jpeg);
        platforma.ArataAnunturile(definitii.IaAnunturile());
        // Run again on its own folder it finds its pictures there already.
        if (!r.Adaugata() && r.Fel != AdaugareProbleme::Stare::Duplicat) {
            if (!r.Motiv.isEmpty())
                platforma.Mesaj(r.Motiv);
            return 1;
        }
    }
    std::printf("%d demonstration problems written to %s\n", numar, qPrintable(dosar));
    return 0;
}
