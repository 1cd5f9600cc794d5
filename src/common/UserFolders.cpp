// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/UserFolders.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ql {
namespace {

// Never a shared folder such as /tmp: other users could prepare files there.
std::filesystem::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && *found->pw_dir)
        return found->pw_dir;
    return {};
}

} // namespace

std::filesystem::path configHome() {
    // Relative values are to be ignored, as the XDG base directory rules say.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return config;
    const std::filesystem::path home = homeFolder();
    return home.empty() ? home : home / ".config";
}

bool makePrivateFolders(const std::filesystem::path& dir, std::string& error) {
    std::filesystem::path partial;
    for (const std::filesystem::path& part : dir) {
        partial /= part;
        struct stat st {};
        if (::stat(partial.c_str(), &st) == 0) continue;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
            error = "cannot create " + partial.string() + ": " + std::strerror(errno);
            return false;
        }
        ::chmod(partial.c_str(), 0700); // independent of the umask
    }
    std::error_code ec;
    if (std::filesystem::is_directory(dir, ec)) return true;
    error = dir.string() + " is not a folder";
    return false;
}

} // namespace ql
