#include "ferestre/pagina/VederePagina.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tezaurel {

namespace {
// How near an edge, in screen pixels, a press takes hold of it.
constexpr double Prindere = 6;
// A box drawn smaller than this, in page pixels, was a click.
constexpr int LaturaMinima = 12;
} // namespace

VederePagina::VederePagina(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setMinimumSize(300, 400);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Pagina cu casetele problemelor"));
}

void VederePagina::SeteazaPagina(const QImage &pagina, std::vector<CasetaPagina> casete)
{
    m_pagina = pagina;
    m_afisata = QImage();
    m_casete = std::move(casete);
    m_alese.clear();
    update();
    emit Schimbata();
}

std::vector<int> VederePagina::Alese() const
{
    std::vector<int> alese(m_alese.begin(), m_alese.end());
    std::sort(alese.begin(), alese.end());
    return alese;
}

void VederePagina::Alege(const std::vector<int> &casete)
{
    m_alese = QSet<int>(casete.begin(), casete.end());
    update();
    emit Schimbata();
}

void VederePagina::Imparte(int y)
{
    const auto alese = Alese();
    if (alese.size() != 1)
        return;
    CasetaPagina &sus = m_casete[size_t(alese[0])];
    if (y <= sus.Cutie.top() || y >= sus.Cutie.bottom())
        return;
    CasetaPagina jos{
        QRect(QPoint(sus.Cutie.left(), y), sus.Cutie.bottomRight()), {}, {}, sus.Detalii};
    sus.Cutie.setBottom(y - 1);
    sus.Avertisment.clear();
    m_casete.insert(m_casete.begin() + alese[0] + 1, jos);
    Alege({alese[0], alese[0] + 1});
}

void VederePagina::Uneste()
{
    const auto alese = Alese();
    if (alese.size() < 2)
        return;
    CasetaPagina &prima = m_casete[size_t(alese[0])];
    for (size_t i = 1; i < alese.size(); ++i)
        prima.Cutie |= m_casete[size_t(alese[i])].Cutie;
    prima.Avertisment.clear();
    for (size_t i = alese.size() - 1; i >= 1; --i)
        m_casete.erase(m_casete.begin() + alese[i]);
    Alege({alese[0]});
}

void VederePagina::StergeAlese()
{
    const auto alese = Alese();
    for (auto i = alese.rbegin(); i != alese.rend(); ++i)
        m_casete.erase(m_casete.begin() + *i);
    Alege({});
}

double VederePagina::Scara() const
{
    if (m_pagina.isNull())
        return 1;
    return std::min(double(width()) / m_pagina.width(), double(height()) / m_pagina.height());
}

QPointF VederePagina::Origine() const
{
    return {(width() - m_pagina.width() * Scara()) / 2,
            (height() - m_pagina.height() * Scara()) / 2};
}

QPoint VederePagina::InPagina(const QPointF &ecran) const
{
    return ((ecran - Origine()) / Scara()).toPoint();
}

QRectF VederePagina::PeEcran(const QRect &cutie) const
{
    return {Origine() + QPointF(cutie.topLeft()) * Scara(), QSizeF(cutie.size()) * Scara()};
}

void VederePagina::paintEvent(QPaintEvent *)
{
    QPainter pictor(this);
    pictor.fillRect(rect(), palette().window());
    if (m_pagina.isNull())
        return;
    const QSize marime = (QSizeF(m_pagina.size()) * Scara()).toSize();
    if (m_afisata.size() != marime)
        m_afisata = m_pagina.scaled(marime, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    pictor.drawImage(Origine(), m_afisata);
    for (size_t i = 0; i < m_casete.size(); ++i) {
        const CasetaPagina &c = m_casete[i];
        const bool aleasa = m_alese.contains(int(i));
        // Red for a box that may hold two problems, so the teacher looks again.
        QColor culoare = c.Avertisment.isEmpty() ? QColor(0, 90, 200) : QColor(200, 30, 30);
        pictor.setPen(QPen(culoare, aleasa ? 3 : 1.5));
        culoare.setAlpha(aleasa ? 50 : 20);
        pictor.setBrush(culoare);
        const QRectF r = PeEcran(c.Cutie);
        pictor.drawRect(r);
        pictor.drawText(r.topLeft() + QPointF(-18, 12), QString::number(i + 1));
    }
    if (m_noua) {
        pictor.setPen(QPen(Qt::darkGreen, 1.5, Qt::DashLine));
        pictor.setBrush(Qt::NoBrush);
        pictor.drawRect(PeEcran(*m_noua));
    }
}

void VederePagina::mousePressEvent(QMouseEvent *eveniment)
{
    if (m_pagina.isNull() || eveniment->button() != Qt::LeftButton)
        return;
    const QPointF p = eveniment->position();
    m_start = InPagina(p);
    m_trasa = -1;
    for (int i = int(m_casete.size()) - 1; i >= 0 && m_trasa < 0; --i) {
        const QRectF r = PeEcran(m_casete[size_t(i)].Cutie);
        if (!r.adjusted(-Prindere, -Prindere, Prindere, Prindere).contains(p))
            continue;
        m_margini = {};
        if (std::abs(p.x() - r.left()) <= Prindere)
            m_margini |= Qt::LeftEdge;
        if (std::abs(p.x() - r.right()) <= Prindere)
            m_margini |= Qt::RightEdge;
        if (std::abs(p.y() - r.top()) <= Prindere)
            m_margini |= Qt::TopEdge;
        if (std::abs(p.y() - r.bottom()) <= Prindere)
            m_margini |= Qt::BottomEdge;
        if (m_margini)
            m_trasa = i;
        else if (r.contains(p)) {
            if (!(eveniment->modifiers() & Qt::ControlModifier))
                m_alese.clear();
            m_alese.insert(i);
            update();
            emit Schimbata();
            return;
        }
    }
    if (m_trasa < 0)
        m_noua = QRect(m_start, m_start);
}

void VederePagina::mouseMoveEvent(QMouseEvent *eveniment)
{
    const QPoint p = InPagina(eveniment->position());
    if (m_trasa >= 0 && (eveniment->buttons() & Qt::LeftButton)) {
        QRect &c = m_casete[size_t(m_trasa)].Cutie;
        if (m_margini & Qt::LeftEdge)
            c.setLeft(std::min(p.x(), c.right() - LaturaMinima));
        if (m_margini & Qt::RightEdge)
            c.setRight(std::max(p.x(), c.left() + LaturaMinima));
        if (m_margini & Qt::TopEdge)
            c.setTop(std::min(p.y(), c.bottom() - LaturaMinima));
        if (m_margini & Qt::BottomEdge)
            c.setBottom(std::max(p.y(), c.top() + LaturaMinima));
        c &= m_pagina.rect();
        update();
    } else if (m_noua) {
        m_noua = QRect(m_start, p).normalized() & m_pagina.rect();
        update();
    }
}

void VederePagina::mouseReleaseEvent(QMouseEvent *)
{
    if (m_noua && m_noua->width() >= LaturaMinima && m_noua->height() >= LaturaMinima) {
        m_casete.push_back({*m_noua, {}, {}, {}});
        m_alese = {int(m_casete.size()) - 1};
    } else if (m_noua) {
        m_alese.clear(); // a click on the paper chooses nothing
    }
    m_noua.reset();
    m_trasa = -1;
    update();
    emit Schimbata();
}

} // namespace tezaurel
