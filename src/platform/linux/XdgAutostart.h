// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/AutostartList.h"

#include <filesystem>
#include <string>

namespace ql {

// $XDG_CONFIG_HOME/autostart/quorlan-lite.desktop. A failure is said once on stderr; the
// setting stays, so the next save tries again.
class XdgAutostart : public AutostartList {
  public:
    XdgAutostart();
    explicit XdgAutostart(std::filesystem::path entryFile) : file_(std::move(entryFile)) {}
    bool add(const std::string& programPath) override;
    bool remove() override;
    const std::filesystem::path& entryFile() const { return file_; }

    static std::string quoteExec(const std::string& path);
    // A Desktop Entry string value.
    static std::string escapeString(const std::string& text);

  private:
    bool failed(const std::string& what, const std::string& reason);

    std::filesystem::path file_;
    bool failureReported_ = false;
};

} // namespace ql
