// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"
#include "settings/StoredSettings.h"

#include "common/Dialogs.h"
#include "info/HelpPages.h"
#include "settings/SettingsDialog.h"
#include "speech/SpeechCommands.h"

#include <QWindow>

#include <memory>

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
// matters: the layout is settled before stay-on-top and blending are applied to the window it
// leaves behind, and before the face and the taskbar button follow.
void MainWindow::showSettings(const SettingsChange& change) {
    if (!started_ || closed_) return;
    using R = SettingsRecord;
    if (change.has(&R::FTransparentButtons)) ChangeButtonMode();
    // The stored tick interval is kept for older versions; the tick itself follows the second.
    if (change.hasAny(&R::FWindowless, &R::FSmallMode)) {
        (cfg().FSmallMode ? smallAction_ : bigAction_)->setChecked(true);
        ChangeMode();
    }
    if (change.has(&R::FGlobalShortcut)) applySpeakShortcut();
    applyOnTop();
    if (change.hasAny(&R::FBlendOn, &R::FBlendValue)) applyBlending();
}

void MainWindow::SetupButtonClick() {
    if (dialogs_.raiseOpen()) return;
    auto form = std::make_unique<SettingsDialog>(
        this, cfg(),
        SettingsDialog::Actions{[this](double level) { setBlending(level); },
                                [this](int volume) { speech_.announceAtVolume(volume); },
                                [this] { help_.ShowHelpContext(10); }});
    emit dialogOpens();
    const bool confirmed = dialogs_.run(*form) == QDialog::Accepted;
    if (closed_) return;
    if (confirmed) settings_.assign(form->result());
    applyBlending(); // the chosen level, or the one before the preview
    form.reset();
    emit dialogClosed();
}

} // namespace ql
