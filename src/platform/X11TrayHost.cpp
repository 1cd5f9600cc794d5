#include "platform/X11TrayHost.h"

#include "platform/linux/StatusNotifierHost.h"

#include <QGuiApplication>
#include <QSystemTrayIcon>

#include <xcb/xcb.h>

#include <cstdlib>
#include <string>

namespace ql {
namespace {

xcb_connection_t* connection() {
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The screen Qt docks its icon on: the default screen of $DISPLAY (":0.1" -> 1).
int defaultScreen() {
    const std::string display = qEnvironmentVariable("DISPLAY").toStdString();
    const auto colon = display.rfind(':');
    const auto dot = display.find('.', colon == std::string::npos ? 0 : colon);
    return dot == std::string::npos ? 0 : std::atoi(display.c_str() + dot + 1);
}

} // namespace

X11TrayHost::X11TrayHost() : servedOverDBus_(statusNotifierHostRegistered()) {
    timer_.setInterval(1000);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    xcb_connection_t* c = connection();
    if (!c) return;
    const std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(defaultScreen());
    auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(name.size()), name.c_str());
    if (xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr)) {
        selection_ = reply->atom;
        std::free(reply);
    }
    owner_ = selectionOwner();
}

std::uint32_t X11TrayHost::selectionOwner() const {
    xcb_connection_t* c = connection();
    if (!c || !selection_) return 0;
    auto cookie = xcb_get_selection_owner(c, selection_);
    xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(c, cookie, nullptr);
    const std::uint32_t owner = reply ? reply->owner : 0;
    std::free(reply);
    return owner;
}

bool X11TrayHost::available() {
    if (selection_ && owner_) return true;
    // A StatusNotifierItem host over D-Bus needs no X11 tray.
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void X11TrayHost::watch(ChangeHandler onChange) {
    onChange_ = std::move(onChange);
    if (selection_) timer_.start();
}

// A panel may drop the selection for a moment while it rebuilds its tray: only a tray missing on
// two polls in a row counts as gone, so a hidden window does not pop up for nothing.
void X11TrayHost::poll() {
    const std::uint32_t owner = selectionOwner();
    if (owner == owner_) {
        missingPolls_ = 0;
        return;
    }
    if (owner == 0 && ++missingPolls_ < 2) return;
    missingPolls_ = 0;
    owner_ = owner;
    if (onChange_) onChange_(available());
}

} // namespace ql
