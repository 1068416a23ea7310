#include "ferestre/import/DialogDetaliiProblema.h"
#include "ferestre/import/ImportQt.h"
#include "logica/editare/EditareProbleme.h"
#include "logica/import/CitireCsv.h"
#include "logica/import/ImportDosar.h"
#include "model/NumeFisier.h"
#include "tests/comune/DosarTest.h"
#include "tests/comune/PanzaInregistrata.h"
#include "tests/comune/PlatformaScriptata.h"
#include "tests/comune/PozeGresite.h"
#include "tests/model/AccesJurnal.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tezaurel;

namespace {

// The reader's cases are files in csv/, each with the rows it keeps (line=fisier:clasa:
// nivel:disciplina:capitol:observatii) and the reasons of those it leaves out, all in
// csv/rezultate.txt. Every case and every input the fuzzer ever found failing gives
// only rows that fit a record.
TEST(Import, CitireaCsvCazuriSiCorpusulFuzzerului)
{
    QString rezultate;
    for (const auto &[dosar, nume] :
         {std::pair(TEZAUREL_CAZURI_CSV, "*.csv"), {TEZAUREL_CORPUS_CSV, "*"}})
        for (const QFileInfo &fisier : QDir(dosar).entryInfoList({nume}, QDir::Files, QDir::Name)) {
            QFile f(fisier.filePath());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const TabelCsv tabel = CitesteCsv(f.readAll());
            QStringList randuri("[" + fisier.fileName() + "] " + tabel.Eroare);
            for (const RandCsv &r : tabel.Randuri) {
                const DetaliiProblema &d = r.Detalii;
                EXPECT_TRUE(!MotivNumeNepermis(r.Fisier) && !VerificaDetalii(d) && d.Clasa >= 5 &&
                            d.Clasa <= 12 && d.Nivel >= 5 && d.Nivel <= 10)
                    << fisier.filePath().toStdString();
                randuri << QStringList({QString::number(r.Linie) + "=" + r.Fisier,
                                        QString::number(d.Clasa), QString::number(d.Nivel),
                                        d.Disciplina, d.Capitol, d.Observatii})
                               .join(':');
            }
            if (QString(nume) == "*.csv")
                rezultate += (randuri + tabel.RanduriGresite).join('\n') + '\n';
        }
    QFile asteptate(TEZAUREL_CAZURI_CSV "/rezultate.txt");
    ASSERT_TRUE(asteptate.open(QIODevice::ReadOnly));
    EXPECT_EQ(rezultate, QString::fromUtf8(asteptate.readAll()));
}

// An application folder with a disk that can be told to refuse writing, a
// folder scanari/ of n pictures, each different, in turn JPEG, PNG and bitmap,
// and the teacher in front of the import: answers the form (or gives up) and
// presses "Anulare" once AnuleazaLa pictures have been offered.
struct Dosar final : InterfataImport
{
    DosarTest dosar;
    PlatformaScriptata s;
    AccesJurnal *acces = new AccesJurnal; // owned by d
    Colectie d{dosar.Cale(), s, std::unique_ptr<AccesFisiere>(acces)};
    QString sursa = dosar.Cale() + "/scanari";
    std::optional<DetaliiProblema> Detalii;
    int AnuleazaLa = INT_MAX, Pasi = 0, FisiereAnuntate = 0;

    std::optional<DetaliiProblema> CereDetalii(const QStringList &, const QStringList &,
                                               int fisiere) override
    {
        FisiereAnuntate = fisiere;
        return Detalii;
    }
    void Progres(int, int, const QString &) override { ++Pasi; }
    bool Anulat() override { return Pasi > AnuleazaLa; }
    explicit Dosar(int n)
    {
        QDir().mkpath(sursa);
        for (int i = 0; i < n; ++i) {
            QImage poza = PozaModel(60 + i, 40);
            poza.setPixel(0, 0, qRgb(i, 0, 0));
            dosar.ScrieOcteti("scanari/" + Nume(i),
                              OctetiPoza(poza, std::array{"JPEG", "PNG", "BMP"}[i % 3]));
        }
    }
    static QString Nume(int i) { return QString("p%1ș.jpg").arg(i, 2, 10, QChar('0')); }
    std::optional<RaportImport> Importa()
    {
        d.IncarcaColectie();
        return ImportDosar(d, *this).Importa(sursa);
    }
};

TEST(Import, DosarCuCsvDaToateProblemeleSiNumesteCeOmite)
{
    Dosar t(30);
    t.dosar.ScrieOcteti("scanari/note.txt", "nu e poza");
    t.dosar.ScrieOcteti("scanari/rupt.jpg", OctetiPoza(PozaModel(50, 40), "JPEG").chopped(100));
    // The details a row gives reach the record: the journey's collection checks them.
    QByteArray csv = "fisier;clasa;nivel;disciplina;capitol;observatii\n";
    for (int i = 0; i < 30; ++i)
        csv += QString("%1;%2;7;Algebră;Funcții;\n").arg(Dosar::Nume(i), i ? "9" : "zece").toUtf8();
    t.dosar.ScrieOcteti("scanari/probleme.csv", csv + "lipsa.jpg;9;7;;;\n");

    const RaportImport raport = t.Importa().value(); // a wrong row is counted by its picture
    EXPECT_EQ(raport.Text(),
              "Probleme adăugate: 29. Omise: 3.\n"
              "• probleme.csv, rândul 2: clasa „zece” nu este un număr între 5 și 12\n"
              "• probleme.csv, rândul 32: fișierul lipsa.jpg nu este în dosar\n"
              "• note.txt: nu este o poză JPEG, PNG sau bitmap\n"
              "• p00ș.jpg: nu are un rând bun în probleme.csv\n"
              "• rupt.jpg: poza este incompletă, îi lipsește sfârșitul");
    for (int i = 1; i < 30; ++i) { // JPEG and bitmap keep their bytes, PNG turns JPEG; as ş
        const QByteArray stocata =
            t.dosar.CitesteOcteti("Probleme/" + Dosar::Nume(i).replace("ș", "ş"));
        EXPECT_TRUE(i % 3 == 1 ? stocata.startsWith("\xFF\xD8")
                               : stocata == t.dosar.CitesteOcteti("scanari/" + Dosar::Nume(i)));
    }
}

// Whatever stops the import or fails in it, the collection holds whole
// problems: each record with its picture, each stored picture with its record.
TEST(Import, OprireaSauEseculLasaDoarProblemeIntregi)
{
    CaUtilizatorObisnuit([] {
        // Problems there before, "Anulare" after, writes allowed, Probleme/ read-only; then
        // the problems added and the last reason given.
        const std::tuple<int, int, int, bool, int, const char *> cazuri[] = {
            {1997, INT_MAX, INT_MAX, false, 2, "Tezaurelul este plin"},
            {0, 3, INT_MAX, false, 3, ""},
            {0, INT_MAX, 2 * 2, false, 2, "Nu am reusit sa scriu in fisierul colectiei"},
            {0, INT_MAX, INT_MAX, true, 0, "p00ş.jpg: nu aveți dreptul să scrieți acolo."},
        };
        for (const auto &[existente, anuleazaLa, scrieri, doarCitire, adaugate, motiv] : cazuri) {
            Dosar t(5);
            t.dosar.ScrieColectie(
                std::vector<Problema>(existente, FaProblema(9, 7, "", "", "vechi.jpg")));
            if (doarCitire)
                QFile::setPermissions(t.dosar.Cale() + "/Probleme",
                                      QFile::ReadOwner | QFile::ExeOwner);
            t.Detalii = DetaliiProblema{9, 7, "Geometrie", "Cercul", ""};
            t.AnuleazaLa = anuleazaLa;
            t.acces->ScrieriPermise = scrieri;
            const RaportImport raport = t.Importa().value();
            EXPECT_EQ(raport.Adaugate, adaugate) << motiv;
            EXPECT_EQ(t.FisiereAnuntate, 5);
            EXPECT_EQ(raport.Anulat, anuleazaLa != INT_MAX);
            EXPECT_TRUE(raport.Oprire.contains(QString::fromUtf8(motiv))) << raport.Text();
            Colectie reincarcat(t.dosar.Cale(), t.s);
            reincarcat.IncarcaColectie();
            EXPECT_EQ(reincarcat.NrProbleme(), 1 + existente + adaugate);
            QStringList inregistrate;
            for (int i = 2 + existente; i <= reincarcat.NrProbleme(); ++i)
                inregistrate << reincarcat.ProblemaDin(i).Fisier.FaraBlancuri();
            EXPECT_EQ(inregistrate, QDir(t.dosar.Cale() + "/Probleme").entryList(QDir::Files));
        }
    });
}

TEST(Import, CorectareaVerificaDetaliileIarRepunereaRescrieDoarInregistrareaEi)
{
    Dosar t(0);
    t.dosar.ScrieColectie({FaProblema(5, 5, "Algebra", "Ecuatii", "a.jpg"),
                           FaProblema(9, 7, "Geometrie", "Cercul", "b.jpg", true)});
    // Fields left as shown keep their bytes: leading blanks, NUL filling.
    QByteArray asteptat = t.dosar.CitesteOcteti("Tezaurel.stn");
    t.dosar.ScrieOcteti(
        "Tezaurel.stn",
        asteptat.replace(516, 9, "  Algebra").replace(512 + 154, 100, QByteArray(100, '\0')));
    t.d.IncarcaColectie();
    EXPECT_TRUE(CorecteazaDetalii(t.d, 2, {6, 8, "Algebra", "Ecuatii", ""}));
    asteptat[512] = 6, asteptat[514] = 8;
    EXPECT_EQ(t.dosar.CitesteOcteti("Tezaurel.stn"), asteptat);
    EXPECT_FALSE(CorecteazaDetalii(t.d, 2, {6, 8, "", "", QString(101, 'y')})); // as the CSV's
    EXPECT_EQ(t.s.Mesaje.last(),
              "Observațiile: textul are 101 de caractere, dar încap cel mult 100. Scurtați-l.");

    PanzaInregistrata panza(QSize(120, 90), Qt::white);
    EditareProbleme editare(t.d, panza);
    t.dosar.ScrieOcteti("scanari/b.jpg", OctetiPoza(PozaModel(40, 30), "BMP"));
    for (int i = 0; i < 2; ++i) { // the second time it is back already: nothing written
        t.s.FisiereAlese.push_back(t.sursa + "/b.jpg");
        editare.DeschideFisier();
        editare.RepuneProblema();
    }
    asteptat[1024 + 510] = asteptat[1024 + 511] = 0;
    EXPECT_EQ(t.dosar.CitesteOcteti("Tezaurel.stn"), asteptat);
    EXPECT_EQ(t.s.Mesaje.mid(t.s.Mesaje.size() - 2),
              QStringList({"Problema a fost repusă în colecție.",
                           "Problema este în colecție și nu este marcată pentru ștergere."}));
}

} // namespace

// What "Disciplina" offers while typed covers nothing: the click meant for
// "Capitolul" lands there, and the chapter typed next goes into the chapter.
TEST(Import, CompletareaNuAcoperaCampulUrmator)
{
    DialogDetaliiProblema forma("Detalii", "Bine", {}, {"Triunghiuri"}, {"Algebră", "Geometrie"});
    forma.show();
    forma.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&forma));
    std::map<QString, QWidget *> campuri;
    for (QLabel *l : forma.findChildren<QLabel *>())
        campuri[l->text()] = l->buddy();
    QWidget *disciplina = campuri.at("&Disciplina:"), *capitol = campuri.at("Ca&pitolul:");
    disciplina->setFocus();
    QTest::keyClicks(disciplina, "geo");
    QTest::mouseClick(forma.windowHandle(), Qt::LeftButton, {},
                      capitol->mapTo(&forma, capitol->rect().center()));
    EXPECT_TRUE(capitol->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), "Triunghiuri");
    const DetaliiProblema d = forma.Detalii();
    EXPECT_EQ(d.Disciplina + "|" + d.Capitol, "Geometrie|Triunghiuri");
}

// Without probleme.csv the form says so and how many files its details go to.
TEST(Import, FormaFaraCsvSpuneCateFisierePrimescDetaliile)
{
    PlatformaScriptata platforma;
    ImportQt import(platforma, nullptr);
    const std::pair<int, const char *> cazuri[] = {
        {0, "niciun fișier"},    {1, "un fișier"},         {2, "2 fișiere"},
        {19, "19 fișiere"},      {20, "20 de fișiere"},    {101, "101 fișiere"},
        {100, "100 de fișiere"}, {1020, "1020 de fișiere"}};
    for (const auto &[numar, cate] : cazuri) {
        QString nota;
        QTimer::singleShot(0, [&nota] {
            QWidget *forma = QApplication::activeModalWidget();
            ASSERT_TRUE(forma);
            if (auto *l = forma->findChild<QLabel *>("nota"))
                nota = l->text();
            static_cast<QDialog *>(forma)->reject();
        });
        EXPECT_FALSE(import.CereDetalii({}, {}, numar).has_value());
        EXPECT_TRUE(nota.startsWith("Dosarul nu are fișierul probleme.csv")) << nota.toStdString();
        EXPECT_TRUE(nota.contains(QStringLiteral("(%1;").arg(QString::fromUtf8(cate))))
            << nota.toStdString();
    }
}
