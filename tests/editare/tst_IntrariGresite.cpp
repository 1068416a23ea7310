#include "tests/editare/EditorTest.h"

#include <functional>

using namespace tezaurel;

namespace {

using IntrariEditor = EditorTest;
const QString Nesalvata = "Problema nu a fost salvata.";

// A refused file says why and leaves the window, the holder and the name as they were.
TEST_F(IntrariEditor, DeschidereaRefuzataIsiSpuneMotivul)
{
    d.IncarcaColectie();
    const QImage buna = PozaModel(40, 30);
    Deschide(Poza("buna.jpg", buna));
    const QImage inainte = panza.Imagine;
    panza.Operatii.clear();
    const QByteArray jpeg = OctetiPoza(PozaModel(64, 48), "JPEG");
    const QString numele = "Numele fisierului nu poate fi pastrat in colectie: #. Redenumiti "
                           "fisierul folosind litere romanesti sau latine si cel mult 256 de "
                           "caractere.";
    const std::tuple<QString, QByteArray, QString> cazuri[] = {
        {"", {}, "Nu ati selectat nici un fisier"},
        {"scan.jpe", jpeg, "Fisierul selectat nu este in format .jpg or .jpeg"},
        {"gol.jpg", {}, "Fisierul selectat este gol: @"},
        {"text.jpeg", "nu este o poza", "Nu am reusit sa citesc imaginea din fisierul selectat: @"},
        {"taiat.jpg", jpeg.left(jpeg.size() * 2 / 3),
         "Fisierul selectat este incomplet, imaginea din el este taiata: @. Copiati sau scanati "
         "din nou problema."},
        {"urias.jpg", JpegCuMarimea(60000, 60000), MesajPozaPreaMare("@", {60000, 60000})},
        {"bomba.jpg", PngCuMarimea(9000, 9000), MesajPozaPreaMare("@", {9000, 9000})},
        {"функция.jpg", jpeg, numele},
        {QString(253, 'a') + ".jpg", jpeg, numele}};
    for (const auto &[nume, octeti, mesaj] : cazuri) {
        SCOPED_TRACE(nume.left(20).toStdString());
        s.Mesaje.clear();
        const QString cale = nume.isEmpty() ? "" : Scanare(nume, octeti);
        Deschide(cale);
        EXPECT_EQ(s.Mesaje, QStringList{QString(mesaj).replace("@", cale).replace("#", nume)});
        EXPECT_TRUE(editare.NumeFisier().isEmpty() && panza.Operatii.isEmpty());
        EXPECT_EQ(panza.Imagine, inainte);
        EXPECT_EQ(editare.PozaNaturala(), buna);
    }
    editare.SalveazaProblema(); // nothing loaded, nothing to save
    EXPECT_TRUE(s.Prompturi.isEmpty());
}

// Whatever stops a save leaves the collection and Probleme/ as they were and
// the picture loaded, so the teacher can try again; a picture written for a
// record that could not be stored goes with it. Run where permissions bind.
TEST(SalvareOprita, NuSchimbaNimic)
{
    const auto doarCitire = [](const QString &cale) {
        return QFile::setPermissions(cale, QFile::ReadOwner | QFile::ExeOwner);
    };
    // The cause, whether the collection is loaded again after it, the message's
    // start (%1: the application folder), the prompts asked.
    const std::tuple<const char *, std::function<void(Editor &)>, bool, QString, int> cazuri[] = {
        {"fara Probleme", [](Editor &e) { QDir(e.d.CaleProbleme()).removeRecursively(); }, true,
         "Dosarul Probleme nu exista: %1/Probleme. " + Nesalvata, 0},
        {"Probleme doar citire", [&](Editor &e) { doarCitire(e.d.CaleProbleme()); }, true,
         "Nu am reusit sa scriu imaginea problemei: %1/Probleme/x.jpg. " + Nesalvata, 5},
        {"colectia devenita doar citire", [&](Editor &e) { doarCitire(e.dosar.Colectie()); }, false,
         "Nu am reusit sa scriu in fisierul colectiei: %1/Tezaurel.stn.", 5},
        {"colectia doar citire", [&](Editor &e) { doarCitire(e.dosar.Colectie()); }, true,
         "Fisierul colectiei poate fi doar citit: %1/Tezaurel.stn.", 0},
        {"colectia plina", [](Editor &e) { e.dosar.ScrieColectie(std::vector(1999, Problema())); },
         true, "Tezaurelul este plin:", 0},
        {"colectia e dosar",
         [](Editor &e) { QFile::remove(e.dosar.Colectie()) && QDir().mkpath(e.dosar.Colectie()); },
         true, "Nu am reusit sa deschid fisierul colectiei: %1/Tezaurel.stn.", 0}};
    CaUtilizatorObisnuit([&] {
        for (const auto &[cauza, pregateste, reincarca, mesaj, prompturi] : cazuri) {
            SCOPED_TRACE(cauza);
            Editor e;
            e.dosar.ScrieOcteti("Tezaurel.stn", {});
            e.d.IncarcaColectie();
            e.Deschide(e.Poza("x.jpg"));
            e.Raspunde({"9", "Functii", "Algebra", "7", ""});
            pregateste(e);
            if (reincarca)
                e.d.IncarcaColectie();
            const QByteArray colectie = e.OctetiColectie();
            const int numar = e.d.NrProbleme();
            e.editare.SalveazaProblema();
            EXPECT_EQ(e.s.Mesaje.size(), 1);
            EXPECT_TRUE(
                e.s.Mesaje.value(0).startsWith(QString(mesaj).replace("%1", e.dosar.Cale())))
                << e.s.Mesaje.value(0);
            EXPECT_EQ(e.s.Prompturi.size(), prompturi);
            EXPECT_EQ(e.d.NrProbleme(), numar);
            EXPECT_NE(e.d.ProblemaDin(std::min(numar + 1, 2000)).Fisier.FaraBlancuri(), "x.jpg");
            EXPECT_FALSE(QFileInfo(e.d.CaleProbleme() + "x.jpg").isFile());
            EXPECT_EQ(e.OctetiColectie(), colectie);
            EXPECT_EQ(e.editare.NumeFisier(), "x.jpg");
        }
    });
}

} // namespace
