// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/HelpPages.h"

#include "common/Dialogs.h"

#include <QFileInfo>
#include <QUrl>

namespace ql {

HelpPages::HelpPages(QString folder, Dialogs& dialogs)
    : folder_(std::move(folder)), dialogs_(dialogs) {}

void HelpPages::setWindow(QWidget* window) {
    window_ = window;
}

void HelpPages::HelpButtonClick() {
    openHelp("index.html");
}

void HelpPages::ShowHelpContext(int context) {
    switch (context) {
    case 10:
        return openHelp("settings.html");
    case 20:
        return openHelp("alarm.html");
    default:
        return openHelp("index.html");
    }
}

void HelpPages::ShowHelpTopic(const QString& topic) {
    openHelp(topic + ".htm");
}

void HelpPages::ShowHelpFinder() {
    openHelp("index.html", "index");
}

void HelpPages::openHelp(const QString& page, const QString& fragment) {
    const QFileInfo file(folder_ + page);
    if (!file.isFile()) {
        complain("The help page " + file.absoluteFilePath() + " could not be found.");
        return;
    }
    QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    if (!fragment.isEmpty()) url.setFragment(fragment);
    if (!dialogs_.openUrl(url))
        complain("Could not open the help in a web browser:\n" + url.toString());
}

void HelpPages::complain(const QString& text) {
    dialogs_.message(window_, MessageKind::Error, "Error", text);
}

} // namespace ql
