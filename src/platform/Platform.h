// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ql {

class AutostartList;
class CloseRequestBridge;
class DesktopDialogs;
class DesktopGeometry;
class DesktopNotifier;
class GlobalHotKey;
class LibraryLoader;
class LocalClock;
class NamedLock;
class OutputGain;
class SettingsStore;
class SoundPlayer;
class TaskbarButton;
class TickTimer;
class TrayHost;

// Every operating-system service, for the composition root alone: it hands each object only the
// ones that object uses. The program passes the real ones, tests pass fakes.
struct Platform {
    LocalClock& clock;
    TickTimer& tickTimer;
    SettingsStore& store;
    AutostartList& autostart;
    NamedLock& namedLock;
    DesktopGeometry& desktop;
    CloseRequestBridge& closeBridge;
    OutputGain& gain;
    LibraryLoader& libraries;
    TaskbarButton& taskbar;
    SoundPlayer& sound;
    TrayHost& trayHost;
    GlobalHotKey& hotKey;
    DesktopDialogs& dialogs;
    DesktopNotifier& notifier;
};

} // namespace ql
