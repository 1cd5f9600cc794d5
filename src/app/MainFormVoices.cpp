#include "app/MainForm.h"

#include "common/Modal.h"
#include "speech/Announcer.h"
#include "speech/VoiceCatalog.h"

namespace ql {

void TMainForm::PrepareVoiceFolder() {
    if (!voices_.PrepareVoiceFolder(FUpgraded))
        showMessage(this, MessageKind::Error, "Error",
                    "Fatal error: Could not create \"voice\" folder");
}

void TMainForm::ScanVoiceFolder() {
    voices_.ScanVoiceFolder();
}

void TMainForm::LoadLanguage() {
    announcer_.setVoice(nullptr);
    const QString problem = voices_.LoadLanguage(cfg().SelectedLanguage);
    announcer_.setVoice(voices_.speakProc());
    if (!problem.isEmpty()) showMessage(this, MessageKind::Error, "Error", problem);
}

} // namespace ql
