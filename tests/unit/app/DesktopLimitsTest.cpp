// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include <iostream>
#include <sstream>

namespace ql {
namespace {

// A desktop that decides window position, stacking, opacity and the taskbar itself (a Wayland
// compositor): the clock asks for none of them and loses none of the stored settings.
class DesktopLimitsTest : public MainWindowFixture {
  protected:
    std::ostringstream err;
    std::streambuf* savedErr = nullptr;

    void SetUp() override {
        MainWindowFixture::SetUp();
        savedErr = std::cerr.rdbuf(err.rdbuf());
        fakes.desktop.denied = {WindowFeature::Position, WindowFeature::StayOnTop,
                                WindowFeature::TaskbarButton, WindowFeature::Opacity};
        // On top, taskbar button hidden, blended at 128, at left 3000 (beyond this 1920-pixel
        // desktop: a second monitor of another session), top 200.
        fakes.store.writeValues("Software\\Vessantry\\Quorlan Lite",
                                {{"BinSettings", "010000000001"},
                                 {"LNumSettings", "02003000010000000128"},
                                 {"CurrentVer", "2.6"}});
    }
    void TearDown() override {
        std::cerr.rdbuf(savedErr);
        MainWindowFixture::TearDown();
    }
    std::string stored(const char* name) {
        return fakes.store.readValue("Software\\Vessantry\\Quorlan Lite", name).value_or("");
    }
    int linesContaining(const std::string& text) {
        std::istringstream lines(err.str());
        int n = 0;
        for (std::string line; std::getline(lines, line);)
            if (line.find(text) != std::string::npos) ++n;
        return n;
    }
};

TEST_F(DesktopLimitsTest, TheStoredPositionSurvivesWhereTheDesktopPlacesTheWindow) {
    create();
    form->move(0, 0); // where the compositor put it, as Qt reports it
    EXPECT_TRUE(app->Close());
    EXPECT_EQ(stored("LNumSettings"), "02003000010000000128");
    EXPECT_EQ(linesContaining("place its window"), 1);
}

TEST_F(DesktopLimitsTest, RefusedWindowRequestsAreNotMadeAndEachIsSaidOnce) {
    create();
    form->show();
    hideToTray();
    doubleClickTrayIcon();
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(form->windowOpacity(), 1.0);
    EXPECT_EQ(std::count(fakes.journal.entries.begin(), fakes.journal.entries.end(),
                         std::string("taskbar.hide")),
              0);
    EXPECT_EQ(linesContaining("keep its window on top"), 1);
    EXPECT_EQ(linesContaining("translucent"), 1);
    EXPECT_EQ(linesContaining("hide its taskbar button"), 1);
    EXPECT_TRUE(app->Close());
    EXPECT_EQ(stored("BinSettings"), "010000000001"); // the choices stay for other desktops
}

// Start-up and hiding to the tray drop the button too, but only the user's choice is news.
TEST_F(DesktopLimitsTest, ATaskbarButtonTheUserKeepsIsNeverReported) {
    fakes.store.writeValues("Software\\Vessantry\\Quorlan Lite", {{"BinSettings", "010000010001"}});
    create();
    form->show();
    hideToTray();
    doubleClickTrayIcon();
    EXPECT_EQ(linesContaining("taskbar"), 0);
    EXPECT_EQ(linesContaining("translucent"), 1);
}

TEST_F(DesktopLimitsTest, AnX11DesktopGetsEveryRequestAndHearsNothing) {
    fakes.desktop.denied.clear();
    create();
    // Shown wholly on this desktop; stored as it was until the user moves the window.
    EXPECT_EQ(form->pos(), QPoint(1628, 200));
    EXPECT_TRUE(app->Close());
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_DOUBLE_EQ(form->windowOpacity(), 128 / 255.0);
    EXPECT_EQ(stored("LNumSettings"), "02003000010000000128");
    EXPECT_EQ(err.str(), "");
}

} // namespace
} // namespace ql
