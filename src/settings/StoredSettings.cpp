// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/StoredSettings.h"

#include "platform/DesktopGeometry.h"
#include "platform/SettingsStore.h"
#include "settings/Settings.h"

namespace ql {

StoredSettings::StoredSettings(Settings& settings, SettingsStore& store, AutostartList& autostart,
                               std::string programPath, std::string installDir)
    : settings_(settings), store_(store), registry_(store, autostart),
      programPath_(std::move(programPath)), installDir_(std::move(installDir)) {}

// A crash or power cut later must not lose what the user just chose.
void StoredSettings::saveEachChange() {
    following_ = QObject::connect(&settings_, &Settings::changed, [this] { SaveSettings(); });
}

StoredSettings::~StoredSettings() {
    QObject::disconnect(following_);
}

void StoredSettings::setWindowPosition(std::function<WindowPosition()> where) {
    windowPosition_ = std::move(where);
}

void StoredSettings::CheckRegistry() {
    firstRun_ = registry_.isFirstRun();
}

RegistrySettings::Loaded StoredSettings::OpenRegistry(DesktopSize desktop) {
    SettingsRecord record = settings_.values();
    const auto loaded = registry_.load(record, firstRun_, desktop);
    settings_.assign(record);
    upgraded_ = loaded.upgraded;
    languageInEarlierList_ = loaded.languageInEarlierList;
    readPosition_ = loaded.stored;
    loaded_ = true;
    return loaded;
}

void StoredSettings::SaveSettings() {
    const WindowPosition at = windowPosition_ ? windowPosition_() : readPosition_;
    registry_.save(settings_.values(), at, programPath_, installDir_, !languageInEarlierList_);
}

// Failures here only leave the old key behind; the store reports its own on stderr.
void StoredSettings::forgetEarlierVersion() {
    if (store_.keyExists(kLegacyKey)) store_.deleteKey(kLegacyKey);
}

} // namespace ql
