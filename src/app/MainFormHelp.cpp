#include "app/MainForm.h"

#include "common/Modal.h"
#include "info/UrlOpener.h"

#include <QFileInfo>
#include <QUrl>

namespace ql {

void TMainForm::HelpButtonClick() {
    openHelp("index.html");
}

void TMainForm::ShowHelpContext(int context) {
    switch (context) {
    case 10:
        return openHelp("settings.html");
    case 20:
        return openHelp("alarm.html");
    default:
        return openHelp("index.html");
    }
}

void TMainForm::ShowHelpTopic(const QString& topic) {
    openHelp(topic + ".htm");
}

void TMainForm::ShowHelpFinder() {
    openHelp("index.html", "index");
}

// The help is a folder of pages beside the program, read in the user's browser.
void TMainForm::openHelp(const QString& page, const QString& fragment) {
    const QFileInfo file(HelpFile + page);
    if (!file.isFile()) {
        showMessage(this, MessageKind::Error, "Error",
                    "The help page " + file.absoluteFilePath() + " could not be found.");
        return;
    }
    QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    if (!fragment.isEmpty()) url.setFragment(fragment);
    if (!UrlOpener::open(url))
        showMessage(this, MessageKind::Error, "Error",
                    "Could not open the help in a web browser:\n" + url.toString());
}

} // namespace ql
