// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/RegistryTree.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ql {

// The text form of the store: a header comment, then "[Key\Path]" sections each followed by
// "Name"="Text" lines. Reading never fails: lines it cannot use are skipped and counted, so the
// caller can keep a copy of the original before rewriting it.
class RegistryFile {
  public:
    static constexpr std::string_view kHeader =
        "# Per-user settings store. Edit only while the clock is not running.";

    struct Parsed {
        RegistryTree tree;
        std::size_t lostLines = 0;
        std::size_t firstLostLine = 0; // 1-based; 0 when nothing was lost
    };

    static Parsed parse(std::string_view text);
    // Deterministic: equal trees give equal text, and parse(serialise(t)).tree == t.
    static std::string serialise(const RegistryTree& tree);
};

} // namespace ql
