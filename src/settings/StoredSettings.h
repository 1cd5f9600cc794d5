// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/RegistrySettings.h"

#include <QMetaObject>

#include <functional>
#include <string>

namespace ql {

class AutostartList;
class Settings;
class SettingsStore;
struct DesktopSize;

// Keeps the settings in step with the per-user store: read once at start, written after each
// change once start-up is over, and at the end.
class StoredSettings {
  public:
    StoredSettings(Settings& settings, SettingsStore& store, AutostartList& autostart,
                   std::string programPath, std::string installDir);
    ~StoredSettings();
    StoredSettings(const StoredSettings&) = delete;
    StoredSettings& operator=(const StoredSettings&) = delete;

    // The window knows where it is; the store only keeps it.
    void setWindowPosition(std::function<WindowPosition()> where);

    void CheckRegistry();
    // Replaces the settings with the stored ones; says where the window goes.
    RegistrySettings::Loaded OpenRegistry(DesktopSize desktop);
    void SaveSettings();
    // From here on each change is saved at once. Before, the changes are start-up's own (the
    // store read, a language no longer there) and wait for the save at the end.
    void saveEachChange();
    // The earlier version's key, once the user has seen what changed.
    void forgetEarlierVersion();

    bool firstRun() const { return firstRun_; }
    bool upgraded() const { return upgraded_; }
    // The stored language counts in the earlier voice list until the caller has found it in
    // today's; only then is it stored as counting in today's.
    bool languageInEarlierList() const { return languageInEarlierList_; }
    void languageFoundInList() { languageInEarlierList_ = false; }
    // Before this nothing was read, so nothing can be saved or lost.
    bool loaded() const { return loaded_; }

  private:
    Settings& settings_;
    SettingsStore& store_;
    RegistrySettings registry_;
    std::string programPath_;
    std::string installDir_;
    std::function<WindowPosition()> windowPosition_;
    WindowPosition readPosition_; // as stored, for a save before the window is there
    bool firstRun_ = false;
    bool upgraded_ = false;
    bool languageInEarlierList_ = false;
    bool loaded_ = false;
    QMetaObject::Connection following_;
};

} // namespace ql
