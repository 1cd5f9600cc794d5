// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/RegistryTree.h"

#include <algorithm>
#include <iterator>

namespace ql {

namespace {

constexpr char kSeparator = '\\';

std::size_t commonPrefix(std::string_view a, std::string_view b) {
    const auto n = std::min(a.size(), b.size());
    return static_cast<std::size_t>(std::mismatch(a.begin(), a.begin() + n, b.begin()).first -
                                    a.begin());
}

} // namespace

std::string RegistryTree::normalise(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(kSeparator, start);
        if (end == std::string_view::npos) end = path.size();
        if (end > start) {
            if (!out.empty()) out += kSeparator;
            out.append(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return out;
}

std::string RegistryTree::fold(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool RegistryTree::storable(std::string_view normalisedPath) {
    return !normalisedPath.empty() && normalisedPath.find_first_of("\r\n") == std::string::npos;
}

const RegistryTree::Key* RegistryTree::keyAtOrBelow(const std::string& folded) const {
    if (const auto it = keys_.find(folded); it != keys_.end()) return &it->second;
    const std::string below = folded + kSeparator;
    const auto it = keys_.lower_bound(below);
    return it != keys_.end() && it->first.starts_with(below) ? &it->second : nullptr;
}

bool RegistryTree::keyExists(std::string_view path) const {
    const std::string normalised = normalise(path);
    if (normalised.empty()) return true; // the root always exists
    return keyAtOrBelow(fold(normalised)) != nullptr;
}

const RegistryTree::Key* RegistryTree::findKey(std::string_view path) const {
    const auto it = keys_.find(fold(normalise(path)));
    return it == keys_.end() ? nullptr : &it->second;
}

bool RegistryTree::valueExists(std::string_view path, std::string_view name) const {
    return value(path, name).has_value();
}

std::optional<std::string> RegistryTree::value(std::string_view path, std::string_view name) const {
    const Key* key = findKey(path);
    if (!key) return std::nullopt;
    const auto it = key->values.find(fold(name));
    if (it == key->values.end()) return std::nullopt;
    return it->second.text;
}

// A new key reuses the spelling of the longest run of whole components it shares with existing
// keys; by construction all keys agree on the spelling of what they share. No key shares more
// bytes than the nearest keys in sorted order do, so only two prefixes need checking: that many
// bytes, or the whole components before them.
std::string RegistryTree::spellingFor(const std::string& folded,
                                      const std::string& normalised) const {
    std::size_t longest = 0;
    const auto next = keys_.lower_bound(folded);
    if (next != keys_.end()) longest = commonPrefix(folded, next->first);
    if (next != keys_.begin())
        longest = std::max(longest, commonPrefix(folded, std::prev(next)->first));
    if (longest == 0) return normalised;
    for (const std::size_t size : {longest, folded.rfind(kSeparator, longest - 1)}) {
        if (size == std::string::npos || (size < folded.size() && folded[size] != kSeparator))
            continue;
        if (const Key* donor = keyAtOrBelow(folded.substr(0, size)))
            return donor->path.substr(0, size) + normalised.substr(size);
    }
    return normalised;
}

bool RegistryTree::Key::set(std::string_view name, std::string_view text) {
    auto [it, added] = values.try_emplace(fold(name), Value{std::string(name), {}});
    it->second.text = text;
    return added;
}

RegistryTree::Key* RegistryTree::openKey(std::string_view path) {
    const std::string normalised = normalise(path);
    if (!storable(normalised)) return nullptr;
    std::string folded = fold(normalised);
    const auto it = keys_.find(folded);
    if (it != keys_.end()) return &it->second;
    Key key{spellingFor(folded, normalised), {}};
    return &keys_.emplace(std::move(folded), std::move(key)).first->second;
}

// A key that already exists, even only as the parent of others, is left as it is.
bool RegistryTree::createKey(std::string_view path) {
    return keyExists(path) || openKey(path) != nullptr;
}

bool RegistryTree::setValue(std::string_view path, std::string_view name, std::string_view text) {
    Key* key = openKey(path);
    if (!key) return false;
    key->set(name, text);
    return true;
}

bool RegistryTree::setValues(std::string_view path,
                             const std::vector<std::pair<std::string, std::string>>& values) {
    Key* key = openKey(path);
    if (!key) return false;
    for (const auto& [name, text] : values)
        key->set(name, text);
    return true;
}

void RegistryTree::deleteValue(std::string_view path, std::string_view name) {
    const auto it = keys_.find(fold(normalise(path)));
    if (it != keys_.end()) it->second.values.erase(fold(name));
}

bool RegistryTree::deleteKey(std::string_view path) {
    const std::string folded = fold(normalise(path));
    if (folded.empty()) return false;
    keys_.erase(folded);
    // Everything below sorts between "key\" and "key]", since ']' follows '\'.
    keys_.erase(keys_.lower_bound(folded + kSeparator),
                keys_.lower_bound(folded + static_cast<char>(kSeparator + 1)));
    return true;
}

} // namespace ql
