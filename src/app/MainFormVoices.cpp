#include "app/MainForm.h"

#include "common/Modal.h"
#include "speech/VoiceCatalog.h"

namespace ql {

void TMainForm::PrepareVoiceFolder() {
    if (!voices_.PrepareVoiceFolder(FUpgraded))
        showMessage(this, MessageKind::Error, "Error",
                    "Fatal error: Could not create \"voice\" folder");
}

} // namespace ql
