// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "demo/driver/ScriptStep.h"

#include <QList>
#include <QString>
#include <optional>

// The script language of the demo host: tokens separated by blanks.
//   one character         typed on the keyboard (a capital letter carries Shift)
//   [Alt+][Shift+][Ctrl+]KEY   a named key: Return, Backspace, Delete, Escape, Space,
//                         Tab, Up, Down, Left, Right, Home, End, F1..F12, a letter,
//                         a digit (or any one character)
//   type:TEXT             each character of TEXT typed in turn
//   tap:NAME              a touch on the control with that object name
//   close                 a close request to the active window
//   shot:FILE.png         a picture of the active window
namespace demo::ScriptParser {

struct Result
{
    QList<ScriptStep> steps;
    // Names the offending token; empty when the script is good.
    QString error;
    bool ok() const { return error.isEmpty(); }
};

Result parse(const QString &script);

// A key name with optional modifiers, e.g. "Return", "Alt+P", "Alt+Shift+F4".
std::optional<ScriptStep> parseKey(const QString &name);

// One character as typed on the physical keyboard. Nothing for a string that is not
// exactly one character.
std::optional<ScriptStep> typedCharacter(const QString &character);

} // namespace demo::ScriptParser
