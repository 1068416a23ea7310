#include "ferestre/lucrari/FereastraLucrare.h"
#include "logica/import/DetaliiProblema.h"
#include "logica/lucrari/CompunereLucrare.h"
#include "logica/lucrari/ContinutScan.h"
#include "logica/selectie/EvaluareSelectie.h"
#include "model/BazaDate.h"
#include "model/Colectie.h"
#include "tests/comune/DosarTest.h"
#include "tests/comune/PlatformaScriptata.h"
#include "tests/tiparire/ProblemaAfisata.h"

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <gtest/gtest.h>

using namespace tezaurel;

namespace {

TEST(Lucrare, AsezareaNuRupeNicioProblema)
{
    // Default margins 2/2/1/1 cm: the pictures stand at 2484, 8289 wide, from 567 to 15912 down.
    const ProblemaDeAsezat lata{{8289, 3000}, 400}, cuSpatiu{{8289, 3000}, -1, 2835},
        mica{{8289, 1500}, -1, 2835}, inalta{{8289, 6000}, 0}, ingusta{{1000, 13000}, 300},
        preaLata{{16578, 4000}, 1000};
    // Pages, then each problem's page:number's top picture's top size [room's top+height].
    const std::tuple<MarginiLucrare, int, std::vector<ProblemaDeAsezat>, const char *> cazuri[] = {
        {{}, 1000, {lata, lata}, "1 0:2027 1807 8289x3000 0:5267 5047 8289x3000"},
        // The room goes with its problem: the third fits, but not with its room.
        {{},
         1000,
         {cuSpatiu, cuSpatiu, mica},
         "2 0:1807 1807 8289x3000 4807+2835 0:7882 7882 8289x3000 10882+2835 1:567 567 8289x1500 "
         "2067+2835"},
        {{},
         1000,
         {inalta, inalta, inalta},
         "2 0:1807 1807 8289x6000 0:8047 8047 8289x6000 1:567 567 "
         "8289x6000"},
        {{}, 0, {lata, ingusta}, "2 0:787 567 8289x3000 1:687 567 1000x13000"},
        {{}, 0, {{{8289, 20000}, 0, 1134}}, "1 0:567 567 5889x14211 micsorata 14778+1134"},
        {{}, 0, {preaLata}, "1 0:887 567 8289x2000"},
        {{30, 2, 1, 1}, 0, {lata}, "1 0:787 567 8289x3000"},               // no room: the defaults
        {{}, 0, {{}, lata}, "1 0:567 567 8289x720 0:1747 1527 8289x3000"}, // unreadable
    };
    for (const auto &[margini, antet, probleme, asteptat] : cazuri) {
        const AsezareLucrare a = AseazaLucrarea(margini, antet, probleme);
        QStringList locuri{QString::number(a.NrPagini)};
        for (const LocProblema &l : a.Locuri) {
            EXPECT_EQ(l.Eticheta.right() + 1, l.Poza.left()) << "the number beside its picture";
            EXPECT_LE(std::max(l.Poza.bottom(), l.Spatiu.bottom()), a.Subsol.top());
            locuri << QString::asprintf("%d:%d %d %dx%d%s", l.Pagina, l.Eticheta.top(),
                                        l.Poza.top(), l.Poza.width(), l.Poza.height(),
                                        l.Micsorata ? " micsorata" : "");
            if (!l.Spatiu.isEmpty())
                locuri << QString::asprintf("%d+%d", l.Spatiu.top(), l.Spatiu.height());
        }
        EXPECT_EQ(locuri.join(' '), asteptat);
    }
}

// A page scanned at 150 dpi: lines of text at known places, specks of dust, and
// the shadow a scanner's lid leaves along an edge. Returns the text's box.
QRect Scan(QImage &scan, QPoint text, int randuri, bool praf, Qt::Edges umbra)
{
    scan = QImage(1240, 1754, QImage::Format_Grayscale8);
    scan.fill(255);
    scan.setDotsPerMeterX(5906);
    QPainter p(&scan);
    QFont font("DejaVu Sans");
    font.setPixelSize(25);
    p.setFont(font);
    QRect casete;
    for (int r = 0; r < randuri; ++r) {
        const QPoint la = text + QPoint(r ? 60 : 0, 40 * r);
        const QString rand = r == 0 ? "11. Fie funcția f(x) = 2x + 3." : "Calculați f(1) + f(2).";
        p.drawText(la, rand);
        casete |= QFontMetrics(font).tightBoundingRect(rand).translated(la);
    }
    p.end();
    QRandomGenerator aleator(7);
    for (int i = 0; praf && i < 600; ++i)
        scan.scanLine(aleator.bounded(scan.height()))[aleator.bounded(scan.width())] = 0;
    for (int k = 0; k < 40; ++k) // black fading to white over 40 pixels
        for (int j = 0; j < scan.width() || j < scan.height(); ++j) {
            const uchar gri = uchar(20 + 5 * k);
            if (umbra & Qt::LeftEdge && j < scan.height())
                scan.scanLine(j)[k] = gri;
            if (umbra & Qt::BottomEdge && j < scan.width())
                scan.scanLine(scan.height() - 1 - k)[j] = gri;
        }
    return casete;
}

TEST(Lucrare, TaiereaPastreazaTextulSiScoateMargineaAlba)
{
    const std::tuple<QPoint, int, bool, Qt::Edges> cazuri[] = {
        {{200, 300}, 3, false, {}},
        {{200, 300}, 3, true, {}},
        {{60, 250}, 12, true, Qt::LeftEdge},
        {{300, 1650}, 2, true, Qt::BottomEdge},
        {{50, 1680}, 1, true, Qt::LeftEdge | Qt::BottomEdge},
    };
    for (const auto &[la, randuri, praf, umbra] : cazuri) {
        QImage scan;
        const QRect text = Scan(scan, la, randuri, praf, umbra);
        const ContinutScan c = GasesteContinutul(scan);
        EXPECT_TRUE(c.Chenar.contains(text)) << la.x() << "," << la.y();
        const double alb = 1240.0 * 1754 - text.width() * text.height();
        EXPECT_GE((1240.0 * 1754 - c.Chenar.width() * c.Chenar.height()) / alb, 0.9) << la.y();
        EXPECT_NEAR(c.Chenar.top() + c.PrimulRand, text.top() + 12, 12) << "on the first line";
    }
    QImage alb(600, 400, QImage::Format_Grayscale8);
    alb.fill(255);
    EXPECT_EQ(GasesteContinutul(alb).Chenar, alb.rect()) << "no ink: kept whole";
}

// The number the scan prints goes only when it is the first word, on the first line.
TEST(Lucrare, NumarulScanuluiSeAcoperaDoarPePrimulRand)
{
    QImage scan;
    Scan(scan, {200, 300}, 3, false, {});
    const QRect numar(200, 281, 38, 20), altRand(260, 321, 60, 20);
    auto cerneala = [&scan](const std::vector<CuvantRecunoscut> &cuvinte) {
        const QImage p = RedareLucrare::Pregateste(scan, 9639, cuvinte)
                             .Poza.convertToFormat(QImage::Format_Grayscale8);
        int n = 0;
        for (int y = 0; y < p.height(); ++y)
            n += int(std::count_if(p.constScanLine(y), p.constScanLine(y) + p.width(),
                                   [](uchar g) { return g < 128; }));
        return n;
    };
    const int toata = cerneala({});
    const std::pair<std::vector<CuvantRecunoscut>, bool> cazuri[] = {
        {{{numar, "11."}, {QRect(250, 281, 40, 20), "Fie"}}, true},
        {{{numar, "Fie"}}, false},
        {{{altRand, "3."}}, false},
        {{{numar, "(11)"}}, true},
    };
    for (const auto &[cuvinte, acoperit] : cazuri)
        EXPECT_EQ(cerneala(cuvinte) < toata, acoperit) << cuvinte.front().Text.toStdString();
}

// Black text on white goes to the page as one bit a pixel, black where the
// scan's ink is and white around it, whether it was decoded grey or in colour;
// ink of a colour (here red and green alike, blue apart) keeps its colour.
TEST(Lucrare, ScanulDeTextAjungeAlbNegruCuCernealaLaLoculEi)
{
    const std::pair<QImage::Format, QRgb> cazuri[] = {{QImage::Format_Grayscale8, qRgb(0, 0, 0)},
                                                      {QImage::Format_RGB32, qRgb(0, 0, 0)},
                                                      {QImage::Format_RGB32, qRgb(90, 90, 0)}};
    for (const auto &[format, cerneala] : cazuri) {
        QImage scan(1200, 400, format);
        scan.fill(Qt::white);
        QPainter(&scan).fillRect(QRect(300, 100, 600, 200), QColor(cerneala));
        const QImage p = RedareLucrare::Pregateste(scan, 9639, {}).Poza;
        const bool negru = qBlue(cerneala) == qRed(cerneala);
        ASSERT_EQ(p.format() == QImage::Format_Mono, negru) << format;
        EXPECT_EQ(p.pixel(p.width() / 2, p.height() / 2), cerneala) << format;
        EXPECT_EQ(p.pixel(0, 0), qRgb(255, 255, 255)) << format;
        if (negru)
            EXPECT_EQ(p.color(0), qRgb(0, 0, 0)) << "the PDF writer keeps one bit only so";
    }
}

TEST(Lucrare, TexteleFoii)
{
    auto avertisment = [](std::vector<ProblemaLucrare> p) {
        return Lucrare{0, {}, std::move(p)}.AvertismentPuncte();
    };
    const std::pair<QString, QString> texte[] = {
        {EtichetaProblema(3, 1.5), "3. (1,5p)"},
        {TextClasa("a x-a  A"), "Clasa a X-a A"},
        {LiniaTimp({"", "", "", {}, true, 15, false}), "Timp de lucru: 15 minute."},
        {avertisment({{"a", 0, {}}, {"b", 0, {}}}), ""}, // no points given
        {avertisment({{"a", 2, {}}, {"b", 3, {}}, {"c", 4, {}}}), ""},
        {avertisment({{"a", 2, {}}, {"b", 3, {}}}),
         "Atenție: punctele însumează 6 (cu 1 punct din oficiu), nu 10."}};
    for (const auto &[obtinut, asteptat] : texte)
        EXPECT_EQ(obtinut, asteptat);
}

QString Rezumat(const std::optional<Lucrare> &l)
{
    QStringList poze;
    for (const ProblemaLucrare &p : l.value().Probleme)
        poze << p.Poza + ":" + TextPuncte(p.Puncte) + QString(p.Alte.isEmpty() ? "" : "/") +
                    p.Alte.join('/');
    return QStringList({l->Antet.Titlu, l->Antet.Clasa, l->Antet.Data.toString("dd.MM.yyyy"),
                        QString("%1 variante, %2 sterse").arg(l->NrVariante).arg(l->ProblemeSterse),
                        poze.join(' ')})
        .join('|');
}

// A collection of a.jpg, b.jpg, c.jpg, d.jpg, its database open and a paper
// of the first three for class IX B on 12.03.2026.
struct Scena
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    Colectie d{dosar.Cale(), platforma};
    SelectieCurenta sel{d};
    CompunereLucrare compunere{d.Baza(), platforma, d.CaleProbleme()};

    Scena()
    {
        std::vector<Problema> probleme;
        for (const char *nume : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) {
            dosar.ScriePoza(nume, PozaModel(900, 600));
            probleme.push_back(FaProblema(9, 7, "Algebră", "Funcţii", nume));
        }
        dosar.ScrieColectie(probleme);
        d.IncarcaColectie();
        d.Baza().Deschide();
        compunere.SeteazaAntet({"Test 1/2", "", "IX B", QDate(2026, 3, 12), true, 50});
        for (int i = 0; i < 3; ++i)
            compunere.Adauga(probleme[i].Fisier.FaraBlancuri());
        compunere.SeteazaPuncte(0, 2);
    }
};

TEST(Lucrare, DouaVarianteInPdfSiLaImprimanta)
{
    Scena s;
    s.compunere.SeteazaNrVariante(2);
    s.compunere.ArataVarianta(2);
    s.compunere.Adauga("d.jpg"); // the first place of variant 2
    s.compunere.Adauga("b.jpg");
    EXPECT_EQ(Rezumat(s.compunere.Arhiva().Citeste(s.compunere.Curenta().Id)),
              "Test 1/2|IX B|12.03.2026|2 variante, 0 sterse|a.jpg:2/d.jpg b.jpg:0/b.jpg c.jpg:0");

    const QString cale = s.dosar.Cale() + "/teste/Test 1-2 12.03.2026.pdf";
    ASSERT_TRUE(s.compunere.SalveazaPdf(
        s.dosar.Cale() + "/teste/" + s.compunere.Curenta().NumeFisier(), MarginiLucrare()));
    QProcess pdftotext;
    pdftotext.start("pdftotext", {cale, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(20000));
    // Both variants, each with its header and its own page numbers, as a PDF reader finds them.
    QFile asteptat(TEZAUREL_TESTE_LUCRARI "/DouaVariante.txt");
    ASSERT_TRUE(asteptat.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(pdftotext.readAllStandardOutput()),
              QString::fromUtf8(asteptat.readAll()));

    ImprimantaScriptata imprimanta;
    ASSERT_TRUE(s.compunere.Tipareste(imprimanta, 3, MarginiLucrare()));
    EXPECT_EQ(imprimanta.Operatii.join(","), "exemplare 3,portret,pagina,pagina noua,sfarsit");
    for (const char *poza : {"b.jpg", "d.jpg"}) // b.jpg is in both variants
        EXPECT_EQ(TextFolosiri(s.compunere.Arhiva().Folosiri(poza)), "IX B 12.03.2026");
}

TEST(Lucrare, ArhivaPastreazaFolosesteAvertizeazaSiUitaCeSeSterge)
{
    Scena s;
    const qint64 prima = s.compunere.Curenta().Id;
    const QString pastrata = "Test 1/2|IX B|12.03.2026|1 variante, ";
    EXPECT_EQ(Rezumat(s.compunere.Arhiva().Citeste(prima)),
              pastrata + "0 sterse|a.jpg:2 b.jpg:0 c.jpg:0");
    ASSERT_TRUE(s.compunere.SalveazaPdf(s.dosar.Cale() + "/teste/x.pdf", MarginiLucrare()));
    // The selection leaves out what the class named was given.
    for (const auto &[clasa, ramase] : {std::pair{"", 4}, {"ix  b", 1}, {"X B", 4}}) {
        s.sel.ClasaFaraRepetari = clasa;
        FiltreazaProbleme(s.sel, FiltreSelectie());
        EXPECT_EQ(s.sel.NrSelectie - 1, ramase) << clasa;
    }

    // A copy for the same class, written another way, warns on each repeat.
    s.compunere.Copiaza();
    s.compunere.SeteazaAntet({"", "", "ix  b"});
    s.platforma.Mesaje.clear();
    s.compunere.Adauga("b.jpg");
    EXPECT_EQ(s.platforma.Mesaje, QStringList({"Problema a fost dată clasei IX B pe 12.03.2026.",
                                               "Problema este deja în lucrare, la numărul 2."}));

    // The purge takes b.jpg out of both papers and out of the history.
    ASSERT_TRUE(s.d.Baza().ProblemeSterse({"b.jpg"}));
    EXPECT_EQ(Rezumat(s.compunere.Curenta()).section('|', 3),
              "1 variante, 2 sterse|a.jpg:2 c.jpg:0");
    EXPECT_EQ(Rezumat(s.compunere.Arhiva().Citeste(prima)), pastrata + "1 sterse|a.jpg:2 c.jpg:0");
    EXPECT_TRUE(s.compunere.Arhiva().Folosiri("b.jpg").empty());
}

TEST(Lucrare, BaremulAdunaPasiiSiIncheie)
{
    auto lucrare = [](double p1, double p2, bool oficiu) {
        Lucrare l;
        l.Antet.DinOficiu = oficiu;
        l.Probleme = {{"a", p1, {}}, {"b", p2, {}}};
        return l;
    };
    const Solutie doi{{}, "", {{"Δ", 1}, {"x", 1}}}, fara;
    const std::tuple<Lucrare, std::vector<Solutie>, QString> cazuri[] = {
        {lucrare(2, 7, true), {doi, fara}, "Se acordă 1 punct din oficiu.|Total: 10 puncte."},
        {lucrare(3, 7, false),
         {doi, fara},
         "Atenție: la problema 1, pașii baremului însumează 2p, nu 3p.|Total: 10 puncte."},
        {lucrare(60, 39, true),
         {fara, fara},
         "Se acordă 1 punct din oficiu.|Nota finală se calculează prin împărțirea punctajului "
         "obținut la 10."},
        {lucrare(2, 0.5, false),
         {fara, doi},
         "Atenție: la problema 2, pașii baremului însumează 2p, nu 0,5p.|Total: 2,5 puncte."},
    };
    for (const auto &[l, solutii, asteptat] : cazuri)
        EXPECT_EQ((AvertismenteBarem(l, solutii) + IncheiereBarem(l)).join('|'), asteptat);
    int rand = 0;
    const std::tuple<QString, QString, int> pasi[] = {
        {"Calculul Δ — 1p\n\nFinal - 0,5 p", "Calculul Δ:1 Final:0.5", 0},
        {"a – 2 puncte\nb fără puncte", "", 2},
        {TextPasi({{"Rădăcinile", 1.5}}), "Rădăcinile:1.5", 0}};
    for (const auto &[text, asteptat, gresit] : pasi) {
        QStringList citit;
        for (const PasBarem &p : CitestePasi(text, &rand).value_or(std::vector<PasBarem>()))
            citit << p.Text + ":" + QString::number(p.Puncte);
        EXPECT_EQ(citit.join(' '), asteptat);
        EXPECT_EQ(gresit ? rand : 0, gresit) << text.toStdString();
    }
}

// The scheme and the .odt read back; the solution follows its problem through
// the correction of its details and goes with it at the purge.
TEST(Lucrare, BaremulSiDocumentulOdt)
{
    Scena s;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    PozaModel(600, 300).save(&buffer, "PNG");
    ASSERT_TRUE(s.compunere.Solutii().Pastreaza(
        "a.jpg", {png, "Δ este 1", {{"Calculul discriminantului", 1}, {"Rădăcinile", 0.5}}}));
    EXPECT_EQ(s.compunere.AvertismenteBarem(),
              QStringList("Atenție: la problema 1, pașii baremului însumează 1,5p, nu 2p."));
    const QString barem = s.dosar.Cale() + "/teste/barem.pdf", odt = s.dosar.Cale() + "/l.odt";
    ASSERT_TRUE(s.compunere.SalveazaBaremul(barem, MarginiLucrare()));
    ASSERT_TRUE(s.compunere.SalveazaOdt(odt, MarginiLucrare()));
    auto iesire = [](const QString &program, const QStringList &argumente) {
        QProcess p;
        p.start(program, argumente);
        p.waitForFinished(20000);
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    };
    EXPECT_EQ(
        iesire("pdftotext", {"-layout", barem, "-"}).section(" Pagina", 0, 0),
        "Barem de evaluare și de notare Clasa a IX-a B · Test 1/2 · 12.03.2026 1. (2p) Δ este "
        "1 • Calculul discriminantului 1p • Rădăcinile 0,5p Atenție: pașii însumează 1,5p, "
        "nu 2p. 2. (Problema nu are soluție în barem.) 3. (Problema nu are soluție în barem.) "
        "Se acordă 1 punct din oﬁciu. Total: 3 puncte. Barem ·");
    EXPECT_EQ(iesire("unzip", {"-Z1", odt}).count("Pictures/"), 3) << "the three scans embedded";
    EXPECT_TRUE(iesire("unzip", {"-p", odt, "content.xml"}).contains("1. (2p)"));

    DetaliiProblema d = DetaliiProblema::DinProblema(s.d.ProblemaDin(2));
    d.Capitol = "Ecuații";
    ASSERT_TRUE(CorecteazaDetalii(s.d, 2, d));
    EXPECT_EQ(s.compunere.Solutii().Citeste("a.jpg")->Text, "Δ este 1");
    ASSERT_TRUE(s.d.Baza().ProblemeSterse({"a.jpg"}));
    EXPECT_TRUE(s.compunere.Solutii().Citeste("a.jpg")->Goala());
}

// Whatever fails, the teacher is told, nothing half made is left and the
// problems are not recorded as given.
TEST(Lucrare, IntrariGresite)
{
    CaUtilizatorObisnuit([] {
        Scena s;
        const QString teste = s.dosar.Cale() + "/teste";
        ASSERT_TRUE(QFile::setPermissions(teste, QFile::ReadOwner | QFile::ExeOwner));
        EXPECT_FALSE(s.compunere.SalveazaPdf(teste + "/t.pdf", MarginiLucrare()));
        EXPECT_EQ(s.platforma.Mesaje.last(), "Nu am reușit să scriu fișierul " + teste +
                                                 "/t.pdf. Verificați că dosarul există și "
                                                 "poate fi scris.\nMotivul: nu aveți dreptul "
                                                 "să scrieți acolo.");
        EXPECT_EQ(QDir(teste).entryList(QDir::Files | QDir::Hidden), QStringList());
        ImprimantaScriptata imprimanta;
        imprimanta.Refuza = true;
        EXPECT_FALSE(s.compunere.Tipareste(imprimanta, 1, MarginiLucrare()));
        EXPECT_EQ(s.platforma.Mesaje.last(),
                  "Nu am reușit să tipăresc lucrarea. Verificați imprimanta aleasă.");
        EXPECT_TRUE(s.compunere.Arhiva().Folosiri("a.jpg").empty());
        // A database that may only be read is told once, at its open, not at every change.
        ASSERT_TRUE(QFile::setPermissions(s.dosar.Cale() + "/Tezaurel.db", QFile::ReadOwner));
        ASSERT_TRUE(s.d.Baza().Deschide());
        EXPECT_TRUE(s.d.Baza().Raport().contains("doar citită"));
        const qsizetype spuse = s.platforma.Mesaje.size();
        s.compunere.Adauga("d.jpg");
        s.compunere.SeteazaPuncte(0, 3);
        EXPECT_EQ(s.platforma.Mesaje.size(), spuse);
    });
}

// Before printing or saving, the paper must have problems and the printer be
// there; each refusal says why, and nothing goes on.
TEST(Lucrare, FaraProblemeSauImprimantaNuSeTipareste)
{
    PlatformaScriptata platforma;
    ImprimantaScriptata imprimanta;
    const Lucrare goala, plina{0, {}, {{"a.jpg", 1, {}}}};
    const std::tuple<const Lucrare *, QString, bool, QString> cazuri[] = {
        {&goala, "PDF", false, "Lucrarea nu are nicio problemă."},
        {&plina, "", false, "Nu ați ales imprimanta."},
        {&plina, "Alta", false, "Nu ați ales imprimanta."},
        {&plina, "PDF", true, ""}};
    for (const auto &[lucrare, nume, poate, mesaj] : cazuri) {
        platforma.Mesaje.clear();
        EXPECT_EQ(PoateTipari(platforma, *lucrare, imprimanta, nume), poate) << nume.toStdString();
        EXPECT_EQ(platforma.Mesaje.join(""), mesaj) << nume.toStdString();
    }
    // Asked where to save, an empty paper opens no dialog; a full one is
    // proposed beside the collection while there is no teste/, and none is made.
    DosarTest dosar;
    Colectie d(dosar.Cale(), platforma);
    QDir(dosar.Cale()).rmdir("teste");
    platforma.Mesaje.clear();
    EXPECT_EQ(AlegeFisierLucrare(d, goala, "t.pdf"), "");
    EXPECT_EQ(platforma.Mesaje, QStringList("Lucrarea nu are nicio problemă."));
    EXPECT_EQ(AlegeFisierLucrare(d, plina, "t.pdf"), d.DosarAplicatie() + "/t.pdf");
    EXPECT_EQ(platforma.DosareInitiale.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(dosar.Cale() + "/teste"));
}

// The window's controls reach the paper: the buttons on the selected problem,
// its points, and the header once typing pauses.
TEST(Lucrare, FereastraSchimbaLucrarea)
{
    Scena s;
    FereastraLucrare f(
        s.d, s.compunere, [] { return MarginiLucrare(); }, std::make_unique<ImprimantaScriptata>());
    QListWidget *probleme = nullptr;
    for (QListWidget *l : f.findChildren<QListWidget *>())
        if (l->accessibleName() == "Problemele lucrării")
            probleme = l;
    ASSERT_TRUE(probleme);
    const std::tuple<int, const char *, QString> pasi[] = {
        {0, "Mută în j&os", "b.jpg:0 a.jpg:2 c.jpg:0"},
        {1, "Mută în &sus", "a.jpg:2 b.jpg:0 c.jpg:0"},
        {1, "Sco&ate", "a.jpg:2 c.jpg:0"}};
    for (const auto &[rand, buton, asteptat] : pasi) {
        probleme->setCurrentRow(rand);
        for (QPushButton *b : f.findChildren<QPushButton *>())
            if (b->text() == buton)
                b->click();
        EXPECT_EQ(Rezumat(s.compunere.Curenta()).section('|', 4), asteptat) << buton;
    }
    probleme->setCurrentRow(1);
    f.findChild<QDoubleSpinBox *>()->setValue(3);
    EXPECT_EQ(Rezumat(s.compunere.Curenta()).section('|', 4), "a.jpg:2 c.jpg:3");
    f.findChild<QLineEdit *>()->setText("Teză");
    QElapsedTimer ceas;
    ceas.start();
    while (s.compunere.Curenta().Antet.Titlu != "Teză" && ceas.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(s.compunere.Curenta().Antet.Titlu, "Teză");
    QDir(s.dosar.Cale() + "/teste").removeRecursively(); // a cancelled save makes no folder
    s.platforma.FisiereAlese = {""};
    f.SalveazaPdf();
    EXPECT_FALSE(QFileInfo::exists(s.dosar.Cale() + "/teste"));
    f.show(); // Tab leaves the date whole, Alt+I reaches the list from anywhere
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    auto *data = f.findChild<QDateEdit *>();
    data->setFocus();
    QTest::keyClick(data, Qt::Key_Tab);
    QWidget *timp = nullptr;
    for (QLabel *l : f.findChildren<QLabel *>())
        if (l->text() == "Ti&mp de lucru:")
            timp = l->buddy();
    EXPECT_TRUE(timp && QApplication::focusWidget() == timp); // the next field down
    const QImage faraFocus = probleme->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(probleme->hasFocus());
    // Seen from across the room: the list's own edge takes the highlight.
    const QColor margine = probleme->grab().toImage().pixelColor(0, probleme->height() - 3);
    EXPECT_EQ(margine, probleme->palette().color(QPalette::Highlight));
    EXPECT_NE(faraFocus.pixelColor(0, probleme->height() - 3), margine);
}

} // namespace
