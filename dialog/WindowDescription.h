// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/controls/TBlendedBitBtn.h"

#include <QObject>
#include <QRect>
#include <QRgb>
#include <span>

namespace dialog {

enum class ControlClass { TShape, TBlendedShape, TLabel, TBlendedButton, TBlendedBitBtn };

// What a key does when pressed. The table names the command; the window maps it to its
// handler, so the description knows nothing of the window's class.
enum class Command {
    None,
    Character, // types the key's tag into the code field
    CCedilla,
    Space,
    Backspace,
    Clear,
    Enter,
    Search,
    EditDescription,
    Confirm,
    Exit,
};

struct FontDesc
{
    const char *family = nullptr; // nullptr: the control shows no text of its own font
    int pixelSize = 0;
    bool bold = false;
};

// One control of the observation window, with the properties the window sets on it.
// Colours are 0xRRGGBB.
struct ControlDesc
{
    ControlClass cls;
    const char *name;
    QRect bounds; // left, top, width, height at 96 pixels per inch
    const char *caption = ""; // UTF-8
    const char *accessible = ""; // accessible name where the caption does not say it
    FontDesc font;
    QRgb fontColor = 0xFFFFFF;
    QRgb color = 0x808080; // face or fill
    QRgb downColor = 0x000000;
    QRgb downFontColor = 0xFFFFFF;
    QRgb disabledColor = 0x808080;
    QRgb disabledFontColor = 0xC0C0C0;
    QRgb penColor = 0;
    int penWidth = 0; // 0: no outline
    bool roundRect = false;
    int glyph = 0; // picture 1..4, 0 none
    host::ButtonLayout layout = host::ButtonLayout::GlyphLeft;
    int spacing = 4;
    int tag = 0;
    Command command = Command::None;
    // Labels.
    bool autoSize = false;
    bool wordWrap = false;
    bool transparent = false;
};

// The font of the character keys, which is the keyboard's: keys of another font have
// their own.
constexpr FontDesc kKeyFont {"Arial", 24, false};

// The window's size and colours.
constexpr int kClientWidth = 726;
constexpr int kClientHeight = 480;
constexpr const char *kWindowCaption = QT_TRANSLATE_NOOP("dialog::TfrmObservacaoMod", "Observação");

// The 52 controls in creation order, which is also stacking order.
std::span<const ControlDesc> windowControls();

// The catalogue lines of msgPadrao, in order.
std::span<const char *const> messageCatalogue();

} // namespace dialog
