// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace ql {

using SpeakProc = void (*)();

// Loads voice plug-ins, always by absolute path.
class LibraryLoader {
  public:
    using Handle = void*;
    virtual ~LibraryLoader() = default;
    virtual Handle load(const std::string& absolutePath) = 0; // nullptr on failure
    virtual SpeakProc findSpeak(Handle library) = 0;          // nullptr when not exported
    virtual void release(Handle library) = 0;
};

} // namespace ql
