#include "import/CitireCsv.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// Each row as fisier:clasa:nivel:disciplina:capitol:observatii, each row left
// out as !line, a refused file as EROARE.
QString Rezumat(const TabelCsv &t)
{
    if (!t.Eroare.isEmpty())
        return QStringLiteral("EROARE");
    QStringList parti;
    for (const RandCsv &r : t.Randuri)
        parti << QStringLiteral("%1:%2:%3:%4:%5:%6")
                     .arg(r.Fisier)
                     .arg(r.Detalii.Clasa)
                     .arg(r.Detalii.Nivel)
                     .arg(r.Detalii.Disciplina, r.Detalii.Capitol, r.Detalii.Observatii);
    for (const QString &g : t.RanduriGresite)
        parti << QLatin1Char('!') + g.section(QLatin1Char(' '), 2, 2).chopped(1);
    return parti.join(QLatin1Char(' '));
}

TEST(CitireCsv, Cazuri)
{
    const struct
    {
        const char *nume;
        QByteArray octeti;
        const char *asteptat;
    } cazuri[] = {
        {"virgule",
         "fisier,clasa,nivel,disciplina,capitol,observatii\na.jpg,9,7,Algebra,Funcții,\n",
         "a.jpg:9:7:Algebra:Funcții:"},
        {"punct și virgulă, CRLF, ordine schimbată",
         "Nivel;FISIER;clasa;capitol\r\n6;b.png;12;Integrale\r\n\r\n", "b.png:12:6::Integrale:"},
        {"ghilimele cu separator, rând nou și ghilimele dublate",
         "fisier,clasa,nivel,observatii\n\"c, d.jpg\",5,5,\"zice \"\"da\"\"\nși "
         "gata\"\ne.jpg,5,5,x\n",
         "c, d.jpg:5:5:::zice \"da\"\nși gata e.jpg:5:5:::x"},
        {"UTF-8 cu semn",
         "\xEF\xBB\xBF"
         "fisier;clasa;nivel;capitol\nf.jpg;8;9;Ecuații\n",
         "f.jpg:8:9::Ecuații:"},
        {"Windows-1250", "fisier;clasa;nivel;capitol\ng.jpg;8;9;Ecua\xFEii \xEEn \xE2\n",
         "g.jpg:8:9::Ecuaţii în â:"},
        {"coloane lipsă pe rând: numărul lipsește", "fisier,clasa,nivel\nh.jpg,7\n", "!2"},
        {"coloane în plus pe rând", "fisier,clasa,nivel\ni.jpg,7,7,de,prisos\nj.jpg,7,7\n",
         "j.jpg:7:7::: !2"},
        {"coloană necunoscută în antet, ignorată", "fisier,autor,clasa,nivel\nk.jpg,Ion,6,6\n",
         "k.jpg:6:6:::"},
        {"numere greșite", "fisier,clasa,nivel\na.jpg,IX,7\nb.jpg,13,7\nc.jpg,9,4\nd.jpg, 9 ,10\n",
         "d.jpg:9:10::: !2 !3 !4"},
        {"nume ce ies din dosar sau se repetă",
         "fisier,clasa,nivel\n../x.jpg,9,7\na.jpg,9,7\na.jpg,9,8\n", "a.jpg:9:7::: !2 !4"},
        {"text prea lung sau de nepăstrat",
         "fisier,clasa,nivel,disciplina,capitol\na.jpg,9,7," + QByteArray(51, 'x') +
             ",\nb.jpg,9,7,,∑\n",
         "!2 !3"},
        {"ghilimele neînchise", "fisier,clasa,nivel\na.jpg,9,7\n\"b.jpg,9,7\nc.jpg,9,7\n",
         "a.jpg:9:7::: !3"},
        {"fără coloana nivel", "fisier,clasa\na.jpg,9\n", "EROARE"},
        {"gol", "", "EROARE"},
    };
    for (const auto &c : cazuri) {
        SCOPED_TRACE(c.nume);
        EXPECT_EQ(Rezumat(CitesteCsv(c.octeti)), QString::fromUtf8(c.asteptat));
    }
}

} // namespace

namespace {

// The fuzzer's seeds and every input it ever found failing, kept beside them.
TEST(CitireCsv, CorpusulFuzzeruluiDaDoarRanduriPastrabile)
{
    const QDir corpus(QStringLiteral(TEZAUREL_CORPUS_CSV));
    ASSERT_FALSE(corpus.entryList(QDir::Files).isEmpty());
    for (const QString &nume : corpus.entryList(QDir::Files)) {
        SCOPED_TRACE(nume.toStdString());
        QFile f(corpus.filePath(nume));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        for (const RandCsv &r : CitesteCsv(f.readAll()).Randuri) {
            EXPECT_FALSE(VerificaNumeFisier(r.Fisier) || VerificaDetalii(r.Detalii));
            EXPECT_TRUE(r.Detalii.Clasa >= 5 && r.Detalii.Clasa <= 12 && r.Detalii.Nivel >= 5 &&
                        r.Detalii.Nivel <= 10);
        }
    }
}

} // namespace
