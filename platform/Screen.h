#pragma once

#include "platform/Export.h"

namespace platform::Screen {

constexpr int crDefault = 0;
constexpr int crHourGlass = -11;

// The application-wide pointer shape, over Qt's override cursor.
OBSHOST_EXPORT void setCursor(int shape);
OBSHOST_EXPORT int cursor();

} // namespace platform::Screen
