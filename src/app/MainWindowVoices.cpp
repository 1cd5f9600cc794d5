#include "app/MainWindow.h"

#include "common/Modal.h"
#include "settings/StoredSettings.h"
#include "speech/VoiceCatalog.h"

namespace ql {

void MainWindow::PrepareVoiceFolder() {
    if (!voices_.PrepareVoiceFolder(stored_.upgraded()))
        showMessage(this, MessageKind::Error, "Error",
                    "Fatal error: Could not create \"voice\" folder");
}

} // namespace ql
