// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/KeyMap.h"

#include <QKeyEvent>

namespace platform {

quint16 virtualKeyFromQt(int key, bool keypad)
{
    if (keypad && key >= Qt::Key_0 && key <= Qt::Key_9)
        return quint16(vk::Numpad0 + (key - Qt::Key_0));
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return quint16(key); // same codes in both systems
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return quint16(vk::F1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace:
        return vk::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return vk::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vk::Return;
    case Qt::Key_Shift:
        return vk::Shift;
    case Qt::Key_Control:
        return vk::Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return vk::Menu;
    case Qt::Key_Pause:
        return vk::Pause;
    case Qt::Key_CapsLock:
        return vk::Capital;
    case Qt::Key_Escape:
        return vk::Escape;
    case Qt::Key_Space:
        return vk::Space;
    case Qt::Key_PageUp:
        return vk::Prior;
    case Qt::Key_PageDown:
        return vk::Next;
    case Qt::Key_End:
        return vk::End;
    case Qt::Key_Home:
        return vk::Home;
    case Qt::Key_Left:
        return vk::Left;
    case Qt::Key_Up:
        return vk::Up;
    case Qt::Key_Right:
        return vk::Right;
    case Qt::Key_Down:
        return vk::Down;
    case Qt::Key_Insert:
        return vk::Insert;
    case Qt::Key_Delete:
        return vk::Delete;
    case Qt::Key_Asterisk:
        return keypad ? vk::Multiply : quint16(0x38);
    case Qt::Key_Plus:
        return keypad ? vk::Add : vk::OemPlus;
    case Qt::Key_Minus:
        return keypad ? vk::Subtract : vk::OemMinus;
    case Qt::Key_Period:
        return keypad ? vk::Decimal : vk::OemPeriod;
    case Qt::Key_Slash:
        return keypad ? vk::Divide : vk::OemSlash;
    case Qt::Key_Equal:
        return vk::OemPlus;
    case Qt::Key_Comma:
        return vk::OemComma;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return vk::OemSemicolon;
    case Qt::Key_Question:
        return vk::OemSlash;
    case Qt::Key_Underscore:
        return vk::OemMinus;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
        return vk::OemTilde;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return vk::OemOpenBracket;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return vk::OemBackslash;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return vk::OemCloseBracket;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
        return vk::OemQuote;
    // Shifted digits on a US layout still come from the digit keys.
    case Qt::Key_Exclam:
        return quint16('1');
    case Qt::Key_At:
        return quint16('2');
    case Qt::Key_NumberSign:
        return quint16('3');
    case Qt::Key_Dollar:
        return quint16('4');
    case Qt::Key_Percent:
        return quint16('5');
    case Qt::Key_AsciiCircum:
        return quint16('6');
    case Qt::Key_Ampersand:
        return quint16('7');
    case Qt::Key_ParenLeft:
        return quint16('9');
    case Qt::Key_ParenRight:
        return quint16('0');
    case Qt::Key_Ccedilla:
        return vk::OemSemicolon; // where a Portuguese layout has it
    default:
        break;
    }
    // Other Latin letters (é, ã, ...) sit on OEM keys whose code depends on the layout.
    if (key >= Qt::Key_Agrave && key <= Qt::Key_ydiaeresis)
        return vk::OemQuote;
    return 0;
}

quint16 virtualKey(const QKeyEvent &event)
{
    return virtualKeyFromQt(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

ShiftState shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    ShiftState s;
    if (modifiers & Qt::ShiftModifier)
        s |= ShiftFlag::Shift;
    if (modifiers & Qt::AltModifier)
        s |= ShiftFlag::Alt;
    if (modifiers & Qt::ControlModifier)
        s |= ShiftFlag::Ctrl;
    if (buttons & Qt::LeftButton)
        s |= ShiftFlag::Left;
    if (buttons & Qt::RightButton)
        s |= ShiftFlag::Right;
    if (buttons & Qt::MiddleButton)
        s |= ShiftFlag::Middle;
    return s;
}

std::optional<char> typedCharacter(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers mods = event.modifiers();
    if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier))
        return std::nullopt;
    // Super and Hyper (Qt's Meta) chords belong to the desktop, even when no window
    // manager takes them; the server still gives them the letter's text.
    if (mods & Qt::MetaModifier)
        return std::nullopt;
    const QString text = event.text();
    if (text.size() != 1)
        return std::nullopt;
    return toAnsi(text.at(0));
}

bool isDesktopChord(const QKeyEvent &event)
{
    if (event.key() == Qt::Key_Escape)
        return false; // the way out of every window, whatever is held
    const Qt::KeyboardModifiers mods = event.modifiers();
    if (mods & Qt::MetaModifier)
        return true;
    if ((mods & Qt::ControlModifier) && (mods & Qt::AltModifier)) {
        // Ctrl+Alt with a character key types the character (as AltGr does); with any
        // other key it is the desktop's: switching desktops, Ctrl+Alt+Delete.
        const QString text = event.text();
        return text.size() != 1 || !text.at(0).isPrint();
    }
    return false;
}

std::optional<QChar> typedPrintable(const QKeyEvent &event)
{
    const std::optional<char> ansi = typedCharacter(event);
    if (!ansi)
        return std::nullopt;
    const QChar c = fromAnsi(*ansi);
    if (!c.isPrint() || c == QChar::ReplacementCharacter)
        return std::nullopt;
    return c;
}

} // namespace platform
