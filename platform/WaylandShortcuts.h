// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

class QWidget;

namespace platform {

// What a window needs from a Wayland compositor while it has the keyboard: that the
// compositor's own key bindings (sway's kill, an Alt+F4 binding) do not act on it, through
// the keyboard-shortcuts-inhibit protocol. One window at a time, as the X keyboard hold.
// Every call does nothing on platforms other than wayland, on compositors that do not
// offer the protocol, and in builds without the Wayland client library.
class OBSHOST_EXPORT WaylandShortcuts
{
public:
    // Asks the compositor to inhibit its shortcuts while the window has the keyboard.
    // True when the compositor took the request.
    static bool inhibit(QWidget *window);
    // Withdraws the request; the compositor's bindings act again.
    static void release();
    // Whether a request stands now.
    static bool inhibiting();
    // Whether this build speaks the protocol at all.
    static bool built();
};

} // namespace platform
