#include "tests/common/DosarTest.h"

#include <QDir>
#include <QFile>

DosarTest::DosarTest()
{
    QDir(Cale()).mkpath(QStringLiteral("Probleme"));
    QDir(Cale()).mkpath(QStringLiteral("teste"));
}

void DosarTest::ScrieOcteti(const QString &numeRelativ, const QByteArray &octeti) const
{
    QFile f(Cale() + QLatin1Char('/') + numeRelativ);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(f.fileName()));
    f.write(octeti);
}

QByteArray DosarTest::CitesteOcteti(const QString &numeRelativ) const
{
    QFile f(Cale() + QLatin1Char('/') + numeRelativ);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void DosarTest::ScrieColectie(const std::vector<Problema> &probleme) const
{
    QByteArray octeti(512, '\0');
    const int16_t numar = static_cast<int16_t>(probleme.size() + 1);
    octeti[0] = static_cast<char>(numar & 0xFF);
    octeti[1] = static_cast<char>((numar >> 8) & 0xFF);
    for (const Problema &p : probleme) {
        const auto inregistrare = p.Codifica();
        octeti.append(inregistrare.data(), static_cast<qsizetype>(inregistrare.size()));
    }
    ScrieOcteti(QStringLiteral("Tezaurel.stn"), octeti);
}

void DosarTest::ScriePoza(const QString &nume, const QImage &poza) const
{
    poza.save(Cale() + QStringLiteral("/Probleme/") + nume, "BMP");
}

Problema FaProblema(int clasa, int nivel, const QString &disciplina, const QString &capitol,
                    const QString &fisier, bool stearsa, const QString &observatii)
{
    Problema p;
    p.Clasa = static_cast<int16_t>(clasa);
    p.Nivel = static_cast<int16_t>(nivel);
    p.Disciplina.Atribuie(disciplina);
    p.Capitol.Atribuie(capitol);
    p.Observatii.Atribuie(observatii);
    p.Fisier.Atribuie(fisier);
    p.Sters = stearsa ? Adevarat : Fals;
    return p;
}

QImage PozaModel(int latime, int inaltime)
{
    QImage poza(latime, inaltime, QImage::Format_RGB32);
    for (int y = 0; y < inaltime; ++y)
        for (int x = 0; x < latime; ++x)
            poza.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256 + y / 256 * 16) % 256));
    return poza;
}
