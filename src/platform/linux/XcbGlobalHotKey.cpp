// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/XcbGlobalHotKey.h"

#include "platform/linux/X11KeyMap.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace ql {
namespace {

using namespace X11KeyMap;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

struct KeyboardMap {
    std::vector<std::uint32_t> keysyms;
    int perKeycode = 0;
    int minKeycode = 0;
};

KeyboardMap keyboardMap(xcb_connection_t* c) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    const auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
    Reply<xcb_get_keyboard_mapping_reply_t> reply(xcb_get_keyboard_mapping_reply(
        c, xcb_get_keyboard_mapping(c, setup->min_keycode, count), nullptr));
    KeyboardMap map;
    if (!reply) return map;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply.get());
    map.keysyms.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(reply.get()));
    map.perKeycode = reply->keysyms_per_keycode;
    map.minKeycode = setup->min_keycode;
    return map;
}

std::uint16_t numLockMask(xcb_connection_t* c, const KeyboardMap& map) {
    Reply<xcb_get_modifier_mapping_reply_t> reply(
        xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr));
    if (!reply) return 0;
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(reply.get());
    const std::vector<std::uint8_t> modmap(
        codes, codes + xcb_get_modifier_mapping_keycodes_length(reply.get()));
    return modifierMaskFor(modmap, reply->keycodes_per_modifier,
                           keycodesFor(map.keysyms, map.perKeycode, map.minKeycode, KeysymNumLock));
}

constexpr std::uint16_t CtrlAlt = ControlMask | Mod1Mask;

} // namespace

XcbGlobalHotKey::~XcbGlobalHotKey() {
    release();
}

bool XcbGlobalHotKey::grab(Handler onPress) {
    handler_ = std::move(onPress);
    if (grabbed_) return true;
    if (const char* why = attach()) {
        reportOnce(why);
        return false;
    }
    if (!grabVariants()) {
        reportOnce("another program holds it");
        return false;
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
    grabbed_ = true;
    return true;
}

void XcbGlobalHotKey::release() {
    if (!grabbed_) return;
    ungrabVariants();
    if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
    grabbed_ = false;
}

// Why the key cannot be had on this display, or nullptr once connected.
const char* XcbGlobalHotKey::attach() {
    if (conn_) return nullptr;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return "there is no X11 display";
    const KeyboardMap map = keyboardMap(c);
    int code = keycodeFor(map.keysyms, map.perKeycode, map.minKeycode, KeysymLowerS);
    if (!code) code = keycodeFor(map.keysyms, map.perKeycode, map.minKeycode, KeysymUpperS);
    if (!code) return "the keyboard has no S key";
    conn_ = c;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    keycode_ = static_cast<std::uint8_t>(code);
    numLock_ = numLockMask(c, map);
    return nullptr;
}

// All or nothing: a partial grab would make the key work only in some lock states.
bool XcbGlobalHotKey::grabVariants() {
    std::vector<xcb_void_cookie_t> cookies;
    for (std::uint16_t mods : X11KeyMap::grabVariants(CtrlAlt, numLock_))
        cookies.push_back(xcb_grab_key_checked(conn_, 0, root_, mods, keycode_, XCB_GRAB_MODE_ASYNC,
                                               XCB_GRAB_MODE_ASYNC));
    bool ok = true;
    for (const auto& cookie : cookies)
        if (Reply<xcb_generic_error_t> error{xcb_request_check(conn_, cookie)}) ok = false;
    if (!ok) ungrabVariants();
    return ok;
}

void XcbGlobalHotKey::ungrabVariants() {
    for (std::uint16_t mods : X11KeyMap::grabVariants(CtrlAlt, numLock_))
        xcb_ungrab_key(conn_, keycode_, root_, mods);
    xcb_flush(conn_);
}

void XcbGlobalHotKey::reportOnce(const char* why) {
    if (reported_) return;
    reported_ = true;
    std::fprintf(stderr, "quorlan-lite: the speech hot key Ctrl+Alt+S is not available: %s\n", why);
}

bool XcbGlobalHotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const int type = event->response_type & 0x7F;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) return false;
    const auto* key = static_cast<const xcb_key_press_event_t*>(message);
    if (key->event != root_ || key->detail != keycode_ || !isCtrlAlt(key->state, numLock_))
        return false;
    if (type == XCB_KEY_PRESS && handler_) handler_();
    return true;
}

} // namespace ql
