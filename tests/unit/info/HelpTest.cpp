// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit/app/MainWindowFixture.h"

#include "info/HelpPages.h"
#include "info/InfoDesk.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace ql {
namespace {

class HelpTest : public MainWindowFixture {
  protected:
    std::vector<QUrl> urls;
    bool browserStarts = true;
    Dialogs dialogs{fakes.dialogs};

    void SetUp() override {
        MainWindowFixture::SetUp();
        fakes.dialogs.browser = [this](const QUrl& url) {
            urls.push_back(url);
            return browserStarts;
        };
        QDir(dir.path()).mkdir("help");
        for (const char* page : {"index.html", "settings.html", "alarm.html", "IDH_999.htm"})
            QFile(dir.path() + "/help/" + page).open(QIODevice::WriteOnly);
        storeCurrentSettings();
        create();
    }
    QString page(const char* name, const char* fragment = nullptr) {
        QUrl url = QUrl::fromLocalFile(dir.path() + "/help/" + name);
        if (fragment) url.setFragment(fragment);
        return url.toString();
    }
    // Clicks a button of the next window that opens; the button opens help and leaves its window
    // open.
    void clickInNextWindow(const char* button) {
        fakes.dialogs.dialog = [button](QDialog& d) {
            auto* b = d.findChild<QPushButton*>(button);
            EXPECT_NE(b, nullptr) << button;
            if (b) b->click();
            EXPECT_EQ(d.result(), 0) << button << " closed its window";
            return 0;
        };
    }
};

TEST_F(HelpTest, EveryRequestOfTheWindowOpensItsPage) {
    const QString index = page("index.html");
    const struct {
        const char* origin;
        std::function<void()> request;
        QString url;
    } cases[] = {
        {"Help button", [this] { form->findChild<QToolButton*>("HelpButton")->click(); }, index},
        {"Help menu item", [this] { form->findChild<QAction*>("MenuItem5")->trigger(); }, index},
        {"settings dialog",
         [this] {
             clickInNextWindow("HelpButton");
             form->findChild<QToolButton*>("SetupButton")->click();
         },
         page("settings.html")},
        {"alarm dialog",
         [this] {
             clickInNextWindow("HelpButton");
             form->findChild<QToolButton*>("AlarmButton")->click();
         },
         page("alarm.html")},
    };
    for (const auto& c : cases) {
        urls.clear();
        c.request();
        ASSERT_EQ(urls.size(), 1u) << c.origin;
        EXPECT_EQ(urls[0].toString(), c.url) << c.origin;
        EXPECT_TRUE(urls[0].isLocalFile()) << c.origin;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(HelpTest, MissingPageOrBrowserIsSaidPlainly) {
    QFile::remove(dir.path() + "/help/alarm.html");
    HelpPages help(dir.path() + "/help/", dialogs);
    help.ShowHelpContext(20);
    EXPECT_TRUE(urls.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "Error|The help page " + dir.path() + "/help/alarm.html could not be found.");
    browserStarts = false;
    help.HelpButtonClick();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1],
              "Error|Could not open the help in a web browser:\n" + page("index.html"));
}

TEST_F(HelpTest, AboutMenuItemOpensTheAboutWindowOverTheClock) {
    std::vector<QString> titles;
    fakes.dialogs.dialog = [this, &titles](QDialog& d) {
        titles.push_back(d.windowTitle());
        EXPECT_EQ(d.parentWidget(), form);
        return 0;
    };
    form->findChild<QAction*>("About1")->trigger();
    EXPECT_EQ(titles, std::vector<QString>{"About Multilingual Quorlan"});
}

// The information windows on their own, beside a help folder of their own.
class InfoDeskTest : public HelpTest {
  protected:
    HelpPages help{dir.path() + "/help/", dialogs};
    InfoDesk desk{help, dialogs, dir.path() + "/"};
};

TEST_F(InfoDeskTest, TheWelcomeAndUpgradeWindowsLeadToTheirHelp) {
    const struct {
        const char* window;
        const char* button;
        std::function<void()> open;
        QString url;
    } cases[] = {
        {"welcome", "BitBtn2", [this] { desk.showWelcome(); }, page("index.html", "index")},
        {"upgrade", "NewsButton", [this] { desk.showUpgradeNews(); }, page("IDH_999.htm")},
    };
    for (const auto& c : cases) {
        urls.clear();
        clickInNextWindow(c.button);
        c.open();
        ASSERT_EQ(urls.size(), 1u) << c.window;
        EXPECT_EQ(urls[0].toString(), c.url) << c.window;
    }
    EXPECT_TRUE(messages.empty());
}

// Without a home page of the build's own, the links of the information windows lead to the about
// page of the help beside the program, so a click always opens something that exists.
TEST_F(InfoDeskTest, InformationLinksLeadToTheHelpsAboutPage) {
    std::vector<QString> links;
    fakes.dialogs.dialog = [&links](QDialog& d) {
        auto* link = d.findChild<QLabel*>("Label1");
        links.push_back(link ? link->text() : "<no link>");
        return 0;
    };
    desk.About1Click();
    desk.showWelcome();
    desk.showUpgradeNews();
    EXPECT_EQ(links, std::vector<QString>(3, page("about.html")));
}

// The windows belong to the window they are given, so they stay above it and block only it.
TEST_F(InfoDeskTest, WindowsBelongToTheGivenWindow) {
    QWidget owner;
    desk.setWindow(&owner);
    std::vector<QWidget*> parents;
    fakes.dialogs.dialog = [&parents](QDialog& d) {
        parents.push_back(d.parentWidget());
        return 0;
    };
    desk.About1Click();
    desk.showWelcome();
    desk.showUpgradeNews();
    EXPECT_EQ(parents, std::vector<QWidget*>(3, &owner));
}

// The pages the program asks for exist in the built help folder, with the index it jumps to.
TEST(HelpPages, EveryRequestedPageIsBuiltBesideTheProgram) {
    const QString help = QCoreApplication::applicationDirPath() + "/../help/";
    for (const char* page :
         {"index.html", "settings.html", "alarm.html", "IDH_999.htm", "about.html"}) {
        QFile file(help + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
        const QByteArray html = file.readAll();
        EXPECT_TRUE(html.contains("<title>")) << page;
        if (QByteArray(page) == "index.html") {
            EXPECT_TRUE(html.contains("id=\"index\""));
        }
    }
    EXPECT_TRUE(QFile::exists(help + "images/face-big.png"));
}

} // namespace
} // namespace ql
