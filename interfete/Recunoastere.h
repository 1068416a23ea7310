#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tezaurel {

// One line of text as recognition found it on a page: its box in the
// picture's pixels, and the block (column, paragraph) it belongs to.
struct RandRecunoscut
{
    QRect Cutie;
    QString Text;
    int Bloc = 0;
};

// A word as recognition found it, with its box in the picture's pixels.
struct CuvantRecunoscut
{
    QRect Chenar;
    QString Text;
    bool operator==(const CuvantRecunoscut &) const = default;
};

// Text recognition of one picture. An engine is used by one thread only:
// each worker makes its own through MotorRecunoastere::Creeaza.
class Recunoastere
{
public:
    virtual ~Recunoastere() = default;

    // The picture's text; nothing when the engine could not read it. Returns
    // early, with nothing, once oprire turns true (the program is ending).
    virtual std::optional<QString> Recunoaste(QImage poza, const std::atomic<bool> &oprire) = 0;

    // The picture's lines with their boxes, in reading order; nothing when
    // the engine could not read it, or finds no layout (the default).
    virtual std::optional<std::vector<RandRecunoscut>> RecunoasteRanduri(QImage,
                                                                         const std::atomic<bool> &)
    {
        return std::nullopt;
    }

    // The words of the picture last recognised, in reading order. An engine
    // that does not tell where its words stand has none.
    virtual std::vector<CuvantRecunoscut> Cuvinte() const { return {}; }
};

// Where engines come from, and why there are none.
struct MotorRecunoastere
{
    // Why no engine can be made on this machine, in words for the teacher;
    // empty when recognition works.
    QString Indisponibil;
    // Called on the thread that will use the engine; cheap, the engine
    // prepares itself on its first picture.
    std::function<std::unique_ptr<Recunoastere>()> Creeaza;
};

} // namespace tezaurel
