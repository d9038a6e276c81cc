// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/search/Contrast.h"

#include <algorithm>
#include <cmath>

namespace host::contrast {

namespace {
double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Luminance of the grey between black and white at which both reach the same ratio:
// above it black reads better, below it white.
constexpr double kMidLuminance = 0.17912878474779; // sqrt(1.05 * 0.05) - 0.05
} // namespace

double relativeLuminance(const QColor &c)
{
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

double ratio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor awayFrom(const QColor &moved, const QColor &fixed, double minimum)
{
    if (ratio(moved, fixed) >= minimum)
        return moved;
    const bool darken = relativeLuminance(fixed) >= kMidLuminance;
    QColor hsl = moved.toHsl();
    // Next to black or white a hue is invisible ("black" given as 0x000001 is red by
    // its numbers): moving such a colour must not bring out that hue.
    if (hsl.lightness() < 16 || hsl.lightness() > 239)
        hsl = QColor::fromHsl(0, 0, hsl.lightness());
    // Luminance grows with lightness, so the first lightness that reaches the ratio is
    // the nearest; at the end of the range (black or white) it always does.
    QColor candidate = hsl;
    for (int step = 1; step <= 255; ++step) {
        const int lightness = darken ? hsl.lightness() - step : hsl.lightness() + step;
        if (lightness < 0 || lightness > 255)
            break;
        candidate = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness).toRgb();
        if (ratio(candidate, fixed) >= minimum)
            return candidate;
    }
    return darken ? QColor(Qt::black) : QColor(Qt::white);
}

QColor blackOrWhiteOn(const QColor &face)
{
    return relativeLuminance(face) >= kMidLuminance ? QColor(Qt::black) : QColor(Qt::white);
}

QColor readableOn(const QColor &face, const QColor &preferred, double minimum)
{
    return ratio(face, preferred) >= minimum ? preferred : blackOrWhiteOn(face);
}

} // namespace host::contrast
