// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

class QWidget;

namespace platform::Screen {

constexpr int crDefault = 0;
constexpr int crHourGlass = -11;

// The application-wide pointer shape, over Qt's override cursor.
OBSHOST_EXPORT void setCursor(int shape);
OBSHOST_EXPORT int cursor();

// Shows the default pointer shape while it lives; the shape that stood before comes back
// after, however the scope is left.
class OBSHOST_EXPORT DefaultPointer
{
public:
    DefaultPointer();
    ~DefaultPointer();
    DefaultPointer(const DefaultPointer &) = delete;
    DefaultPointer &operator=(const DefaultPointer &) = delete;

private:
    int m_saved;
};

// Puts a top-level window in the middle of the window it is shown over (its parent
// widget's window, else its transient parent), or of its screen when it has none; one
// wider or taller than the screen starts at the screen's left or top edge instead.
// Platforms that let the compositor place windows (Wayland) ignore the position.
OBSHOST_EXPORT void centre(QWidget *window);

} // namespace platform::Screen
