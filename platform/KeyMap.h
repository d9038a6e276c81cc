// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Cp1252.h"
#include "platform/Export.h"

#include <QChar>
#include <QFlags>
#include <QString>
#include <optional>

class QKeyEvent;

namespace platform {

// Windows virtual-key codes that the handlers test.
namespace vk {
constexpr quint16 Back = 8;
constexpr quint16 Tab = 9;
constexpr quint16 Return = 13;
constexpr quint16 Shift = 16;
constexpr quint16 Control = 17;
constexpr quint16 Menu = 18; // Alt
constexpr quint16 Pause = 19;
constexpr quint16 Capital = 20;
constexpr quint16 Escape = 27;
constexpr quint16 Space = 32;
constexpr quint16 Prior = 33;
constexpr quint16 Next = 34;
constexpr quint16 End = 35;
constexpr quint16 Home = 36;
constexpr quint16 Left = 37;
constexpr quint16 Up = 38;
constexpr quint16 Right = 39;
constexpr quint16 Down = 40;
constexpr quint16 Insert = 45;
constexpr quint16 Delete = 46;
constexpr quint16 Numpad0 = 0x60;
constexpr quint16 Multiply = 0x6A;
constexpr quint16 Add = 0x6B;
constexpr quint16 Subtract = 0x6D;
constexpr quint16 Decimal = 0x6E;
constexpr quint16 Divide = 0x6F;
constexpr quint16 F1 = 0x70; // F1..F24 are consecutive
constexpr quint16 F4 = 0x73;
constexpr quint16 OemSemicolon = 0xBA;
constexpr quint16 OemPlus = 0xBB;
constexpr quint16 OemComma = 0xBC;
constexpr quint16 OemMinus = 0xBD;
constexpr quint16 OemPeriod = 0xBE;
constexpr quint16 OemSlash = 0xBF;
constexpr quint16 OemTilde = 0xC0;
constexpr quint16 OemOpenBracket = 0xDB;
constexpr quint16 OemBackslash = 0xDC;
constexpr quint16 OemCloseBracket = 0xDD;
constexpr quint16 OemQuote = 0xDE;
} // namespace vk

// Modifiers and mouse buttons held, compared as a whole by the handlers.
enum class ShiftFlag : quint8 {
    Shift = 0x01,
    Alt = 0x02,
    Ctrl = 0x04,
    Left = 0x08,
    Right = 0x10,
    Middle = 0x20,
    Double = 0x40,
};
Q_DECLARE_FLAGS(ShiftState, ShiftFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(ShiftState)

// The virtual-key code of a Qt key event. Letters and digits map by key, so Shift
// and Caps Lock leave them unchanged; 0 for a key that has none.
OBSHOST_EXPORT quint16 virtualKey(const QKeyEvent &event);
OBSHOST_EXPORT quint16 virtualKeyFromQt(int qtKey, bool keypad);

// The modifier set of a key event together with the mouse buttons held now.
OBSHOST_EXPORT ShiftState shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

// The character a key event types, in Windows-1252, or nothing: no text, text that
// the code page cannot hold, a key pressed with Alt and without Ctrl, or one pressed
// with Super or Hyper.
OBSHOST_EXPORT std::optional<char> typedCharacter(const QKeyEvent &event);

// A chord the desktop binds rather than a key for the window: Super or Hyper with any
// key, Ctrl+Alt with a key that types no character (arrows, Delete, F-keys). Escape
// is never one. Where no window manager takes them, the windows ignore them.
OBSHOST_EXPORT bool isDesktopChord(const QKeyEvent &event);

// The printable character a key event types, if Windows-1252 can hold it.
OBSHOST_EXPORT std::optional<QChar> typedPrintable(const QKeyEvent &event);

} // namespace platform
