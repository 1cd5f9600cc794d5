// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TrayHost.h"

#include <QAbstractNativeEventFilter>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <optional>

class QDBusServiceWatcher;

namespace ql {

// On X11 the tray host is whoever owns the _NET_SYSTEM_TRAY_S<n> selection. The X server tells us
// when that owner changes (XFixes selection events, read through Qt's native event filter), so a
// panel that restarts is noticed without waking the program while nothing happens. A D-Bus panel
// (org.kde.StatusNotifierWatcher) is watched on the session bus the same way, so one that starts
// after the clock still gets the icon.
class X11TrayHost : public TrayHost, private QAbstractNativeEventFilter {
  public:
    X11TrayHost();
    ~X11TrayHost() override;
    bool available() override;
    void watch(ChangeHandler onChange) override;
    bool activatesOnClick() override;

  private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    std::uint32_t selectionOwner() const;
    void ownerChanged(std::uint32_t owner);
    void settle();
    void watchDBusPanel();
    void dbusPanelChanged();

    QTimer grace_;          // single shot, armed only while the selection has no owner
    QTimer dbusGrace_;      // single shot, armed only while the D-Bus panel is away
    QTimer hostRegistered_; // the watcher's signal, taken on the next turn of the event loop
    ChangeHandler onChange_;
    std::unique_ptr<QDBusServiceWatcher> dbusWatcher_;
    std::uint32_t owner_ = 0;
    std::uint32_t selection_ = 0;  // the atom, 0 without X11
    std::uint8_t notifyEvent_ = 0; // XFixes' SelectionNotify event code, 0 without XFixes
    bool dbusPanel_ = false;
    std::optional<bool> servedOverDBus_; // decided with the icon, as Qt decides it
};

} // namespace ql
