// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/X11TrayHost.h"

#include "platform/linux/StatusNotifierHost.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdlib>
#include <string>

namespace ql {
namespace {

// A panel may drop the selection for a moment while it rebuilds its tray: only a tray missing for
// this long counts as gone, so a hidden window does not pop up for nothing.
constexpr int kGoneAfterMs = 1500;

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

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

xcb_window_t rootOf(xcb_connection_t* c, int screen) {
    auto it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screen && it.rem > 1; ++i)
        xcb_screen_next(&it);
    return it.rem ? it.data->root : xcb_window_t(XCB_WINDOW_NONE);
}

// Asks for owner-change events of the selection; returns their event code, 0 without XFixes.
std::uint8_t selectOwnerEvents(xcb_connection_t* c, xcb_window_t root, xcb_atom_t selection) {
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_xfixes_id);
    if (!ext || !ext->present || root == XCB_WINDOW_NONE) return 0;
    auto version = xcb_xfixes_query_version(c, XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION);
    std::free(xcb_xfixes_query_version_reply(c, version, nullptr));
    xcb_xfixes_select_selection_input(c, root, selection,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    xcb_flush(c);
    return ext->first_event + XCB_XFIXES_SELECTION_NOTIFY;
}

} // namespace

X11TrayHost::X11TrayHost() : dbusPanel_(statusNotifierHostRegistered()) {
    grace_.setSingleShot(true);
    grace_.setInterval(kGoneAfterMs);
    QObject::connect(&grace_, &QTimer::timeout, [this] { settle(); });
    dbusGrace_.setSingleShot(true);
    dbusGrace_.setInterval(kGoneAfterMs);
    QObject::connect(&dbusGrace_, &QTimer::timeout, [this] { dbusPanelChanged(); });
    hostRegistered_.setSingleShot(true);
    hostRegistered_.setInterval(0);
    QObject::connect(&hostRegistered_, &QTimer::timeout, [this] { dbusPanelChanged(); });
    xcb_connection_t* c = connection();
    if (!c) return;
    const int screen = defaultScreen();
    const std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(screen);
    auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(name.size()), name.c_str());
    if (xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr)) {
        selection_ = reply->atom;
        std::free(reply);
    }
    if (!selection_) return;
    // Selected before the owner is read, so no change can fall between the two.
    notifyEvent_ = selectOwnerEvents(c, rootOf(c, screen), selection_);
    owner_ = selectionOwner();
}

X11TrayHost::~X11TrayHost() {
    if (notifyEvent_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
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

// Not Qt's own QSystemTrayIcon::isSystemTrayAvailable(): Qt asks the D-Bus question once per
// process and keeps the answer, so asking before the panel is up would keep the icon off it.
bool X11TrayHost::available() {
    if (selection_ && owner_) return true;
    return dbusPanel_;
}

bool X11TrayHost::activatesOnClick() {
    if (!servedOverDBus_) servedOverDBus_ = statusNotifierHostRegistered();
    return *servedOverDBus_;
}

void X11TrayHost::watch(ChangeHandler onChange) {
    onChange_ = std::move(onChange);
    if (notifyEvent_) QCoreApplication::instance()->installNativeEventFilter(this);
    watchDBusPanel();
}

void X11TrayHost::watchDBusPanel() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    dbusWatcher_ = std::make_unique<QDBusServiceWatcher>(kWatcher, bus,
                                                         QDBusServiceWatcher::WatchForOwnerChange);
    QObject::connect(dbusWatcher_.get(), &QDBusServiceWatcher::serviceRegistered,
                     [this] { dbusPanelChanged(); });
    // A panel may drop its watcher for a moment while it restarts.
    QObject::connect(dbusWatcher_.get(), &QDBusServiceWatcher::serviceUnregistered,
                     [this] { dbusGrace_.start(); });
    // The watcher's name can come before the panel has registered itself as its host.
    bus.connect(QString(), QStringLiteral("/StatusNotifierWatcher"), kWatcher,
                QStringLiteral("StatusNotifierHostRegistered"), &hostRegistered_, SLOT(start()));
}

void X11TrayHost::dbusPanelChanged() {
    dbusGrace_.stop();
    const bool present = statusNotifierHostRegistered();
    if (present == dbusPanel_) return;
    dbusPanel_ = present;
    if (onChange_) onChange_(available());
}

bool X11TrayHost::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != notifyEvent_) return false;
    const auto* notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event);
    if (notify->selection == selection_) ownerChanged(notify->owner);
    return false; // Qt's clipboard may want other selections' events
}

void X11TrayHost::ownerChanged(std::uint32_t owner) {
    if (owner == 0) {
        if (owner_ != 0 && !grace_.isActive()) grace_.start();
        return;
    }
    grace_.stop();
    if (owner == owner_) return;
    owner_ = owner;
    if (onChange_) onChange_(available());
}

void X11TrayHost::settle() {
    // Read again: an event may still be on its way.
    const std::uint32_t owner = selectionOwner();
    if (owner == owner_) return;
    owner_ = owner;
    if (onChange_) onChange_(available());
}

} // namespace ql
