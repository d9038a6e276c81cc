// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <Qt>

class QWidget;

namespace dialog {
class TfrmObservacaoMod;
}
namespace host {
class TBlendedButton;
}

// Input as an operator gives it: keys pressed on the keyboard and touch keys clicked.

// Sends a key as the system would: press (with its text) and release.
void press(QWidget &w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString &text = QString());

// Types characters by their keys (capitals with Shift), as a keyboard layout gives them.
void type(QWidget &w, QChar c);
void type(QWidget &w, const QString &text);

// Typed text that Qt's key-name mapping does not know (accented letters): key events
// with no key, only the text.
void typeText(QWidget *w, const QString &text);

// The touch key of that name in a window; a failure of the test when there is none.
host::TBlendedButton *key(QWidget *window, const QString &name);

// Clicks the named touch key in its middle, as the mouse (or a touch screen's mouse
// events) would.
void tap(QWidget *window, const QString &name);

// Touches the observation window's on-screen keys for the characters of code.
void touch(dialog::TfrmObservacaoMod &f, const QString &code);
