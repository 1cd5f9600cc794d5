#include "platform/X11TaskbarButton.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstring>

namespace ql {
namespace {

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    free(reply);
    return a;
}

void sendState(xcb_connection_t* c, xcb_window_t root, xcb_window_t w, bool add, xcb_atom_t state,
               xcb_atom_t a1, xcb_atom_t a2) {
    xcb_client_message_event_t ev{};
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = w;
    ev.type = state;
    ev.data.data32[0] = add ? 1 : 0; // _NET_WM_STATE_ADD / _REMOVE
    ev.data.data32[1] = a1;
    ev.data.data32[2] = a2;
    ev.data.data32[3] = 1; // from a normal application
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&ev));
}

} // namespace

void X11TaskbarButton::apply(QWidget& window, bool skip) {
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) {
        if (!warned_) std::fprintf(stderr, "quorlan-lite: no X11 display; the taskbar button cannot be hidden\n");
        warned_ = true;
        return;
    }
    window.winId(); // make sure the native window exists
    const auto w = static_cast<xcb_window_t>(window.windowHandle()->winId());
    const xcb_atom_t state = atom(c, "_NET_WM_STATE");
    const xcb_atom_t taskbar = atom(c, "_NET_WM_STATE_SKIP_TASKBAR");
    const xcb_atom_t pager = atom(c, "_NET_WM_STATE_SKIP_PAGER");
    if (window.isVisible()) {
        xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        sendState(c, root, w, skip, state, taskbar, pager);
    } else if (skip) {
        const xcb_atom_t atoms[2] = {taskbar, pager};
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, state, XCB_ATOM_ATOM, 32, 2, atoms);
    } else {
        xcb_delete_property(c, w, state);
    }
    xcb_flush(c);
}

} // namespace ql
