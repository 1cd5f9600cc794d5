// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace ql {

// The user's configuration folder: $XDG_CONFIG_HOME when it is absolute, else .config in the
// home folder ($HOME, else the user database). Empty when the user has no home folder at all.
std::filesystem::path configHome();

// Creates what is missing of `dir` with mode 0700 whatever the umask, and leaves existing
// folders alone. False with the reason in `error` when `dir` is not a folder afterwards.
bool makePrivateFolders(const std::filesystem::path& dir, std::string& error);

} // namespace ql
