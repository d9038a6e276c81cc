// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QFont>

class QColor;
class QPainter;
class QRect;

// What the painted touch controls share: their type and their frame.
namespace platform {

// "Arial" at a size in pixels: the type of every key, field and message of the touch windows.
OBSHOST_EXPORT QFont arial(int pixels, bool bold = false);

// A frame of the given width drawn inside bounds, crisp at any painter setting.
OBSHOST_EXPORT void drawFrame(QPainter &p, const QRect &bounds, const QColor &color, int width);

} // namespace platform
