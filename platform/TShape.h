// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QBrush>
#include <QPen>
#include <QWidget>

namespace platform {

// Plain rectangle with a pen and a brush, drawn as the home platform draws it:
// the pen's width lies inside the bounds.
class OBSHOST_EXPORT TShape : public QWidget
{
    Q_OBJECT

public:
    explicit TShape(QWidget *parent = nullptr);

    QPen Pen() const { return m_pen; }
    void SetPen(const QPen &pen);
    QBrush Brush() const { return m_brush; }
    void SetBrush(const QBrush &brush);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPen m_pen = QPen(Qt::black, 1);
    QBrush m_brush = QBrush(Qt::white);
};

} // namespace platform
