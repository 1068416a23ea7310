#include "editor/EditareProbleme.h"
#include "import/CitireCsv.h"
#include "import/ImportDosar.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PanzaInregistrata.h"
#include "tests/common/PlatformaScriptata.h"
#include "tests/common/PozeGresite.h"
#include "tests/store/AccesJurnal.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// Each row kept as fisier:clasa:nivel:disciplina:capitol:observatii, each row
// left out as !line, a refused file as its reason.
QString Rezumat(const TabelCsv &t)
{
    QStringList parti = t.Eroare.isEmpty() ? QStringList() : QStringList{t.Eroare};
    for (const RandCsv &r : t.Randuri)
        parti << QStringList({r.Fisier, QString::number(r.Detalii.Clasa),
                              QString::number(r.Detalii.Nivel), r.Detalii.Disciplina,
                              r.Detalii.Capitol, r.Detalii.Observatii})
                     .join(':');
    for (const QString &g : t.RanduriGresite)
        parti << '!' + g.section(' ', 2, 2).chopped(1);
    return parti.join(' ');
}

TEST(Import, CitireaCsv)
{
    const std::pair<QByteArray, const char *> cazuri[] = {
        {"fisier,clasa,nivel,disciplina,capitol,observatii\na.jpg,9,7,Algebra,Funcții,\n",
         "a.jpg:9:7:Algebra:Funcții:"},
        {"Nivel;FISIER;clasa;capitol\r\n6;b.png;12;Integrale\r\n\r\n", "b.png:12:6::Integrale:"},
        {"fisier,clasa,nivel,observatii\n\"c, d.jpg\",5,5,\"zice \"\"da\"\"\nși "
         "gata\"\ne.jpg,5,5,x\n",
         "c, d.jpg:5:5:::zice \"da\"\nși gata e.jpg:5:5:::x"},
        {"\xEF\xBB\xBF"
         "fisier;clasa;nivel;capitol\nf.jpg;8;9;Ecuații\n",
         "f.jpg:8:9::Ecuații:"},
        {"fisier;clasa;nivel;capitol\ng.jpg;8;9;Ecua\xFEii \xEEn \xE2\n",
         "g.jpg:8:9::Ecuaţii în â:"},
        {"fisier,clasa,nivel\nh.jpg,7\n", "!2"},
        {"fisier,clasa,nivel\ni.jpg,7,7,de,prisos\nj.jpg,7,7\n", "j.jpg:7:7::: !2"},
        {"fisier,autor,clasa,nivel\nk.jpg,Ion,6,6\n", "k.jpg:6:6:::"},
        {"fisier,clasa,nivel\na.jpg,IX,7\nb.jpg,13,7\nc.jpg,9,4\nd.jpg, 9 ,10\n",
         "d.jpg:9:10::: !2 !3 !4"},
        {"fisier,clasa,nivel\n../x.jpg,9,7\na.jpg,9,7\na.jpg,9,8\n", "a.jpg:9:7::: !2 !4"},
        {"fisier,clasa,nivel,disciplina,capitol\na.jpg,9,7," + QByteArray(51, 'x') +
             ",\nb.jpg,9,7,,∑\n",
         "!2 !3"},
        {"fisier,clasa,nivel\na.jpg,9,7\n\"b.jpg,9,7\nc.jpg,9,7\n", "a.jpg:9:7::: !3"},
        {"fisier,clasa\na.jpg,9\n",
         "primul rând nu numește coloana „nivel” (sunt așteptate coloanele fisier, clasa, nivel, "
         "disciplina, capitol, observatii)"},
        {"", "fișierul nu are niciun rând"},
    };
    for (const auto &[octeti, asteptat] : cazuri)
        EXPECT_EQ(Rezumat(CitesteCsv(octeti)), QString::fromUtf8(asteptat)) << octeti.data();

    // The fuzzer's seeds and every input it ever found failing: only rows that fit a record.
    const QDir corpus(QStringLiteral(TEZAUREL_CORPUS_CSV));
    ASSERT_FALSE(corpus.isEmpty());
    for (const QString &nume : corpus.entryList(QDir::Files)) {
        QFile f(corpus.filePath(nume));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        for (const RandCsv &r : CitesteCsv(f.readAll()).Randuri)
            EXPECT_TRUE(!VerificaNumeFisier(r.Fisier) && !VerificaDetalii(r.Detalii) &&
                        r.Detalii.Clasa >= 5 && r.Detalii.Clasa <= 12 && r.Detalii.Nivel >= 5 &&
                        r.Detalii.Nivel <= 10)
                << nume.toStdString() << " " << r.Linie;
    }
}

// The teacher in front of the import: answers the form (or gives up) and
// presses "Anulare" once AnuleazaLa pictures have been offered.
struct InterfataScriptata final : InterfataImport
{
    std::optional<DetaliiProblema> Detalii;
    int AnuleazaLa = INT_MAX, Pasi = 0;
    std::optional<DetaliiProblema> CereDetalii(const QStringList &, const QStringList &) override
    {
        return Detalii;
    }
    void Progres(int, int, const QString &) override { ++Pasi; }
    bool Anulat() override { return Pasi > AnuleazaLa; }
};

// An application folder, a disk that can be told to refuse writing, and a
// folder scanari/ of n pictures, each different, in turn JPEG, PNG and bitmap.
struct Dosar
{
    DosarTest dosar;
    PlatformaScriptata s;
    AccesJurnal *acces = new AccesJurnal; // owned by d
    mDefinitii d{dosar.Cale(), s, std::unique_ptr<AccesFisiere>(acces)};
    InterfataScriptata interfata;
    QString sursa = dosar.Cale() + "/scanari";

    explicit Dosar(int n)
    {
        for (int i = 0; i < n; ++i) {
            QImage poza = PozaModel(60 + i, 40);
            poza.setPixel(0, 0, qRgb(i, 0, 0));
            Scanare(Nume(i), OctetiPoza(poza, std::array{"JPEG", "PNG", "BMP"}[i % 3]));
        }
    }
    static QString Nume(int i) { return QString("p%1ș.jpg").arg(i, 2, 10, QChar('0')); }
    void Scanare(const QString &nume, const QByteArray &octeti)
    {
        QDir().mkpath(sursa);
        dosar.ScrieOcteti("scanari/" + nume, octeti);
    }
    std::optional<RaportImport> Importa()
    {
        d.IncarcaColectie();
        return ImportDosar(d, interfata).Importa(sursa);
    }
};

TEST(Import, DosarCuCsvDaExactColectiaAsteptata)
{
    Dosar t(30);
    t.Scanare("note.txt", "nu e poza");
    t.Scanare("rupt.jpg", OctetiPoza(PozaModel(50, 40), "JPEG").chopped(100));
    QByteArray csv = "fisier;clasa;nivel;disciplina;capitol;observatii\n";
    std::vector<Problema> asteptate;
    for (int i = 0; i < 30; ++i) {
        const QString capitol = QString("Funcții %1").arg(i);
        csv += QString("%1;%2;%3;Algebră;%4;\"a; b\"\n")
                   .arg(Dosar::Nume(i))
                   .arg(5 + i % 8)
                   .arg(5 + i % 6)
                   .arg(capitol)
                   .toUtf8();
        asteptate.push_back(
            FaProblema(5 + i % 8, 5 + i % 6, "Algebră", capitol, Dosar::Nume(i), false, "a; b"));
    }
    t.Scanare("probleme.csv", csv + "lipsa.jpg;9;7;;;\n");

    const RaportImport raport = t.Importa().value();
    EXPECT_EQ(raport.Text(), "Probleme adăugate: 30. Omise: 3.\n"
                             "• probleme.csv, rândul 32: fișierul lipsa.jpg nu este în dosar\n"
                             "• note.txt: nu este o poză JPEG, PNG sau bitmap\n"
                             "• rupt.jpg: poza este incompletă, îi lipsește sfârșitul");
    DosarTest asteptat;
    asteptat.ScrieColectie(asteptate);
    EXPECT_EQ(t.dosar.CitesteOcteti("Tezaurel.stn"), asteptat.CitesteOcteti("Tezaurel.stn"));
    for (int i = 0; i < 30; ++i) // each picture keeps its own bytes, stored as ş
        EXPECT_EQ(t.dosar.CitesteOcteti("Probleme/" + Dosar::Nume(i).replace("ș", "ş")),
                  t.dosar.CitesteOcteti("scanari/" + Dosar::Nume(i)));
}

// Whatever stops the import or fails in it, the collection holds whole
// problems: each record with its picture, each stored picture with its record.
TEST(Import, OprireaSauEseculLasaDoarProblemeIntregi)
{
    CaUtilizatorObisnuit([] {
        const struct
        {
            int existente, anuleazaLa, scrieriPermise, adaugate;
            bool problemeDoarCitire;
            const char *ultimulMotiv;
        } cazuri[] = {
            {1997, INT_MAX, INT_MAX, 2, false,
             "p04ș.jpg: tabelul colecției este plin (cel mult 1999 de probleme)"},
            {0, 3, INT_MAX, 3, false, ""},
            {0, INT_MAX, 2 * 2, 2, false,
             "p02ș.jpg: fișierul colecției nu a putut fi scris; importul s-a oprit"},
            {0, INT_MAX, INT_MAX, 0, true,
             "p04ș.jpg: nu am reușit să copiez poza în dosarul Probleme"},
        };
        for (const auto &c : cazuri) {
            Dosar t(5);
            t.dosar.ScrieColectie(
                std::vector<Problema>(c.existente, FaProblema(9, 7, "", "", "vechi.jpg")));
            if (c.problemeDoarCitire)
                QFile::setPermissions(t.dosar.Cale() + "/Probleme",
                                      QFile::ReadOwner | QFile::ExeOwner);
            t.interfata.Detalii = DetaliiProblema{9, 7, "Geometrie", "Cercul", ""};
            t.interfata.AnuleazaLa = c.anuleazaLa;
            t.acces->ScrieriPermise = c.scrieriPermise;
            const RaportImport raport = t.Importa().value();
            EXPECT_EQ(raport.Adaugate, c.adaugate) << c.ultimulMotiv;
            EXPECT_EQ(raport.Anulat, c.anuleazaLa != INT_MAX);
            EXPECT_EQ(raport.Omise.value(raport.Omise.size() - 1), c.ultimulMotiv);
            mDefinitii reincarcat(t.dosar.Cale(), t.s);
            reincarcat.IncarcaColectie();
            EXPECT_EQ(reincarcat.NrProbleme, 1 + c.existente + c.adaugate);
            QStringList inregistrate;
            for (int i = 2 + c.existente; i <= reincarcat.NrProbleme; ++i)
                inregistrate << reincarcat.TabelProbleme[i].Fisier.FaraBlancuri();
            EXPECT_EQ(inregistrate, QDir(t.dosar.Cale() + "/Probleme").entryList(QDir::Files));
        }
    });
}

TEST(Import, CorectareaSiRepunereaRescriuDoarInregistrareaEi)
{
    Dosar t(0);
    t.dosar.ScrieColectie({FaProblema(5, 5, "Algebra", "Ecuatii", "a.jpg"),
                           FaProblema(9, 7, "Geometrie", "Cercul", "b.jpg", true)});
    t.d.IncarcaColectie();
    QByteArray asteptat = t.dosar.CitesteOcteti("Tezaurel.stn");
    ASSERT_TRUE(CorecteazaDetalii(t.d, 2, {6, 8, "Algebră", "Ecuații", "din manual\npagina 3"}));
    asteptat.replace(
        512, 512,
        Octeti(FaProblema(6, 8, "Algebră", "Ecuații", "a.jpg", false, "din manual\npagina 3")));
    EXPECT_EQ(t.dosar.CitesteOcteti("Tezaurel.stn"), asteptat);
    const std::pair<DetaliiProblema, const char *> refuzuri[] = {
        {{6, 8, QString(51, 'x'), "", ""},
         "Disciplina: textul are 51 de caractere, dar încap cel mult 50. Scurtați-l."},
        {{6, 8, "", "Sume ∑", ""},
         "Capitolul: caracterul „∑” nu poate fi păstrat în colecție "
         "(codificarea Windows-1250 nu îl are). Înlocuiți-l."},
        {{6, 8, "", "", QString(101, 'y')},
         "Observațiile: textul are 101 de caractere, dar încap cel mult 100. Scurtați-l."}};
    for (const auto &[detalii, mesaj] : refuzuri) {
        EXPECT_FALSE(CorecteazaDetalii(t.d, 2, detalii));
        EXPECT_EQ(t.s.Mesaje.last(), mesaj);
    }

    PanzaInregistrata panza(QSize(120, 90), Qt::white);
    EditareProbleme editare(t.d, panza);
    t.Scanare("b.jpg", OctetiPoza(PozaModel(40, 30), "BMP"));
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
