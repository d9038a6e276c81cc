// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

struct QMetaObject;

namespace host {

// Everything a touch key's pixels depend on. Keys with equal looks draw the same
// pixels, so the look names a rendering: a key keeps the one it showed last, and keys
// alike share theirs through KeyRenderings. A new visual property goes here, in
// operator== and in qHash, and nowhere else.
struct OBSHOST_EXPORT KeyLook
{
    const QMetaObject *kind = nullptr; // a picture key lays out its caption differently
    QSize size;
    qreal ratio = 1; // device pixels per logical pixel
    // The paint device's own pixel ratio, which a picture is prepared at; less than
    // ratio when rendering into a painter that scales.
    qreal deviceRatio = 1;
    // Where the key starts within its first device pixel, in 64ths (the raster
    // engine's precision): at fractional scales a key's edges fall between pixels.
    int phaseX = 0;
    int phaseY = 0;
    // Logical resolution, which only a font sized in points depends on; 0 otherwise.
    int dpiX = 0;
    int dpiY = 0;
    bool enabled = true;
    bool down = false;
    QColor face;
    QColor caption;
    QString text;
    QFont font;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    // The picture, background keyed out: its cacheKey, 0 without one. Equal pictures
    // share one keyed-out image (KeyRenderings::keyedOut), so this names the content.
    qint64 glyph = 0;
    int layout = 0;
    int spacing = 0;

    bool operator==(const KeyLook &) const = default;
};

OBSHOST_EXPORT size_t qHash(const KeyLook &look, size_t seed = 0) noexcept;

} // namespace host
