#pragma once

#include "fakes/FakeGlobalHotKey.h"
#include "fakes/FakeJournal.h"
#include "fakes/FakeLocalClock.h"
#include "fakes/FakeSoundPlayer.h"
#include "fakes/JournalingStore.h"
#include "fakes/MemorySettingsStore.h"
#include "platform/AutostartList.h"
#include "platform/CloseRequestBridge.h"
#include "platform/DesktopGeometry.h"
#include "platform/LibraryLoader.h"
#include "platform/NamedLock.h"
#include "platform/Platform.h"
#include "platform/TaskbarButton.h"
#include "platform/TrayHost.h"
#include "platform/WaveMixer.h"

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

// With `real` set, reads and writes go to that mixer (still journaled), for benchmarks.
struct FakeWaveMixer : WaveMixer {
    FakeJournal* journal = nullptr;
    WaveMixer* real = nullptr;
    bool capable = true;
    std::uint16_t left = 0x8000, right = 0x8000;
    std::vector<std::uint32_t> sets; // every word set, right channel in the high half
    bool getVolume(std::uint16_t& l, std::uint16_t& r) override {
        if (journal) journal->add("mixer.get");
        if (real) return real->getVolume(l, r);
        if (!capable) return false;
        l = left;
        r = right;
        return true;
    }
    bool setVolume(std::uint16_t l, std::uint16_t r) override {
        if (journal) journal->add("mixer.set");
        if (real) return real->setVolume(l, r);
        if (!capable) return false;
        left = l;
        right = r;
        sets.push_back(l | (static_cast<std::uint32_t>(r) << 16));
        return true;
    }
    void release() override {
        if (journal) journal->add("mixer.release");
        if (real) real->release();
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
    MemorySettingsStore store;
    JournalingStore journaledStore{store, journal};
    FakeAutostart autostart;
    FakeNamedLock lock;
    FakeDesktop desktop;
    FakeCloseBridge closeBridge;
    FakeWaveMixer mixer;
    FakeLibraryLoader libraries;
    FakeTaskbar taskbar;
    FakeSoundPlayer sound;
    SoundPlayer* soundPlayer = &sound; // a test may hand the window another player
    FakeTrayHost trayHost;
    FakeGlobalHotKey hotKey;

    FakePlatform() {
        autostart.journal = &journal;
        lock.journal = &journal;
        mixer.journal = &journal;
        libraries.journal = &journal;
        taskbar.journal = &journal;
        clock.journal = &journal;
    }
    Platform platform() {
        return Platform{clock, journaledStore, autostart, lock,         desktop,  closeBridge,
                        mixer, libraries,      taskbar,   *soundPlayer, trayHost, hotKey};
    }
};

} // namespace ql
