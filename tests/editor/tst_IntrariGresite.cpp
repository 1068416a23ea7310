#include "store/CodPagina.h"
#include "tests/editor/EditorTest.h"

#include <functional>

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
        {"scan", jpeg, "Fisierul selectat nu este in format .jpg or .jpeg"},
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
        EXPECT_EQ(editare.NumeFisier(), "");
        EXPECT_TRUE(panza.Operatii.isEmpty());
        EXPECT_EQ(panza.Imagine, inainte);
        EXPECT_EQ(editare.Picture1(), buna);
    }
    editare.SalveazaProblema(); // nothing loaded, nothing to save
    EXPECT_TRUE(s.Prompturi.isEmpty());
}

// Whatever stops a save leaves the collection and Probleme/ as they were and
// the picture loaded, so the teacher can try again; a picture written for a
// record that could not be stored goes with it. Run where permissions bind.
TEST(SalvareOprita, NuSchimbaNimic)
{
    const auto doarCitire = [](const QString &cale, bool dosar) {
        QFile::setPermissions(cale, QFile::ReadOwner | (dosar ? QFile::ExeOwner : QFile::Permissions()));
    };
    const std::tuple<const char *, std::function<void(Editor &)>, QString, int> cazuri[] = {
        {"fara Probleme", [](Editor &e) { QDir(e.d.CaleProbleme()).removeRecursively(); },
         "Dosarul Probleme nu exista: %1/Probleme. " + Nesalvata, 0},
        {"un dosar cu numele", [](Editor &e) { QDir().mkpath(e.d.CaleProbleme() + "x.jpg"); },
         "Nu am reusit sa scriu imaginea problemei: %1/Probleme/x.jpg. " + Nesalvata, 0},
        {"Probleme doar citire", [&](Editor &e) { doarCitire(e.d.CaleProbleme(), true); },
         "Nu am reusit sa scriu imaginea problemei: %1/Probleme/x.jpg. " + Nesalvata, 0},
        {"colectie devenita doar citire", [&](Editor &e) { doarCitire(e.dosar.Colectie(), false); },
         "Nu am reusit sa scriu in fisierul colectiei: %1/Tezaurel.stn. Modificarea nu a fost "
         "salvata.", 5},
        {"colectie doar citire", [&](Editor &e) {
             doarCitire(e.dosar.Colectie(), false);
             e.d.IncarcaColectie();
         }, "Fisierul colectiei poate fi doar citit: %1/Tezaurel.stn. Problemele pot fi "
            "vizualizate, dar colectia nu poate fi modificata.", 0},
        {"colectie plina", [](Editor &e) {
             e.dosar.ScrieColectie(std::vector(1999, FaProblema(9, 7, "Algebra", "Functii", "a.jpg")));
             e.d.IncarcaColectie();
         }, "Tezaurelul este plin: nu mai este loc pentru inca o problema (cel mult 1999). "
            "Stergeti mai intai problemele de care nu mai aveti nevoie.", 0},
        {"colectia e dosar", [](Editor &e) {
             QFile::remove(e.dosar.Colectie());
             QDir().mkpath(e.dosar.Colectie());
             e.d.IncarcaColectie();
         }, "Nu am reusit sa deschid fisierul colectiei: %1/Tezaurel.stn. Colectia este goala si "
            "nu poate fi modificata.", 0}};
    CaUtilizatorObisnuit([&] {
        for (const auto &[nume, pregateste, mesaj, prompturi] : cazuri) {
            SCOPED_TRACE(nume);
            Editor e;
            e.dosar.ScrieColectie({FaProblema(9, 7, "Algebra", "Functii", "p.jpg")});
            e.d.IncarcaColectie();
            e.Deschide(e.Poza("x.jpg"));
            e.Raspunde({"9", "Functii", "Algebra", "7", ""});
            pregateste(e);
            const QByteArray colectie = e.Colectie();
            const int numar = e.d.NrProbleme;
            e.editare.SalveazaProblema();
            EXPECT_EQ(e.s.Mesaje, QStringList{QString(mesaj).replace("%1", e.dosar.Cale())});
            EXPECT_EQ(e.s.Prompturi.size(), prompturi);
            EXPECT_EQ(e.d.NrProbleme, numar);
            EXPECT_NE(e.d.TabelProbleme[std::min(numar + 1, 2000)].Fisier.FaraBlancuri(), "x.jpg");
            EXPECT_FALSE(QFileInfo(e.d.CaleProbleme() + "x.jpg").isFile());
            EXPECT_EQ(e.Colectie(), colectie);
            EXPECT_EQ(e.editare.NumeFisier(), "x.jpg");
        }
    });
}

// The code page's upper half, each byte as the character it stands for.
QString JumatateaSuperioara(int de, int cate)
{
    QByteArray octeti;
    for (int i = 0; i < cate; ++i)
        octeti.append(char(de + i));
    return DecodificaAnsi(octeti.constData(), int(octeti.size()));
}

// The longest answers are cut to their fields; Windows-1250 letters in the
// texts and the names come back whole (comma-below as the cedilla letters the
// record holds), and each picture is found by the name read back.
TEST_F(IntrariEditor, RaspunsurileCeleMaiLungiSiLitereleDinWindows1250)
{
    d.IncarcaColectie();
    const QString lung = QString(251, 'n') + ".jpg";
    const QString litere = QString::fromUtf8("ĂÂÎŞŢăâîşţ-ČčĽľŘřŮůŐőŰű-€„”ţ.jpg");
    Deschide(Poza(lung));
    Raspunde({"  12  ", QString(100000, 'c'), QString(5000, 'd'), "-32768",
              JumatateaSuperioara(0x80, 128)});
    editare.SalveazaProblema();
    Deschide(Poza(QString(litere).replace(QChar(0x163), QChar(0x21B)))); // ţ written ț
    EXPECT_EQ(editare.NumeFisier(), litere);
    Raspunde({"9", JumatateaSuperioara(0x80, 100), "", "8", ""});
    editare.SalveazaProblema();
    EXPECT_TRUE(s.Mesaje.isEmpty());

    mDefinitii reincarcat(dosar.Cale(), s);
    reincarcat.IncarcaColectie();
    ASSERT_EQ(reincarcat.NrProbleme, 3);
    const Problema &a = reincarcat.TabelProbleme[2], &b = reincarcat.TabelProbleme[3];
    EXPECT_EQ(QPoint(a.Clasa, a.Nivel), QPoint(12, -32768));
    EXPECT_EQ(a.Capitol.FaraBlancuri(), QString(100, 'c'));
    EXPECT_EQ(a.Observatii.FaraBlancuri(), JumatateaSuperioara(0x80, 100));
    EXPECT_EQ(b.Capitol.FaraBlancuri(), JumatateaSuperioara(0x80, 100));
    for (const Problema &p : {a, b})
        EXPECT_EQ(CitestePoza(reincarcat.CaleProbleme() + p.Fisier.FaraBlancuri()).Rezultat,
                  PozaCitita::Stare::Citita);
    EXPECT_TRUE(reincarcat.ExistaProblema(lung) && reincarcat.ExistaProblema(litere));
}

} // namespace
