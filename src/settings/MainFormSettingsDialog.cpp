#include "app/MainForm.h"

#include "common/Modal.h"
#include "settings/TSettingsForm.h"

#include <QCheckBox>
#include <QSlider>
#include <QWindow>

#include <memory>

namespace ql {
namespace {

void fill(TMainForm& m, TSettingsForm& f) {
    f.WindowlessCheck->setChecked(m.FWindowless);
    f.EuroCheck->setChecked(m.F24HourFormat);
    f.TrayCheck->setChecked(m.FStartInTray);
    f.TransButtonsCheck->setChecked(m.FTransparentButtons);
    f.AutoStartCheck->setChecked(m.FAutoStart);
    f.OnTopCheck->setChecked(m.FOnTop);
    f.TaskBarCheck->setChecked(m.FShowInTaskbar);
    f.GlobalShortcutCheck->setChecked(m.FGlobalShortcut);
    f.BlendCheck->setChecked(m.FBlendOn);
    f.BlendTrackbar->setValue(m.FBlendValue);
    f.VolumeTrackbar->setValue(m.FSpeechVolume);
    // The labels keep their normal colour here; only the check box greys them.
    if (!m.FBlendOn) f.BlendTrackbar->setEnabled(false);
}

// Through the native window when there is one: setting the widget's flags would hide the
// window and show it again somewhere else, without its shape or its taskbar state.
void applyOnTop(TMainForm& m) {
    if (m.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == m.FOnTop) return;
    const Qt::WindowFlags flags = m.windowFlags().setFlag(Qt::WindowStaysOnTopHint, m.FOnTop);
    if (QWindow* native = m.windowHandle()) {
        m.overrideWindowFlags(flags);
        native->setFlags(flags);
    } else {
        m.setWindowFlags(flags);
    }
}

void readTaskbarAndTimer(TMainForm& m, const TSettingsForm& f) {
    m.FAutoStart = f.AutoStartCheck->isChecked();
    m.FShowInTaskbar = f.TaskBarCheck->isChecked();
    m.followTaskbarSetting();
    m.Timer1.setInterval(static_cast<int>(m.FTimerInterval));
    m.FSpeechVolume = f.VolumeTrackbar->value();
}

// The order matters: the layout is settled before the hot key, stay-on-top and blending are
// applied to the window it leaves behind.
void read(TMainForm& m, const TSettingsForm& f) {
    m.F24HourFormat = f.EuroCheck->isChecked();
    m.FStartInTray = f.TrayCheck->isChecked();
    if (f.TransButtonsCheck->isChecked() != m.FTransparentButtons) {
        m.FTransparentButtons = f.TransButtonsCheck->isChecked();
        m.ChangeButtonMode();
    }
    readTaskbarAndTimer(m, f);
    if (f.WindowlessCheck->isChecked() != m.FWindowless) {
        m.FWindowless = f.WindowlessCheck->isChecked();
        m.ChangeMode();
    }
    m.FGlobalShortcut = f.GlobalShortcutCheck->isChecked();
    m.applyGlobalShortcut();
    m.FOnTop = f.OnTopCheck->isChecked();
    applyOnTop(m);
    m.FBlendOn = f.BlendCheck->isChecked();
    m.FBlendValue = f.BlendTrackbar->value();
    m.applyBlending();
    m.FormPaint();
}

} // namespace

void TMainForm::SetupButtonClick() {
    // The notification-area menu stays usable while the dialog is open: one dialog at a time.
    if (auto* open = findChild<TSettingsForm*>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto form = std::make_unique<TSettingsForm>(*this);
    followTaskbarSetting();
    fill(*this, *form);
    const bool confirmed = runModal(*form) == QDialog::Accepted;
    if (confirmed)
        read(*this, *form);
    else
        applyBlending(); // undoes the preview
    form.reset();
    followTaskbarSetting();
    // A crash or power cut later must not lose what the user just confirmed.
    if (confirmed) SaveSettings();
}

} // namespace ql
