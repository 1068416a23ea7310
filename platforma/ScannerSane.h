#pragma once

#include "interfete/Scanner.h"

namespace tezaurel {

// The system's scanners through SANE. SANE is set up while one lives: make
// one at a time, on the thread that uses it.
class ScannerSane final : public Scanner
{
public:
    ScannerSane();
    ~ScannerSane() override;
    ScannerSane(const ScannerSane &) = delete;
    ScannerSane &operator=(const ScannerSane &) = delete;

    std::vector<DispozitivScanare> Dispozitive(QString &eroare) override;
    RezultatScanare Scaneaza(const QString &dispozitiv, const OptiuniScanare &optiuni,
                             const std::function<void(int pagina, int procent)> &progres,
                             const std::atomic<bool> &anulare) override;

private:
    bool m_initializat = false;
};

} // namespace tezaurel
