// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace ql {

// Fakes append what was asked of them here, so a test can check the order of start-up.
struct FakeJournal {
    std::vector<std::string> entries;
    void add(std::string e) { entries.push_back(std::move(e)); }
};

} // namespace ql
