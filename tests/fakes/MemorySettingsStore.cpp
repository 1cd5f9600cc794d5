// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/MemorySettingsStore.h"

namespace ql {

template <typename Change> bool MemorySettingsStore::modify(Change change) {
    RegistryTree changed = tree_;
    if (!change(changed)) return false;
    if (changed == tree_) return true;
    if (failWrites) return false;
    tree_ = std::move(changed);
    ++writes;
    return true;
}

bool MemorySettingsStore::createKey(const std::string& key) {
    return modify([&](RegistryTree& tree) { return tree.createKey(key); });
}

bool MemorySettingsStore::writeValues(const std::string& key, const Values& values) {
    return modify([&](RegistryTree& tree) { return tree.setValues(key, values); });
}

bool MemorySettingsStore::deleteValue(const std::string& key, const std::string& name) {
    return modify([&](RegistryTree& tree) {
        tree.deleteValue(key, name);
        return true;
    });
}

bool MemorySettingsStore::deleteKey(const std::string& key) {
    return modify([&](RegistryTree& tree) { return tree.deleteKey(key); });
}

} // namespace ql
