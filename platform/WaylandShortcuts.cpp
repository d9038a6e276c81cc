// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "platform/WaylandShortcuts.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#ifdef OBS_HAVE_WAYLAND
#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"

#include <cstring>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>
#endif

namespace platform {

#ifdef OBS_HAVE_WAYLAND
namespace {

// One request at a time. Its objects live on a queue of their own, so that finding the
// manager never dispatches Qt's events from inside ours; the queue is never dispatched
// afterwards (the inhibitor's active/inactive events change nothing here).
struct Request
{
    wl_display *display = nullptr;
    wl_event_queue *queue = nullptr;
    wl_display *wrapper = nullptr;
    wl_registry *registry = nullptr;
    zwp_keyboard_shortcuts_inhibit_manager_v1 *manager = nullptr;
    zwp_keyboard_shortcuts_inhibitor_v1 *inhibitor = nullptr;
};

Request g_request;

QPlatformNativeInterface *native()
{
    if (!qGuiApp || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return nullptr;
    return QGuiApplication::platformNativeInterface();
}

void onGlobal(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t)
{
    auto *request = static_cast<Request *>(data);
    if (!request->manager && std::strcmp(interface, zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name) == 0)
        request->manager = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1 *>(
            wl_registry_bind(registry, name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
}

void onGlobalRemove(void *, wl_registry *, uint32_t) { }

const wl_registry_listener kRegistryListener = {&onGlobal, &onGlobalRemove};

// Destroys every object of the request, innermost first, and the queue last.
void teardown(Request &request)
{
    // Once Qt has closed its connection the objects went with it.
    const bool connected = native() && native()->nativeResourceForIntegration("wl_display") == request.display;
    if (connected) {
        if (request.inhibitor)
            zwp_keyboard_shortcuts_inhibitor_v1_destroy(request.inhibitor);
        if (request.manager)
            zwp_keyboard_shortcuts_inhibit_manager_v1_destroy(request.manager);
        if (request.registry)
            wl_registry_destroy(request.registry);
        if (request.wrapper)
            wl_proxy_wrapper_destroy(request.wrapper);
        wl_display_flush(request.display);
        if (request.queue)
            wl_event_queue_destroy(request.queue);
    }
    request = Request {};
}

} // namespace

bool WaylandShortcuts::inhibit(QWidget *widget)
{
    // The protocol refuses a second inhibitor on a surface: a standing one goes first.
    release();
    QPlatformNativeInterface *ni = native();
    if (!ni || !widget)
        return false;
    QWindow *window = widget->window()->windowHandle();
    auto *display = static_cast<wl_display *>(ni->nativeResourceForIntegration("wl_display"));
    auto *seat = static_cast<wl_seat *>(ni->nativeResourceForIntegration("wl_seat"));
    auto *surface = window ? static_cast<wl_surface *>(ni->nativeResourceForWindow("surface", window)) : nullptr;
    if (!display || !seat || !surface)
        return false;

    Request &r = g_request;
    r.display = display;
    r.queue = wl_display_create_queue(display);
    r.wrapper = static_cast<wl_display *>(wl_proxy_create_wrapper(display));
    if (!r.queue || !r.wrapper) {
        teardown(r);
        return false;
    }
    wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(r.wrapper), r.queue);
    r.registry = wl_display_get_registry(r.wrapper);
    wl_registry_add_listener(r.registry, &kRegistryListener, &r);
    if (wl_display_roundtrip_queue(display, r.queue) < 0 || !r.manager) {
        // A compositor without the protocol (cage, weston): its bindings stay as they are.
        teardown(r);
        return false;
    }
    r.inhibitor = zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(r.manager, surface, seat);
    wl_display_flush(display);
    return r.inhibitor != nullptr;
}

void WaylandShortcuts::release()
{
    if (g_request.display)
        teardown(g_request);
}

bool WaylandShortcuts::inhibiting()
{
    return g_request.inhibitor != nullptr;
}

bool WaylandShortcuts::built()
{
    return true;
}

#else

bool WaylandShortcuts::inhibit(QWidget *)
{
    return false;
}
void WaylandShortcuts::release() { }
bool WaylandShortcuts::inhibiting()
{
    return false;
}
bool WaylandShortcuts::built()
{
    return false;
}

#endif

} // namespace platform
