// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace ql {

// A lock held for the whole run under a name; nobody tests it.
class NamedLock {
  public:
    virtual ~NamedLock() = default;
    virtual void create(const std::string& name) = 0;
};

} // namespace ql
