// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/SystemLocalClock.h"

#include <QDateTime>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace ql {
namespace {

// Runs with TZ set to one zone and puts the caller's TZ back afterwards.
class ZoneScope {
  public:
    explicit ZoneScope(const char* zone) {
        if (const char* old = std::getenv("TZ")) old_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ZoneScope() {
        if (old_)
            setenv("TZ", old_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ZoneScope(const ZoneScope&) = delete;
    ZoneScope& operator=(const ZoneScope&) = delete;

  private:
    std::optional<std::string> old_;
};

// Qt numbers weekdays Monday = 1 .. Sunday = 7; the clock Sunday = 1 .. Saturday = 7.
constexpr int sundayFirst[] = {0, 2, 3, 4, 5, 6, 7, 1};

// Qt's own zone database is the reference: a different reader of the zone files than the C
// library the clock uses. Zones a whole day apart and one off the hour by 45 minutes.
TEST(SystemLocalClock, ShowsTheWallTimeOfTheZoneInTZ) {
    for (const char* zone : {"UTC", "Pacific/Kiritimati", "Pacific/Pago_Pago", "Asia/Kathmandu"}) {
        ZoneScope scope(zone);
        const QTimeZone qtZone(zone);
        ASSERT_TRUE(qtZone.isValid()) << zone;
        SystemLocalClock clock;
        // Read until the reference and the clock fall in the same second.
        QDateTime expected;
        LocalTime t;
        do {
            expected = QDateTime::currentDateTimeUtc().toTimeZone(qtZone);
            t = clock.now();
        } while (expected.time().second() != t.second);
        EXPECT_EQ(t.year, expected.date().year()) << zone;
        EXPECT_EQ(t.month, expected.date().month()) << zone;
        EXPECT_EQ(t.day, expected.date().day()) << zone;
        EXPECT_EQ(t.hour, expected.time().hour()) << zone;
        EXPECT_EQ(t.minute, expected.time().minute()) << zone;
        EXPECT_EQ(t.dayOfWeek, sundayFirst[expected.date().dayOfWeek()]) << zone;
    }
}

} // namespace
} // namespace ql
