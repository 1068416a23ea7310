#pragma once

#include "interfete/Imprimanta.h"

#include <QPainter>

#include <memory>

class QPrinter;

namespace tezaurel {

// The system's printers, through Qt's print support (CUPS on Linux).
class ImprimantaQt final : public Imprimanta
{
public:
    ImprimantaQt();
    ~ImprimantaQt() override;

    QStringList Imprimante() const override;
    bool Alege(const QString &nume) override;
    QString Curenta() const override { return m_nume; }
    void SeteazaExemplare(int exemplare) override { m_exemplare = exemplare; }
    void SeteazaPortret() override { m_portret = true; }
    QPainter *IncepePagina() override;
    bool PaginaNoua() override;
    bool TerminaDocument() override;

private:
    QString m_nume;
    int m_exemplare = 1;
    bool m_portret = true;
    std::unique_ptr<QPrinter> m_document;
    QPainter m_pictor;
};

} // namespace tezaurel
