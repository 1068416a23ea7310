#include "platform/Panza.h"

#include <QMouseEvent>
#include <QPainter>

Panza::Panza(QWidget *parent)
    : QWidget(parent)
    , m_fundal(palette().color(QPalette::Button))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void Panza::Cls()
{
    PotrivesteMarimea();
    m_imagine.fill(m_fundal);
}

void Panza::Copiaza(const QImage &sursa, QPoint la)
{
    PotrivesteMarimea();
    if (m_imagine.isNull() || sursa.isNull())
        return;
    QPainter pictor(&m_imagine);
    pictor.setCompositionMode(QPainter::CompositionMode_Source);
    pictor.drawImage(la, sursa);
}

void Panza::Copiaza(const QImage &sursa, QSize marime, QPoint la)
{
    PotrivesteMarimea();
    if (m_imagine.isNull() || sursa.isNull())
        return;
    QPainter pictor(&m_imagine);
    pictor.setCompositionMode(QPainter::CompositionMode_Source);
    pictor.drawImage(la, sursa, QRect(QPoint(0, 0), marime));
}

void Panza::Refresh()
{
    update();
}

void Panza::paintEvent(QPaintEvent *)
{
    PotrivesteMarimea();
    QPainter pictor(this);
    pictor.drawImage(0, 0, m_imagine);
}

void Panza::resizeEvent(QResizeEvent *)
{
    PotrivesteMarimea();
}

void Panza::PotrivesteMarimea() const
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

void Panza::mousePressEvent(QMouseEvent *eveniment)
{
    emit Apasat(eveniment);
}

void Panza::mouseMoveEvent(QMouseEvent *eveniment)
{
    emit Miscat(eveniment);
}

void Panza::mouseReleaseEvent(QMouseEvent *eveniment)
{
    emit Eliberat(eveniment);
}
