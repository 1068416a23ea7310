#pragma once

#include "interfete/LucruInFundal.h"
#include "logica/lucrari/ArhivaLucrari.h"
#include "logica/lucrari/Barem.h"
#include "model/Problema.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace tezaurel {

// Problems that come from elsewhere: a colleague's package or another
// Tezaurel folder. The records are read whole at opening; a picture only
// when it is asked for, so a package of two hundred scans is never held in
// memory at once.
class SursaProbleme
{
public:
    virtual ~SursaProbleme() = default;

    // The problems not marked as deleted, in the source's order.
    virtual const std::vector<Problema> &Probleme() const = 0;
    // The picture of problem i; std::nullopt with motiv set when it cannot be read.
    virtual std::optional<QByteArray> Poza(int i, QString &motiv) = 0;

    // What came with problem i besides its picture: the text recognised on
    // the colleague's computer (nothing when it did not come) and the classes
    // that had the problem.
    struct Insotitoare
    {
        std::optional<QString> Text;
        std::vector<ArhivaLucrari::Folosire> Folosiri;
        std::optional<Solutie> Rezolvare; // the grading scheme's solution, when it came
    };
    virtual Insotitoare Insotite(int) const { return {}; }
    // The SHA-256 of problem i's picture when it is known without reading
    // the picture again (a package's, checked at opening); empty otherwise.
    virtual QByteArray Amprenta(int) const { return {}; }
};

// Opens a .tezaurel package (see Pachet.h) or a Tezaurel folder: the one
// holding Tezaurel.stn and Probleme/, names in any case, as a Windows
// computer leaves them. nullptr with motiv set when it cannot be used at all;
// nothing has been read into this collection then. A package's pictures are
// all checked here; stare, when given, follows them and may cancel.
std::unique_ptr<SursaProbleme> DeschideSursa(const QString &cale, QString &motiv,
                                             StareLucru *stare = nullptr);

// A package whose bytes are already in memory (one received whole).
std::unique_ptr<SursaProbleme> DeschidePachet(const QByteArray &octeti, QString &motiv);

} // namespace tezaurel
