// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace ql {

// File operations whose Linux semantics std::filesystem cannot express.
namespace FileSystem {

enum class MoveResult {
    Moved,
    TargetExists, // nothing changed: the target was already there
    Failed        // nothing changed: any other reason (permissions, missing folder, ...)
};

// Moves a file, never replacing an existing target (std::filesystem::rename would overwrite it).
// Across file systems the file is copied and the original removed only once the copy is complete.
MoveResult moveNoReplace(const std::string& from, const std::string& to);

} // namespace FileSystem
} // namespace ql
