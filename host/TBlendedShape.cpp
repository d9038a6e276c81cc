#include "host/TBlendedShape.h"

#include <QPainter>

namespace host {

TBlendedShape::TBlendedShape(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBlendedShape::SetShape(ShapeKind shape)
{
    if (shape == m_shape)
        return;
    m_shape = shape;
    update();
}

void TBlendedShape::SetPen(const QPen &pen)
{
    if (pen == m_pen)
        return;
    m_pen = pen;
    update();
}

void TBlendedShape::SetBrush(const QBrush &brush)
{
    if (brush == m_brush)
        return;
    m_brush = brush;
    update();
}

void TBlendedShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(m_pen);
    p.setBrush(m_brush);
    const qreal half = m_pen.style() == Qt::NoPen ? 0.0 : m_pen.widthF() / 2.0;
    const QRectF r = QRectF(rect()).adjusted(half, half, -half, -half);
    if (m_shape == ShapeKind::RoundRect)
        p.drawRoundedRect(r, 8.0, 8.0);
    else
        p.drawRect(r);
}

} // namespace host
