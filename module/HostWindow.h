// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QPointer>

class QWidget;

namespace module {

// The host's window a call is made over: the window that was active when the call began
// (else the host's only visible main window).
// The dialog belongs to it (its transient parent, as a modal window of the host's), is
// centred over it, and it gets the keyboard back when the call is over. Without an
// active window the dialog stands alone, centred on the screen.
class HostWindow
{
public:
    HostWindow();

    QWidget *widget() const { return m_window; }
    // Makes the window manager or compositor keep the dialog over the host's window.
    // Only the native windows are tied: the dialog keeps no widget parent, so the host's
    // style sheets, fonts and ownership never reach it.
    void adopt(QWidget *dialog) const;
    // Hands the keyboard back to the host's window, if it is still on screen.
    void giveKeyboardBack() const;

private:
    QPointer<QWidget> m_window;
};

} // namespace module
