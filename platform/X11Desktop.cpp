// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/X11Desktop.h"

#include <QGuiApplication>
#include <QWidget>

#if defined(OBS_HAVE_XCB) && QT_CONFIG(xcb)
#define OBS_X11 1
#include <cstdlib>
#include <xcb/xcb.h>
#endif

namespace platform {

#ifdef OBS_X11
namespace {

xcb_connection_t *connection()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t nativeWindow(QWidget *window)
{
    return window ? static_cast<xcb_window_t>(window->window()->winId()) : xcb_window_t(XCB_WINDOW_NONE);
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *reply
        = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<quint16>(qstrlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return a;
}

// The layout of _MOTIF_WM_HINTS that window managers read.
constexpr quint32 kHintFunctions = 1u << 0;
constexpr quint32 kHintDecorations = 1u << 1;

} // namespace

bool X11Desktop::available()
{
    return connection() != nullptr;
}

void X11Desktop::lockWindowFunctions(QWidget *window)
{
    xcb_connection_t *c = connection();
    if (!c || !window)
        return;
    const xcb_window_t w = nativeWindow(window);
    if (const xcb_atom_t hints = atom(c, "_MOTIF_WM_HINTS")) {
        // flags, functions, decorations, input mode, status: no function and no frame.
        const quint32 value[5] = {kHintFunctions | kHintDecorations, 0, 0, 0, 0};
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, hints, hints, 32, 5, value);
    }
    // On every desktop, so that switching desktops cannot take it from the operator.
    if (const xcb_atom_t desktop = atom(c, "_NET_WM_DESKTOP")) {
        const quint32 all = 0xFFFFFFFFu;
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, desktop, XCB_ATOM_CARDINAL, 32, 1, &all);
    }
    xcb_flush(c);
}

bool X11Desktop::grabKeyboard(QWidget *window)
{
    xcb_connection_t *c = connection();
    if (!c || !window)
        return false;
    xcb_grab_keyboard_reply_t *reply = xcb_grab_keyboard_reply(
        c, xcb_grab_keyboard(c, 1, nativeWindow(window), XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
        nullptr);
    const bool grabbed = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    return grabbed;
}

void X11Desktop::releaseKeyboard()
{
    if (xcb_connection_t *c = connection()) {
        xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
        xcb_flush(c);
    }
}

void X11Desktop::focus(QWidget *window)
{
    xcb_connection_t *c = connection();
    if (!c || !window || !window->isVisible())
        return;
    xcb_set_input_focus(c, XCB_INPUT_FOCUS_PARENT, nativeWindow(window), XCB_CURRENT_TIME);
    xcb_flush(c);
}

#else

bool X11Desktop::available()
{
    return false;
}
void X11Desktop::lockWindowFunctions(QWidget *) { }
bool X11Desktop::grabKeyboard(QWidget *)
{
    return false;
}
void X11Desktop::releaseKeyboard() { }
void X11Desktop::focus(QWidget *) { }

#endif

} // namespace platform
