#include "settings/RegistrySettings.h"

#include "platform/AutostartList.h"
#include "platform/DesktopGeometry.h"
#include "platform/SettingsStore.h"

namespace ql {

bool RegistrySettings::isFirstRun() {
    bool firstRun = true;
    if (store_.keyExists(kSettingsKey) && store_.valueExists(kSettingsKey, "BinSettings"))
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
    const std::string flags = read("BinSettings");
    const std::string longNumbers = read("LNumSettings");
    const std::string shortNumbers = read("SNumSettings");
    r.AlarmWaveFile = QString::fromStdString(read("WaveFileName"));
    r.SelectedLanguage = SettingsCodec::parseInteger(read("SelLang")).value_or(0);
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
        loaded.window = {100, 100};
    loaded.stored = stored && !firstRun ? *stored : loaded.window;
    SettingsCodec::decodeShort(shortNumbers, r);
    return loaded;
}

void RegistrySettings::save(const SettingsRecord& r, WindowPosition window,
                            const std::string& programPath, const std::string& installDir,
                            bool languageInCurrentList) {
    SettingsStore::Values values{{"BinSettings", SettingsCodec::encodeFlags(r)},
                                 {"LNumSettings", SettingsCodec::encodeLong(r, window)},
                                 {"SNumSettings", SettingsCodec::encodeShort(r)},
                                 {"WaveFileName", r.AlarmWaveFile.toStdString()},
                                 {"SelLang", std::to_string(r.SelectedLanguage)},
                                 {"InstallDir", installDir}};
    // One write, so that a store that cannot be written is reported once.
    if (languageInCurrentList) values.push_back({"SelLangList", kVoiceListVersion});
    store_.writeValues(kSettingsKey, values);
    if (r.FAutoStart)
        autostart_.add(programPath);
    else
        autostart_.remove();
}

} // namespace ql
