// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/NamedLock.h"

namespace ql {

// <name>.lock in $XDG_RUNTIME_DIR (or the temp dir), held with a shared flock until exit.
class FlockNamedLock : public NamedLock {
  public:
    ~FlockNamedLock() override;
    void create(const std::string& name) override;

  private:
    int fd_ = -1;
};

} // namespace ql
