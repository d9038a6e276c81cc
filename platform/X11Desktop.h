// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

class QWidget;

namespace platform {

// What a window needs from the X server when a window manager or none runs on it.
// Every call does nothing on platforms other than xcb.
class OBSHOST_EXPORT X11Desktop
{
public:
    // Asks the window manager for no move, resize, minimise, maximise or close of the
    // window, for no frame, and to show it on every desktop. (openbox honours only
    // move and resize of these functions; the keyboard grab covers its key bindings.)
    // Call before the window is mapped: Qt writes the same property when it creates the
    // native window and would otherwise overwrite it.
    static void lockWindowFunctions(QWidget *window);
    // Asks the window manager again to show a mapped window on every desktop, should it
    // have moved it to one (or dropped its sticky state).
    static void keepOnEveryDesktop(QWidget *window);
    // Takes every key of the server for the window, so that the window manager's own
    // bindings (Alt+F4, Alt+Escape, Alt+Space) never see them. The server drops the
    // grab by itself when the window is unmapped or the client goes away.
    static bool grabKeyboard(QWidget *window);
    static void releaseKeyboard();
    // Gives the window the server's input focus now, whatever time another client
    // last moved it.
    static void focus(QWidget *window);
    static bool available();
};

} // namespace platform
