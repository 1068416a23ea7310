#pragma once

#include "interfete/Recunoastere.h"
#include "interfete/Scanner.h"
#include "logica/import/DetaliiProblema.h"

#include <QDialog>
#include <QImage>

#include <deque>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tezaurel {

class Colectie;
class VederePagina;

// "Pagină cu mai multe probleme": a scanned page, a photo or a PDF page cut
// into its problems. The page is straightened and read once; the teacher
// adjusts the proposed boxes, gives the details once for the page and per
// box where they differ, and saves each box as a problem.
class FereastraPagina final : public QDialog
{
    Q_OBJECT

public:
    FereastraPagina(Colectie &definitii, MotorRecunoastere motor, FabricaScannere scannere,
                    QWidget *parent = nullptr);
    ~FereastraPagina() override;

    // Opens the page from a file, as "Deschide pagina…" does after choosing it.
    bool DeschideFisier(const QString &cale);
    VederePagina &Vedere() { return *m_vedere; }

private:
    void LaDeschide();
    void LaScaneaza();
    void Analizeaza(const QImage &poza, const QByteArray &original, const QString &nume);
    void LaImparte();
    void LaDetaliiPagina();
    void LaDetaliiCaseta();
    void LaSalveaza();
    void Actualizeaza();
    std::optional<DetaliiProblema> CereDetalii(const QString &titlu,
                                               const DetaliiProblema &initiale);

    Colectie &m_definitii;
    MotorRecunoastere m_motor;
    FabricaScannere m_scannere;
    VederePagina *m_vedere;
    QLabel *m_stare;
    QCheckBox *m_pastreaza;
    QPushButton *m_salveaza;
    std::vector<RandRecunoscut> m_randuri;
    QByteArray m_original;
    QImage m_poza; // as opened or scanned, before straightening
    QString m_numeSursa;
    std::optional<DetaliiProblema> m_detaliiPagina;
    QString m_eroareAnaliza;
    // Pages of the feeder still to cut, after the one shown.
    std::deque<QImage> m_urmatoare;
};

} // namespace tezaurel
