// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SettingsCodec.h"
#include "settings/SettingsRecord.h"

#include <string>

namespace ql {

class AutostartList;
class SettingsStore;
struct DesktopSize;

inline constexpr char kSettingsKey[] = "Software\\Vessantry\\Quorlan Lite";
inline constexpr char kLegacyKey[] = "Software\\Vessantry\\Quorlan";
inline constexpr char kCurrentVersion[] = "2.6";
// Which voice list "SelLang" counts in: absent for the first 33 voices, this since the list grew.
inline constexpr char kVoiceListVersion[] = "2";

// Reading, validating and writing the record in the per-user store.
class RegistrySettings {
  public:
    RegistrySettings(SettingsStore& store, AutostartList& autostart)
        : store_(store), autostart_(autostart) {}

    // True when neither this version's settings nor the earlier version's key are stored.
    bool isFirstRun();

    struct Loaded {
        bool upgraded = false;
        // "SelLang" is a position in the earlier, shorter voice list.
        bool languageInEarlierList = false;
        WindowPosition window;
        WindowPosition stored; // as read, before it was fitted to this desktop
    };
    Loaded load(SettingsRecord& r, bool firstRun, DesktopSize desktop);

    // languageInCurrentList: "SelLang" counts in today's voice list, and is stored as such.
    void save(const SettingsRecord& r, WindowPosition window, const std::string& programPath,
              const std::string& installDir, bool languageInCurrentList = true);

  private:
    std::string read(const char* name);

    SettingsStore& store_;
    AutostartList& autostart_;
};

} // namespace ql
