// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/FakeDesktopDialogs.h"
#include "info/AboutWindow.h"
#include "info/InfoLink.h"
#include "info/UpgradeWindow.h"
#include "info/WelcomeWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace ql {
namespace {

// The caption of each link is the address it opens.
const QString kHome = "https://clock.vessantry.test/quorlan/";
// A build without a home page links to its installed help.
const QString kHelp = "file:///usr/lib/quorlan-lite/help/about.html";

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<InfoWindow>(Dialogs& dialogs, int& helpCalls)> make;
    QString caption;
    QSize size;
    bool titleButtons;
    std::map<QString, QString> texts; // objectName -> caption
};

const WindowCase kWindows[] = {
    {"welcome",
     [](Dialogs& dialogs, int& calls) {
         return std::make_unique<WelcomeWindow>(nullptr, dialogs, kHome, [&calls] { ++calls; });
     },
     "Welcome!",
     {362, 219},
     false,
     {{"StaticText1", "Welcome to the Multilingual Quorlan!"},
      {"StaticText2", "This seems to be the first time you run the clock, and we would like to "
                      "inform you that the latest version of the program is always available at "
                      "the Quorlan website at"},
      {"Label1", kHome},
      {"StaticText3", "On the website you can also download additional languages, read the FAQ "
                      "and find out the latest news. Please also read the help file by clicking "
                      "the help button below."},
      {"BitBtn1", "OK"},
      {"BitBtn2", "&Help"}}},
    {"upgrade",
     [](Dialogs& dialogs, int& calls) {
         return std::make_unique<UpgradeWindow>(nullptr, dialogs, kHome, [&calls] { ++calls; });
     },
     "Thank you for upgrading",
     {362, 225},
     false,
     {{"StaticText1", "Welcome to version 2.6"},
      {"StaticText2",
       "Thank you for upgrading to version 2.6. This is a minor release with a few new features "
       "(speech volume, transparent display). The documentation has been updated and the "
       "clock now works on more Linux desktops: Wayland, D-Bus trays and scaled screens."},
      {"StaticText3", "Don't forget to check the website on a regular basis, there you will "
                      "always find the latest version, additional languages etc."},
      {"Label1", kHome},
      {"BitBtn1", "&OK"},
      {"NewsButton", "&What's new"}}},
    {"about",
     [](Dialogs& dialogs, int&) { return std::make_unique<AboutWindow>(nullptr, dialogs, kHome); },
     "About Multilingual Quorlan",
     {350, 203},
     true,
     {{"StaticText1", "Multilingual Quorlan"},
      {"StaticText2", "Version 2.6"},
      {"StaticText3", "\u00A9 2026 Vessantry. License: GNU GPL 3 or later"},
      {"StaticText5", "Support and the latest version of the clock are available\non the web, at "
                      "the address below:"},
      {"Label1", kHome},
      {"BitBtn1", "OK"}}},
    // The same windows linking to the installed help call it that, not a web site.
    {"welcome, installed help",
     [](Dialogs& dialogs, int& calls) {
         return std::make_unique<WelcomeWindow>(nullptr, dialogs, kHelp, [&calls] { ++calls; });
     },
     "Welcome!",
     {362, 219},
     false,
     {{"StaticText2", "This seems to be the first time you run the clock, and we would like to "
                      "inform you that the help installed with the program is at"},
      {"Label1", kHelp},
      {"StaticText3", "There you can also find out how to add languages, where the clock keeps "
                      "your settings and what is new. Please also read the help file by clicking "
                      "the help button below."}}},
    {"upgrade, installed help",
     [](Dialogs& dialogs, int& calls) {
         return std::make_unique<UpgradeWindow>(nullptr, dialogs, kHelp, [&calls] { ++calls; });
     },
     "Thank you for upgrading",
     {362, 225},
     false,
     {{"StaticText3", "The help installed with the program, at the address below, tells you "
                      "what is new, how to add languages and more."},
      {"Label1", kHelp}}},
    {"about, installed help",
     [](Dialogs& dialogs, int&) { return std::make_unique<AboutWindow>(nullptr, dialogs, kHelp); },
     "About Multilingual Quorlan",
     {350, 203},
     true,
     {{"StaticText5", "Help and support for the clock are in the help installed\nwith the "
                      "program, at the address below:"},
      {"Label1", kHelp}}},
};

QString captionOf(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<const QPushButton*>(w)) return button->text();
    return {};
}

void release(QWidget* w, Qt::MouseButton button, QPoint at) {
    QMouseEvent event(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), button, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

bool insideScreen(const QWidget& w) {
    return QGuiApplication::primaryScreen()->availableGeometry().contains(w.geometry());
}

TEST(InfoWindows, CaptionsSizesAndTextsAreThoseOfTheirForms) {
    FakeDesktopDialogs desktop;
    Dialogs dialogs(desktop);
    for (const WindowCase& c : kWindows) {
        int helpCalls = 0;
        const auto window = c.make(dialogs, helpCalls);
        EXPECT_EQ(window->windowTitle(), c.caption) << c.name;
        EXPECT_EQ(window->size(), c.size) << c.name;
        EXPECT_EQ(window->minimumSize(), window->maximumSize()) << c.name;
        EXPECT_EQ(window->windowFlags().testFlag(Qt::WindowCloseButtonHint), c.titleButtons)
            << c.name;
        for (const auto& [name, text] : c.texts) {
            const auto* w = window->findChild<QWidget*>(name);
            ASSERT_TRUE(w) << c.name << " " << name.toStdString();
            EXPECT_EQ(captionOf(w), text) << c.name << " " << name.toStdString();
            EXPECT_TRUE(window->rect().contains(w->mapTo(window.get(), w->rect().bottomRight())))
                << c.name << " " << name.toStdString() << " lies outside the window";
            if (auto* label = qobject_cast<const QLabel*>(w); label && label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height())
                    << c.name << " " << name.toStdString() << " is cut off";
            }
        }
        EXPECT_TRUE(insideScreen(*window)) << c.name;
    }
}

TEST(InfoWindows, LinksOpenTheirAddressAndOkCloses) {
    FakeDesktopDialogs desktop;
    Dialogs dialogs(desktop);
    std::vector<QUrl> openedUrls;
    desktop.browser = [&](const QUrl& url) {
        openedUrls.push_back(url);
        return false; // a failure to open stays silent
    };
    for (const WindowCase& c : kWindows) {
        int helpCalls = 0;
        const auto window = c.make(dialogs, helpCalls);
        openedUrls.clear();
        auto* link = window->findChild<InfoLink*>("Label1");
        ASSERT_TRUE(link) << c.name;
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        release(link, Qt::LeftButton, link->rect().center());
        release(link, Qt::RightButton, link->rect().center());
        release(link, Qt::LeftButton, link->rect().bottomRight() + QPoint(5, 5)); // let go outside
        ASSERT_EQ(openedUrls.size(), 1u) << c.name;
        EXPECT_EQ(openedUrls[0], QUrl(c.texts.at("Label1"))) << c.name;
        window->findChild<QPushButton*>("BitBtn1")->click();
        EXPECT_EQ(window->result(), QDialog::Accepted) << c.name;
        EXPECT_EQ(helpCalls, 0) << c.name;
    }
}

TEST(InfoWindows, UpgradeWindowKeepsItsDesignedPlaceWhereTheScreenAllows) {
    FakeDesktopDialogs desktop;
    Dialogs dialogs(desktop);
    int calls = 0;
    UpgradeWindow window(nullptr, dialogs, kHome, [&calls] { ++calls; });
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const bool fits = area.right() >= 360 + 362 + 40 && area.bottom() >= 684 + 225 + 40;
    if (fits) {
        EXPECT_EQ(window.pos(), QPoint(360, 684));
    }
    // Where it does not fit it moves only as far as needed.
    EXPECT_TRUE(insideScreen(window));
    EXPECT_TRUE(window.x() == 360 || area.right() - window.geometry().right() <= 41);
    EXPECT_TRUE(window.y() == 684 || area.bottom() - window.geometry().bottom() <= 41);
}

} // namespace
} // namespace ql
