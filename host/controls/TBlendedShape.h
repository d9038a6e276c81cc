// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"
#include "platform/TShape.h"

namespace host {

// Background shape: the platform's shape, antialiased, as a rectangle or a rounded
// rectangle. A light grey by default: a panel that sets no fill still stands out from a
// white window and sets off the grey keys laid on it.
class OBSHOST_EXPORT TBlendedShape : public platform::TShape
{
    Q_OBJECT

public:
    enum class ShapeKind { Rectangle, RoundRect };

    explicit TBlendedShape(QWidget *parent = nullptr);

    ShapeKind Shape() const { return m_shape; }
    void SetShape(ShapeKind shape);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ShapeKind m_shape = ShapeKind::Rectangle;
};

} // namespace host
