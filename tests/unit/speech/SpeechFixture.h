// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "unit/app/MainWindowFixture.h"

#include "platform/linux/DlLibraryLoader.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QMenu>
#include <QToolButton>

#include <cstdlib>

namespace ql {

// A main window on fakes whose voice folder is filled per test, with real plug-in files where
// the loading itself matters.
class SpeechFixture : public MainWindowFixture {
  protected:
    DlLibraryLoader dl;
    QString voiceLog;

    void SetUp() override {
        MainWindowFixture::SetUp();
        removeVoices();
        voiceLog = dir.path() + "/voice-calls.log";
        setenv("QL_TEST_VOICE_LOG", voiceLog.toLocal8Bit().constData(), 1);
        unsetenv("QL_TEST_VOICE_SLEEP_MS");
        unsetenv("QL_TEST_VOICE_THROW");
    }
    void TearDown() override {
        MainWindowFixture::TearDown();
        unsetenv("QL_TEST_VOICE_LOG");
    }
    QString voicePath(const QString& name) const { return dir.path() + "/voice/" + name; }
    void removeVoices() {
        fakes.libraries.libraries.clear();
        for (const QString& f : QDir(dir.path() + "/voice").entryList(QDir::Files))
            QFile::remove(voicePath(f));
    }
    // Copies a test plug-in (RecordingVoice, NoSpeak, NotALibrary) in as "<name>.so" and makes
    // the form load plug-ins for real.
    void installPlugin(const char* plugin, const QString& name) {
        const QString from = QString(QL_TEST_PLUGIN_DIR) + "/" + plugin + ".so";
        ASSERT_TRUE(QFile::copy(from, voicePath(name + ".so"))) << from.toStdString();
        fakes.libraries.real = &dl;
    }
    void touch(const QString& path, const QByteArray& content = "x") {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    static QByteArray contentOf(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // Lines of the recording voice's log that start with `what` ("begin" or "end").
    int voiceCalls(const char* what = "begin") const {
        int n = 0;
        for (const QByteArray& line : contentOf(voiceLog).split('\n'))
            if (line.startsWith(what)) ++n;
        return n;
    }
    // "SNumSettings" with the given announcement interval and speech volume.
    static QByteArray shortNumbers(int interval, int speechVolume) {
        const auto two = [](int n) { return QByteArray::number(n).rightJustified(2, '0'); };
        return two(interval) + "00000000" + two(speechVolume) + "40";
    }
    // The enabled state of the announce and language buttons and their two menu items.
    std::vector<bool> speechControls() const {
        return {button("AnnounceButton")->isEnabled(), button("LangSelButton")->isEnabled(),
                action("MI_Speak")->isEnabled(), action("MI_Selectlanguage")->isEnabled()};
    }
    bool speechControlsEnabled() const { return speechControls() == std::vector(4, true); }
    bool speechControlsDisabled() const { return speechControls() == std::vector(4, false); }
};

} // namespace ql
