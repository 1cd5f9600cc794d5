// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/SystemLocalClock.h"

#include <ctime>

namespace ql {

SystemLocalClock::SystemLocalClock() {
    // The C library reads the zone once; tzset() makes it look again.
    QObject::connect(&zoneWatcher_, &TimeZoneWatcher::changed, &zoneWatcher_, [this] {
        tzset();
        lastSecond_ = -1;
    });
}

LocalTime SystemLocalClock::now() const {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    if (ts.tv_sec == lastSecond_) return last_;
    tm local{};
    localtime_r(&ts.tv_sec, &local);
    LocalTime t;
    t.year = static_cast<std::uint16_t>(local.tm_year + 1900);
    t.month = static_cast<std::uint16_t>(local.tm_mon + 1);
    t.day = static_cast<std::uint16_t>(local.tm_mday);
    t.hour = static_cast<std::uint16_t>(local.tm_hour);
    t.minute = static_cast<std::uint16_t>(local.tm_min);
    t.second = static_cast<std::uint16_t>(local.tm_sec > 59 ? 59 : local.tm_sec); // leap second
    t.dayOfWeek = static_cast<std::uint16_t>(local.tm_wday + 1);
    lastSecond_ = ts.tv_sec;
    last_ = t;
    return t;
}

int SystemLocalClock::msToNextSecond() const {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return 1000 - static_cast<int>(ts.tv_nsec / 1000000);
}

} // namespace ql
