// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsCodec.h"

#include <gtest/gtest.h>

#include <random>

namespace ql {
namespace {

// Random text biased towards what the fields hold: digits, '-', and the odd stray byte.
std::string randomText(std::mt19937& rng, std::size_t maxLength) {
    static const char alphabet[] = "0123456789-0123456789-+ ax$\x01\xff";
    std::uniform_int_distribution<std::size_t> length(0, maxLength), pick(0, sizeof alphabet - 2);
    std::string s(length(rng), ' ');
    for (char& c : s)
        c = alphabet[pick(rng)];
    return s;
}

void expectInRange(const SettingsRecord& r) {
    EXPECT_TRUE(r.FTimerInterval >= 100 && r.FTimerInterval <= 1000);
    EXPECT_LE(r.FAlarmRepeat, 999u);
    EXPECT_TRUE(r.FBlendValue >= 0 && r.FBlendValue <= 255);
    EXPECT_TRUE(r.FAnnounceInterval >= 1 && r.FAnnounceInterval <= 60);
    EXPECT_TRUE(r.FAlarmHour >= 0 && r.FAlarmHour <= 23);
    EXPECT_TRUE(r.FAlarmMinute >= 0 && r.FAlarmMinute <= 59);
    EXPECT_TRUE(r.FAlarmSound >= 0 && r.FAlarmSound <= 6);
    EXPECT_TRUE(r.FSpeechVolume >= 10 && r.FSpeechVolume <= 65);
    EXPECT_TRUE(r.FReservedVolume >= 10 && r.FReservedVolume <= 65);
}

TEST(SettingsFuzz, AnyStoredTextDecodesIntoRange) {
    std::mt19937 rng(20261207);
    for (int i = 0; i < 100000; ++i) {
        SettingsRecord r;
        SettingsCodec::decodeFlags(randomText(rng, 30), r);
        const auto window = SettingsCodec::decodeLong(randomText(rng, 30), r);
        SettingsCodec::decodeShort(randomText(rng, 30), r);
        expectInRange(r);
        if (window) {
            const auto p = SettingsCodec::placeOnDesktop(*window, 1920, 1080);
            EXPECT_TRUE(p.top >= 0 && p.top <= 1080 && p.left >= 0 && p.left <= 1920);
        }
        if (HasFailure()) FAIL() << "input " << i;
    }
}

} // namespace
} // namespace ql
