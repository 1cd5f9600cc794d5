#include "alarm/AlarmHelpPage.h"

#include "common/Modal.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace ql {

AlarmHelpPage::Opener AlarmHelpPage::opener;

void AlarmHelpPage::open(QWidget* parent, const QString& programDir) {
    const QString page = path(programDir);
    if (!QFileInfo(page).isFile()) {
        showMessage(parent, MessageKind::Error, "Error",
                    "The help page " + page + " was not found.");
        return;
    }
    const QUrl url = QUrl::fromLocalFile(page);
    const bool opened = opener ? opener(url) : QDesktopServices::openUrl(url);
    if (!opened)
        showMessage(parent, MessageKind::Error, "Error", "No program could open " + page + ".");
}

} // namespace ql
