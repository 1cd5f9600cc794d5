// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LibraryLoader.h"

namespace ql {

class DlLibraryLoader : public LibraryLoader {
  public:
    Handle load(const std::string& absolutePath) override;
    SpeakProc findSpeak(Handle library) override;
    void release(Handle library) override;
};

} // namespace ql
