// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsDialog.h"

#include "common/DialogLayout.h"
#include "settings/SettingsTable.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace ql {
namespace {

// The desktop's fonts run wider than the ones the layout was made for: a caption never clips.
QCheckBox* check(QWidget* page, const char* name, const QString& caption, QRect geometry) {
    auto* box = place(new QCheckBox(caption, page), name, geometry);
    box->resize(std::max(geometry.width(), box->sizeHint().width()), geometry.height());
    return box;
}

QLabel* label(QWidget* page, const char* name, const QString& text, QPoint at, bool small = false) {
    auto* l = new QLabel(text, page);
    l->setObjectName(name);
    if (small) {
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() - 1.5);
        l->setFont(f);
    }
    l->adjustSize();
    l->move(at);
    return l;
}

QSlider* trackBar(QWidget* page, const char* name, QRect geometry, ValueRange range, int tick,
                  const QString& hint) {
    auto* s = place(new QSlider(Qt::Horizontal, page), name, geometry);
    s->setRange(static_cast<int>(range.min), static_cast<int>(range.max));
    s->setTickInterval(tick);
    s->setTickPosition(QSlider::TicksBelow);
    s->setToolTip(hint);
    s->setAccessibleName(hint);
    return s;
}

QFont dialogFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

} // namespace

SettingsDialog::SettingsDialog(QWidget* parent, const SettingsRecord& settings, Actions actions)
    : QDialog(parent), settings_(settings), actions_(std::move(actions)) {
    setObjectName("SettingsForm");
    setWindowTitle("Settings");
    setFont(dialogFont());
    setFixedSize(418, 278);
    createPages();
    createButtons();
    connectHandlers();
    orderTabs();
    centreOnScreen(*this);
    fill();
}

void SettingsDialog::createPages() {
    pages_ = place(new QTabWidget(this), "PageControl", rect());
    // Bold tabs over regular contents: the font goes to the tab bar alone.
    QFont bold = font();
    bold.setBold(true);
    pages_->tabBar()->setFont(bold);
    createDisplayPage();
    createProgramPage();
    createSoundPage();
}

void SettingsDialog::createDisplayPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet1");
    pages_->addTab(page, "Display options");
    windowlessCheck_ =
        check(page, "WindowlessCheck", "Windowless (no title bar)", {16, 15, 157, 17});
    hour24Check_ = check(page, "EuroCheck", "24 hr format", {16, 40, 97, 17});
    onTopCheck_ = check(page, "OnTopCheck", "Always on top", {16, 65, 157, 17});
    flatButtonsCheck_ = check(page, "TransButtonsCheck", "Transparent buttons", {16, 90, 157, 17});
    blendCheck_ = check(page, "BlendCheck", "Transparent main window", {208, 15, 157, 17});
    blendSlider_ =
        trackBar(page, "BlendTrackbar", {224, 38, 125, 27},
                 settingOf(&SettingsRecord::FBlendValue).offered(), 26, "Transparency level");
    blendLowLabel_ = label(page, "BlendLabel1", "Transp.", {229, 63}, true);
    blendHighLabel_ = label(page, "BlendLabel2", "Solid", {321, 63}, true);
}

void SettingsDialog::createProgramPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet2");
    pages_->addTab(page, "Program options");
    startInTrayCheck_ = check(page, "TrayCheck", "Start minimized in tray", {16, 15, 149, 17});
    autoStartCheck_ = check(page, "AutoStartCheck", "Start clock when I log in", {16, 40, 149, 17});
    taskbarCheck_ = check(page, "TaskBarCheck", "Show program in taskbar", {16, 65, 149, 17});
    hotKeyCheck_ = check(page, "GlobalShortcutCheck", "Enable global shortcut", {16, 90, 149, 17});
    label(page, "Label1", "for speech (Ctrl-Alt-S)", {35, 106});
    hotKeyCheck_->setAccessibleDescription("for speech (Ctrl-Alt-S)");
}

void SettingsDialog::createSoundPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet3");
    pages_->addTab(page, "Sound options");
    label(page, "Label3", "Speech volume", {18, 18});
    volumeSlider_ =
        trackBar(page, "VolumeTrackbar", {13, 34, 156, 27},
                 settingOf(&SettingsRecord::FSpeechVolume).offered(), 5, "Sound volume");
    volumeSlider_->setAccessibleName("Speech volume"); // its label's text, for a screen reader
    label(page, "Label4", "Low", {21, 59}, true);
    label(page, "Label5", "High", {146, 59}, true);
    volumeTryButton_ = place(new QPushButton("Test speech volume", page), "SpeechVolPreviewButton",
                             {16, 81, 150, 28});
}

// The buttons lie over the lower part of the pages, so they are made after them.
void SettingsDialog::createButtons() {
    okButton_ = dialogButton(this, "BitBtn1", "&OK", {87, 209, 71, 40}, QStyle::SP_DialogOkButton);
    okButton_->setDefault(true);
    helpButton_ = dialogButton(this, "HelpButton", "&Help", {176, 209, 71, 40},
                               QStyle::SP_MessageBoxQuestion);
    helpButton_->setToolTip("Help");
    cancelButton_ =
        dialogButton(this, "BitBtn2", "&Cancel", {266, 209, 71, 40}, QStyle::SP_DialogCancelButton);
}

// toggled also fires when the main window ticks the box while filling the dialog, as a click
// would: that is what starts the preview of a stored transparency.
void SettingsDialog::connectHandlers() {
    connect(blendCheck_, &QCheckBox::toggled, this, &SettingsDialog::BlendCheckClick);
    connect(blendSlider_, &QSlider::valueChanged, this, &SettingsDialog::BlendTrackbarChange);
    connect(volumeSlider_, &QSlider::valueChanged, this, &SettingsDialog::VolumeTrackbarChange);
    connect(volumeTryButton_, &QPushButton::clicked, this,
            &SettingsDialog::SpeechVolPreviewButtonClick);
    connect(helpButton_, &QPushButton::clicked, this, &SettingsDialog::HelpButtonClick);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void SettingsDialog::orderTabs() {
    const QList<QWidget*> order{
        okButton_,        cancelButton_, helpButton_,       pages_,
        windowlessCheck_, hour24Check_,  onTopCheck_,       flatButtonsCheck_,
        blendCheck_,      blendSlider_,  startInTrayCheck_, autoStartCheck_,
        taskbarCheck_,    hotKeyCheck_,  volumeSlider_,     volumeTryButton_};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    okButton_->setFocus();
}

void SettingsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void SettingsDialog::FormShow() {
    pages_->setCurrentIndex(0);
}

void SettingsDialog::BlendCheckClick() {
    const bool on = blendCheck_->isChecked();
    blendSlider_->setEnabled(on);
    colourBlendLabels(on ? QPalette::WindowText : QPalette::Dark);
    if (actions_.previewBlending) actions_.previewBlending(on ? opacity() : 1.0);
}

// Without blending the level is only remembered; the window stays opaque.
void SettingsDialog::BlendTrackbarChange() {
    if (blendCheck_->isChecked() && actions_.previewBlending) actions_.previewBlending(opacity());
}

double SettingsDialog::opacity() const {
    return blendSlider_->value() / double(settingOf(&SettingsRecord::FBlendValue).stored.max);
}

void SettingsDialog::colourBlendLabels(QPalette::ColorRole role) {
    const QColor colour = palette().color(QPalette::Active, role);
    for (QLabel* l : {blendLowLabel_, blendHighLabel_}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, colour);
        l->setPalette(p);
    }
}

// The stored volume stays: the trial announcement only borrows the slider's.
void SettingsDialog::SpeechVolPreviewButtonClick() {
    if (actions_.tryVolume) actions_.tryVolume(volumeSlider_->value());
}

void SettingsDialog::HelpButtonClick() {
    if (actions_.help) actions_.help();
}

void SettingsDialog::fill() {
    const SettingsRecord& s = settings_;
    windowlessCheck_->setChecked(s.FWindowless);
    hour24Check_->setChecked(s.F24HourFormat);
    startInTrayCheck_->setChecked(s.FStartInTray);
    flatButtonsCheck_->setChecked(s.FTransparentButtons);
    autoStartCheck_->setChecked(s.FAutoStart);
    onTopCheck_->setChecked(s.FOnTop);
    taskbarCheck_->setChecked(s.FShowInTaskbar);
    hotKeyCheck_->setChecked(s.FGlobalShortcut);
    blendCheck_->setChecked(s.FBlendOn);
    blendSlider_->setValue(s.FBlendValue);
    volumeSlider_->setValue(s.FSpeechVolume);
    // The labels keep their normal colour here; only the check box greys them.
    if (!s.FBlendOn) blendSlider_->setEnabled(false);
}

SettingsRecord SettingsDialog::result() const {
    SettingsRecord r = settings_;
    r.FWindowless = windowlessCheck_->isChecked();
    r.F24HourFormat = hour24Check_->isChecked();
    r.FStartInTray = startInTrayCheck_->isChecked();
    r.FTransparentButtons = flatButtonsCheck_->isChecked();
    r.FAutoStart = autoStartCheck_->isChecked();
    r.FOnTop = onTopCheck_->isChecked();
    r.FShowInTaskbar = taskbarCheck_->isChecked();
    r.FGlobalShortcut = hotKeyCheck_->isChecked();
    r.FBlendOn = blendCheck_->isChecked();
    r.FBlendValue = blendSlider_->value();
    r.FSpeechVolume = volumeSlider_->value();
    return r;
}

} // namespace ql
