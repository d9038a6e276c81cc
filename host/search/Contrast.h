// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QColor>

namespace host::contrast {

// The contrast measures of WCAG 2: relative luminance of an sRGB colour (0 black to
// 1 white) and the ratio of two colours' luminances, 1:1 to 21:1.
OBSHOST_EXPORT double relativeLuminance(const QColor &c);
OBSHOST_EXPORT double ratio(const QColor &a, const QColor &b);

// Text that reads at 4.5:1 (WCAG AA); parts of the interface set off at 3:1.
inline constexpr double TextMinimum = 4.5;
inline constexpr double PartMinimum = 3.0;

// `moved` with its lightness (hue and saturation kept) pushed away from `fixed` just
// far enough to reach `minimum` against it; unchanged when it already does. Darkens
// against a colour light enough for black to reach 4.5:1 on it, else lightens, so
// 4.5:1 is always reachable.
OBSHOST_EXPORT QColor awayFrom(const QColor &moved, const QColor &fixed, double minimum);

// Black or white, whichever reads better on `face`; at least 4.58:1.
OBSHOST_EXPORT QColor blackOrWhiteOn(const QColor &face);

// `preferred` when it reaches `minimum` on `face`; otherwise black or white, whichever
// reads better there (one of them always reaches 4.5:1).
OBSHOST_EXPORT QColor readableOn(const QColor &face, const QColor &preferred, double minimum);

} // namespace host::contrast
