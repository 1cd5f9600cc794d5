#include "unit/app/MainFormFixture.h"

#include "info/UrlOpener.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace ql {
namespace {

class HelpTest : public MainFormFixture {
  protected:
    std::vector<QUrl> urls;
    bool browserStarts = true;

    void SetUp() override {
        MainFormFixture::SetUp();
        UrlOpener::hook = [this](const QUrl& url) {
            urls.push_back(url);
            return browserStarts;
        };
        QDir(dir.path()).mkdir("help");
        for (const char* page : {"index.html", "settings.html", "alarm.html", "IDH_999.htm"})
            QFile(dir.path() + "/help/" + page).open(QIODevice::WriteOnly);
        storeCurrentSettings();
        create();
    }
    void TearDown() override {
        UrlOpener::hook = nullptr;
        ModalHooks::dialog = nullptr;
        MainFormFixture::TearDown();
    }
    QString page(const char* name, const char* fragment = nullptr) {
        QUrl url = QUrl::fromLocalFile(dir.path() + "/help/" + name);
        if (fragment) url.setFragment(fragment);
        return url.toString();
    }
    // Clicks a button of the next information window that opens.
    void clickInNextWindow(const char* button) {
        ModalHooks::dialog = [button](QDialog& d) {
            d.findChild<QPushButton*>(button)->click();
            EXPECT_EQ(d.result(), 0) << button << " closed its window";
            return 0;
        };
    }
};

TEST_F(HelpTest, EveryRequestOpensItsPage) {
    struct {
        const char* origin;
        std::function<void()> request;
        QString url;
    } const cases[] = {
        {"Help button", [this] { form->HelpButton->click(); }, page("index.html")},
        {"Help menu item",
         [this] { form->MainPopupMenu->findChild<QAction*>("MenuItem5")->trigger(); },
         page("index.html")},
        {"settings dialog", [this] { form->ShowHelpContext(10); }, page("settings.html")},
        {"alarm dialog", [this] { form->ShowHelpContext(20); }, page("alarm.html")},
        {"welcome window",
         [this] {
             clickInNextWindow("BitBtn2");
             form->FFirstRun = true;
             form->FirstRunExecute();
         },
         page("index.html", "index")},
        {"upgrade window",
         [this] {
             clickInNextWindow("NewsButton");
             form->FUpgraded = true;
             form->FirstRunExecute();
         },
         page("IDH_999.htm")},
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
    form->ShowHelpContext(20);
    EXPECT_TRUE(urls.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith("Error|The help page "));
    EXPECT_TRUE(messages[0].contains("alarm.html"));
    browserStarts = false;
    form->HelpButtonClick();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].startsWith("Error|Could not open the help in a web browser"));
}

TEST_F(HelpTest, AboutMenuItemOpensTheAboutWindow) {
    std::vector<QString> titles;
    ModalHooks::dialog = [&titles](QDialog& d) {
        titles.push_back(d.windowTitle());
        return 0;
    };
    form->MainPopupMenu->findChild<QAction*>("About1")->trigger();
    EXPECT_EQ(titles, std::vector<QString>{"About Multilingual Quorlan"});
}

// Without a home page of the build's own, the links of the information windows lead to the about
// page of the help beside the program, so a click always opens something that exists.
TEST_F(HelpTest, InformationLinksLeadToTheHelpsAboutPage) {
    std::vector<QString> links;
    ModalHooks::dialog = [&links](QDialog& d) {
        auto* link = d.findChild<QLabel*>("Label1");
        links.push_back(link ? link->text() : "<no link>");
        return 0;
    };
    form->About1Click();
    form->FFirstRun = true;
    form->FUpgraded = true;
    form->FirstRunExecute();
    EXPECT_EQ(links, std::vector<QString>(3, page("about.html")));
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
