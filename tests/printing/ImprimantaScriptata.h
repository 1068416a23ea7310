#pragma once

#include "printing/Imprimanta.h"

#include <QImage>
#include <QPainter>

// A printer that paints its one sheet into a picture: A4 at 144 dots to the
// inch, that is one pixel for ten twips. Records every operation in order.
class ImprimantaScriptata final : public Imprimanta
{
public:
    explicit ImprimantaScriptata(QStringList nume = {})
        : Nume(std::move(nume))
    {}

    QStringList Imprimante() const override { return Nume; }
    bool Alege(const QString &nume) override
    {
        Operatii << "alege " + nume;
        if (!Nume.contains(nume))
            return false;
        Aleasa = nume;
        return true;
    }
    QString Curenta() const override { return Aleasa; }
    void SeteazaExemplare(int exemplare) override
    {
        Operatii << QStringLiteral("exemplare %1").arg(exemplare);
    }
    void SeteazaPortret() override { Operatii << "portret"; }
    QPainter *IncepePagina() override
    {
        Operatii << "pagina";
        if (Refuza)
            return nullptr;
        Foaie = QImage(1191, 1684, QImage::Format_RGB32);
        Foaie.fill(Qt::white);
        m_pictor.begin(&Foaie);
        return &m_pictor;
    }
    bool TerminaDocument() override
    {
        Operatii << "sfarsit";
        return m_pictor.end();
    }

    QStringList Nume;
    bool Refuza = false;
    QString Aleasa;
    QStringList Operatii;
    QImage Foaie;

private:
    QPainter m_pictor;
};
