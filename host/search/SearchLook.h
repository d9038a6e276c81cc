#pragma once

#include "platform/Export.h"

#include <QColor>

namespace host {

class TBlendedButton;

// Colours of the search package's dialogs, resolved from the colour references the
// caller passes (0x00BBGGRR, blue in the high byte). 0 keeps the default. A value with
// a non-zero top byte (a system colour or palette index, not a plain RGB reference)
// also keeps the default.
//
//   cor1  face of the touch keys            default RGB 128, 128, 128 (grey)
//   cor2  the window's 2-pixel frame        default RGB 204, 91, 44 (orange brown)
//   cor3  captions of the touch keys        default white
//   cor5  highlighted row of the search     default RGB 0, 0, 128 (navy)
struct OBSHOST_EXPORT SearchLook
{
    QColor keyFace = QColor(128, 128, 128);
    QColor frame = QColor(204, 91, 44);
    QColor caption = QColor(255, 255, 255);
    QColor highlight = QColor(0, 0, 128);

    static SearchLook fromRefs(int cor1, int cor2, int cor3, int cor5 = 0);
    static QColor colorFromRef(int ref, const QColor &fallback);

    // Text drawn on the highlight: black on a light highlight, white on a dark one.
    QColor highlightText() const;
    // Key colours. Pressed keys turn black with a white caption; on a face that is
    // already dark, pressing swaps face and caption so it still shows.
    void applyTo(TBlendedButton *key) const;
};

} // namespace host
