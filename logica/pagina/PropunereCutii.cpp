#include "logica/pagina/AsezarePagina.h"

#include <QRegularExpression>

#include <algorithm>

namespace tezaurel {

namespace {

// A visual line of a column: the recognised lines side by side on it (a
// number printed apart from its text comes as a block of its own).
struct Rand
{
    QRect Cutie;
    QString Text;
    bool BlocNou = true; // recognition began a block (a paragraph) with it
};

bool AreLitereSauCifre(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// The number a problem starts with: "1.", "2)", "12 ."; not "3.5 cm" nor "a)".
QString NumarLaInceput(const QString &text)
{
    static const QRegularExpression numar(QStringLiteral(R"(^\s*\(?(\d{1,3})\s?[.)](?!\d))"));
    const auto potrivire = numar.match(text);
    return potrivire.hasMatch() ? potrivire.captured(1) : QString();
}

// Where a page of two columns is parted: the widest strip of the middle half
// that no line of the text crosses, with text on both sides; -1 for one column.
int Jgheab(const std::vector<RandRecunoscut> &randuri, int latime)
{
    std::vector<int> acoperire(size_t(std::max(latime, 1)), 0);
    for (const auto &r : randuri)
        if (r.Cutie.width() < latime * 6 / 10) // a title across both columns parts nothing
            for (int x = std::max(0, r.Cutie.left()); x <= std::min(r.Cutie.right(), latime - 1);
                 ++x)
                ++acoperire[size_t(x)];
    int celStart = -1, celLungime = 0;
    for (int x = latime / 4, start = -1; x <= latime * 3 / 4; ++x) {
        if (acoperire[size_t(x)] == 0 && x < latime * 3 / 4) {
            if (start < 0)
                start = x;
        } else if (start >= 0) {
            if (x - start > celLungime)
                celStart = start, celLungime = x - start;
            start = -1;
        }
    }
    if (celLungime < latime / 60)
        return -1;
    const int jgheab = celStart + celLungime / 2;
    int stanga = 0, dreapta = 0;
    for (const auto &r : randuri)
        (r.Cutie.center().x() < jgheab ? stanga : dreapta)++;
    return stanga >= 2 && dreapta >= 2 ? jgheab : -1;
}

// What is left of a number the reading lost: its dot, or a comma or quote
// read for it (". Arătați că"); a single digit at a page's edge is often lost.
bool NumarPierdut(const QString &text)
{
    static const QRegularExpression punct(QStringLiteral(R"(^\s*[.,„"'·]\s)"));
    return punct.match(text).hasMatch();
}

// A column's lines top to bottom, those side by side joined left to right.
std::vector<Rand> RandurileColoanei(std::vector<RandRecunoscut> linii)
{
    std::sort(linii.begin(), linii.end(),
              [](const auto &a, const auto &b) { return a.Cutie.top() < b.Cutie.top(); });
    std::vector<Rand> randuri;
    std::vector<std::vector<RandRecunoscut>> bucati;
    for (const auto &l : linii) {
        auto alaturi = [&](const Rand &r) {
            const int comun = std::min(r.Cutie.bottom(), l.Cutie.bottom()) -
                              std::max(r.Cutie.top(), l.Cutie.top());
            return comun * 2 > std::min(r.Cutie.height(), l.Cutie.height());
        };
        if (!randuri.empty() && alaturi(randuri.back())) {
            randuri.back().Cutie |= l.Cutie;
            bucati.back().push_back(l);
        } else {
            randuri.push_back({l.Cutie, {}});
            bucati.push_back({l});
        }
    }
    for (size_t i = 0; i < randuri.size(); ++i) {
        std::sort(bucati[i].begin(), bucati[i].end(),
                  [](const auto &a, const auto &b) { return a.Cutie.left() < b.Cutie.left(); });
        randuri[i].BlocNou =
            i == 0 || std::none_of(bucati[i].begin(), bucati[i].end(), [&](auto &b) {
                return std::any_of(bucati[i - 1].begin(), bucati[i - 1].end(),
                                   [&](auto &a) { return a.Bloc == b.Bloc; });
            });
        QStringList texte;
        for (const auto &b : bucati[i])
            texte << b.Text;
        randuri[i].Text = texte.join(' ');
    }
    return randuri;
}

int Mediana(std::vector<int> valori)
{
    if (valori.empty())
        return 0;
    std::nth_element(valori.begin(), valori.begin() + valori.size() / 2, valori.end());
    return valori[valori.size() / 2];
}

// A column's problems: a numbered line at the column's left edge starts one,
// and so does a line there whose number was lost, when it begins a block, or
// hangs out of the indented lines under it. A gap much taller than the column's usual distance
// between lines, inside one box, is where a number may have been missed.
void ProblemeleColoanei(const std::vector<Rand> &randuri, std::vector<CutieProblema> &cutii)
{
    if (randuri.empty())
        return;
    int stanga = randuri.front().Cutie.left();
    std::vector<int> inaltimi, pasi;
    for (size_t i = 0; i < randuri.size(); ++i) {
        stanga = std::min(stanga, randuri[i].Cutie.left());
        inaltimi.push_back(randuri[i].Cutie.height());
        if (i > 0)
            pasi.push_back(randuri[i].Cutie.top() - randuri[i - 1].Cutie.top());
    }
    const int inaltime = Mediana(inaltimi);
    const int pas = Mediana(pasi);
    for (size_t i = 0; i < randuri.size(); ++i) {
        const Rand &r = randuri[i];
        const QString numar = NumarLaInceput(r.Text);
        const bool retrasDedesubt =
            i + 1 < randuri.size() && randuri[i + 1].Cutie.left() > r.Cutie.left() + inaltime / 2;
        const bool incepe =
            r.Cutie.left() <= stanga + inaltime &&
            (!numar.isEmpty() || NumarPierdut(r.Text) || (r.BlocNou && retrasDedesubt));
        if (incepe || cutii.empty() || i == 0) {
            cutii.push_back({r.Cutie, numar, r.Text, {}});
            if (!incepe)
                cutii.back().Avertisment =
                    QStringLiteral("Caseta nu începe cu numărul unei probleme.");
            continue;
        }
        CutieProblema &c = cutii.back();
        // Problems are set apart by at least half a line more than their lines.
        if (pas > 0 && (r.Cutie.top() - randuri[i - 1].Cutie.top()) * 20 > pas * 29 &&
            c.Avertisment.isEmpty())
            c.Avertisment = QStringLiteral(
                "În casetă este un spațiu mare între rânduri: poate cuprinde două probleme.");
        c.Cutie |= r.Cutie;
        c.Text += QLatin1Char('\n') + r.Text;
    }
}

// Numbers that skip one ("3", then "5") leave the missing problem inside the
// box before the gap.
void AvertizeazaSarituri(std::vector<CutieProblema> &cutii)
{
    for (size_t i = 0; i + 1 < cutii.size(); ++i) {
        bool ok1 = false, ok2 = false;
        const int a = cutii[i].Numar.toInt(&ok1);
        const int b = cutii[i + 1].Numar.toInt(&ok2);
        if (ok1 && ok2 && b > a + 1 && cutii[i].Avertisment.isEmpty())
            cutii[i].Avertisment =
                QStringLiteral("După problema %1 urmează %2: problema %3 poate fi în această "
                               "casetă.")
                    .arg(a)
                    .arg(b)
                    .arg(a + 1);
    }
}

} // namespace

std::vector<CutieProblema> PropuneCutii(const std::vector<RandRecunoscut> &randuri, QSize pagina)
{
    std::vector<RandRecunoscut> text;
    for (const auto &r : randuri)
        if (r.Cutie.width() >= 4 && r.Cutie.height() >= 4 && AreLitereSauCifre(r.Text))
            text.push_back(r);
    const int jgheab = Jgheab(text, pagina.width());
    std::vector<RandRecunoscut> coloane[2];
    for (const auto &r : text)
        coloane[jgheab >= 0 && r.Cutie.center().x() >= jgheab ? 1 : 0].push_back(r);
    std::vector<CutieProblema> cutii;
    for (auto &coloana : coloane) {
        std::vector<CutieProblema> aleColoanei;
        ProblemeleColoanei(RandurileColoanei(std::move(coloana)), aleColoanei);
        cutii.insert(cutii.end(), aleColoanei.begin(), aleColoanei.end());
    }
    AvertizeazaSarituri(cutii);
    return cutii;
}

QString TextDin(const std::vector<RandRecunoscut> &randuri, const QRect &cutie)
{
    std::vector<RandRecunoscut> inauntru;
    for (const auto &r : randuri)
        if (cutie.contains(r.Cutie.center()) && !r.Text.isEmpty())
            inauntru.push_back(r);
    QStringList texte;
    for (const auto &r : RandurileColoanei(std::move(inauntru)))
        texte << r.Text;
    return texte.join(QLatin1Char('\n'));
}

int LiniaDeImpartire(const std::vector<RandRecunoscut> &randuri, const QRect &cutie)
{
    std::vector<RandRecunoscut> inauntru;
    for (const auto &r : randuri)
        if (cutie.contains(r.Cutie.center()))
            inauntru.push_back(r);
    const auto linii = RandurileColoanei(std::move(inauntru));
    int linie = cutie.center().y(), golMaxim = -1;
    for (size_t i = 1; i < linii.size(); ++i) {
        const int gol = linii[i].Cutie.top() - linii[i - 1].Cutie.bottom();
        if (gol > golMaxim) {
            golMaxim = gol;
            linie = (linii[i].Cutie.top() + linii[i - 1].Cutie.bottom() + 1) / 2;
        }
    }
    return linie;
}

} // namespace tezaurel
