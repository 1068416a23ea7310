#pragma once

#include "store/Problema.h"

// What driver_colectie writes: problem j of the program named eticheta, every
// byte told from every other program's and every other j's.
inline Problema ProblemaDriver(const QString &eticheta, int j)
{
    Problema p;
    p.Clasa = int16_t(5 + j % 8);
    p.Nivel = int16_t(5 + j % 6);
    p.Disciplina.Atribuie(eticheta);
    p.Capitol.Atribuie(QStringLiteral("Capitolul %1").arg(j));
    p.Observatii.Atribuie(QString(100, QChar(u'a' + j % 26)));
    p.Fisier.Atribuie(QStringLiteral("%1_%2.jpg").arg(eticheta).arg(j));
    return p;
}

// Once problem j + 5 is on disk, problem j is marked when j ends in 4.
inline bool MarcataDeDriver(int j, int numar)
{
    return j % 10 == 4 && j + 5 < numar;
}
