// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakes/FakeJournal.h"
#include "platform/SettingsStore.h"

namespace ql {

// Passes every call to another store and notes it in the journal.
class JournalingStore : public SettingsStore {
  public:
    JournalingStore(SettingsStore& inner, FakeJournal& journal)
        : inner_(inner), journal_(journal) {}
    bool keyExists(const std::string& k) override {
        journal_.add("store.keyExists " + k);
        return inner_.keyExists(k);
    }
    bool createKey(const std::string& k) override {
        journal_.add("store.createKey " + k);
        return inner_.createKey(k);
    }
    bool valueExists(const std::string& k, const std::string& n) override {
        journal_.add("store.valueExists " + n);
        return inner_.valueExists(k, n);
    }
    std::optional<std::string> readValue(const std::string& k, const std::string& n) override {
        journal_.add("store.read " + n);
        return inner_.readValue(k, n);
    }
    bool writeValues(const std::string& k, const Values& v) override {
        std::string names;
        for (const auto& [n, t] : v)
            names += " " + n;
        journal_.add("store.write" + names);
        return inner_.writeValues(k, v);
    }
    bool deleteValue(const std::string& k, const std::string& n) override {
        journal_.add("store.deleteValue " + n);
        return inner_.deleteValue(k, n);
    }
    bool deleteKey(const std::string& k) override {
        journal_.add("store.deleteKey " + k);
        return inner_.deleteKey(k);
    }

  private:
    SettingsStore& inner_;
    FakeJournal& journal_;
};

} // namespace ql
