// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace ql {

// The user's log-on start list.
class AutostartList {
  public:
    virtual ~AutostartList() = default;
    virtual bool add(const std::string& programPath) = 0;
    // A missing entry is not an error.
    virtual bool remove() = 0;
};

} // namespace ql
