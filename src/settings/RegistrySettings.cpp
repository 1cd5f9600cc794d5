// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/RegistrySettings.h"

#include "platform/AutostartList.h"
#include "platform/DesktopGeometry.h"
#include "platform/SettingsStore.h"

namespace ql {

bool RegistrySettings::isFirstRun() {
    bool firstRun = true;
    if (store_.keyExists(kSettingsKey) && store_.valueExists(kSettingsKey, kBinSettings.name))
        firstRun = false;
    if (store_.keyExists(kLegacyKey) && store_.valueExists(kLegacyKey, "WindowTop"))
        firstRun = false;
    return firstRun;
}

std::string RegistrySettings::read(const char* name) {
    return store_.readValue(kSettingsKey, name).value_or(std::string());
}

RegistrySettings::Loaded RegistrySettings::load(SettingsRecord& r, bool firstRun,
                                                DesktopSize desktop) {
    Loaded loaded;
    store_.createKey(kSettingsKey);
    const std::string flags = read(kBinSettings.name);
    const std::string longNumbers = read(kLNumSettings.name);
    const std::string shortNumbers = read(kSNumSettings.name);
    for (const Setting& s : allSettings())
        if (s.position == kOwnValue) SettingsCodec::decodeOwn(s, read(s.value), r);
    // Only a stored choice is mapped; an unreadable one is the default, the first voice.
    loaded.languageInEarlierList = SettingsCodec::parseInteger(read("SelLang")).has_value() &&
                                   read("SelLangList") != kVoiceListVersion;
    if (read("CurrentVer") != kCurrentVersion) {
        loaded.upgraded = !firstRun;
        store_.writeValues(kSettingsKey, {{"CurrentVer", kCurrentVersion}});
    }
    SettingsCodec::decodeFlags(flags, r);
    if (firstRun) r.FWindowless = true;
    const auto stored = SettingsCodec::decodeLong(longNumbers, r);
    if (firstRun)
        loaded.window = {desktop.height / 2 - 72, desktop.width / 2 - 170};
    else if (stored)
        loaded.window = SettingsCodec::placeOnDesktop(*stored, desktop.width, desktop.height);
    else
        loaded.window = {static_cast<int>(settingAt(kLNumSettings, 0).otherwise),
                         static_cast<int>(settingAt(kLNumSettings, 1).otherwise)};
    loaded.stored = stored && !firstRun ? *stored : loaded.window;
    SettingsCodec::decodeShort(shortNumbers, r);
    SettingsCodec::decodePacked(kQuietHours, read(kQuietHours.name), r);
    return loaded;
}

void RegistrySettings::save(const SettingsRecord& r, WindowPosition window,
                            const std::string& programPath, const std::string& installDir,
                            bool languageInCurrentList) {
    SettingsStore::Values values{{kBinSettings.name, SettingsCodec::encodeFlags(r)},
                                 {kLNumSettings.name, SettingsCodec::encodeLong(r, window)},
                                 {kSNumSettings.name, SettingsCodec::encodeShort(r)},
                                 {kQuietHours.name, SettingsCodec::encodePacked(kQuietHours, r)}};
    for (const Setting& s : allSettings())
        if (s.position == kOwnValue) values.emplace_back(s.value, SettingsCodec::encodeOwn(s, r));
    values.emplace_back("InstallDir", installDir);
    // One write, so that a store that cannot be written is reported once.
    if (languageInCurrentList) values.push_back({"SelLangList", kVoiceListVersion});
    store_.writeValues(kSettingsKey, values);
    if (r.FAutoStart)
        autostart_.add(programPath);
    else
        autostart_.remove();
}

} // namespace ql
