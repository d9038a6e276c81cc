// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/controls/KeyLook.h"
#include "platform/Export.h"

#include <QImage>
#include <QPixmap>

namespace host {

// The renderings that touch keys share, within the process: a window is built afresh
// for every call, and its keys look as the last window's did, so they are blitted from
// here rather than drawn again. Renderings are named by their look alone; pictures are
// kept keyed out, by content, so that a picture loaded again names the same look.
// Interface thread only.
class OBSHOST_EXPORT KeyRenderings
{
public:
    // The rendering of look, or a null pixmap.
    static QPixmap find(const KeyLook &look);
    static void insert(const KeyLook &look, const QPixmap &rendering);

    // The picture with its background keyed out (TBlendedBitBtn::backgroundToAlpha),
    // premultiplied; equal pictures get the very same image.
    static QImage keyedOut(const QImage &glyph);

    // Forgets everything kept.
    static void clear();
};

} // namespace host
