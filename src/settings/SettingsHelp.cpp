#include "settings/SettingsHelp.h"

#include "common/Modal.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace ql {

void openSettingsHelp(QWidget* parent, const QString& programDir) {
    const QFileInfo page(programDir + "help/settings.html");
    if (!page.isFile()) {
        showMessage(parent, MessageKind::Error, "Error",
                    "The help page " + page.absoluteFilePath() + " could not be found.");
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(page.absoluteFilePath())))
        showMessage(parent, MessageKind::Error, "Error",
                    "Could not open the help in a web browser.");
}

} // namespace ql
