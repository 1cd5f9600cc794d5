// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GlobalHotKey.h"

#include <QAbstractNativeEventFilter>

#include <cstdint>

struct xcb_connection_t;

namespace ql {

// Ctrl+Alt+S grabbed on the X root window, in every CapsLock/NumLock state, and read from Qt's
// native event stream. Without X11 it stays inactive and says so once on stderr.
class XcbGlobalHotKey : public GlobalHotKey, private QAbstractNativeEventFilter {
  public:
    ~XcbGlobalHotKey() override;
    bool grab(Handler onPress) override;
    void release() override;

  private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    const char* attach();
    bool grabVariants();
    void ungrabVariants();
    void reportOnce(const char* why);

    xcb_connection_t* conn_ = nullptr;
    std::uint32_t root_ = 0;
    std::uint8_t keycode_ = 0;
    std::uint16_t numLock_ = 0;
    bool grabbed_ = false;
    bool reported_ = false;
    Handler handler_;
};

} // namespace ql
