// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QColor>

namespace host {

class TBlendedButton;

// Colours of the search package's dialogs, resolved from the colour references the
// caller passes (0x00BBGGRR, blue in the high byte). 0 keeps the default. A value with
// a non-zero top byte (a system colour or palette index, not a plain RGB reference)
// also keeps the default. The references are the observation window's own palette,
// so the station's display parameters give these dialogs that window's look:
//
//   cor1  the window's 2-pixel frame        default RGB 204, 91, 44 (orange brown)
//   cor2  face of a disabled key            default RGB 204, 204, 204 (light grey)
//   cor3  face of the touch keys            default RGB 118, 118, 118 (grey)
//   cor5  captions of the touch keys        default white (the editor gets no cor5)
//
// Whatever a station sets stays readable (WCAG contrast): where a caption would fall
// short of 4.5:1 on its face, the face's lightness moves away from the caption just
// far enough (the window's grey 128 under white becomes 118, the default). The search's chosen row is
// a key face with its caption, at least 3:1 against the white rows (darkened where
// not) with its text at 4.5:1 (black or white where the caption is not). The frame
// keeps 3:1 against the white window in the same way.
struct OBSHOST_EXPORT SearchLook
{
    QColor frame = QColor(204, 91, 44);
    QColor disabledFace = QColor(204, 204, 204);
    QColor keyFace = QColor(118, 118, 118);
    QColor caption = QColor(255, 255, 255);
    QColor highlight = QColor(118, 118, 118);

    // The station's colours, made readable as above.
    static SearchLook fromRefs(int cor1, int cor2, int cor3, int cor5 = 0);
    static QColor colorFromRef(int ref, const QColor &fallback);

    // Applies the contrast rules above to the colours as they stand.
    void makeReadable();

    // Text drawn on the highlight.
    QColor highlightText() const;
    // Caption of a disabled key: faded towards its face, but still there to see.
    QColor disabledCaption() const;
    // Key colours. Pressed keys turn black with a white caption; on a face that is
    // already dark, pressing swaps face and caption so it still shows.
    void applyTo(TBlendedButton *key) const;
};

} // namespace host
