#include "ferestre/comune/PanzaQt.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace tezaurel {

PanzaQt::PanzaQt(QWidget *parent)
    : QWidget(parent)
    , m_fundal(palette().color(QPalette::Button))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PanzaQt::Cls()
{
    PotrivesteMarimea();
    m_imagine.fill(m_fundal);
}

void PanzaQt::Copiaza(const QImage &sursa, QSize marime, QPoint la)
{
    CopiazaDreptunghi(Imagine(), sursa, marime, la);
}

void PanzaQt::Refresh()
{
    update();
}

void PanzaQt::paintEvent(QPaintEvent *)
{
    PotrivesteMarimea();
    QPainter pictor(this);
    pictor.drawImage(0, 0, m_imagine);
}

void PanzaQt::resizeEvent(QResizeEvent *)
{
    PotrivesteMarimea();
}

void PanzaQt::PotrivesteMarimea() const
{
    // A hidden widget gets its resize event only when shown, but windows draw
    // before their first showing: the size is checked wherever it matters.
    // Growing keeps what was drawn; the new part starts as background.
    if (m_imagine.size() == size())
        return;
    QImage noua(size(), QImage::Format_RGB32);
    noua.fill(m_fundal);
    if (!m_imagine.isNull()) {
        QPainter pictor(&noua);
        pictor.drawImage(0, 0, m_imagine);
    }
    m_imagine = std::move(noua);
}

void PanzaQt::mousePressEvent(QMouseEvent *eveniment)
{
    emit Apasat(eveniment);
}

void PanzaQt::mouseMoveEvent(QMouseEvent *eveniment)
{
    emit Miscat(eveniment);
}

void PanzaQt::mouseReleaseEvent(QMouseEvent *eveniment)
{
    emit Eliberat(eveniment);
}

void PanzaQt::wheelEvent(QWheelEvent *eveniment)
{
    if (!(eveniment->modifiers() & Qt::ControlModifier)) {
        eveniment->ignore();
        return;
    }
    emit Zoom(eveniment->angleDelta().y(), eveniment->position());
}

} // namespace tezaurel
