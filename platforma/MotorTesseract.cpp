#include "platforma/MotorTesseract.h"

#include "platforma/Modul.h"
#include "platforma/module/Module.h"

#include <QDir>
#include <QFileInfo>
#include <QtDebug>

namespace tezaurel {

QString DosarDateTesseract()
{
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    return prefix.isEmpty() ? QStringLiteral("/usr/share/tesseract-ocr/5/tessdata") : prefix;
}

MotorRecunoastere MotorTesseract(const QString &caleModul, const QString &dosarDate)
{
    MotorRecunoastere motor;
    if (!QFileInfo(QDir(dosarDate).filePath(QStringLiteral("ron.traineddata"))).isFile()) {
        motor.Indisponibil =
            QStringLiteral(
                "Căutarea după cuvinte nu este disponibilă: lipsesc datele limbii române pentru "
                "recunoașterea textului (fișierul ron.traineddata din %1, pachetul "
                "tesseract-ocr-ron).")
                .arg(dosarDate);
        return motor;
    }
    if (!QFileInfo(caleModul).isFile()) {
        motor.Indisponibil =
            QStringLiteral("Căutarea după cuvinte nu este disponibilă: lipsește modulul de "
                           "recunoaștere a textului (%1). Reinstalați Tezaurel.")
                .arg(caleModul);
        return motor;
    }
    motor.Creeaza = [caleModul, dosarDate]() -> std::unique_ptr<Recunoastere> {
        QString eroare;
        const auto fabrica = reinterpret_cast<FabricaRecunoastereFn>(
            FunctieDinModul(caleModul, FabricaRecunoastere, eroare));
        if (!fabrica) {
            // The module is there but its libraries are not: a broken install,
            // told to whoever reads the program's output; the words wait.
            qWarning("Recunoasterea textului nu porneste: %s", qPrintable(eroare));
            return nullptr;
        }
        return std::unique_ptr<Recunoastere>(fabrica(dosarDate));
    };
    return motor;
}

} // namespace tezaurel
