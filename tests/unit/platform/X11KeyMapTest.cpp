// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/X11KeyMap.h"

#include <gtest/gtest.h>

#include <vector>

namespace ql {
namespace {

// The X11 side: which keycode and modifier bits the grab uses, and which events are the key.
TEST(X11KeyMapTest, KeycodesAndNumLockComeFromTheMaps) {
    using namespace X11KeyMap;
    // Keycodes 8..12, two symbols each; 's' sits on 10, NumLock on 12 (and on 9 as a second).
    const std::vector<std::uint32_t> syms = {0x61, 0x41, 0xff7f, 0, 0x73, 0x53, 0x53, 0, 0xff7f, 0};
    EXPECT_EQ(keycodeFor(syms, 2, 8, KeysymLowerS), 10);
    EXPECT_EQ(keycodeFor(syms, 2, 8, KeysymUpperS), 11); // unshifted column preferred
    EXPECT_EQ(keycodeFor(syms, 2, 8, 0x7a), 0);
    EXPECT_EQ(keycodesFor(syms, 2, 8, KeysymNumLock), (std::vector<int>{9, 12}));
    // Modifier map, two keycodes per modifier: NumLock (12) on Mod2, nothing of it elsewhere.
    const std::vector<std::uint8_t> modmap = {50, 0, 66, 0, 37, 0, 64, 0, 12, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(modifierMaskFor(modmap, 2, {9, 12}), 0x10);
    EXPECT_EQ(modifierMaskFor(modmap, 2, {99}), 0);
}

TEST(X11KeyMapTest, GrabVariantsAndMatchingIgnoreOnlyTheLocks) {
    using namespace X11KeyMap;
    EXPECT_EQ(grabVariants(0x0C, 0x10), (std::vector<std::uint16_t>{0x0C, 0x0E, 0x1C, 0x1E}));
    EXPECT_EQ(grabVariants(0x0C, 0), (std::vector<std::uint16_t>{0x0C, 0x0E}));
    struct Row {
        std::uint16_t state;
        bool matches;
    } rows[] = {
        {0x0C, true},  {0x0E, true},  {0x1C, true},  {0x1E, true},  {0x10C, true}, // + button 1
        {0x0D, false}, {0x04, false}, {0x08, false}, {0x4C, false},                // + Shift, Mod4
    };
    for (const Row& r : rows)
        EXPECT_EQ(isCtrlAlt(r.state, 0x10), r.matches) << std::hex << r.state;
}

} // namespace
} // namespace ql
