// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit/app/MainWindowFixture.h"

#include "face/ClockData.h"
#include "face/FaceView.h"
#include "settings/SettingsDialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>

#include <functional>

namespace ql {
namespace {

using Flag = bool SettingsRecord::*;

// A control of the dialog, found by its name.
template <class W> W* named(SettingsDialog& dialog, const char* name) {
    W* w = dialog.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

class SettingsDialogTest : public MainWindowFixture {
  protected:
    int dialogs = 0;
    double opacityInside = -1; // the main window's opacity when the user closed the dialog

    void SetUp() override {
        MainWindowFixture::SetUp();
        storeCurrentSettings();
        create();
    }
    void TearDown() override { MainWindowFixture::TearDown(); }
    // Opens the dialog through the main window; the user does `act` and presses OK or Cancel.
    void open(const std::function<void(SettingsDialog&)>& act, bool ok) {
        fakes.dialogs.dialog = [&](QDialog& d) {
            ++dialogs;
            auto* f = qobject_cast<SettingsDialog*>(&d);
            EXPECT_NE(f, nullptr);
            if (f) act(*f);
            opacityInside = form->windowOpacity();
            return ok ? QDialog::Accepted : QDialog::Rejected;
        };
        button("SetupButton")->click();
    }
    std::string lastTaskbarStep() const {
        for (auto e = fakes.journal.entries.rbegin(); e != fakes.journal.entries.rend(); ++e)
            if (e->rfind("taskbar.", 0) == 0) return *e;
        return {};
    }
};

struct CheckRow {
    const char* control;
    Flag setting;
};
const CheckRow checkRows[] = {
    {"WindowlessCheck", &SettingsRecord::FWindowless},
    {"EuroCheck", &SettingsRecord::F24HourFormat},
    {"OnTopCheck", &SettingsRecord::FOnTop},
    {"TransButtonsCheck", &SettingsRecord::FTransparentButtons},
    {"BlendCheck", &SettingsRecord::FBlendOn},
    {"TrayCheck", &SettingsRecord::FStartInTray},
    {"AutoStartCheck", &SettingsRecord::FAutoStart},
    {"TaskBarCheck", &SettingsRecord::FShowInTaskbar},
    {"GlobalShortcutCheck", &SettingsRecord::FGlobalShortcut},
};

// Every text the dialog shows: its caption, the pages in order, and each control's caption or
// hint, found by the control's name.
TEST_F(SettingsDialogTest, TheDialogShowsItsDocumentedTexts) {
    struct Text {
        const char* control;
        const char* caption; // nullptr: the control has none
        const char* hint;    // nullptr: none
    } texts[] = {
        {"WindowlessCheck", "Windowless (no title bar)", nullptr},
        {"EuroCheck", "24 hr format", nullptr},
        {"OnTopCheck", "Always on top", nullptr},
        {"TransButtonsCheck", "Transparent buttons", nullptr},
        {"BlendCheck", "Transparent main window", nullptr},
        {"BlendTrackbar", nullptr, "Transparency level"},
        {"BlendLabel1", "Transp.", nullptr},
        {"BlendLabel2", "Solid", nullptr},
        {"TrayCheck", "Start minimized in tray", nullptr},
        {"AutoStartCheck", "Start clock when I log in", nullptr},
        {"TaskBarCheck", "Show program in taskbar", nullptr},
        {"GlobalShortcutCheck", "Enable global shortcut", nullptr},
        {"Label1", "for speech (Ctrl-Alt-S)", nullptr},
        {"Label3", "Speech volume", nullptr},
        {"VolumeTrackbar", nullptr, "Sound volume"},
        {"Label4", "Low", nullptr},
        {"Label5", "High", nullptr},
        {"SpeechVolPreviewButton", "Test speech volume", nullptr},
        {"BitBtn1", "&OK", nullptr},
        {"HelpButton", nullptr, "Help"},
        {"BitBtn2", "&Cancel", nullptr},
    };
    open(
        [&](SettingsDialog& f) {
            EXPECT_EQ(f.windowTitle(), "Settings");
            ASSERT_EQ(named<QTabWidget>(f, "PageControl")->count(), 3);
            EXPECT_EQ(named<QTabWidget>(f, "PageControl")->tabText(0), "Display options");
            EXPECT_EQ(named<QTabWidget>(f, "PageControl")->tabText(1), "Program options");
            EXPECT_EQ(named<QTabWidget>(f, "PageControl")->tabText(2), "Sound options");
            for (const Text& t : texts) {
                auto* w = f.findChild<QWidget*>(t.control);
                ASSERT_TRUE(w) << t.control;
                if (t.caption) {
                    const QVariant text = w->property("text");
                    EXPECT_EQ(text.toString().toStdString(), t.caption) << t.control;
                }
                if (t.hint) {
                    EXPECT_EQ(w->toolTip().toStdString(), t.hint) << t.control;
                }
            }
        },
        false);
}

TEST_F(SettingsDialogTest, EachCheckBoxShowsItsSettingAndOkStoresTheChange) {
    for (const auto& row : checkRows) {
        for (bool stored : {false, true}) {
            editSettings([&](SettingsRecord& rec) { rec.*row.setting = stored; });
            open(
                [&](SettingsDialog& f) {
                    auto* box = f.findChild<QCheckBox*>(row.control);
                    ASSERT_NE(box, nullptr) << row.control;
                    EXPECT_EQ(box->isChecked(), stored) << row.control;
                    box->setChecked(!stored);
                },
                true);
            EXPECT_EQ(cfg().*row.setting, !stored) << row.control;
        }
    }
}

TEST_F(SettingsDialogTest, TrackBarsShowTheirSettingWithinRangeAndOkStoresThePosition) {
    using Value = std::int32_t SettingsRecord::*;
    struct Row {
        const char* control;
        Value setting;
        int stored, shown, moveTo, result; // moveTo < 0: left alone
    } rows[] = {
        {"BlendTrackbar", &SettingsRecord::FBlendValue, 120, 120, 200, 200},
        {"BlendTrackbar", &SettingsRecord::FBlendValue, 0, 50, -1, 50},
        {"BlendTrackbar", &SettingsRecord::FBlendValue, 255, 255, 300, 255},
        {"VolumeTrackbar", &SettingsRecord::FSpeechVolume, 40, 40, 65, 65},
        {"VolumeTrackbar", &SettingsRecord::FSpeechVolume, 10, 10, 5, 10},
        {"VolumeTrackbar", &SettingsRecord::FSpeechVolume, 30, 30, -1, 30},
    };
    for (const auto& r : rows) {
        editSettings([&](SettingsRecord& rec) { rec.*r.setting = r.stored; });
        int shown = -1;
        open(
            [&](SettingsDialog& f) {
                auto* bar = f.findChild<QSlider*>(r.control);
                ASSERT_NE(bar, nullptr);
                shown = bar->value();
                if (r.moveTo >= 0) bar->setValue(r.moveTo);
            },
            true);
        EXPECT_EQ(shown, r.shown) << r.control << " " << r.stored;
        EXPECT_EQ(cfg().*r.setting, r.result) << r.control << " " << r.stored;
    }
}

TEST_F(SettingsDialogTest, CancelKeepsTheRecordAndUndoesThePreview) {
    struct Row {
        bool blendOn;
        int blendValue;
        double during; // opacity while the user had changed things
        double after;
    } rows[] = {
        {false, 120, 180 / 255.0, 1.0}, // ticking the box previews at the bar's level
        {true, 120, 1.0, 120 / 255.0},  // clearing it shows the window solid
    };
    for (const auto& r : rows) {
        editSettings([&](SettingsRecord& rec) { rec.FBlendOn = r.blendOn; });
        editSettings([&](SettingsRecord& rec) { rec.FBlendValue = r.blendValue; });
        form->setWindowOpacity(r.blendOn ? r.blendValue / 255.0 : 1.0);
        const SettingsRecord before = cfg();
        open(
            [&](SettingsDialog& f) {
                EXPECT_EQ(named<QSlider>(f, "BlendTrackbar")->isEnabled(), r.blendOn);
                for (const auto& row : checkRows) {
                    auto* box = f.findChild<QCheckBox*>(row.control);
                    box->setChecked(!box->isChecked());
                }
                named<QSlider>(f, "BlendTrackbar")->setValue(180);
                named<QSlider>(f, "VolumeTrackbar")->setValue(60);
            },
            false);
        EXPECT_NEAR(opacityInside, r.during, 0.01) << r.blendOn;
        EXPECT_NEAR(form->windowOpacity(), r.after, 0.01) << r.blendOn;
        for (const auto& row : checkRows)
            EXPECT_EQ(cfg().*row.setting, before.*row.setting) << row.control;
        EXPECT_EQ(cfg().FBlendValue, before.FBlendValue);
        EXPECT_EQ(cfg().FSpeechVolume, before.FSpeechVolume);
    }
}

TEST_F(SettingsDialogTest, TrackBarPreviewsTheLevelOnlyWhileBlendingIsOn) {
    editSettings([&](SettingsRecord& rec) { rec.FBlendOn = true; });
    editSettings([&](SettingsRecord& rec) { rec.FBlendValue = 120; });
    form->setWindowOpacity(120 / 255.0);
    std::vector<double> seen;
    open(
        [&](SettingsDialog& f) {
            seen.push_back(form->windowOpacity()); // opening keeps the look
            named<QSlider>(f, "BlendTrackbar")->setValue(60);
            seen.push_back(form->windowOpacity());
            named<QCheckBox>(f, "BlendCheck")->setChecked(false);
            EXPECT_FALSE(named<QSlider>(f, "BlendTrackbar")->isEnabled());
            named<QSlider>(f, "BlendTrackbar")->setValue(90);
            seen.push_back(form->windowOpacity());
        },
        false);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_NEAR(seen[0], 120 / 255.0, 0.01);
    EXPECT_NEAR(seen[1], 60 / 255.0, 0.01);
    EXPECT_NEAR(seen[2], 1.0, 0.01);
    EXPECT_NEAR(form->windowOpacity(), 120 / 255.0, 0.01);
}

TEST_F(SettingsDialogTest, OkWithoutChangesStillAppliesTimerHotKeyShortcutAndBlending) {
    for (bool shortcut : {false, true}) {
        // The live state disagrees with the record everywhere OK must bring it back.
        editSettings([&](SettingsRecord& rec) { rec.FGlobalShortcut = !shortcut; });
        editSettings([&](SettingsRecord& rec) { rec.FTimerInterval = 250; });
        editSettings([&](SettingsRecord& rec) { rec.FGlobalShortcut = shortcut; });
        editSettings([&](SettingsRecord& rec) { rec.FBlendOn = true; });
        editSettings([&](SettingsRecord& rec) { rec.FBlendValue = 100; });
        form->setWindowOpacity(1.0);
        open([](SettingsDialog&) {}, true);
        EXPECT_EQ(cfg().FTimerInterval, 250u); // kept, though the tick follows the second
        EXPECT_EQ(fakes.hotKey.grabbed, shortcut);
        EXPECT_EQ(action("MI_Speak")->shortcut(),
                  shortcut ? QKeySequence("Ctrl+Alt+S") : QKeySequence());
        EXPECT_NEAR(form->windowOpacity(), 100 / 255.0, 0.01);
    }
}

TEST_F(SettingsDialogTest, OkRelaysTheWindowOnlyForTheSettingsThatNeedIt) {
    struct Row {
        const char* control;
        bool changeMode, changeButtonMode;
    } rows[] = {
        {"EuroCheck", false, false},
        {"TransButtonsCheck", false, true},
        {"WindowlessCheck", true, false},
    };
    for (const auto& r : rows) {
        // Out of step with the record: only a call of the layout operation puts them right.
        button("AlarmButton")->setAutoRaise(!cfg().FTransparentButtons);
        button("MinimizeButton")->setVisible(!cfg().FWindowless);
        open(
            [&](SettingsDialog& f) {
                auto* box = f.findChild<QCheckBox*>(r.control);
                box->setChecked(!box->isChecked());
            },
            true);
        EXPECT_EQ(button("MinimizeButton")->isVisibleTo(form) == cfg().FWindowless, r.changeMode)
            << r.control;
        EXPECT_EQ(button("AlarmButton")->autoRaise() == cfg().FTransparentButtons,
                  r.changeButtonMode)
            << r.control;
    }
}

TEST_F(SettingsDialogTest, HoursShowTheNewFormatAtOnce) {
    static ClockData images;
    app->setClockData(&images);
    fakes.clock.set(14, 5, 0);
    tickAt(14, 5, 0);
    form->show();
    const auto hourDigit = [&] { return int(face()->state().cell(CellId::Hour2)[0].index); };
    EXPECT_EQ(hourDigit(), 2);
    open([](SettingsDialog& f) { named<QCheckBox>(f, "EuroCheck")->setChecked(true); }, true);
    EXPECT_EQ(hourDigit(), 4); // no tick in between
}

TEST_F(SettingsDialogTest, GlobalShortcutBoxSwitchesTheSystemWideKey) {
    for (bool on : {false, true, false}) {
        open([&](SettingsDialog& f) { named<QCheckBox>(f, "GlobalShortcutCheck")->setChecked(on); },
             true);
        EXPECT_EQ(fakes.hotKey.grabbed, on);
        speakCalls = 0;
        fakes.hotKey.press();
        settle();
        EXPECT_EQ(speakCalls, on ? 1 : 0) << on;
        EXPECT_EQ(action("MI_Speak")->shortcut().isEmpty(), !on);
    }
}

// After OK or Cancel the button is what the setting now says: hiding it regardless undid the
// user's own choice the moment it was confirmed.
TEST_F(SettingsDialogTest, TaskbarButtonFollowsTheSettingWhileOpenAndAfter) {
    struct Row {
        bool stored, ticked, ok;
        const char* whileOpen;
        const char* after;
    } rows[] = {
        {false, false, true, "taskbar.hide", "taskbar.hide"},
        {true, true, true, "taskbar.show", "taskbar.show"},
        {false, true, true, "taskbar.hide", "taskbar.show"},
        {true, false, true, "taskbar.show", "taskbar.hide"},
        {true, false, false, "taskbar.show", "taskbar.show"},
        {false, true, false, "taskbar.hide", "taskbar.hide"},
    };
    for (const Row& r : rows) {
        editSettings([&](SettingsRecord& rec) { rec.FShowInTaskbar = r.stored; });
        std::string whileOpen;
        open(
            [&](SettingsDialog& f) {
                whileOpen = lastTaskbarStep();
                named<QCheckBox>(f, "TaskBarCheck")->setChecked(r.ticked);
            },
            r.ok);
        EXPECT_EQ(whileOpen, r.whileOpen) << r.stored << r.ticked << r.ok;
        EXPECT_EQ(lastTaskbarStep(), r.after) << r.stored << r.ticked << r.ok;
        EXPECT_EQ(cfg().FShowInTaskbar, r.ok ? r.ticked : r.stored);
    }
}

TEST_F(SettingsDialogTest, StayOnTopChangesTheWindowAndKeepsItVisible) {
    form->show();
    for (bool onTop : {true, false}) {
        open([&](SettingsDialog& f) { named<QCheckBox>(f, "OnTopCheck")->setChecked(onTop); },
             true);
        EXPECT_EQ(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_TRUE(form->isVisible());
    }
}

TEST_F(SettingsDialogTest, TestButtonSpeaksAtTheBarsVolumeAndKeepsTheStoredVolume) {
    editSettings([&](SettingsRecord& rec) { rec.FSpeechVolume = 40; });
    open(
        [&](SettingsDialog& f) {
            named<QSlider>(f, "VolumeTrackbar")->setValue(25);
            named<QPushButton>(f, "SpeechVolPreviewButton")->click();
            EXPECT_EQ(cfg().FSpeechVolume, 40); // back at once, while it still speaks
        },
        false);
    settle();
    EXPECT_EQ(speakCalls, 1);
    ASSERT_FALSE(fakes.gain.sets.empty());
    EXPECT_EQ(fakes.gain.sets.front(), 25000u);
    EXPECT_EQ(cfg().FSpeechVolume, 40);
}

TEST_F(SettingsDialogTest, TestButtonDoesNothingWhileTheClockSpeaks) {
    editSettings([&](SettingsRecord& rec) { rec.FSpeechVolume = 40; });
    startSpeaking();
    open(
        [&](SettingsDialog& f) {
            named<QSlider>(f, "VolumeTrackbar")->setValue(25);
            named<QPushButton>(f, "SpeechVolPreviewButton")->click();
        },
        true);
    stopSpeaking();
    EXPECT_EQ(speakCalls, 1) << "only the announcement already speaking";
    ASSERT_EQ(fakes.gain.sets.size(), 2u) << "its speech volume and the restore";
    EXPECT_EQ(fakes.gain.sets.front(), 40000u);
    EXPECT_EQ(cfg().FSpeechVolume, 25); // OK keeps the bar's volume
}

TEST_F(SettingsDialogTest, OnlyOneDialogAtATime) {
    open([&](SettingsDialog&) { button("SetupButton")->click(); }, false);
    EXPECT_EQ(dialogs, 1);
    open([](SettingsDialog&) {}, false);
    EXPECT_EQ(dialogs, 2);
}

TEST_F(SettingsDialogTest, HelpOpensTheSettingsPage) {
    QDir(dir.path()).mkdir("help");
    QFile(dir.path() + "/help/settings.html").open(QIODevice::WriteOnly);
    std::vector<QUrl> urls;
    fakes.dialogs.browser = [&urls](const QUrl& url) {
        urls.push_back(url);
        return true;
    };
    open([](SettingsDialog& f) { named<QPushButton>(f, "HelpButton")->click(); }, false);
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_EQ(urls[0], QUrl::fromLocalFile(dir.path() + "/help/settings.html"));
    EXPECT_TRUE(messages.empty());
}

} // namespace
} // namespace ql
