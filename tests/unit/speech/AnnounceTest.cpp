// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeechFixture.h"

#include <algorithm>

namespace ql {
namespace {

class AnnounceTest : public SpeechFixture {
  protected:
    void SetUp() override {
        SpeechFixture::SetUp();
        installPlugin("RecordingVoice", "English (Test)");
    }
    void createWithVoice(int volume, int sleepMs) {
        setenv("QL_TEST_VOICE_SLEEP_MS", QByteArray::number(sleepMs).constData(), 1);
        storeCurrentSettings("0", shortNumbers(15, volume).constData());
        create();
    }
};

TEST_F(AnnounceTest, LoadingReportsEachKindOfBrokenVoice) {
    struct Row {
        const char* plugin;
        QString message; // empty: loads without a word
        bool stillLoaded;
    } rows[] = {
        {"RecordingVoice", "", true},
        {"NotALibrary",
         "Error|Could not load Broken (Voice).so - time announcements will not be "
         "available.",
         false},
        {"NoSpeak", "Error|Error in Broken (Voice).so - time announcements will not be available.",
         true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.plugin);
        removeVoices();
        messages.clear();
        installPlugin(r.plugin, "Broken (Voice)");
        create();
        EXPECT_EQ(messages, r.message.isEmpty() ? std::vector<QString>{} : std::vector{r.message});
        EXPECT_EQ(app->announcer().hasVoice(), r.message.isEmpty());
        EXPECT_TRUE(r.message.isEmpty() ? speechControlsEnabled() : speechControlsDisabled());
        fakes.journal.entries.clear();
        destroy(); // a library still loaded is released at shutdown
        const auto& e = fakes.journal.entries;
        EXPECT_EQ(std::count(e.begin(), e.end(), "library.release"), r.stillLoaded ? 1 : 0);
    }
}

TEST_F(AnnounceTest, OnlyOneAnnouncementAtATimeAndRequestsMeanwhileAreDropped) {
    createWithVoice(40, 300);
    button("AnnounceButton")->click();
    EXPECT_TRUE(app->announcer().speaking());
    EXPECT_TRUE(speechControlsDisabled());
    app->speechCommands().AnnounceButtonClick();    // button, although disabled
    app->speechCommands().Speak1Click();            // menu, or the remote "--speak"
    fakes.hotKey.press();                           // hot key (not grabbed: the setting is off)
    app->speechCommands().GlobalSpeechKeyKeyDown(); // hot key event
    editSettings([&](SettingsRecord& rec) { rec.FAnnounceOn = true; });
    tickAt(10, 45, 0); // periodic
    settle();
    EXPECT_FALSE(app->announcer().speaking());
    EXPECT_TRUE(speechControlsEnabled());
    EXPECT_EQ(voiceCalls("begin"), 1);
    EXPECT_EQ(voiceCalls("end"), 1);
    // Once idle, the next request speaks again.
    action("MI_Speak")->trigger();
    settle();
    EXPECT_EQ(voiceCalls("begin"), 2);
}

TEST_F(AnnounceTest, SpeechVolumeWhileSpeakingThenTheStartUpLevel) {
    struct Row {
        int volume;
        std::uint16_t startLevel, level;
    } rows[] = {{40, 0xFFFF, 40000}, {65, 0xFFFF, 65000}, {10, 0x1234, 10000}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.volume);
        fakes.gain.sets.clear();
        fakes.gain.current = r.startLevel;
        createWithVoice(r.volume, 50);
        button("AnnounceButton")->click();
        EXPECT_EQ(fakes.gain.current, r.level);
        settle();
        EXPECT_EQ(fakes.gain.sets, (std::vector<std::uint16_t>{r.level, r.startLevel}));
        destroy();
    }
}

TEST_F(AnnounceTest, AFailingVoiceStillEndsTheAnnouncement) {
    setenv("QL_TEST_VOICE_THROW", "1", 1);
    createWithVoice(40, 0);
    button("AnnounceButton")->click();
    settle();
    EXPECT_FALSE(app->announcer().speaking());
    EXPECT_TRUE(speechControlsEnabled());
    EXPECT_EQ(voiceCalls("begin"), 1);
    EXPECT_EQ(voiceCalls("end"), 0);
    EXPECT_EQ(fakes.gain.sets.back(), 0xFFFF);
    button("AnnounceButton")->click(); // and the next one runs
    settle();
    EXPECT_EQ(voiceCalls("begin"), 2);
}

TEST_F(AnnounceTest, CloseWhileSpeakingWaitsForTheVoiceToFinish) {
    createWithVoice(40, 200);
    button("AnnounceButton")->click();
    EXPECT_FALSE(app->Close());
    fakes.ticks.fire();
    EXPECT_FALSE(app->closed());
    settle();
    EXPECT_EQ(voiceCalls("end"), 1);
    EXPECT_TRUE(app->closed()) << "the end of the speech carries the close out, no tick needed";
    EXPECT_TRUE(fakes.store.valueExists("Software\\Vessantry\\Quorlan Lite", "LNumSettings"));
}

TEST_F(AnnounceTest, NoVoiceBoundMeansRequestsDoNothing) {
    removeVoices();
    create();
    button("AnnounceButton")->click();
    app->speechCommands().Speak1Click();
    EXPECT_FALSE(app->announcer().speaking());
    EXPECT_TRUE(fakes.gain.sets.empty());
}

} // namespace
} // namespace ql
