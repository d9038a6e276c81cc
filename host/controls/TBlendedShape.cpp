// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/controls/TBlendedShape.h"

#include <QPainter>

namespace host {

TBlendedShape::TBlendedShape(QWidget *parent)
    : platform::TShape(parent)
{
    SetBrush(QColor(224, 224, 224));
}

void TBlendedShape::SetShape(ShapeKind shape)
{
    if (shape == m_shape)
        return;
    m_shape = shape;
    update();
}

void TBlendedShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen pen = Pen();
    p.setPen(pen);
    p.setBrush(Brush());
    const qreal half = pen.style() == Qt::NoPen ? 0.0 : pen.widthF() / 2.0;
    const QRectF r = QRectF(rect()).adjusted(half, half, -half, -half);
    if (m_shape == ShapeKind::RoundRect)
        p.drawRoundedRect(r, 8.0, 8.0);
    else
        p.drawRect(r);
}

} // namespace host
