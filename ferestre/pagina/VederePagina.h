#pragma once

#include "logica/import/DetaliiProblema.h"

#include <QImage>
#include <QRect>
#include <QSet>
#include <QWidget>

#include <optional>
#include <vector>

namespace tezaurel {

// A box of the page as the teacher edits it.
struct CasetaPagina
{
    QRect Cutie; // in the page's pixels
    QString Numar;
    QString Avertisment;
    std::optional<DetaliiProblema> Detalii; // its own details, when they differ from the page's
};

// The straightened page, fitted to the widget, with its boxes over it. A
// click chooses a box (Ctrl adds to the choice), dragging a box's edge moves
// that edge, dragging on the paper draws a new box.
class VederePagina final : public QWidget
{
    Q_OBJECT

public:
    explicit VederePagina(QWidget *parent = nullptr);

    void SeteazaPagina(const QImage &pagina, std::vector<CasetaPagina> casete);
    const QImage &Pagina() const { return m_pagina; }
    std::vector<CasetaPagina> &Casete() { return m_casete; }
    // The chosen boxes, in the order of the page.
    std::vector<int> Alese() const;
    void Alege(const std::vector<int> &casete);

    // The chosen box cut in two at y (page pixels).
    void Imparte(int y);
    // The chosen boxes become one, where the first was.
    void Uneste();
    void StergeAlese();

signals:
    void Schimbata();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *eveniment) override;
    void mouseMoveEvent(QMouseEvent *eveniment) override;
    void mouseReleaseEvent(QMouseEvent *eveniment) override;

private:
    double Scara() const;
    QPointF Origine() const;
    QPoint InPagina(const QPointF &ecran) const;
    QRectF PeEcran(const QRect &cutie) const;

    QImage m_pagina;
    QImage m_afisata; // the page at the widget's scale, remade when the size changes
    std::vector<CasetaPagina> m_casete;
    QSet<int> m_alese;
    int m_trasa = -1;            // the box whose edges are dragged
    Qt::Edges m_margini;         // which of them
    std::optional<QRect> m_noua; // the box being drawn
    QPoint m_start;
};

} // namespace tezaurel
