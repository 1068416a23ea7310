#include "import/ImportDosar.h"
#include "tests/editor/EditorTest.h"

#include <QDirIterator>

namespace {

// The teacher in front of the import: answers the form (or gives up) and
// presses "Anulare" once AnuleazaLa pictures have been offered.
struct InterfataScriptata final : InterfataImport
{
    std::optional<DetaliiProblema> Detalii;
    int AnuleazaLa = INT_MAX;
    int Pasi = 0;
    std::optional<DetaliiProblema> CereDetalii(const QStringList &, const QStringList &) override
    {
        return Detalii;
    }
    void Progres(int, int, const QString &) override { ++Pasi; }
    bool Anulat() override { return Pasi > AnuleazaLa; }
};

class Import : public EditorTest
{
protected:
    InterfataScriptata interfata;
    QString sursa = dosar.Cale() + "/scanari";

    // n pictures a.., each different, in turn JPEG, PNG and bitmap, with any name ending.
    void Poze(int n, int prima = 0)
    {
        const char *formate[] = {"JPEG", "PNG", "BMP"};
        for (int i = prima; i < prima + n; ++i) {
            QImage poza = PozaModel(60 + i, 40);
            poza.setPixel(0, 0, qRgb(i, 0, 0));
            Scanare(QString("p%1ș.jpg").arg(i, 2, 10, QChar('0')), OctetiPoza(poza, formate[i % 3]));
        }
    }
    RaportImport Importa()
    {
        d.IncarcaColectie();
        auto raport = ImportDosar(d, interfata).Importa(sursa);
        EXPECT_TRUE(raport);
        return raport.value_or(RaportImport());
    }
    QStringList InProbleme() { return QDir(dosar.Cale() + "/Probleme").entryList(QDir::Files); }
};

TEST_F(Import, TreizeciDePozeCuCsvDauExactColectiaAsteptata)
{
    Poze(30);
    Scanare("note.txt", "nu e poza");
    QByteArray csv = "fisier;clasa;nivel;disciplina;capitol;observatii\n";
    std::vector<Problema> asteptate;
    for (int i = 0; i < 30; ++i) {
        const QString nume = QString("p%1ș.jpg").arg(i, 2, 10, QChar('0'));
        csv += QString("%1;%2;%3;Algebră;Funcții %4;\"a; b\"\n")
                   .arg(nume)
                   .arg(5 + i % 8)
                   .arg(5 + i % 6)
                   .arg(i)
                   .toUtf8();
        asteptate.push_back(FaProblema(5 + i % 8, 5 + i % 6, "Algebră",
                                       QString("Funcții %1").arg(i), nume, false, "a; b"));
    }
    Scanare("probleme.csv", csv + "lipsa.jpg;9;7;;;\n");

    const RaportImport raport = Importa();
    EXPECT_EQ(raport.Adaugate, 30);
    EXPECT_EQ(raport.Omise,
              QStringList({"probleme.csv, rândul 32: fișierul lipsa.jpg nu este în dosar",
                           "note.txt: nu este o poză JPEG, PNG sau bitmap"}));
    DosarTest asteptat;
    asteptat.ScrieColectie(asteptate);
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn"), asteptat.CitesteOcteti("Tezaurel.stn"));
    for (const Problema &p : asteptate) // each picture keeps its own bytes
        EXPECT_EQ(dosar.CitesteOcteti("Probleme/" + p.Fisier.FaraBlancuri()),
                  dosar.CitesteOcteti("scanari/" + p.Fisier.FaraBlancuri().replace("ş", "ș")));
}

// Whatever stops the import, the collection holds whole problems: each record
// with its picture, each stored picture with its record.
TEST_F(Import, OprireaLasaDoarProblemeIntregi)
{
    const struct
    {
        const char *nume;
        int existente, anuleazaLa, scrieriPermise, adaugate;
        const char *ultimulMotiv;
    } cazuri[] = {
        {"tabelul se umple", 1997, INT_MAX, INT_MAX, 2,
         "p04ș.jpg: tabelul colecției este plin (cel mult 1999 de probleme)"},
        {"anulare după a treia", 0, 3, INT_MAX, 3, ""},
        {"fișierul colecției refuză a treia scriere", 0, INT_MAX, 2 * 2, 2,
         "p02ș.jpg: fișierul colecției nu a putut fi scris; importul s-a oprit"},
    };
    for (const auto &c : cazuri) {
        SCOPED_TRACE(c.nume);
        QDir(sursa).removeRecursively();
        for (const QString &n : InProbleme())
            QFile::remove(dosar.Cale() + "/Probleme/" + n);
        dosar.ScrieColectie(
            std::vector<Problema>(c.existente, FaProblema(9, 7, "", "", "vechi.jpg")));
        Poze(5);
        interfata = {};
        interfata.Detalii = DetaliiProblema{9, 7, "Geometrie", "Cercul", ""};
        interfata.AnuleazaLa = c.anuleazaLa;
        acces->ScrieriPermise = c.scrieriPermise;

        const RaportImport raport = Importa();
        acces->ScrieriPermise = INT_MAX;
        EXPECT_EQ(raport.Adaugate, c.adaugate);
        EXPECT_EQ(raport.Anulat, c.anuleazaLa != INT_MAX);
        EXPECT_EQ(raport.Omise.value(raport.Omise.size() - 1), c.ultimulMotiv);
        mDefinitii reincarcat(dosar.Cale(), s);
        reincarcat.IncarcaColectie();
        EXPECT_EQ(reincarcat.NrProbleme, 1 + c.existente + c.adaugate);
        QStringList inregistrate;
        for (int i = 2 + c.existente; i <= reincarcat.NrProbleme; ++i)
            inregistrate << reincarcat.TabelProbleme[i].Fisier.FaraBlancuri();
        EXPECT_EQ(inregistrate, InProbleme());
    }
}

TEST_F(Import, CorectareaSiRepunereaRescriuDoarInregistrareaEi)
{
    dosar.ScrieColectie({FaProblema(5, 5, "Algebra", "Ecuatii", "a.jpg"),
                         FaProblema(9, 7, "Geometrie", "Cercul", "b.jpg", true)});
    d.IncarcaColectie();
    const QByteArray inainte = dosar.CitesteOcteti("Tezaurel.stn");

    ASSERT_TRUE(CorecteazaDetalii(
        d, 2, {6, 8, "Algebră", "Ecuații de gradul II", "din manual\npagina 3"}));
    QByteArray asteptat = inainte;
    const auto corectata =
        FaProblema(6, 8, "Algebră", "Ecuații de gradul II", "a.jpg", false, "din manual\npagina 3")
            .Codifica();
    asteptat.replace(512, 512, QByteArray(corectata.data(), 512));
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn"), asteptat);

    Deschide(Poza("b.jpg"));
    editare.RepuneProblema();
    asteptat[1024 + 510] = asteptat[1024 + 511] = 0;
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn"), asteptat);
    Deschide(Poza("b.jpg"));
    editare.RepuneProblema(); // already back: nothing written
    EXPECT_EQ(s.Mesaje.mid(s.Mesaje.size() - 2),
              QStringList({"Problema a fost repusă în colecție.",
                           "Problema este în colecție și nu este marcată pentru ștergere."}));

    const struct
    {
        DetaliiProblema detalii;
        const char *mesaj;
    } refuzuri[] = {
        {{6, 8, QString(51, 'x'), "", ""},
         "Disciplina: textul are 51 de caractere, dar încap cel mult 50. Scurtați-l."},
        {{6, 8, "", "Sume ∑", ""},
         "Capitolul: caracterul „∑” nu poate fi păstrat în colecție (codificarea Windows-1250 nu "
         "îl are). Înlocuiți-l."},
        {{6, 8, "", "", QString(101, 'y')},
         "Observațiile: textul are 101 de caractere, dar încap cel mult 100. Scurtați-l."},
    };
    for (const auto &r : refuzuri) {
        EXPECT_FALSE(CorecteazaDetalii(d, 2, r.detalii));
        EXPECT_EQ(s.Mesaje.last(), r.mesaj);
    }
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn"), asteptat);
}

} // namespace
