// The one way a problem enters the collection, stopped dead at each of its
// writes, run by two programs at once, on a full disk: every record keeps its
// own picture (by content), and no picture stays that no record names.
#include "logica/lucrari/ArhivaLucrari.h"
#include "model/AdaugareProbleme.h"
#include "model/StergereFizica.h"
#include "tests/comune/PozeGresite.h"
#include "tests/model/AccesJurnal.h"

#include <QDir>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tezaurel;

namespace {

using Punct = AdaugareProbleme::Punct;

// A problem whose picture's content is told by its observations.
Problema Noua(const QString &nume, const QString &cine)
{
    return FaProblema(9, 7, "Algebra", "Functii", nume, false, cine);
}
QByteArray Continut(const QString &cine)
{
    const QByteArray u = cine.toUtf8();
    QImage poza(int(u.size()) + 1, 1, QImage::Format_RGB32);
    for (int i = 0; i <= u.size(); ++i)
        poza.setPixel(i, 0, qRgb(i < u.size() ? uchar(u[i]) : 0, 0, 0));
    return OctetiPoza(poza, "BMP");
}

// Started afresh: the records, each "name=observations" (its picture checked
// against its content), the files of Probleme/ no record finds, the journals' rows.
// imediat: the next start comes at once, when a picture of the last minutes
// is still taken for another program's import at work and left alone.
QString Stare(const QString &dosar, bool imediat = false)
{
    for (const QFileInfo &f : QDir(dosar + "/Probleme").entryInfoList(QDir::Files))
        if (QFile poza(f.filePath()); !imediat && poza.open(QIODevice::Append))
            poza.setFileTime(f.lastModified().addSecs(-3600), QFileDevice::FileModificationTime);
    PlatformaScriptata platforma;
    Colectie d(dosar, platforma);
    ArhivaLucrari::Inregistreaza(d.Baza()); // as the application does
    d.IncarcaColectie();
    d.Baza().Deschide();
    RecupereazaPozeleJurnalizate(d);
    QStringList rezultat, numite;
    for (int i = 2; i <= d.NrProbleme(); ++i) {
        const Problema &p = d.ProblemaDin(i);
        const QString cine = p.Observatii.FaraBlancuri(),
                      cale = d.CalePoza(p.Fisier.FaraBlancuri()).Cale;
        QFile poza(cale);
        const bool aSa = poza.open(QIODevice::ReadOnly) && poza.readAll() == Continut(cine);
        rezultat << p.Fisier.FaraBlancuri() + "=" + cine + (aSa || cine.isEmpty() ? "" : "!");
        numite << QFileInfo(cale).fileName();
    }
    QStringList orfane = QDir(d.CaleProbleme()).entryList(QDir::Files | QDir::Hidden);
    orfane.removeIf([&](const QString &f) { return numite.contains(f); });
    int jurnal = 0;
    for (const char *tabel : {"import_in_curs", "stergere_in_curs"}) {
        QSqlQuery q(d.Baza().Conexiune());
        jurnal += q.exec(QString("SELECT count(*) FROM %1").arg(tabel)) && q.next()
                      ? q.value(0).toInt()
                      : 0;
    }
    QStringList lucrari;
    for (const char *tabel : {"lucrari_probleme", "folosiri"}) {
        QSqlQuery q(d.Baza().Conexiune());
        q.exec(QString("SELECT group_concat(poza, ' ') FROM (SELECT poza FROM %1 ORDER BY poza)")
                   .arg(tabel));
        lucrari << (q.next() ? q.value(0).toString() : "?");
    }
    return rezultat.join(' ') + " |" + orfane.join(' ') + "| " + QString::number(jurnal) + " " +
           lucrari.join('/');
}

template <typename F> int InCopil(F f)
{
    const pid_t pid = fork();
    if (pid == 0) {
        f();
        _exit(1);
    }
    int stare = 0;
    waitpid(pid, &stare, 0);
    return WIFEXITED(stare) ? WEXITSTATUS(stare) : -1;
}

// A program dies at the n-th time it reaches a point (0: it does not die):
// in three appends (the first name taken by another file, one in capitals)
// or in a purge of a problem marked beside a kept one of the same name. The
// next start finishes or undoes the rest: the records written stay whole, the
// pictures of those not written go, once they are a few minutes old.
// 10 deaths, 2 runs to the end.
TEST(AdaugareProbleme, OmoratLaFiecareScriereNuLasaNimicPierdutSauOrfan)
{
    const QString inainte = "x.jpg=x Y.JPG=y s.jpg=s m.jpg=m s.jpg= M.jpg= y.jpg=",
                  dupa = " || 0 M.jpg s.jpg/M.jpg s.jpg", dupaStergere = " || 0 s.jpg/s.jpg";
    const QString a1 = inainte + " x (2).jpg=1", a2 = a1 + " Nou.JPG=2", a3 = a2 + " Y (2).jpg=3";
    const std::tuple<Punct, int, QString, bool> cazuri[] = {
        {Punct::Jurnal, 1, inainte, false},
        {Punct::Poza, 1, inainte, false},
        {Punct::Poza, 1, inainte + " |x (2).jpg| 1 M.jpg s.jpg/M.jpg s.jpg", true},
        {Punct::Inregistrare, 1, a1, false},
        {Punct::Jurnal, 2, a1, false},
        {Punct::Poza, 2, a1, false},
        {Punct::Inregistrare, 2, a2, false},
        {Punct::Poza, 3, a2, false},
        {Punct::Inregistrare, 3, a3, false},
        {Punct::Jurnal, 0, a3, false},
        {Punct::ColectieInlocuita, 1, "x.jpg=x Y.JPG=y s.jpg=s m.jpg=m" + dupaStergere, false},
        {Punct::ColectieInlocuita, 0, "x.jpg=x Y.JPG=y s.jpg=s m.jpg=m" + dupaStergere, false},
    };
    for (const auto &[punct, n, asteptat, imediat] : cazuri) {
        SCOPED_TRACE(testing::Message() << int(punct) << " " << n);
        DosarTest dosar;
        // Y.JPG came from Windows as y.jpg, which a marked problem names in
        // its case; a marked s.jpg shares the kept one's name; the marked
        // M.jpg has a picture of its own beside the kept m.jpg.
        const auto marcata = [](const char *nume) { return FaProblema(9, 7, "", "", nume, true); };
        dosar.ScrieColectie({Noua("x.jpg", "x"), Noua("Y.JPG", "y"), Noua("s.jpg", "s"),
                             Noua("m.jpg", "m"), marcata("s.jpg"), marcata("M.jpg"),
                             marcata("y.jpg")});
        for (const char *cine : {"x", "y", "s", "m", "M"})
            dosar.ScrieOcteti(QString("Probleme/%1.jpg").arg(cine), Continut(cine));
        // A paper and the usage of a class name the kept s.jpg and the marked M.jpg.
        {
            PlatformaScriptata platforma;
            Colectie d(dosar.Cale(), platforma);
            ArhivaLucrari::Inregistreaza(d.Baza()); // as the application does
            ASSERT_TRUE(d.Baza().Deschide());
            QSqlQuery q(d.Baza().Conexiune());
            for (const char *sql :
                 {"INSERT INTO lucrari(id, titlu, scoala, clasa, data, linia_nume, "
                  "timp_lucru, din_oficiu, modificata) VALUES (1, 't', 's', "
                  "'9A', '2026-01-01', 0, 0, 0, 'x')",
                  "INSERT INTO lucrari_probleme(lucrare, loc, poza) VALUES (1, "
                  "1, 's.jpg'), (1, 2, 'M.jpg')",
                  "INSERT INTO folosiri(poza, clasa, cheie_clasa, data) VALUES "
                  "('s.jpg', '9A', '9A', "
                  "'2026-01-01'), ('M.jpg', '9A', '9A', '2026-01-01')"})
                ASSERT_TRUE(q.exec(sql)) << sql;
        }
        const bool sterge = punct == Punct::ColectieInlocuita;
        EXPECT_EQ(
            InCopil([&, punct = punct, n = n] {
                PlatformaScriptata platforma;
                Colectie d(dosar.Cale(), platforma);
                ArhivaLucrari::Inregistreaza(d.Baza()); // as the application does
                d.IncarcaColectie();
                d.Baza().Deschide();
                int atins = 0;
                AdaugareProbleme::LaPunct = [&](Punct p) {
                    if (p == punct && ++atins == n)
                        _exit(0);
                };
                if (sterge)
                    _exit(StergereFizica(d) ? 2 : 3);
                AdaugareProbleme adaugare(d, AdaugareProbleme::Regula::Continut);
                int j = 0;
                for (const QString nume : {"x.jpg", "Nou.JPG", "Y.jpg"}) {
                    ++j;
                    if (!adaugare
                             .Adauga(Noua(nume, QString::number(j)), Continut(QString::number(j)))
                             .Adaugata())
                        _exit(3);
                }
                _exit(2);
            }),
            n == 0 ? 2 : 0);
        EXPECT_EQ(Stare(dosar.Cale(), imediat), asteptat + (sterge || imediat ? "" : dupa));
    }
}

// Two programs append at once under the same names, as an import
// (duplicates by content) or the editor (a name in use refused): every record
// shows its own picture, none is left without a record. 3 pairs, 2 x 40 appends each.
TEST(AdaugareProbleme, DouaProgrameCuAceleasiNumeNuIsiIauPozele)
{
    using R = AdaugareProbleme::Regula;
    for (const auto &[ra, rb] : {std::pair(R::Continut, R::Continut),
                                 {R::Continut, R::NumeFolosit},
                                 {R::NumeFolosit, R::NumeFolosit}}) {
        SCOPED_TRACE(testing::Message() << int(ra) << int(rb));
        DosarTest dosar;
        dosar.ScrieColectie({});
        pid_t programe[2];
        for (const auto &[x, regula] : {std::pair('A', ra), {'B', rb}})
            if ((programe[x - 'A'] = fork()) == 0) {
                PlatformaScriptata platforma;
                Colectie d(dosar.Cale(), platforma);
                ArhivaLucrari::Inregistreaza(d.Baza()); // as the application does
                d.IncarcaColectie();
                d.Baza().Deschide();
                AdaugareProbleme adaugare(d, regula);
                int adaugate = 0;
                for (int j = 0; j < 40; ++j) {
                    const QString cine = x + QString::number(j);
                    adaugate +=
                        adaugare.Adauga(Noua(QString("p%1.jpg").arg(j), cine), Continut(cine))
                            .Adaugata();
                }
                _exit(regula == R::Continut && adaugate < 40);
            }
        for (const pid_t program : programe) {
            int stare = -1;
            waitpid(program, &stare, 0);
            EXPECT_EQ(stare, 0);
        }
        const QString stare = Stare(dosar.Cale());
        EXPECT_FALSE(stare.contains('!')) << stare.toStdString();
        EXPECT_TRUE(stare.contains(" || 0 ")) << stare.toStdString();
        EXPECT_GE(stare.count('='), 40 + (rb == R::Continut ? 40 : 0));
    }
}

// A disk that fills up while pictures are added (a small tmpfs): the one that
// does not fit is refused with the reason, the earlier ones stay whole, and
// nothing half-written is left.
TEST(AdaugareProbleme, DisculPlinSpuneDeCeSiNuLasaNimicPeJumatate)
{
    QTemporaryDir loc;
    const QString cale = loc.path() + "/tezaurel";
    QDir().mkpath(cale);
    int tub[2];
    ASSERT_EQ(pipe(tub), 0);
    const pid_t copil = fork();
    if (copil == 0) {
        if (unshare(CLONE_NEWNS) != 0 ||
            mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", QFile::encodeName(cale).constData(), "tmpfs", 0, "size=256k") != 0)
            _exit(77);
        QDir().mkpath(cale + "/Probleme");
        QFile(cale + "/Tezaurel.stn").open(QIODevice::WriteOnly);
        PlatformaScriptata platforma;
        Colectie d(cale, platforma);
        d.IncarcaColectie();
        AdaugareProbleme adaugare(d, AdaugareProbleme::Regula::Continut);
        AdaugareProbleme::Rezultat r;
        int j = 0;
        while (j < 20 &&
               (r = adaugare.Adauga(Noua(QString("p%1.jpg").arg(j), QString::number(j)),
                                    Continut(QString::number(j)) + QByteArray(40000, char(j))))
                   .Adaugata())
            ++j;
        // A paper's PDF (or any file the user chose) replacing one there: the
        // old file stays as it was.
        QFile vechi(cale + "/t.pdf");
        vechi.open(QIODevice::WriteOnly) && vechi.write("vechi") && vechi.flush();
        vechi.close();
        const int pdf = ScrieFisierIntreg(cale + "/t.pdf", QByteArray(100000, 'p'), true);
        QStringList poze = QDir(d.CaleProbleme()).entryList(QDir::Files | QDir::Hidden);
        const QString raspuns =
            QString("%1|%2|%3|%4 %5 %6")
                .arg(j)
                .arg(poze.join(' '))
                .arg(r.Motiv)
                .arg(MotivEroareScriere(pdf))
                .arg(QString::fromLatin1(vechi.open(QIODevice::ReadOnly) ? vechi.readAll() : ""))
                .arg(QDir(cale).entryList(QDir::Files | QDir::Hidden).join(','));
        write(tub[1], raspuns.toUtf8().constData(), size_t(raspuns.toUtf8().size()));
        _exit(0);
    }
    close(tub[1]);
    QByteArray citit;
    char buf[4096];
    for (ssize_t n; (n = read(tub[0], buf, sizeof buf)) > 0;)
        citit.append(buf, n);
    int stare = 0;
    waitpid(copil, &stare, 0);
    if (WEXITSTATUS(stare) == 77)
        GTEST_SKIP() << "nu pot monta un tmpfs aici (trebuie root și unshare)";
    const QStringList parti = QString::fromUtf8(citit).split('|');
    ASSERT_EQ(parti.size(), 4) << citit.toStdString();
    const int adaugate = parti[0].toInt();
    QStringList asteptate;
    for (int j = 0; j < adaugate; ++j)
        asteptate << QString("p%1.jpg").arg(j);
    EXPECT_GT(adaugate, 0);
    EXPECT_LT(adaugate, 20);
    EXPECT_EQ(parti[1], asteptate.join(' '));
    EXPECT_EQ(parti[2], QString("Nu am reușit să scriu imaginea %1/Probleme/p%2.jpg: spațiu "
                                "insuficient pe disc.")
                            .arg(cale)
                            .arg(adaugate));
    EXPECT_EQ(parti[3], "spațiu insuficient pe disc vechi t.pdf,Tezaurel.stn,Tezaurel.stn.lock");
}

} // namespace
