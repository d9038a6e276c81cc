// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/Painting.h"

#include <QPainter>

namespace platform {

QFont arial(int pixels, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void drawFrame(QPainter &p, const QRect &bounds, const QColor &color, int width)
{
    // A pen centred half its width inside the edge covers exactly the outer pixels.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const qreal half = width / 2.0;
    p.drawRect(QRectF(bounds).adjusted(half, half, -half, -half));
}

} // namespace platform
