#include "model/CitirePoza.h"
#include "tests/comune/PozeGresite.h"
#include "tests/tiparire/ProblemaAfisata.h"

#include <numeric>

using namespace tezaurel;

namespace {

using IntrariPagina = PaginaTest;
const QString EroareStocare =
    "A intervenit o eroare la salvarea fisierului. Verificati mediul de stocare.";

// A picture that cannot be read gives a page with the header alone; one too
// large is also told, on a printer as in a file. A copy from Windows, with
// other letter cases, prints its picture; the longest name that fits, with
// Windows-1250 letters, and a 3000-line header cut at its strip.
TEST_F(IntrariPagina, PozaCareNuSeCitesteDaDoarAntetul)
{
    const QByteArray jpeg = OctetiPoza(PozaCadrane(400, 300), "JPEG");
    const QString preaMare = MesajPozaPreaMare(d.CaleProbleme() + "p.jpg", {20000, 20000});
    const std::tuple<const char *, QByteArray, QStringList> cazuri[] = {
        {"gol", "", {}},
        {"text", "nu este o poza", {}},
        {"taiat", jpeg.left(jpeg.size() / 2), {}},
        {"lipsa", {}, {}},
        {"mare", BmpCuMarimea(20000, 20000), {preaMare}}};
    ArataProblema(dosar, sel, QImage());
    for (const auto &[caz, octeti, mesaje] : cazuri) {
        platforma.Mesaje.clear();
        QFile::remove(d.CaleProbleme() + "p.jpg");
        if (!octeti.isNull())
            dosar.ScrieOcteti("Probleme/p.jpg", octeti);
        date.NumeFisier = caz;
        CompunePagina(false, date, sel, imprimanta);
        EXPECT_EQ(platforma.Mesaje, mesaje + QStringList{Creat(caz)}) << caz;
        VerificaFoaia(Fisier(caz), 15, false);
    }
    CompunePagina(true, date, sel, imprimanta); // the last one on a printer too
    EXPECT_EQ(platforma.Mesaje.last(), preaMare);
    dosar.ScriePoza("p.jpg", PozaCadrane(400, 300));
    QDir(dosar.Cale()).rename("Probleme/p.jpg", "Probleme/P.JPG");
    QDir(dosar.Cale()).rename("Probleme", "PROBLEME");
    char ansi[128];
    std::iota(ansi, ansi + 128, char(0x80));
    date.Antet = DecodificaAnsi(ansi, 128) + '\n' + (QString(200, u'ş') + '\n').repeated(3000);
    date.NumeFisier = "ăâîşţ" + QString(241, 'n');
    CompunePagina(false, date, sel, imprimanta);
    EXPECT_EQ(platforma.Mesaje.last(), Creat(date.NumeFisier));
    VerificaFoaia(Fisier(date.NumeFisier), 15, true);
}

// The storage error, and nothing changed in teste/, whatever keeps the page
// from being written: no folder, a folder of that name, a name too long, a
// folder closed to new files or a read-only page (for root too, whom the
// rename would let replace it). A page in a closed folder is rewritten in place.
TEST_F(IntrariPagina, FisierulCareNuPoateFiScrisNuStricaNimic)
{
    const auto inchide = [](const DosarTest &t, const char *cale) {
        QFile::setPermissions(t.Cale() + cale, QFile::ReadOwner | QFile::ExeOwner);
    };
    const auto vechi = [&](const DosarTest &t, const char *inchis) {
        t.ScrieOcteti("teste/pagina.jpg", "vechi"), inchide(t, inchis);
    };
    const std::tuple<QString, std::function<void(const DosarTest &)>, const char *> cazuri[] = {
        {"pagina", [](const DosarTest &t) { QDir(t.Cale() + "/teste").removeRecursively(); }, ""},
        {"pagina", [](const DosarTest &t) { QDir(t.Cale()).mkpath("teste/pagina.jpg/pastrat"); },
         ""},
        {QString(300, 'n'), [](const DosarTest &) {}, ""},
        {"pagina", [&](const DosarTest &t) { inchide(t, "/teste"); }, ""},
        {"pagina", [&](const DosarTest &t) { vechi(t, "/teste/pagina.jpg"); }, "vechi"},
        {"pagina", [&](const DosarTest &t) { vechi(t, "/teste"); }, "BM"}};
    for (const auto &[nume, pregateste, ramas] : cazuri) {
        CaUtilizatorObisnuit([&] {
            DosarTest altul; // made by the user the body runs as
            Colectie d2(altul.Cale(), platforma);
            SelectieCurenta sel2(d2);
            ArataProblema(altul, sel2, PozaCadrane(40, 30));
            platforma.Mesaje.clear();
            date.NumeFisier = nume;
            pregateste(altul);
            const QStringList inainte =
                QDir(d2.CaleTeste()).entryList(QDir::AllEntries | QDir::Hidden);
            CompunePagina(false, date, sel2, imprimanta);
            QFile::setPermissions(d2.CaleTeste(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            EXPECT_EQ(platforma.Mesaje,
                      QStringList{QByteArray(ramas) == "BM" ? Creat(nume) : EroareStocare})
                << nume;
            EXPECT_EQ(QDir(d2.CaleTeste()).entryList(QDir::AllEntries | QDir::Hidden), inainte)
                << nume;
            EXPECT_TRUE(altul.CitesteOcteti("teste/pagina.jpg").startsWith(ramas)) << nume;
        });
    }
    ArataProblema(dosar, sel, PozaCadrane(40, 30));
    vechi(dosar, "/teste/pagina.jpg");
    platforma.Mesaje.clear();
    CompunePagina(false, date, sel, imprimanta);
    EXPECT_EQ(platforma.Mesaje, QStringList{EroareStocare});
    EXPECT_EQ(dosar.CitesteOcteti("teste/pagina.jpg"), "vechi");
}

} // namespace
