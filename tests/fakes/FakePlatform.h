// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakes/FakeDesktopDialogs.h"
#include "fakes/FakeDesktopNotifier.h"
#include "fakes/FakeGlobalHotKey.h"
#include "fakes/FakeJournal.h"
#include "fakes/FakeLocalClock.h"
#include "fakes/FakeSoundPlayer.h"
#include "fakes/FakeTickTimer.h"
#include "fakes/JournalingStore.h"
#include "fakes/MemorySettingsStore.h"
#include "platform/AutostartList.h"
#include "platform/CloseRequestBridge.h"
#include "platform/DesktopGeometry.h"
#include "platform/LibraryLoader.h"
#include "platform/NamedLock.h"
#include "platform/OutputGain.h"
#include "platform/Platform.h"
#include "platform/TaskbarButton.h"
#include "platform/TrayHost.h"

#include <map>
#include <optional>
#include <set>

namespace ql {

struct FakeAutostart : AutostartList {
    FakeJournal* journal = nullptr;
    std::optional<std::string> entry;
    bool add(const std::string& path) override {
        if (journal) journal->add("autostart.add");
        entry = path;
        return true;
    }
    bool remove() override {
        if (journal) journal->add("autostart.remove");
        entry.reset();
        return true;
    }
};

struct FakeNamedLock : NamedLock {
    FakeJournal* journal = nullptr;
    std::string name;
    void create(const std::string& n) override {
        if (journal) journal->add("lock.create " + n);
        name = n;
    }
};

struct FakeDesktop : DesktopGeometry {
    DesktopSize size{1920, 1080};
    std::set<WindowFeature> denied; // what this window system does not allow
    DesktopSize virtualSize() const override { return size; }
    std::vector<DesktopRect> monitors() const override { return {{0, 0, size.width, size.height}}; }
    bool allows(WindowFeature feature) const override { return !denied.contains(feature); }
};

struct FakeCloseBridge : CloseRequestBridge {
    Handler handler;
    void install(Handler h) override { handler = std::move(h); }
    bool request() { return handler ? handler() : false; }
};

// The clock's own output level; every level set is kept. With `real` set, it is passed on too.
struct FakeOutputGain : OutputGain {
    FakeJournal* journal = nullptr;
    OutputGain* real = nullptr;
    std::uint16_t current = 0xFFFF;
    std::vector<std::uint16_t> sets;
    std::uint16_t level() const override {
        if (journal) journal->add("gain.get");
        return current;
    }
    void setLevel(std::uint16_t l) override {
        if (journal) journal->add("gain.set");
        if (real) real->setLevel(l);
        current = l;
        sets.push_back(l);
    }
};

// Libraries are named by path; each may or may not export Speak. With `real` set, every call
// goes to that loader instead (still journaled), for tests with real plug-in files.
struct FakeLibraryLoader : LibraryLoader {
    FakeJournal* journal = nullptr;
    LibraryLoader* real = nullptr;
    std::map<std::string, SpeakProc> libraries; // path -> Speak (nullptr: loads, no export)
    std::vector<std::string> loaded;            // paths currently loaded
    Handle load(const std::string& path) override {
        if (journal) journal->add("library.load " + path);
        if (real) return real->load(path);
        auto it = libraries.find(path);
        if (it == libraries.end()) return nullptr;
        loaded.push_back(path);
        return &it->second;
    }
    SpeakProc findSpeak(Handle h) override {
        if (real) return real->findSpeak(h);
        return h ? *static_cast<SpeakProc*>(h) : nullptr;
    }
    void release(Handle h) override {
        if (journal) journal->add("library.release");
        if (real) return real->release(h);
        for (auto it = libraries.begin(); it != libraries.end(); ++it)
            if (&it->second == h) std::erase(loaded, it->first);
    }
};

struct FakeTaskbar : TaskbarButton {
    FakeJournal* journal = nullptr;
    bool shown = true;
    void show(QWidget&) override {
        if (journal) journal->add("taskbar.show");
        shown = true;
    }
    void hide(QWidget&) override {
        if (journal) journal->add("taskbar.hide");
        shown = false;
    }
};

// A notification area that a test can take away and bring back.
struct FakeTrayHost : TrayHost {
    bool present = true;
    bool dbusPanel = false; // a StatusNotifierItem host rather than an XEmbed tray
    ChangeHandler handler;
    bool available() override { return present; }
    bool activatesOnClick() override { return dbusPanel; }
    void watch(ChangeHandler h) override { handler = std::move(h); }
    void set(bool on) {
        present = on;
        if (handler) handler(on);
    }
};

// Every fake wired to one journal, ready to hand to a main window.
struct FakePlatform {
    FakeJournal journal;
    FakeLocalClock clock;
    FakeTickTimer ticks;
    TickTimer* tickTimer = &ticks; // a test may hand the window the real timer
    MemorySettingsStore store;
    JournalingStore journaledStore{store, journal};
    FakeAutostart autostart;
    FakeNamedLock lock;
    FakeDesktop desktop;
    FakeCloseBridge closeBridge;
    FakeOutputGain gain;
    FakeLibraryLoader libraries;
    FakeTaskbar taskbar;
    FakeSoundPlayer sound;
    SoundPlayer* soundPlayer = &sound; // a test may hand the window another player
    FakeTrayHost trayHost;
    FakeGlobalHotKey hotKey;
    FakeDesktopDialogs dialogs;
    FakeDesktopNotifier notifier;

    FakePlatform() {
        autostart.journal = &journal;
        lock.journal = &journal;
        gain.journal = &journal;
        libraries.journal = &journal;
        taskbar.journal = &journal;
        clock.journal = &journal;
    }
    Platform platform() {
        return Platform{clock,        *tickTimer,  journaledStore, autostart, lock,
                        desktop,      closeBridge, gain,           libraries, taskbar,
                        *soundPlayer, trayHost,    hotKey,         dialogs,   notifier};
    }
};

} // namespace ql
