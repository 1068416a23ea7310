#include "platforma/ImprimantaQt.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace tezaurel {

ImprimantaQt::ImprimantaQt() = default;

ImprimantaQt::~ImprimantaQt()
{
    if (m_pictor.isActive())
        m_pictor.end();
}

QStringList ImprimantaQt::Imprimante() const
{
    return QPrinterInfo::availablePrinterNames();
}

bool ImprimantaQt::Alege(const QString &nume)
{
    for (const QString &instalata : QPrinterInfo::availablePrinterNames()) {
        if (instalata == nume) {
            m_nume = instalata;
            return true;
        }
    }
    return false;
}

QPainter *ImprimantaQt::IncepePagina()
{
    if (m_pictor.isActive())
        m_pictor.end();
    m_document = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Nothing chosen yet: the system's default printer, when there is one.
    if (!m_nume.isEmpty())
        m_document->setPrinterName(m_nume);
    if (m_document->printerName().isEmpty())
        return nullptr;
    m_document->setDocName(QStringLiteral("Tezaurel"));
    m_document->setPageSize(QPageSize(QPageSize::A4));
    m_document->setPageOrientation(m_portret ? QPageLayout::Portrait : QPageLayout::Landscape);
    // The page is laid out from the sheet's corner; the printer's own margins
    // must not shift it.
    m_document->setFullPage(true);
    m_document->setCopyCount(m_exemplare);
    // Collated copies are printed as whole documents by the spooler; each
    // copy is the one page again.
    m_document->setCollateCopies(true);
    if (!m_pictor.begin(m_document.get()))
        return nullptr;
    return &m_pictor;
}

bool ImprimantaQt::TerminaDocument()
{
    if (!m_pictor.isActive())
        return false;
    return m_pictor.end();
}

bool ImprimantaQt::PaginaNoua()
{
    return m_pictor.isActive() && m_document && m_document->newPage();
}

} // namespace tezaurel
