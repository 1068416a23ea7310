#pragma once

#include "interfete/Panza.h"

#include <QImage>
#include <QStringList>

using namespace tezaurel;

// A drawing surface that draws like the real one and notes each operation, so a test
// can check both the pixels and the order of clear, copy and refresh.
class PanzaInregistrata final : public Panza
{
public:
    PanzaInregistrata(QSize marime, QColor fundal)
        : Imagine(marime, QImage::Format_RGB32)
        , m_fundal(fundal)
    {}

    QImage Imagine;
    QStringList Operatii;

    void Cls() override
    {
        Imagine.fill(m_fundal);
        Operatii << "Cls";
    }
    void Copiaza(const QImage &sursa, QSize marime, QPoint la) override
    {
        CopiazaDreptunghi(Imagine, sursa, marime, la);
        Operatii << QString("Copiaza %1x%2 la %3,%4")
                        .arg(marime.width())
                        .arg(marime.height())
                        .arg(la.x())
                        .arg(la.y());
    }
    void Refresh() override { Operatii << "Refresh"; }
    QColor Fundal() const override { return m_fundal; }

private:
    QColor m_fundal;
};
