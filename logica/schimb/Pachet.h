#pragma once

#include "interfete/LucruInFundal.h"
#include "logica/lucrari/Barem.h"
#include "model/NumeFisier.h"
#include "model/Problema.h"

#include <QJsonObject>
#include <QString>

#include <vector>

namespace tezaurel {

class Colectie;
class SelectieCurenta;

// A .tezaurel package is a zip archive:
//   Tezaurel.stn     the problems, in the collection format, renumbered from record 2
//   Probleme/<name>  each problem's picture, its own bytes
//   manifest.json    the program and date, the number of problems and, for each
//                    picture, its name, size and SHA-256; and two optional
//                    parts, each keyed by picture name and naming only
//                    pictures of the package:
//                      "texte":    name -> the text recognised in it
//                      "folosiri": name -> [{"clasa": "IX B", "data": "2026-03-12"}]
//                      "solutii":  name -> {"text": "...", "pasi": [{"text": "...",
//                                  "puncte": 1}], "poza": the solution's picture in base64}
//                    A package without them still imports (the receiving
//                    program then recognises the pictures itself); one whose
//                    parts are malformed is refused whole, like any other
//                    manifest that disagrees with its contents.
// A copy of the archive's Tezaurel.stn and Probleme/ is itself a collection
// the program (and the Windows one) opens.
namespace Pachet {

inline const QString Extensie = QStringLiteral(".tezaurel");
inline const QString NumeManifest = QStringLiteral("manifest.json");
inline const QString NumeColectie = QStringLiteral("Tezaurel.stn");
inline const QString DosarPoze = QStringLiteral("Probleme/");
inline const QString ParteTexte = QStringLiteral("texte");
inline const QString ParteFolosiri = QStringLiteral("folosiri");
inline const QString ParteSolutii = QStringLiteral("solutii");

// Limits a package must respect before anything of it is decompressed: an
// archive that declares more is refused outright, however small it is.
constexpr qint64 OctetiMaximiPoza = OctetiMaximiPozaPrimita;
constexpr qint64 OctetiMaximiManifest = 8LL * 1024 * 1024;
// All its pictures together, as they come out of the archive: a collection of
// two thousand scans fits, a few kilobytes that inflate into gigabytes do not.
constexpr qint64 OctetiMaximiPachet = 2048LL * 1024 * 1024;

// The grading scheme's solution as the manifest carries it, and back; nothing
// when the value is not a sound solution.
QJsonObject SolutieInManifest(const Solutie &solutie, bool cuPoza);
std::optional<Solutie> SolutieDinManifest(const QJsonValue &valoare);

// Writes the problems in slots (positions in TabelProbleme, in the order
// given) with their pictures to cale. "" on success, otherwise why not; a
// failed or cancelled export leaves no file behind. The pictures are read
// and the archive written through rulare, off the window's thread. nota gets
// what the teacher must know of a package written without all it could hold.
QString Exporta(const Colectie &definitii, const std::vector<int> &sloturi, const QString &cale,
                const RulareInFundal &rulare = RuleazaPeLoc, QString *nota = nullptr);

// The viewer's command: the current selection, in its order, to a package the
// user names (teste/selectie.tezaurel proposed); the outcome told through the platform.
void ExportaSelectia(const SelectieCurenta &selectie, const RulareInFundal &rulare = RuleazaPeLoc);

} // namespace Pachet

} // namespace tezaurel
