#pragma once

#include <QImage>
#include <QWidget>

// A drawing surface that keeps what is drawn on it: the widget paints itself
// from its own image, and a refresh makes the latest drawing visible.
class Panza : public QWidget
{
    Q_OBJECT

public:
    explicit Panza(QWidget *parent = nullptr);

    QImage &Imagine() { PotrivesteMarimea(); return m_imagine; }
    const QImage &Imagine() const { PotrivesteMarimea(); return m_imagine; }
    QColor Fundal() const { return m_fundal; }
    void SeteazaFundal(const QColor &fundal) { m_fundal = fundal; }

    void Cls();
    // A plain copy of the whole picture with its top-left corner at la,
    // replacing what was there and clipped to the surface.
    void Copiaza(const QImage &sursa, QPoint la);
    // A plain copy of the marime rectangle at the top-left of sursa.
    void Copiaza(const QImage &sursa, QSize marime, QPoint la);
    void Refresh();

signals:
    void Apasat(QMouseEvent *eveniment);
    void Miscat(QMouseEvent *eveniment);
    void Eliberat(QMouseEvent *eveniment);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mousePressEvent(QMouseEvent *eveniment) override;
    void mouseMoveEvent(QMouseEvent *eveniment) override;
    void mouseReleaseEvent(QMouseEvent *eveniment) override;

private:
    void PotrivesteMarimea() const;

    mutable QImage m_imagine; // follows the widget's size
    QColor m_fundal;
};
