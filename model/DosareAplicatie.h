#pragma once

#include <QString>

namespace tezaurel {

// Where the program keeps the teacher's data and where it reads what it was
// installed with. A portable folder holds both; a system-wide install keeps
// each user's collection in their own data folder and reads the help, the
// sound, the letters and the icon from the shared install.
struct DosareAplicatie
{
    // Both in one folder: the portable layout, and what tests use.
    DosareAplicatie(QString dosar = QString())
        : Date(dosar)
        , Resurse(std::move(dosar))
    {}
    DosareAplicatie(QString date, QString resurse)
        : Date(std::move(date))
        , Resurse(std::move(resurse))
    {}

    QString Date;    // Tezaurel.stn, Tezaurel.db, Probleme/, teste/
    QString Resurse; // help/, next.wav, Litere/, tezaurel.png

    bool operator==(const DosareAplicatie &) const = default;
};

// The program's folder is the data folder when the user may write in it and
// the assets lie beside it. Otherwise the data goes to $XDG_DATA_HOME/Tezaurel
// (~/.local/share/Tezaurel when the variable is unset or not absolute) and the
// assets are read beside the program or, in the packaged layout
// <prefix>/lib/tezaurel, from <prefix>/share/tezaurel.
DosareAplicatie AlegeDosare(const QString &dosarProgram, bool programScriere,
                            const QString &xdgDataHome, const QString &home);

// The same decision for the running program, from its folder and environment.
DosareAplicatie DosareProgram(const QString &dosarProgram);

// Creates the data folder with Probleme/ and teste/ when missing; what is
// already there is left alone. The Romanian reason when it cannot be done.
QString PregatesteDosarDate(const DosareAplicatie &dosare);

} // namespace tezaurel
