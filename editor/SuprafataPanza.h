#pragma once

#include "editor/SuprafataDesen.h"
#include "platform/Panza.h"

// A window's Panza as the canvas of the panning logic. The copy goes straight
// into the canvas's image rather than through a painter, so a drag step
// allocates nothing.
class SuprafataPanza final : public SuprafataDesen
{
public:
    explicit SuprafataPanza(Panza &panza)
        : m_panza(panza)
    {}

    void Cls() override { m_panza.Cls(); }
    void Copiaza(const QImage &sursa, QSize marime, QPoint la) override
    {
        CopiazaDreptunghi(m_panza.Imagine(), sursa, marime, la);
    }
    void Refresh() override { m_panza.Refresh(); }
    QColor Fundal() const override { return m_panza.Fundal(); }

private:
    Panza &m_panza;
};
