#pragma once

#include <QImage>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace tezaurel {

// A scanner attached to this machine, as the system names it.
struct DispozitivScanare
{
    QString Nume;      // what opens it
    QString Descriere; // maker and model, for the teacher
};

struct OptiuniScanare
{
    int Rezolutie = 300; // dots per inch; the nearest the device offers is used
    bool Color = false;  // grey otherwise
    // Every sheet the document feeder holds, instead of one page from the glass.
    bool Alimentator = false;
};

struct RezultatScanare
{
    std::vector<QImage> Pagini; // each with its resolution set
    // Why scanning stopped short, in Romanian for the teacher; empty when all went well.
    QString Eroare;
    bool Anulata = false;
};

// Scanning, as the system's scanners offer it. Used by one thread at a time.
class Scanner
{
public:
    virtual ~Scanner() = default;

    // The scanners found; an empty list and eroare set when the system cannot be asked.
    virtual std::vector<DispozitivScanare> Dispozitive(QString &eroare) = 0;

    // Scans from dispozitiv. progres is told the page being scanned (from 0)
    // and how much of it came, in percent; the scan stops, with the pages
    // finished so far, soon after anulare turns true.
    virtual RezultatScanare Scaneaza(const QString &dispozitiv, const OptiuniScanare &optiuni,
                                     const std::function<void(int pagina, int procent)> &progres,
                                     const std::atomic<bool> &anulare) = 0;
};

// The window that scans makes its scanner through this, when it needs one.
using FabricaScannere = std::function<std::unique_ptr<Scanner>()>;

} // namespace tezaurel
