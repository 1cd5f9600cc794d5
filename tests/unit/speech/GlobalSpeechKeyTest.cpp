// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeechFixture.h"

namespace ql {
namespace {

using GlobalSpeechKeyTest = SpeechFixture;

TEST_F(GlobalSpeechKeyTest, TheKeySpeaksOnlyWhileTheSettingIsOn) {
    installVoice("English (Test)", countingSpeak);
    storeCurrentSettings("00000000001");
    create();
    EXPECT_TRUE(fakes.hotKey.grabbed);
    fakes.hotKey.press();
    settle();
    EXPECT_EQ(speakCalls, 1);
    // As the settings dialog leaves it: the key follows the change.
    editSettings([&](SettingsRecord& rec) { rec.FGlobalShortcut = false; });
    EXPECT_FALSE(fakes.hotKey.grabbed);
    fakes.hotKey.press();
    settle();
    EXPECT_EQ(speakCalls, 1);
    editSettings([&](SettingsRecord& rec) { rec.FGlobalShortcut = true; });
    fakes.hotKey.press();
    settle();
    EXPECT_EQ(speakCalls, 2);
}

TEST_F(GlobalSpeechKeyTest, AKeyHeldByAnotherProgramLeavesTheSettingAndIsTriedAgain) {
    installVoice("English (Test)", countingSpeak);
    fakes.hotKey.heldElsewhere = true;
    storeCurrentSettings("00000000001");
    create();
    EXPECT_TRUE(cfg().FGlobalShortcut);
    EXPECT_FALSE(fakes.hotKey.grabbed);
    fakes.hotKey.heldElsewhere = false;                            // the other program has ended
    editSettings([&](SettingsRecord& rec) { rec.FOnTop = true; }); // any change tries again
    EXPECT_TRUE(fakes.hotKey.grabbed);
    EXPECT_EQ(fakes.hotKey.grabAttempts, 2);
    fakes.hotKey.press();
    settle();
    EXPECT_EQ(speakCalls, 1);
}

TEST_F(GlobalSpeechKeyTest, OffAtStartUpNothingIsGrabbed) {
    installVoice("English (Test)", countingSpeak);
    storeCurrentSettings("00000000000");
    create();
    EXPECT_EQ(fakes.hotKey.grabAttempts, 0);
    fakes.hotKey.press();
    settle();
    EXPECT_EQ(speakCalls, 0);
}

} // namespace
} // namespace ql
