// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/X11KeyMap.h"

#include <algorithm>

namespace ql::X11KeyMap {

int keycodeFor(const std::vector<std::uint32_t>& keysyms, int perKeycode, int minKeycode,
               std::uint32_t keysym) {
    if (perKeycode <= 0) return 0;
    const int count = static_cast<int>(keysyms.size()) / perKeycode;
    for (int i = 0; i < count; ++i)
        if (keysyms[static_cast<std::size_t>(i * perKeycode)] == keysym) return minKeycode + i;
    const auto any = keycodesFor(keysyms, perKeycode, minKeycode, keysym);
    return any.empty() ? 0 : any.front();
}

std::vector<int> keycodesFor(const std::vector<std::uint32_t>& keysyms, int perKeycode,
                             int minKeycode, std::uint32_t keysym) {
    std::vector<int> found;
    if (perKeycode <= 0) return found;
    for (std::size_t i = 0; i < keysyms.size(); ++i)
        if (keysyms[i] == keysym) {
            const int code = minKeycode + static_cast<int>(i) / perKeycode;
            if (found.empty() || found.back() != code) found.push_back(code);
        }
    return found;
}

std::uint16_t modifierMaskFor(const std::vector<std::uint8_t>& modmap, int perModifier,
                              const std::vector<int>& keycodes) {
    if (perModifier <= 0) return 0;
    const auto per = static_cast<std::size_t>(perModifier);
    for (std::size_t i = 0; i < modmap.size() && i / per < 8; ++i) {
        const int code = modmap[i];
        if (code != 0 && std::find(keycodes.begin(), keycodes.end(), code) != keycodes.end())
            return static_cast<std::uint16_t>(1u << (i / per));
    }
    return 0;
}

std::vector<std::uint16_t> grabVariants(std::uint16_t base, std::uint16_t numLock) {
    std::vector<std::uint16_t> variants;
    for (std::uint16_t extra :
         {std::uint16_t{0}, LockMask, numLock, static_cast<std::uint16_t>(LockMask | numLock)}) {
        const auto mods = static_cast<std::uint16_t>(base | extra);
        if (std::find(variants.begin(), variants.end(), mods) == variants.end())
            variants.push_back(mods);
    }
    return variants;
}

bool isCtrlAlt(std::uint16_t state, std::uint16_t numLock) {
    const auto ignored = static_cast<std::uint16_t>(LockMask | numLock);
    return (state & 0xFF & ~ignored) == (ControlMask | Mod1Mask);
}

} // namespace ql::X11KeyMap
