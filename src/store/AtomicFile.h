// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ql {

// The new content of a file, written to a temporary file beside it and swapped in with one
// rename, so that a crash at any moment leaves either the old or the new file in place.
// Callers serialise writers themselves (see FileLock).
class AtomicFile {
  public:
    explicit AtomicFile(std::filesystem::path target);
    ~AtomicFile(); // removes the temporary file unless it was committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Writes and syncs the temporary file (mode 0600).
    bool write(std::string_view data);
    // Renames it over the target and syncs the directory.
    bool commit();
    const std::string& error() const { return error_; }

    // Temporary files left by writers that crashed; only call while holding the writers' lock.
    static void removeLeftovers(const std::filesystem::path& target);

  private:
    bool fail(const std::string& what, int err);

    std::filesystem::path target_;
    std::filesystem::path temp_;
    std::string error_;
};

} // namespace ql
