// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/X11Desktop.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#if defined(OBS_HAVE_XCB) && QT_CONFIG(xcb)
#define OBS_X11 1
#include <algorithm>
#include <array>
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
constexpr quint32 kAllDesktops = 0xFFFFFFFFu;
constexpr quint32 kStateAdd = 1;
constexpr quint32 kSourceApplication = 1;

bool hasState(xcb_connection_t *c, xcb_window_t w, xcb_atom_t state, xcb_atom_t wanted)
{
    xcb_get_property_reply_t *reply
        = xcb_get_property_reply(c, xcb_get_property(c, 0, w, state, XCB_ATOM_ATOM, 0, 64), nullptr);
    bool found = false;
    if (reply && reply->format == 32) {
        const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
        const int n = xcb_get_property_value_length(reply) / 4;
        found = std::find(atoms, atoms + n, wanted) != atoms + n;
    }
    std::free(reply);
    return found;
}

quint32 desktopOf(xcb_connection_t *c, xcb_window_t w, xcb_atom_t desktop)
{
    xcb_get_property_reply_t *reply
        = xcb_get_property_reply(c, xcb_get_property(c, 0, w, desktop, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    quint32 value = 0;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
        value = *static_cast<const quint32 *>(xcb_get_property_value(reply));
    std::free(reply);
    return value;
}

xcb_window_t rootOf(xcb_connection_t *c, xcb_window_t w)
{
    xcb_get_geometry_reply_t *reply = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
    const xcb_window_t root = reply ? reply->root : xcb_window_t(XCB_WINDOW_NONE);
    std::free(reply);
    return root;
}

// A request to the window manager about a window, as the window manager protocol sends them.
void sendToRoot(xcb_connection_t *c, xcb_window_t root, xcb_window_t w, xcb_atom_t type, std::array<quint32, 5> data)
{
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = w;
    event.type = type;
    std::copy(data.begin(), data.end(), event.data.data32);
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
}

// Sees the manager move a locked window to one desktop (metacity does so to a window
// whose child window it moves) and asks for every desktop again.
class DesktopWatch : public QObject, public QAbstractNativeEventFilter
{
public:
    // One per application, gone with it.
    static DesktopWatch &instance()
    {
        static QPointer<DesktopWatch> watch;
        if (!watch) {
            watch = new DesktopWatch(qGuiApp);
            qGuiApp->installNativeEventFilter(watch);
        }
        return *watch;
    }

    void watch(xcb_connection_t *c, QWidget *window, xcb_window_t w)
    {
        if (!m_desktop)
            m_desktop = atom(c, "_NET_WM_DESKTOP");
        for (auto it = m_windows.begin(); it != m_windows.end();)
            it = it.value() ? std::next(it) : m_windows.erase(it);
        m_windows.insert(w, window);
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto *change = static_cast<const xcb_property_notify_event_t *>(message);
        if (change->atom != m_desktop || m_desktop == XCB_ATOM_NONE)
            return false;
        if (QWidget *window = m_windows.value(change->window).data()) {
            // Not from inside the event: the request waits for replies of its own. The
            // window is the timer's context, so it is alive when the call runs.
            QTimer::singleShot(0, window, [window] { X11Desktop::keepOnEveryDesktop(window); });
        }
        return false;
    }

private:
    explicit DesktopWatch(QObject *parent)
        : QObject(parent)
    { }

    xcb_atom_t m_desktop = XCB_ATOM_NONE;
    QHash<xcb_window_t, QPointer<QWidget>> m_windows;
};

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
    // Managers read either the desktop or the sticky state (xfwm4 takes the desktop
    // alone for its last one), so both are set.
    if (const xcb_atom_t desktop = atom(c, "_NET_WM_DESKTOP"))
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, desktop, XCB_ATOM_CARDINAL, 32, 1, &kAllDesktops);
    const xcb_atom_t state = atom(c, "_NET_WM_STATE");
    const xcb_atom_t sticky = atom(c, "_NET_WM_STATE_STICKY");
    if (state && sticky && !hasState(c, w, state, sticky)) {
        // Appended: Qt merges its own states into the property when it maps the window.
        xcb_change_property(c, XCB_PROP_MODE_APPEND, w, state, XCB_ATOM_ATOM, 32, 1, &sticky);
    }
    DesktopWatch::instance().watch(c, window->window(), w);
    xcb_flush(c);
}

void X11Desktop::keepOnEveryDesktop(QWidget *window)
{
    xcb_connection_t *c = connection();
    if (!c || !window || !window->isVisible())
        return;
    const xcb_window_t w = nativeWindow(window);
    const xcb_atom_t desktop = atom(c, "_NET_WM_DESKTOP");
    const xcb_atom_t state = atom(c, "_NET_WM_STATE");
    const xcb_atom_t sticky = atom(c, "_NET_WM_STATE_STICKY");
    if (!desktop || !state || !sticky)
        return;
    // A managed window's desktop and state are the manager's to write; it is asked
    // (some managers drop the sticky state of a window whose child window opened).
    const xcb_window_t root = rootOf(c, w);
    if (root == XCB_WINDOW_NONE)
        return;
    if (desktopOf(c, w, desktop) != kAllDesktops)
        sendToRoot(c, root, w, desktop, {kAllDesktops, kSourceApplication, 0, 0, 0});
    if (!hasState(c, w, state, sticky))
        sendToRoot(c, root, w, state, {kStateAdd, sticky, 0, kSourceApplication, 0});
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
void X11Desktop::keepOnEveryDesktop(QWidget *) { }
bool X11Desktop::grabKeyboard(QWidget *)
{
    return false;
}
void X11Desktop::releaseKeyboard() { }
void X11Desktop::focus(QWidget *) { }

#endif

} // namespace platform
