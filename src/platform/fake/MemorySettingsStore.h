#pragma once

#include "platform/SettingsStore.h"

#include <algorithm>
#include <map>

namespace ql {

// Temporary in-memory store (case-insensitive keys and names).
class MemorySettingsStore : public SettingsStore {
public:
    bool failWrites = false;

    static std::string fold(std::string s) {
        if (!s.empty() && s.front() == '\\') s.erase(0, 1);
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) {
            return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        });
        return s;
    }
    bool keyExists(const std::string& key) override {
        const auto k = fold(key);
        for (const auto& [name, _] : keys_)
            if (name == k || name.rfind(k + "\\", 0) == 0) return true;
        return false;
    }
    bool createKey(const std::string& key) override {
        if (failWrites) return false;
        keys_[fold(key)];
        return true;
    }
    bool valueExists(const std::string& key, const std::string& name) override {
        return readValue(key, name).has_value();
    }
    std::optional<std::string> readValue(const std::string& key, const std::string& name) override {
        auto k = keys_.find(fold(key));
        if (k == keys_.end()) return std::nullopt;
        auto v = k->second.find(fold(name));
        if (v == k->second.end()) return std::nullopt;
        return v->second;
    }
    bool writeValues(const std::string& key, const Values& values) override {
        if (failWrites) return false;
        auto& k = keys_[fold(key)];
        for (const auto& [n, t] : values) k[fold(n)] = t;
        return true;
    }
    bool deleteValue(const std::string& key, const std::string& name) override {
        if (failWrites) return false;
        auto k = keys_.find(fold(key));
        if (k != keys_.end()) k->second.erase(fold(name));
        return true;
    }
    bool deleteKey(const std::string& key) override {
        if (failWrites) return false;
        const auto f = fold(key);
        std::erase_if(keys_, [&](const auto& e) { return e.first == f || e.first.rfind(f + "\\", 0) == 0; });
        return true;
    }

private:
    std::map<std::string, std::map<std::string, std::string>> keys_;
};

} // namespace ql
