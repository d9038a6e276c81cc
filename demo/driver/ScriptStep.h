// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <Qt>

namespace demo {

// One delivery of a script: a key stroke, a touch, a close request or a picture.
// `type:TEXT` becomes one key stroke per character, so a character that opens a
// window sends the rest of the text to it, as it would for a person typing.
struct ScriptStep
{
    enum class Kind { Key, Tap, Close, Shot };

    Kind kind = Kind::Key;
    // The script token this step came from, for messages.
    QString token;

    // Key: the Qt key, its modifiers and the text the key types (may be empty).
    int qtKey = 0;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text;

    // Tap: the control's object name. Shot: the picture's file name.
    QString argument;
};

} // namespace demo
