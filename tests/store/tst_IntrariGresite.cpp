#include "store/StergereFizica.h"
#include "store/mDefinitii.h"
#include "tests/common/DosarTest.h"
#include "tests/common/PlatformaScriptata.h"
#include "tests/store/AccesJurnal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QString EroareDeschidere = QStringLiteral("Nu am reusit sa deschid fisierul colectiei: %1. "
                                                "Colectia este goala si nu poate fi modificata.");
const QString MesajPlin =
    QStringLiteral("Tezaurelul este plin: nu mai este loc pentru inca o problema (cel mult "
                   "1999). Stergeti mai intai problemele de care nu mai aveti nevoie.");

// A folder the program may not write in, whoever runs it (root included): a
// file already there opens for writing, nothing new can be created, and
// nothing can be renamed into it.
class AccesDosarDoarCitire final : public AccesFisiere
{
public:
    std::unique_ptr<FisierInregistrari> Deschide(const QString &cale, Mod mod) override
    {
        if (mod == Mod::CitireScriere && !QFileInfo::exists(cale))
            return nullptr;
        return AccesFisiereDisc().Deschide(cale, mod);
    }
    bool Inlocuieste(const QString &, const QString &) override { return false; }
};

TEST(IntrariGresiteColectie, ColectiaCareEsteUnDosarNuSeAtinge)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    QDir(dosar.Cale()).mkpath("Tezaurel.stn/pastrat");
    dosar.ScrieOcteti("Tezaurel.stn/pastrat/a.txt", "continut");
    mDefinitii definitii(dosar.Cale(), platforma);

    definitii.IncarcaColectie();
    EXPECT_EQ(definitii.NrProbleme, 1);
    EXPECT_FALSE(definitii.PoateAdauga());
    EXPECT_EQ(definitii.RaportIncarcare(), EroareDeschidere.arg(dosar.Colectie()));
    EXPECT_EQ(platforma.Mesaje, QStringList{definitii.RaportIncarcare()});
    EXPECT_FALSE(StergereFizica(definitii));
    EXPECT_EQ(platforma.Mesaje.last(), "Nu sunt probleme de sters");
    EXPECT_TRUE(QFileInfo(dosar.Colectie()).isDir());
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn/pastrat/a.txt"), "continut");
}

TEST(IntrariGresiteColectie, DosarulAplicatieiDoarCitire)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    {
        // No collection yet: none can be made, and the teacher is told so.
        mDefinitii definitii(dosar.Cale(), platforma, std::make_unique<AccesDosarDoarCitire>());
        definitii.IncarcaColectie();
        EXPECT_EQ(definitii.NrProbleme, 1);
        EXPECT_EQ(definitii.RaportIncarcare(), EroareDeschidere.arg(dosar.Colectie()));
        EXPECT_FALSE(QFileInfo::exists(dosar.Colectie()));
    }

    // The collection file itself is writable: adding and marking go on in
    // place; the purge, which writes the compacted file beside it, refuses
    // and leaves the collection and the pictures as they were.
    platforma.Mesaje.clear();
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "a.jpg", true)});
    dosar.ScriePoza("a.jpg", PozaModel(4, 3));
    mDefinitii definitii(dosar.Cale(), platforma, std::make_unique<AccesDosarDoarCitire>());
    definitii.IncarcaColectie();
    ASSERT_TRUE(Adauga(definitii, FaProblema(10, 8, "Algebra", "Ecuatii", "b.jpg")));
    ASSERT_TRUE(definitii.MarcheazaStearsa(3));
    const QByteArray inainte = dosar.CitesteOcteti("Tezaurel.stn");
    EXPECT_EQ(inainte.size(), 3 * 512);

    EXPECT_FALSE(StergereFizica(definitii));
    EXPECT_EQ(platforma.Mesaje, QStringList{EroareScriere(dosar.Colectie())});
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn"), inainte);
    EXPECT_TRUE(QFileInfo::exists(dosar.Cale() + "/Probleme/a.jpg"));
}

// The same on the real disk, where the permissions bind. Root ignores them.
TEST(IntrariGresiteColectie, DosarulAplicatieiFaraDrepturiPeDisc)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write in any folder; the seam above covers this case";
    DosarTest dosar;
    PlatformaScriptata platforma;
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "a.jpg", true)});
    const QByteArray inainte = dosar.CitesteOcteti("Tezaurel.stn");
    QFile::setPermissions(dosar.Cale(), QFile::ReadOwner | QFile::ExeOwner);
    mDefinitii definitii(dosar.Cale(), platforma);
    definitii.IncarcaColectie();
    EXPECT_EQ(definitii.NrProbleme, 2);
    EXPECT_FALSE(StergereFizica(definitii));
    QFile::setPermissions(dosar.Cale(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(platforma.Mesaje, QStringList{EroareScriere(dosar.Colectie())});
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn"), inainte);
}

TEST(IntrariGresiteColectie, TabelulPlinDinFisierRefuzaAdaugareaDarSePoateGoli)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    std::vector<Problema> probleme;
    for (int i = 2; i <= mDefinitii::UltimulSlot; ++i)
        probleme.push_back(
            FaProblema(9, 7, "Algebra", QString("C%1").arg(i), QString("p%1.jpg").arg(i), i == 2));
    dosar.ScrieColectie(probleme);
    const QByteArray inainte = dosar.CitesteOcteti("Tezaurel.stn");
    ASSERT_EQ(inainte.size(), 2000 * 512);
    mDefinitii definitii(dosar.Cale(), platforma);
    definitii.IncarcaColectie();
    EXPECT_EQ(definitii.NrProbleme, 2000);
    EXPECT_TRUE(platforma.Mesaje.isEmpty());

    EXPECT_FALSE(Adauga(definitii, FaProblema(5, 5, "D", "C", "nou.jpg")));
    EXPECT_EQ(platforma.Mesaje, QStringList{MesajPlin});
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn"), inainte);

    // Marking still works, and the purge makes room again.
    ASSERT_TRUE(definitii.MarcheazaStearsa(2000));
    ASSERT_TRUE(StergereFizica(definitii));
    definitii.IncarcaColectie();
    EXPECT_EQ(definitii.NrProbleme, 1998);
    EXPECT_EQ(definitii.TabelProbleme[2].Capitol.FaraBlancuri(), "C3");
    EXPECT_TRUE(Adauga(definitii, FaProblema(5, 5, "D", "C", "nou.jpg")));
}

// Every text field filled to its last character, with no blank to trim.
Problema ProblemaPlina()
{
    Problema p;
    p.Clasa = -32768;
    p.Nivel = 32767;
    p.Disciplina.Atribuie(QString(49, 'D') + 'd');
    p.Capitol.Atribuie(QString(99, 'C') + 'c');
    p.Observatii.Atribuie(QString(99, 'O') + 'o');
    p.Fisier.Atribuie(QString(251, 'f') + ".jpg");
    p.Fisier.Octeti[255] = 'x';
    return p;
}

TEST(IntrariGresiteColectie, TexteleCeleMaiLungiSePastreazaIntregi)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    mDefinitii definitii(dosar.Cale(), platforma);
    definitii.IncarcaColectie();
    const Problema plina = ProblemaPlina();
    ASSERT_TRUE(Adauga(definitii, plina));
    ASSERT_TRUE(Adauga(definitii, FaProblema(5, 5, "D", "C", "a.jpg", false)));
    ASSERT_TRUE(definitii.MarcheazaStearsa(3));
    ASSERT_TRUE(StergereFizica(definitii));

    mDefinitii reincarcat(dosar.Cale(), platforma);
    reincarcat.IncarcaColectie();
    ASSERT_EQ(reincarcat.NrProbleme, 2);
    EXPECT_EQ(Octeti(reincarcat.TabelProbleme[2]), Octeti(plina));
    EXPECT_TRUE(reincarcat.ExistaProblema(QString(251, 'f') + ".jpgx"));
}

// Record bytes as a Windows machine may have left them: bytes from 0x80 to
// 0xFF in each text field. A file name takes half of them, from primul on:
// all 128 would need more than the 255 bytes a Linux file name may have.
Problema ProblemaCuOctetiInalti(int primul, bool stearsa = false)
{
    Problema p;
    p.Clasa = 9;
    p.Nivel = 7;
    for (int i = 0; i < 50; ++i)
        p.Disciplina.Octeti[size_t(i)] = char(0x80 + i);
    for (int i = 0; i < 100; ++i) {
        p.Capitol.Octeti[size_t(i)] = char(0x80 + (i + 50) % 128);
        p.Observatii.Octeti[size_t(i)] = char(0x80 + (i + 28) % 128);
    }
    p.Fisier.Octeti.fill(' ');
    for (int i = 0; i < 64; ++i)
        p.Fisier.Octeti[size_t(i)] = char(primul + i);
    const QByteArray extensie = ".jpg";
    std::copy(extensie.begin(), extensie.end(), p.Fisier.Octeti.begin() + 64);
    p.Sters = stearsa ? Adevarat : Fals;
    return p;
}

TEST(IntrariGresiteColectie, Octetii80PanaLaFFInFiecareCampTrecPrinNeschimbati)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    const Problema inalta = ProblemaCuOctetiInalti(0x80);
    const Problema marcata = ProblemaCuOctetiInalti(0x80, true);
    const Problema alta = ProblemaCuOctetiInalti(0xC0, true);
    dosar.ScrieColectie({marcata, inalta, alta});
    const QString nume = inalta.Fisier.FaraBlancuri();
    const QString numeAlta = alta.Fisier.FaraBlancuri();
    ASSERT_EQ(nume.size(), 68);
    dosar.ScriePoza(nume, PozaModel(4, 3));
    dosar.ScriePoza(numeAlta, PozaModel(4, 3));
    ASSERT_TRUE(QFileInfo::exists(dosar.Cale() + "/Probleme/" + numeAlta));

    mDefinitii definitii(dosar.Cale(), platforma);
    definitii.IncarcaColectie();
    ASSERT_EQ(definitii.NrProbleme, 4);
    EXPECT_EQ(Octeti(definitii.TabelProbleme[3]), Octeti(inalta));
    EXPECT_TRUE(definitii.ExistaProblema(nume));

    // The purge keeps the picture an active problem still names, deletes the
    // other, and writes the kept record back byte for byte.
    ASSERT_TRUE(StergereFizica(definitii));
    EXPECT_EQ(platforma.Mesaje, QStringList{"Am sters:  1 fisiere"});
    EXPECT_TRUE(QFileInfo::exists(dosar.Cale() + "/Probleme/" + nume));
    EXPECT_FALSE(QFileInfo::exists(dosar.Cale() + "/Probleme/" + numeAlta));
    EXPECT_EQ(dosar.CitesteOcteti("Tezaurel.stn").mid(512, 512), Octeti(inalta));
}

TEST(IntrariGresiteColectie, PurjareaFaraDosarulProbleme)
{
    DosarTest dosar;
    PlatformaScriptata platforma;
    dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "a.jpg", true),
                         FaProblema(9, 7, "Algebra", "Functii", "b.jpg"),
                         FaProblema(9, 7, "Algebra", "Functii", "c.jpg", true)});
    ASSERT_TRUE(QDir(dosar.Cale() + "/Probleme").removeRecursively());
    mDefinitii definitii(dosar.Cale(), platforma);
    definitii.IncarcaColectie();
    // Each picture is reported; the records go all the same.
    ASSERT_TRUE(StergereFizica(definitii));
    EXPECT_EQ(platforma.Mesaje, QStringList({"Nu am reusit sa sterg fisierul: a.jpg",
                                             "Nu am reusit sa sterg fisierul: c.jpg",
                                             "Nu sunt fisiere marcate pentru sters"}));
    definitii.IncarcaColectie();
    ASSERT_EQ(definitii.NrProbleme, 2);
    EXPECT_EQ(definitii.TabelProbleme[2].Fisier.FaraBlancuri(), "b.jpg");
}

} // namespace
