// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace ql {

// An exclusive flock on a lock file, held for the object's lifetime. Waiting is bounded, so a
// peer that hangs while holding the lock cannot freeze this program too.
class FileLock {
  public:
    FileLock(const std::filesystem::path& path, std::chrono::milliseconds timeout);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool locked() const { return fd_ >= 0; }
    // Why the lock could not be taken; empty when it is held.
    const std::string& error() const { return error_; }

  private:
    int fd_ = -1;
    std::string error_;
};

} // namespace ql
