#pragma once

#include "interfete/Panza.h"

#include <QImage>
#include <QWidget>

class QWheelEvent;

namespace tezaurel {

// The windows' drawing surface: it keeps what is drawn on it, paints itself
// from its own image, and a refresh makes the latest drawing visible.
class PanzaQt : public QWidget, public Panza
{
    Q_OBJECT

public:
    explicit PanzaQt(QWidget *parent = nullptr);

    QImage &Imagine()
    {
        PotrivesteMarimea();
        return m_imagine;
    }
    const QImage &Imagine() const
    {
        PotrivesteMarimea();
        return m_imagine;
    }
    QColor Fundal() const override { return m_fundal; }

    void Cls() override;
    void Copiaza(const QImage &sursa, QSize marime, QPoint la) override;
    void Refresh() override;

signals:
    void Apasat(QMouseEvent *eveniment);
    void Miscat(QMouseEvent *eveniment);
    void Eliberat(QMouseEvent *eveniment);
    // The wheel turned with Ctrl held: a zoom request of unghi eighths of a
    // degree (positive away from the user) about the pointer at la.
    void Zoom(int unghi, QPointF la);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mousePressEvent(QMouseEvent *eveniment) override;
    void mouseMoveEvent(QMouseEvent *eveniment) override;
    void mouseReleaseEvent(QMouseEvent *eveniment) override;
    void wheelEvent(QWheelEvent *eveniment) override;

private:
    void PotrivesteMarimea() const;

    mutable QImage m_imagine; // follows the widget's size
    QColor m_fundal;
};

} // namespace tezaurel
