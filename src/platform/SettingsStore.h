// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ql {

// The per-user store that behaves like a registry: keys are paths like
// "Software\\Vessantry\\Quorlan Lite" (relative to the per-user root, no leading '\\'),
// compared without regard to ASCII case; values are strings. A leading '\\' on a path is ignored.
class SettingsStore {
  public:
    using Values = std::vector<std::pair<std::string, std::string>>; // name, text

    virtual ~SettingsStore() = default;

    // A key exists when its section exists or any key below it does.
    virtual bool keyExists(const std::string& key) = 0;
    // Creates the key (and nothing else) when missing; false when the store refuses the write.
    virtual bool createKey(const std::string& key) = 0;
    virtual bool valueExists(const std::string& key, const std::string& name) = 0;
    // nullopt when the key or value is missing.
    virtual std::optional<std::string> readValue(const std::string& key,
                                                 const std::string& name) = 0;
    // Writes all values in one atomic change, creating the key when missing.
    virtual bool writeValues(const std::string& key, const Values& values) = 0;
    // A missing value or key is not an error (returns true).
    virtual bool deleteValue(const std::string& key, const std::string& name) = 0;
    // Deletes the key with everything below it. A missing key is not an error.
    virtual bool deleteKey(const std::string& key) = 0;
};

} // namespace ql
