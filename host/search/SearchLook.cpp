// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/search/SearchLook.h"

#include "host/controls/TBlendedButton.h"
#include "host/search/Contrast.h"

namespace host {

namespace {
bool isDark(const QColor &c)
{
    // Perceived brightness (ITU-R BT.601 weights).
    return (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000 < 96;
}

const QColor kRows = Qt::white; // the dialogs and the search list's rows, which are ours
} // namespace

QColor SearchLook::colorFromRef(int ref, const QColor &fallback)
{
    const auto bits = static_cast<quint32>(ref);
    if (bits == 0 || (bits & 0xFF000000u) != 0)
        return fallback;
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

SearchLook SearchLook::fromRefs(int cor1, int cor2, int cor3, int cor5)
{
    SearchLook look;
    look.frame = colorFromRef(cor1, look.frame);
    look.disabledFace = colorFromRef(cor2, look.disabledFace);
    look.keyFace = colorFromRef(cor3, look.keyFace);
    look.caption = colorFromRef(cor5, look.caption);
    look.makeReadable();
    return look;
}

void SearchLook::makeReadable()
{
    // The face gives way rather than the caption: a near miss (the grey keys under
    // white) then keeps its look, and any caption can be met.
    frame = contrast::awayFrom(frame, kRows, contrast::PartMinimum); // the windows are white too
    keyFace = contrast::awayFrom(keyFace, caption, contrast::TextMinimum);
    highlight = contrast::awayFrom(keyFace, kRows, contrast::PartMinimum);
}

QColor SearchLook::highlightText() const
{
    return contrast::readableOn(highlight, caption, contrast::TextMinimum);
}

QColor SearchLook::disabledCaption() const
{
    const QColor ink = contrast::blackOrWhiteOn(disabledFace);
    const QColor face = disabledFace.toRgb();
    return QColor((ink.red() + face.red()) / 2, (ink.green() + face.green()) / 2, (ink.blue() + face.blue()) / 2);
}

void SearchLook::applyTo(TBlendedButton *key) const
{
    key->SetColor(keyFace);
    key->SetFontColor(caption);
    if (isDark(keyFace)) {
        key->SetDownColor(caption);
        key->SetDownFontColor(keyFace);
    } else {
        key->SetDownColor(Qt::black);
        key->SetDownFontColor(Qt::white);
    }
    key->SetDisabledColor(disabledFace);
    key->SetDisabledFontColor(disabledCaption());
}

} // namespace host
