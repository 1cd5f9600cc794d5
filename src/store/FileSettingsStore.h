// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SettingsStore.h"
#include "store/RegistryFile.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

namespace ql {

// The store kept in one text file (see RegistryFile). Every read loads the file afresh; every
// change is a locked read-modify-write that replaces the file atomically, so several running
// copies share it safely. Failures never throw: writes return false and say so once on stderr.
class FileSettingsStore : public SettingsStore {
  public:
    // Beyond this the file cannot be ours; the rest is treated as damage.
    static constexpr std::size_t kReadLimit = 16u << 20;
    // Copies of damaged files kept: name.corrupt, name.corrupt.1 ... name.corrupt.9.
    static constexpr int kCorruptCopies = 10;

    // ${XDG_CONFIG_HOME:-$HOME/.config}/vessantry/user.reg
    FileSettingsStore();
    explicit FileSettingsStore(std::filesystem::path file);

    static std::filesystem::path defaultPath();
    const std::filesystem::path& path() const { return file_; }

    bool keyExists(const std::string& key) override;
    bool createKey(const std::string& key) override;
    bool valueExists(const std::string& key, const std::string& name) override;
    std::optional<std::string> readValue(const std::string& key, const std::string& name) override;
    bool writeValues(const std::string& key, const Values& values) override;
    bool deleteValue(const std::string& key, const std::string& name) override;
    bool deleteKey(const std::string& key) override;

  private:
    struct Snapshot {
        bool readable = false;
        RegistryFile::Parsed parsed;
        std::string error;
    };
    using Change = std::function<bool(RegistryTree&)>;

    Snapshot load() const;
    RegistryTree current();
    bool modify(const Change& change);
    bool modifyLocked(const Change& change);
    bool replaceFile(const RegistryTree& tree, const RegistryFile::Parsed& old);
    bool keepDamagedOriginal(const RegistryFile::Parsed& old);
    bool writeFailed(const std::string& reason);

    std::filesystem::path file_;
    bool writeFailureReported_ = false;
    bool readFailureReported_ = false;
};

} // namespace ql
