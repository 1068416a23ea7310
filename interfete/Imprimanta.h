#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QPainter;

namespace tezaurel {

// The program's current printer. The print dialog lists and chooses; the page
// composition sets the copies, paints one page and ends the document. The
// choice stays until another printer is chosen.
class Imprimanta
{
public:
    virtual ~Imprimanta() = default;

    // Device names of the installed printers, in the order the system gives them.
    virtual QStringList Imprimante() const = 0;
    // The first installed printer of that device name becomes current; when
    // none has it, false and the current printer stays.
    virtual bool Alege(const QString &nume) = 0;
    // The chosen device name; empty while the system's default printer is used.
    virtual QString Curenta() const = 0;

    virtual void SeteazaExemplare(int exemplare) = 0;
    virtual void SeteazaPortret() = 0;
    // Starts the document on an A4 sheet; the painter's default viewport is the
    // whole sheet, edges included. nullptr when the printer cannot start.
    virtual QPainter *IncepePagina() = 0;
    // Ends the page drawn so far and starts the next sheet of the same
    // document; a test paper runs over several. False when it cannot.
    virtual bool PaginaNoua() { return false; }
    // Sends the one page, in the copies asked for, to the printer.
    virtual bool TerminaDocument() = 0;
};

// Each window that prints keeps a printer of its own, made through this.
using FabricaImprimante = std::function<std::unique_ptr<Imprimanta>()>;

} // namespace tezaurel
