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
    f.WindowlessCheck->setChecked(m.cfg().FWindowless);
    f.EuroCheck->setChecked(m.cfg().F24HourFormat);
    f.TrayCheck->setChecked(m.cfg().FStartInTray);
    f.TransButtonsCheck->setChecked(m.cfg().FTransparentButtons);
    f.AutoStartCheck->setChecked(m.cfg().FAutoStart);
    f.OnTopCheck->setChecked(m.cfg().FOnTop);
    f.TaskBarCheck->setChecked(m.cfg().FShowInTaskbar);
    f.GlobalShortcutCheck->setChecked(m.cfg().FGlobalShortcut);
    f.BlendCheck->setChecked(m.cfg().FBlendOn);
    f.BlendTrackbar->setValue(m.cfg().FBlendValue);
    f.VolumeTrackbar->setValue(m.cfg().FSpeechVolume);
    // The labels keep their normal colour here; only the check box greys them.
    if (!m.cfg().FBlendOn) f.BlendTrackbar->setEnabled(false);
}

// Through the native window when there is one: setting the widget's flags would hide the
// window and show it again somewhere else, without its shape or its taskbar state.
void applyOnTop(TMainForm& m) {
    if (m.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == m.cfg().FOnTop) return;
    if (m.cfg().FOnTop && !m.windowAllows(WindowFeature::StayOnTop)) return;
    const Qt::WindowFlags flags = m.windowFlags().setFlag(Qt::WindowStaysOnTopHint, m.cfg().FOnTop);
    if (QWindow* native = m.windowHandle()) {
        m.overrideWindowFlags(flags);
        native->setFlags(flags);
    } else {
        m.setWindowFlags(flags);
    }
}

void readTaskbarAndTimer(TMainForm& m, const TSettingsForm& f) {
    m.editSettings([&](SettingsRecord& r) {
        r.FAutoStart = f.AutoStartCheck->isChecked();
        r.FShowInTaskbar = f.TaskBarCheck->isChecked();
        r.FSpeechVolume = f.VolumeTrackbar->value();
    });
    m.followTaskbarSetting();
    // The stored tick interval is kept for older versions; the tick itself follows the second.
}

// The order matters: the layout is settled before the hot key, stay-on-top and blending are
// applied to the window it leaves behind.
void read(TMainForm& m, const TSettingsForm& f) {
    m.editSettings([&](SettingsRecord& r) {
        r.F24HourFormat = f.EuroCheck->isChecked();
        r.FStartInTray = f.TrayCheck->isChecked();
    });
    if (f.TransButtonsCheck->isChecked() != m.cfg().FTransparentButtons) {
        m.editSettings([&](SettingsRecord& r) { r.FTransparentButtons = !r.FTransparentButtons; });
        m.ChangeButtonMode();
    }
    readTaskbarAndTimer(m, f);
    if (f.WindowlessCheck->isChecked() != m.cfg().FWindowless) {
        m.editSettings([&](SettingsRecord& r) { r.FWindowless = !r.FWindowless; });
        m.ChangeMode();
    }
    m.editSettings(
        [&](SettingsRecord& r) { r.FGlobalShortcut = f.GlobalShortcutCheck->isChecked(); });
    m.applyGlobalShortcut();
    m.editSettings([&](SettingsRecord& r) { r.FOnTop = f.OnTopCheck->isChecked(); });
    applyOnTop(m);
    m.editSettings([&](SettingsRecord& r) {
        r.FBlendOn = f.BlendCheck->isChecked();
        r.FBlendValue = f.BlendTrackbar->value();
    });
    m.applyBlending();
    m.FormPaint();
}

} // namespace

void TMainForm::SetupButtonClick() {
    if (raiseIfOpen<TSettingsForm>()) return;
    auto form = std::make_unique<TSettingsForm>(*this);
    followTaskbarSetting();
    fill(*this, *form);
    const bool confirmed = runModal(*form) == QDialog::Accepted;
    if (FClosed) return;
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
