// SPDX-License-Identifier: GPL-3.0-or-later
// The module numbloom-wayland.so: one of the program's windows given the
// keyboard on a Wayland desktop.
//
// A Wayland program may take the keyboard for one of its windows only with an
// activation token (xdg-activation) made from a serial of its own latest input.
// Qt 6.4 asks for the token with the serial of the last event it saw, and
// after a mouse click that is the button's release, which GNOME's mutter does
// not accept (it wants the press, a key, or the keyboard's arrival): the help
// window then only sends "is ready" and the modal window never gets the
// keyboard back. Here a keyboard object of our own is made for a moment: the
// desktop tells it at once which of the program's surfaces holds the keyboard,
// with that arrival's serial, and the token is asked with those two.
#include "xdg-activation-v1-client-protocol.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <algorithm>
#include <cstring>
#include <unistd.h>
#include <wayland-client.h>

namespace {

// Our own objects on Qt's connection, on an event queue of their own so
// that Qt's dispatching never runs our listeners and ours never runs Qt's.
struct Connection
{
    wl_display *display = nullptr;
    wl_event_queue *queue = nullptr;
    xdg_activation_v1 *activation = nullptr;
    wl_seat *seat = nullptr;
    uint32_t seatVersion = 0;
};

void onGlobal(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t version)
{
    auto *c = static_cast<Connection *>(data);
    if (!c->activation && std::strcmp(interface, xdg_activation_v1_interface.name) == 0) {
        c->activation = static_cast<xdg_activation_v1 *>(wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1));
    } else if (!c->seat && std::strcmp(interface, wl_seat_interface.name) == 0) {
        c->seatVersion = std::min(version, 5u);
        c->seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, c->seatVersion));
    }
}
void onGlobalRemove(void *, wl_registry *, uint32_t) {}
const wl_registry_listener registryListener{onGlobal, onGlobalRemove};

void onCapabilities(void *, wl_seat *, uint32_t) {}
void onSeatName(void *, wl_seat *, const char *) {}
const wl_seat_listener seatListener{onCapabilities, onSeatName};

// Where the keyboard is, as the desktop tells a keyboard object when it is made.
struct KeyboardFocus
{
    wl_surface *surface = nullptr;
    uint32_t serial = 0;
};

void onKeymap(void *, wl_keyboard *, uint32_t, int32_t fd, uint32_t) { close(fd); }
void onEnter(void *data, wl_keyboard *, uint32_t serial, wl_surface *surface, wl_array *)
{
    auto *f = static_cast<KeyboardFocus *>(data);
    f->surface = surface;
    f->serial = serial;
}
void onLeave(void *data, wl_keyboard *, uint32_t, wl_surface *) { *static_cast<KeyboardFocus *>(data) = {}; }
void onKey(void *, wl_keyboard *, uint32_t, uint32_t, uint32_t, uint32_t) {}
void onModifiers(void *, wl_keyboard *, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {}
void onRepeatInfo(void *, wl_keyboard *, int32_t, int32_t) {}
const wl_keyboard_listener keyboardListener{onKeymap, onEnter, onLeave, onKey, onModifiers, onRepeatInfo};

struct TokenReply
{
    QByteArray token;
    bool done = false;
};
void onTokenDone(void *data, xdg_activation_token_v1 *, const char *token)
{
    auto *r = static_cast<TokenReply *>(data);
    r->token = token;
    r->done = true;
}
const xdg_activation_token_v1_listener tokenListener{onTokenDone};

Connection *connection()
{
    static Connection *made = [] {
        auto *c = new Connection;
        QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
        c->display = native ? static_cast<wl_display *>(native->nativeResourceForIntegration("wl_display")) : nullptr;
        if (!c->display)
            return c;
        c->queue = wl_display_create_queue(c->display);
        auto *wrapped = static_cast<wl_display *>(wl_proxy_create_wrapper(c->display));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(wrapped), c->queue);
        wl_registry *registry = wl_display_get_registry(wrapped);
        wl_proxy_wrapper_destroy(wrapped);
        wl_registry_add_listener(registry, &registryListener, c);
        wl_display_roundtrip_queue(c->display, c->queue);
        if (c->seat)
            wl_seat_add_listener(c->seat, &seatListener, c);
        // The registry stays: the objects bound through it live as long as the program.
        return c;
    }();
    return made;
}

} // namespace

// True when the desktop was asked with a token it accepts; false when there is
// no Wayland connection, no xdg-activation, or the program does not hold the
// keyboard (a window is never pushed in front of another program's).
extern "C" Q_DECL_EXPORT bool numbloom_wayland_activate(QWindow *target)
{
    Connection *c = connection();
    if (!c->activation || !c->seat || !target)
        return false;
    auto *surface = static_cast<wl_surface *>(
        QGuiApplication::platformNativeInterface()->nativeResourceForWindow("surface", target));
    if (!surface)
        return false;

    KeyboardFocus focus;
    wl_keyboard *keyboard = wl_seat_get_keyboard(c->seat);
    wl_keyboard_add_listener(keyboard, &keyboardListener, &focus);
    wl_display_roundtrip_queue(c->display, c->queue);
    if (c->seatVersion >= WL_KEYBOARD_RELEASE_SINCE_VERSION)
        wl_keyboard_release(keyboard);
    else
        wl_keyboard_destroy(keyboard);
    if (!focus.surface)
        return false;

    TokenReply reply;
    xdg_activation_token_v1 *token = xdg_activation_v1_get_activation_token(c->activation);
    xdg_activation_token_v1_add_listener(token, &tokenListener, &reply);
    xdg_activation_token_v1_set_serial(token, focus.serial, c->seat);
    xdg_activation_token_v1_set_surface(token, focus.surface);
    xdg_activation_token_v1_commit(token);
    for (int i = 0; i < 3 && !reply.done; ++i)
        if (wl_display_roundtrip_queue(c->display, c->queue) < 0)
            break;
    xdg_activation_token_v1_destroy(token);
    if (!reply.done)
        return false;
    xdg_activation_v1_activate(c->activation, reply.token.constData(), surface);
    wl_display_flush(c->display);
    return true;
}
