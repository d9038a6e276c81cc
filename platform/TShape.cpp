// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/TShape.h"

#include <QPainter>

namespace platform {

TShape::TShape(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::SetPen(const QPen &pen)
{
    if (pen == m_pen)
        return;
    m_pen = pen;
    update();
}

void TShape::SetBrush(const QBrush &brush)
{
    if (brush == m_brush)
        return;
    m_brush = brush;
    update();
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int pw = m_pen.style() == Qt::NoPen ? 0 : qMax(1, m_pen.width());
    // Fill the whole face, then lay the outline inside the bounds with square corners.
    if (m_brush.style() != Qt::NoBrush)
        p.fillRect(rect(), m_brush);
    if (pw == 0)
        return;
    const QColor c = m_pen.color();
    const QRect r = rect();
    p.fillRect(QRect(r.left(), r.top(), r.width(), pw), c);
    p.fillRect(QRect(r.left(), r.bottom() - pw + 1, r.width(), pw), c);
    p.fillRect(QRect(r.left(), r.top(), pw, r.height()), c);
    p.fillRect(QRect(r.right() - pw + 1, r.top(), pw, r.height()), c);
}

} // namespace platform
