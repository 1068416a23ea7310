#pragma once

#include "model/Problema.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>

namespace tezaurel {

class BazaDate;
class Colectie;

// The one way a problem enters the collection. Everything is decided under
// the collection's write lock, against the folder and the file as they are at
// that moment, whatever another program did since this one loaded them: the
// picture's name, whether the collection already has it. The name is
// journaled in Tezaurel.db before the picture is written, the picture lands
// under a name no file had (never over another picture), the record is
// appended, and only then is the journal cleared: a program stopped at any
// point leaves whole problems and journaled leftovers, which the next start
// removes (RecupereazaPozeleJurnalizate).
class AdaugareProbleme
{
public:
    enum class Regula {
        // Imports: a picture whose content the collection already has is a duplicate.
        Continut,
        // The editor: the name of a problem not marked is refused; a picture
        // already there under the name is the problem's when its content is the same.
        NumeFolosit,
    };
    enum class Stare { Adaugata, Duplicat, NumeFolosit, Respinsa, Esuata };
    struct Rezultat
    {
        Stare Fel = Stare::Esuata;
        QString Nume;  // the picture's name in the collection when Adaugata
        QString Motiv; // why not, in Romanian, naming the file; for Respinsa the checker's text
        QString
            PozaNescrisa; // the picture's path when it was the picture that could not be written
        bool Adaugata() const { return Fel == Stare::Adaugata; }
    };
    // Why a written picture may not be kept (it is not one the viewer reads); nothing when it may.
    using Verificare = std::function<std::optional<QString>(const QString &cale)>;

    AdaugareProbleme(Colectie &definitii, Regula regula);

    // p.Fisier holds the name wished for, poza the picture's bytes as they came;
    // what is stored, and under which name, FormatPoza decides.
    Rezultat Adauga(Problema p, const QByteArray &poza, const Verificare &verifica = {});

    // Where a test stops the program dead: after the journal, after the
    // picture, after the record; in the purge, once the new collection is in place.
    enum class Punct { Jurnal, Poza, Inregistrare, ColectieInlocuita };
    static inline std::function<void(Punct)> LaPunct;

private:
    std::optional<QString> NumeAles(const QString &dorit, const QByteArray &poza, Stare &stare);
    QByteArray AmprentaFisier(const QString &cale);

    Colectie &m_definitii;
    Regula m_regula;
    // Pictures of the collection hashed already, by path, with the size and
    // time they had: an import asks about every picture it adds.
    struct Amprenta
    {
        qint64 Marime;
        qint64 Modificare;
        QByteArray Sha;
    };
    std::map<QString, Amprenta> m_amprente;
};

// The pictures a write is creating (additions) or deleting (the purge), named
// in Tezaurel.db before the first is touched and forgotten when all is done.
enum class Jurnal { Adaugare, Stergere };
bool JurnalizeazaPoze(BazaDate &baza, Jurnal jurnal, const QStringList &nume, bool adauga);

// At start-up, with the database open and no other program on the collection:
// every picture a journal names that no record names is deleted, what records
// were appended stays, and the journals are cleared. Nothing is done while
// another program has the collection open: its pictures are not orphans.
void RecupereazaPozeleJurnalizate(Colectie &definitii);

// Writes the whole of octeti as the file cale: aside first, pushed to the disk
// and measured there, then put in place, so neither a full disk nor a crash
// leaves a short file under the name. Without inlocuieste an existing file is
// never replaced (EEXIST). 0, or the errno of what failed (EIO: the file on
// disk is not the size written).
int ScrieFisierIntreg(const QString &cale, const QByteArray &octeti, bool inlocuieste);

// Why writing a file failed, in the user's words, from errno.
QString MotivEroareScriere(int eroare);

} // namespace tezaurel
