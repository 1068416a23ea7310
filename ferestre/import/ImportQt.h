#pragma once

#include "logica/import/ImportDosar.h"

#include <memory>

class QProgressDialog;
class QWidget;

namespace tezaurel {

class Platforma;

// The import on screen: the form answered once for all the pictures, a
// progress dialog with "Anulare", and the report in a window of its own,
// since a long list of skipped files does not fit a message box.
class ImportQt final : public InterfataImport
{
public:
    ImportQt(Platforma &platforma, QWidget *parinte);
    ~ImportQt() override;

    std::optional<DetaliiProblema>
    CereDetalii(const QStringList &capitole, const QStringList &discipline, int nrFisiere) override;
    void Progres(int facute, int total, const QString &nume) override;
    bool Anulat() override;

    static void ArataRaport(const RaportImport &raport, QWidget *parinte);

private:
    Platforma &m_platforma;
    QWidget *m_parinte;
    std::unique_ptr<QProgressDialog> m_progres;
};

} // namespace tezaurel
