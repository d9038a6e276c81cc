// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/controls/TBlendedBitBtn.h"

#include <QRect>

namespace host {

// One entry of an on-screen keyboard's layout table (TTecladoTela): what a key shows,
// where it sits and what a press reports. Plain data, so that tables are constexpr.
struct KeyDesc
{
    static constexpr int NoCommand = -1;

    // A cell of the keyboard's grid; a span covers cells to the right.
    struct Cell
    {
        int row = 0;
        int column = 0;
        int span = 1;
    };

    // A font of the key's own; a pixel size of 0 leaves the key the keyboard's font.
    struct Font
    {
        const char *family = "Arial";
        int pixelSize = 0;
        bool bold = false;
    };

    // Character keys: each character one key, in the cells from cell.column on. The
    // key is named "btnTecla<code>" after its upper-case character's code, also its
    // tag, shows and types the character in the keyboard's case and reports it through
    // characterTyped. The fields below up to command are then unused.
    const char16_t *characters = nullptr;

    const char *name = ""; // object name
    const char *caption = ""; // UTF-8
    const char *accessible = ""; // empty: the caption with its blanks simplified
    int command = NoCommand; // what commandClicked reports; NoCommand: the key reports nothing
    int tag = 0;

    Cell cell;
    QRect bounds; // not empty: a fixed rectangle in the keyboard, and cell is unused
    Font font;

    // A key with a picture (TBlendedBitBtn), handed over when the key is added.
    bool picture = false;
    ButtonLayout layout = ButtonLayout::GlyphLeft;
    int spacing = 4;

    // A run of character keys in one row of the grid, from column on.
    static constexpr KeyDesc characterRun(const char16_t *run, int row, int column)
    {
        KeyDesc d;
        d.characters = run;
        d.cell = {row, column};
        return d;
    }

    // A command key on the grid, in the keyboard's font or in a font of its own.
    static constexpr KeyDesc gridCommand(const char *name, const char *caption, int command, Cell cell, Font font)
    {
        KeyDesc d;
        d.name = name;
        d.caption = caption;
        d.command = command;
        d.cell = cell;
        d.font = font;
        return d;
    }
    static constexpr KeyDesc gridCommand(const char *name, const char *caption, int command, Cell cell)
    {
        return gridCommand(name, caption, command, cell, Font());
    }
};

} // namespace host
