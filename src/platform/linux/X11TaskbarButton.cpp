// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/X11TaskbarButton.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstring>
#include <vector>

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

// The window's own copy of the state, with both skip atoms added or removed and the rest kept.
void writeState(xcb_connection_t* c, xcb_window_t w, bool skip, xcb_atom_t state, xcb_atom_t a1,
                xcb_atom_t a2) {
    std::vector<xcb_atom_t> atoms;
    auto cookie = xcb_get_property(c, 0, w, state, XCB_ATOM_ATOM, 0, 64);
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr)) {
        const auto* v = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const int n = reply->format == 32 ? xcb_get_property_value_length(reply) / 4 : 0;
        for (int i = 0; i < n; ++i)
            if (v[i] != a1 && v[i] != a2) atoms.push_back(v[i]);
        free(reply);
    }
    if (skip) atoms.insert(atoms.end(), {a1, a2});
    if (atoms.empty())
        xcb_delete_property(c, w, state);
    else
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, state, XCB_ATOM_ATOM, 32,
                            static_cast<uint32_t>(atoms.size()), atoms.data());
}

} // namespace

void X11TaskbarButton::apply(QWidget& window, bool skip) {
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) {
        // Every desktop shows the button unasked: only a wish to hide it goes unmet.
        if (skip && !warned_)
            std::fprintf(stderr,
                         "quorlan-lite: no X11 display; the taskbar button cannot be hidden\n");
        warned_ = warned_ || skip;
        return;
    }
    window.winId(); // make sure the native window exists
    const auto w = static_cast<xcb_window_t>(window.windowHandle()->winId());
    const xcb_atom_t state = atom(c, "_NET_WM_STATE");
    const xcb_atom_t taskbar = atom(c, "_NET_WM_STATE_SKIP_TASKBAR");
    const xcb_atom_t pager = atom(c, "_NET_WM_STATE_SKIP_PAGER");
    // A mapped window asks the window manager; the property itself is written as well, so a
    // window manager started later (or none at all) still finds the right state.
    if (window.isVisible()) {
        xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        sendState(c, root, w, skip, state, taskbar, pager);
    }
    writeState(c, w, skip, state, taskbar, pager);
    xcb_flush(c);
}

} // namespace ql
