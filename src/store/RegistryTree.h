// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ql {

// The store's keys and string values in memory. Keys are paths of components joined by '\',
// relative to the per-user root; paths and value names compare without regard to ASCII case and
// keep the spelling they were first created with. Only keys that were created explicitly (a
// section) are stored; their ancestors exist implicitly while something below them does.
class RegistryTree {
  public:
    struct Value {
        std::string name;
        std::string text;
        bool operator==(const Value&) const = default;
    };
    struct Key {
        std::string path;                    // spelling as stored
        std::map<std::string, Value> values; // by folded name
        // Sets a value, keeping the name's first spelling; true when the name was new.
        bool set(std::string_view name, std::string_view text);
        bool operator==(const Key&) const = default;
    };
    using Keys = std::map<std::string, Key>; // by folded path

    // Joins the non-empty components of a path with '\'; "" stands for the root.
    static std::string normalise(std::string_view path);
    static std::string fold(std::string_view text);
    // The root and paths holding line breaks cannot be stored as a section.
    static bool storable(std::string_view normalisedPath);

    bool keyExists(std::string_view path) const;
    const Key* findKey(std::string_view path) const;
    bool valueExists(std::string_view path, std::string_view name) const;
    std::optional<std::string> value(std::string_view path, std::string_view name) const;

    // The key's own section, created when missing (also when the key so far only existed as a
    // parent); nullptr when the path cannot be stored as a section.
    Key* openKey(std::string_view path);
    // Each returns false when the path cannot be stored (and changes nothing).
    // createKey leaves an existing key, even a parent without a section, as it is.
    bool createKey(std::string_view path);
    bool setValue(std::string_view path, std::string_view name, std::string_view text);
    bool setValues(std::string_view path,
                   const std::vector<std::pair<std::string, std::string>>& values);
    void deleteValue(std::string_view path, std::string_view name);
    // Removes the key and everything below it; the root cannot be deleted.
    bool deleteKey(std::string_view path);

    const Keys& keys() const { return keys_; }
    bool empty() const { return keys_.empty(); }
    bool operator==(const RegistryTree&) const = default;

  private:
    std::string spellingFor(const std::string& folded, const std::string& normalised) const;
    // The key itself, or else any key below it.
    const Key* keyAtOrBelow(const std::string& folded) const;

    Keys keys_;
};

} // namespace ql
