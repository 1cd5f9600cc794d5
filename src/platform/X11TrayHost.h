#pragma once

#include "platform/TrayHost.h"

#include <QTimer>

#include <cstdint>

namespace ql {

// On X11 the tray host is whoever owns the _NET_SYSTEM_TRAY_S<n> selection; the owner is polled
// once a second, so a panel that restarts is noticed even when Qt misses it. Elsewhere (Wayland,
// offscreen) Qt's own answer at start-up is all there is.
class X11TrayHost : public TrayHost {
  public:
    X11TrayHost();
    bool available() override;
    void watch(ChangeHandler onChange) override;
    bool activatesOnClick() override { return servedOverDBus_; }

  private:
    std::uint32_t selectionOwner() const;
    void poll();

    QTimer timer_;
    ChangeHandler onChange_;
    std::uint32_t owner_ = 0;
    int missingPolls_ = 0;
    std::uint32_t selection_ = 0; // the atom, 0 without X11
    bool servedOverDBus_ = false;
};

} // namespace ql
