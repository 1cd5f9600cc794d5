// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include "face/WindowDragger.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>

#include <functional>

namespace ql {
namespace {

class SaveOnChangeTest : public MainWindowFixture {
  protected:
    std::string stored(const char* name) {
        return fakes.store.readValue("Software\\Vessantry\\Quorlan Lite", name).value_or("");
    }
    // Lets timers run for a while: a drag counts as ended once the window has kept still.
    static void wait(int ms) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
};

// Each confirmed change reaches the store at once, so a crash or a power cut later loses none
// of it; what is only looked at, or cancelled, writes nothing.
TEST_F(SaveOnChangeTest, EachConfirmedChangeIsSavedAtOnce) {
    struct Row {
        const char* what;
        std::function<void()> act;
        const char* value;
        std::size_t from, length;
        const char* expected; // nullptr: nothing written
    };
    const auto answer = [this](std::function<int(QDialog&)> hook) {
        fakes.dialogs.dialog = std::move(hook);
    };
    const Row rows[] = {
        {"settings OK",
         [&] {
             answer([](QDialog& d) {
                 d.findChild<QCheckBox*>("EuroCheck")->setChecked(true);
                 return int(QDialog::Accepted);
             });
             button("SetupButton")->click();
         },
         "BinSettings", 2, 1, "1"},
        {"settings Cancel",
         [&] {
             answer([](QDialog& d) {
                 d.findChild<QCheckBox*>("EuroCheck")->setChecked(true);
                 return int(QDialog::Rejected);
             });
             button("SetupButton")->click();
         },
         "BinSettings", 2, 1, nullptr},
        {"alarm OK",
         [&] {
             answer([](QDialog& d) {
                 d.findChild<QCheckBox*>("AlarmCheck")->setChecked(true);
                 return int(QDialog::Accepted);
             });
             button("AlarmButton")->click();
         },
         "BinSettings", 4, 1, "1"},
        {"language chosen", [&] { menu("LangMenu")->actions().at(1)->trigger(); }, "SelLang", 0, 1,
         "1"},
        {"small layout", [&] { action("MI_small")->trigger(); }, "SNumSettings", 6, 2, "01"},
        {"drag ended",
         [&] {
             fakes.ticks.fire(); // the first tick shows the window where it was stored
             wait(100);
             form->findChild<WindowDragger*>()->start(form->pos() + QPoint(5, 5));
             form->move(321, 234);
             wait(800);
         },
         "LNumSettings", 0, 8, "02340321"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        installVoice("German (Test)", countingSpeak);
        storeCurrentSettings("000000000000");
        create();
        const int writesBefore = fakes.store.writes;
        r.act();
        if (r.expected) {
            EXPECT_GT(fakes.store.writes, writesBefore);
            EXPECT_EQ(stored(r.value).substr(r.from, r.length), r.expected);
        } else {
            EXPECT_EQ(fakes.store.writes, writesBefore);
        }
        destroy();
    }
}

} // namespace
} // namespace ql
