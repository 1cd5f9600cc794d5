#include "platform/linux/SystemLocalClock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace ql {
namespace {

TEST(SystemLocalClock, FieldsAgreeWithTheCLibrary) {
    const LocalTime t = SystemLocalClock().now();
    const std::time_t raw = std::time(nullptr);
    std::tm local{};
    localtime_r(&raw, &local);
    EXPECT_EQ(t.year, local.tm_year + 1900);
    EXPECT_EQ(t.month, local.tm_mon + 1);
    EXPECT_EQ(t.day, local.tm_mday);
    EXPECT_EQ(t.dayOfWeek, local.tm_wday + 1);
    EXPECT_GE(t.dayOfWeek, 1);
    EXPECT_LE(t.dayOfWeek, 7);
}

} // namespace
} // namespace ql
