#include "app/MainForm.h"
#include "settings/StoredSettings.h"

#include "common/Modal.h"
#include "info/HelpPages.h"
#include "settings/SettingsDialog.h"
#include "speech/SpeechCommands.h"
#include "tray/TrayController.h"

#include <QWindow>

#include <memory>

namespace ql {

// Through the native window when there is one: setting the widget's flags would hide the
// window and show it again somewhere else, without its shape or its taskbar state.
void TMainForm::applyOnTop() {
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == cfg().FOnTop) return;
    if (cfg().FOnTop && !windowAllows(WindowFeature::StayOnTop)) return;
    const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, cfg().FOnTop);
    if (QWindow* native = windowHandle()) {
        overrideWindowFlags(flags);
        native->setFlags(flags);
    } else {
        setWindowFlags(flags);
    }
}

// The order matters: the layout is settled before the hot key, stay-on-top and blending are
// applied to the window it leaves behind.
void TMainForm::applyDialogSettings(const SettingsRecord& chosen) {
    const SettingsRecord before = cfg();
    settings_.assign(chosen);
    if (chosen.FTransparentButtons != before.FTransparentButtons) ChangeButtonMode();
    tray_.followTaskbarSetting();
    // The stored tick interval is kept for older versions; the tick itself follows the second.
    if (chosen.FWindowless != before.FWindowless) ChangeMode();
    applyGlobalShortcut();
    applyOnTop();
    applyBlending();
    FormPaint();
}

void TMainForm::SetupButtonClick() {
    if (raiseIfOpen<SettingsDialog>()) return;
    auto form = std::make_unique<SettingsDialog>(
        this, cfg(),
        SettingsDialog::Actions{[this](double level) { setBlending(level); },
                                [this](int volume) { speech_.announceAtVolume(volume); },
                                [this] { help_.ShowHelpContext(10); }});
    tray_.followTaskbarSetting();
    const bool confirmed = runModal(*form) == QDialog::Accepted;
    if (FClosed) return;
    if (confirmed)
        applyDialogSettings(form->result());
    else
        applyBlending(); // undoes the preview
    form.reset();
    tray_.followTaskbarSetting();
    // A crash or power cut later must not lose what the user just confirmed.
    if (confirmed) stored_.SaveSettings();
}

} // namespace ql
