// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SettingsStore.h"
#include "store/RegistryTree.h"

namespace ql {

// The store without a file, for tests. With failWrites set it behaves like an unwritable store:
// changes return false and leave the tree as it was; changes that change nothing still succeed.
class MemorySettingsStore : public SettingsStore {
  public:
    bool failWrites = false;
    int writes = 0; // changes that reached the tree

    RegistryTree& tree() { return tree_; }
    const RegistryTree& tree() const { return tree_; }

    bool keyExists(const std::string& key) override { return tree_.keyExists(key); }
    bool createKey(const std::string& key) override;
    bool valueExists(const std::string& key, const std::string& name) override {
        return tree_.valueExists(key, name);
    }
    std::optional<std::string> readValue(const std::string& key, const std::string& name) override {
        return tree_.value(key, name);
    }
    bool writeValues(const std::string& key, const Values& values) override;
    bool deleteValue(const std::string& key, const std::string& name) override;
    bool deleteKey(const std::string& key) override;

  private:
    template <typename Change> bool modify(Change change);

    RegistryTree tree_;
};

} // namespace ql
