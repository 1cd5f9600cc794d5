#pragma once

#include "platform/AutostartList.h"

#include <filesystem>

namespace ql {

// $XDG_CONFIG_HOME/autostart/quorlan-lite.desktop
class XdgAutostart : public AutostartList {
  public:
    XdgAutostart();
    explicit XdgAutostart(std::filesystem::path entryFile) : file_(std::move(entryFile)) {}
    bool add(const std::string& programPath) override;
    bool remove() override;
    const std::filesystem::path& entryFile() const { return file_; }

    static std::string quoteExec(const std::string& path);

  private:
    std::filesystem::path file_;
};

std::filesystem::path userConfigHome();

} // namespace ql
