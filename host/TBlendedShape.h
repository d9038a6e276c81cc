#pragma once

#include "platform/Export.h"

#include <QBrush>
#include <QPen>
#include <QWidget>

namespace host {

// Background shape: a rectangle or a rounded rectangle, antialiased.
class OBSHOST_EXPORT TBlendedShape : public QWidget
{
    Q_OBJECT

public:
    enum class ShapeKind { Rectangle, RoundRect };

    explicit TBlendedShape(QWidget *parent = nullptr);

    ShapeKind Shape() const { return m_shape; }
    void SetShape(ShapeKind shape);
    QPen Pen() const { return m_pen; }
    void SetPen(const QPen &pen);
    QBrush Brush() const { return m_brush; }
    void SetBrush(const QBrush &brush);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ShapeKind m_shape = ShapeKind::Rectangle;
    QPen m_pen = QPen(Qt::black, 1);
    // A light grey by default: a panel that sets no fill still stands out from a
    // white window and sets off the grey keys laid on it.
    QBrush m_brush = QBrush(QColor(224, 224, 224));
};

} // namespace host
