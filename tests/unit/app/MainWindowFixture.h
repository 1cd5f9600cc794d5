// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ClockApp.h"
#include "common/Dialogs.h"
#include "face/FaceView.h"
#include "fakes/FakePlatform.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace ql {

inline std::atomic<int> speakCalls{0};
// While set, the test voice goes on speaking (on its worker thread) until it is cleared.
inline std::atomic<bool> speechHeld{false};
// What the test voice does besides counting, on whichever thread speaks.
inline void (*speakHook)() = nullptr;
inline void countingSpeak() {
    ++speakCalls;
    if (speechHeld) {
        while (speechHeld)
            QThread::msleep(1);
        return;
    }
    if (speakHook) speakHook();
}

// A main window on fakes, in a private program folder with one installed voice.
class MainWindowFixture : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    FakePlatform fakes;
    std::vector<QString> messages;   // "title|text" of every message box
    std::unique_ptr<Settings> model; // what the user set, as every view shows it
    std::unique_ptr<ClockApp> app;
    QWidget* form = nullptr; // the main window, seen as the user sees it

    void SetUp() override {
        fakes.dialogs.message = [this](MessageKind, const QString& title, const QString& text) {
            messages.push_back(title + "|" + text);
        };
        QDir(dir.path()).mkdir("voice");
        installVoice("English (Test)", countingSpeak);
        speakCalls = 0;
        speechHeld = false;
        speakHook = nullptr;
    }
    void TearDown() override {
        stopSpeaking();
        destroy();
    }
    void installVoice(const QString& name, SpeakProc speak) {
        const QString path = dir.path() + "/voice/" + name + ".so";
        QFile(path).open(QIODevice::WriteOnly);
        fakes.libraries.libraries[path.toStdString()] = speak;
    }
    void storeCurrentSettings(const char* flags = "0", const char* shortNumbers = "") {
        fakes.store.writeValues(
            "Software\\Vessantry\\Quorlan Lite",
            {{"BinSettings", flags}, {"SNumSettings", shortNumbers}, {"CurrentVer", "2.6"}});
    }
    void create() {
        model = std::make_unique<Settings>();
        app = std::make_unique<ClockApp>(fakes.platform(), *model, dir.path() + "/quorlan-lite");
        form = mainWindow();
        ASSERT_NE(form, nullptr);
    }
    static QWidget* mainWindow() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "MainForm") return w;
        return nullptr;
    }
    const SettingsRecord& cfg() const { return model->values(); }
    // A change of the settings from outside the window, which then shows it.
    template <typename Edit> void editSettings(Edit change) { model->edit(change); }
    // The window's controls by their names.
    template <typename Control = QWidget> Control* control(const char* name) const {
        auto* found = form->findChild<Control*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QToolButton* button(const char* name) const { return control<QToolButton>(name); }
    QAction* action(const char* name) const { return control<QAction>(name); }
    QMenu* menu(const char* name) const { return control<QMenu>(name); }
    FaceView* face() const { return control<FaceView>("BackPanel"); }
    // What the language button's menu lists, in order.
    QStringList listedLanguages() const {
        QStringList names;
        for (const QAction* a : menu("LangMenu")->actions())
            names << a->text();
        return names;
    }
    void destroy() {
        form = nullptr;
        app.reset();
        model.reset();
    }
    // None before a notification area exists.
    QSystemTrayIcon* trayIcon() const { return app->findChild<QSystemTrayIcon*>("SysTrayIcon"); }
    void hideToTray() { action("Minimizetotray1")->trigger(); }
    void doubleClickTrayIcon() {
        QSystemTrayIcon* icon = trayIcon();
        ASSERT_NE(icon, nullptr);
        emit icon->activated(QSystemTrayIcon::DoubleClick);
    }
    // A tick as the event loop runs it: the tick, then the work it left for after itself (the
    // windows it opens).
    void tick() {
        fakes.ticks.fire();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    }
    void tickAt(int h, int m, int s) {
        fakes.clock.set(h, m, s);
        tick();
    }
    // An announcement through the button that goes on until stopSpeaking().
    void startSpeaking() {
        speechHeld = true;
        button("AnnounceButton")->click();
        ASSERT_TRUE(app->announcer().speaking());
    }
    void stopSpeaking() {
        speechHeld = false;
        if (form) settle();
    }
    void settle() {
        QDeadlineTimer deadline(5000);
        while (app->announcer().speaking() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(1);
        }
    }
};

} // namespace ql
