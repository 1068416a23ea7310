#pragma once

#include "model/Problema.h"
#include "tests/comune/Afisare.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <vector>

using namespace tezaurel;

// A fresh application folder with empty Probleme/ and teste/, removed afterwards.
class DosarTest
{
public:
    DosarTest();

    QString Cale() const { return m_dosar.path(); }
    QString Colectie() const { return Cale() + QStringLiteral("/Tezaurel.stn"); }

    void ScrieOcteti(const QString &numeRelativ, const QByteArray &octeti) const;
    QByteArray CitesteOcteti(const QString &numeRelativ) const;
    // Writes a collection: header with the count, then the records from slot 2.
    void ScrieColectie(const std::vector<Problema> &probleme) const;
    // Saves a picture as BMP under Probleme/<nume>.
    void ScriePoza(const QString &nume, const QImage &poza) const;

private:
    QTemporaryDir m_dosar;
};

Problema FaProblema(int clasa, int nivel, const QString &disciplina, const QString &capitol,
                    const QString &fisier, bool stearsa = false,
                    const QString &observatii = QString());

// A record's 512 bytes.
QByteArray Octeti(const Problema &p);

// A picture with a recognisable pattern: each pixel's colour follows its coordinates.
QImage PozaModel(int latime, int inaltime);

// Runs corp where file permissions bind, so a read-only folder is read-only
// for it: the whole test runs again in a child process as nobody (when the
// tests run as root), and corp runs only there; its failures fail the test.
void CaUtilizatorObisnuit(const std::function<void()> &corp);
