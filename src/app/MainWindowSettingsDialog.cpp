// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"
#include "settings/StoredSettings.h"

#include "common/Dialogs.h"
#include "info/HelpPages.h"
#include "settings/SettingsDialog.h"
#include "speech/SpeechCommands.h"
#include "tray/TrayController.h"

#include <QWindow>

#include <memory>
#include <utility>

namespace ql {

// Through the native window when there is one: setting the widget's flags would hide the
// window and show it again somewhere else, without its shape or its taskbar state.
void MainWindow::applyOnTop() {
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

// Whoever changed the settings (a dialog, a menu, start-up), the window shows them. The order
// matters: the layout is settled before the hot key, stay-on-top and blending are applied to the
// window it leaves behind.
void MainWindow::showSettings() {
    if (!started_ || closed_) return;
    const SettingsRecord before = std::exchange(shown_, cfg());
    const SettingsRecord& now = shown_;
    if (now.FTransparentButtons != before.FTransparentButtons) ChangeButtonMode();
    if (now.FShowInTaskbar != before.FShowInTaskbar) tray_.followTaskbarSetting();
    // The stored tick interval is kept for older versions; the tick itself follows the second.
    if (now.FWindowless != before.FWindowless || now.FSmallMode != before.FSmallMode) {
        (now.FSmallMode ? smallAction_ : bigAction_)->setChecked(true);
        ChangeMode();
    }
    applyGlobalShortcut(); // also retries a key another program held before
    applyOnTop();
    if (now.FBlendOn != before.FBlendOn || now.FBlendValue != before.FBlendValue) applyBlending();
    FormPaint();
}

void MainWindow::SetupButtonClick() {
    if (dialogs_.raiseOpen()) return;
    auto form = std::make_unique<SettingsDialog>(
        this, cfg(),
        SettingsDialog::Actions{[this](double level) { setBlending(level); },
                                [this](int volume) { speech_.announceAtVolume(volume); },
                                [this] { help_.ShowHelpContext(10); }});
    tray_.followTaskbarSetting();
    const bool confirmed = dialogs_.run(*form) == QDialog::Accepted;
    if (closed_) return;
    if (confirmed) settings_.assign(form->result());
    applyBlending(); // the chosen level, or the one before the preview
    form.reset();
    tray_.followTaskbarSetting();
    // A crash or power cut later must not lose what the user just confirmed.
    if (confirmed) stored_.SaveSettings();
}

} // namespace ql
