// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace ql::X11KeyMap {

// Core protocol modifier bits.
constexpr std::uint16_t ShiftMask = 1, LockMask = 2, ControlMask = 4, Mod1Mask = 8;
constexpr std::uint32_t KeysymLowerS = 0x73, KeysymUpperS = 0x53, KeysymNumLock = 0xff7f;

// The keycode whose unshifted symbol is `keysym` (else any column carrying it), 0 when none.
// keysyms is the keyboard mapping from minKeycode on, perKeycode symbols per keycode.
int keycodeFor(const std::vector<std::uint32_t>& keysyms, int perKeycode, int minKeycode,
               std::uint32_t keysym);

// Every keycode carrying `keysym` in any column.
std::vector<int> keycodesFor(const std::vector<std::uint32_t>& keysyms, int perKeycode,
                             int minKeycode, std::uint32_t keysym);

// The modifier bit that one of `keycodes` is mapped to in the modifier map (8 rows of
// perModifier keycodes), 0 when none is.
std::uint16_t modifierMaskFor(const std::vector<std::uint8_t>& modmap, int perModifier,
                              const std::vector<int>& keycodes);

// The modifier states to grab so the key works whether CapsLock or NumLock is on.
std::vector<std::uint16_t> grabVariants(std::uint16_t base, std::uint16_t numLock);

// True for exactly Ctrl+Alt, ignoring CapsLock, NumLock and the pointer buttons.
bool isCtrlAlt(std::uint16_t state, std::uint16_t numLock);

} // namespace ql::X11KeyMap
