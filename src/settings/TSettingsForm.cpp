#include "settings/TSettingsForm.h"


#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace ql {
namespace {

template <class W> W* place(W* widget, const char* name, QRect geometry) {
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

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

QSlider* trackBar(QWidget* page, const char* name, QRect geometry, int min, int max, int tick,
                  const QString& hint) {
    auto* s = place(new QSlider(Qt::Horizontal, page), name, geometry);
    s->setRange(min, max);
    s->setTickInterval(tick);
    s->setTickPosition(QSlider::TicksBelow);
    s->setToolTip(hint);
    return s;
}

QPushButton* dialogButton(QWidget* parent, const char* name, const QString& text, QRect geometry,
                          QStyle::StandardPixmap icon) {
    auto* b = place(new QPushButton(text, parent), name, geometry);
    b->setIcon(parent->style()->standardIcon(icon));
    return b;
}

QFont dialogFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

} // namespace

TSettingsForm::TSettingsForm(QWidget* parent, const SettingsRecord& settings, Actions actions)
    : QDialog(parent), settings_(settings), actions_(std::move(actions)) {
    setObjectName("SettingsForm");
    setWindowTitle("Settings");
    setFont(dialogFont());
    setFixedSize(418, 278);
    createPages();
    createButtons();
    connectHandlers();
    orderTabs();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    fill();
}

void TSettingsForm::createPages() {
    PageControl = place(new QTabWidget(this), "PageControl", rect());
    // Bold tabs over regular contents: the font goes to the tab bar alone.
    QFont bold = font();
    bold.setBold(true);
    PageControl->tabBar()->setFont(bold);
    createDisplayPage();
    createProgramPage();
    createSoundPage();
}

void TSettingsForm::createDisplayPage() {
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName("TabSheet1");
    PageControl->addTab(TabSheet1, "Display options");
    WindowlessCheck =
        check(TabSheet1, "WindowlessCheck", "Windowless (no title bar)", {16, 15, 157, 17});
    EuroCheck = check(TabSheet1, "EuroCheck", "24 hr format", {16, 40, 97, 17});
    OnTopCheck = check(TabSheet1, "OnTopCheck", "Always on top", {16, 65, 157, 17});
    TransButtonsCheck =
        check(TabSheet1, "TransButtonsCheck", "Transparent buttons", {16, 90, 157, 17});
    BlendCheck = check(TabSheet1, "BlendCheck", "Transparent main window", {208, 15, 157, 17});
    BlendTrackbar =
        trackBar(TabSheet1, "BlendTrackbar", {224, 38, 125, 27}, 50, 255, 26, "Transparency level");
    BlendLabel1 = label(TabSheet1, "BlendLabel1", "Transp.", {229, 63}, true);
    BlendLabel2 = label(TabSheet1, "BlendLabel2", "Solid", {321, 63}, true);
}

void TSettingsForm::createProgramPage() {
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName("TabSheet2");
    PageControl->addTab(TabSheet2, "Program options");
    TrayCheck = check(TabSheet2, "TrayCheck", "Start minimized in tray", {16, 15, 149, 17});
    AutoStartCheck =
        check(TabSheet2, "AutoStartCheck", "Start clock with Windows", {16, 40, 149, 17});
    TaskBarCheck = check(TabSheet2, "TaskBarCheck", "Show program in taskbar", {16, 65, 149, 17});
    GlobalShortcutCheck =
        check(TabSheet2, "GlobalShortcutCheck", "Enable global shortcut", {16, 90, 149, 17});
    Label1 = label(TabSheet2, "Label1", "for speech (Ctrl-Alt-S)", {35, 106});
}

void TSettingsForm::createSoundPage() {
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName("TabSheet3");
    PageControl->addTab(TabSheet3, "Sound options");
    Label3 = label(TabSheet3, "Label3", "Speech volume", {18, 18});
    VolumeTrackbar =
        trackBar(TabSheet3, "VolumeTrackbar", {13, 34, 156, 27}, 10, 65, 5, "Sound volume");
    Label4 = label(TabSheet3, "Label4", "Low", {21, 59}, true);
    Label5 = label(TabSheet3, "Label5", "High", {146, 59}, true);
    SpeechVolPreviewButton = place(new QPushButton("Test speech volume", TabSheet3),
                                   "SpeechVolPreviewButton", {16, 81, 150, 28});
}

// The buttons lie over the lower part of the pages, so they are made after them.
void TSettingsForm::createButtons() {
    BitBtn1 = dialogButton(this, "BitBtn1", "&OK", {87, 209, 71, 40}, QStyle::SP_DialogOkButton);
    BitBtn1->setDefault(true);
    HelpButton = dialogButton(this, "HelpButton", "&Help", {176, 209, 71, 40},
                              QStyle::SP_MessageBoxQuestion);
    HelpButton->setToolTip("Help");
    BitBtn2 =
        dialogButton(this, "BitBtn2", "&Cancel", {266, 209, 71, 40}, QStyle::SP_DialogCancelButton);
}

// toggled also fires when the main window ticks the box while filling the dialog, as a click
// would: that is what starts the preview of a stored transparency.
void TSettingsForm::connectHandlers() {
    connect(BlendCheck, &QCheckBox::toggled, this, &TSettingsForm::BlendCheckClick);
    connect(BlendTrackbar, &QSlider::valueChanged, this, &TSettingsForm::BlendTrackbarChange);
    connect(VolumeTrackbar, &QSlider::valueChanged, this, &TSettingsForm::VolumeTrackbarChange);
    connect(SpeechVolPreviewButton, &QPushButton::clicked, this,
            &TSettingsForm::SpeechVolPreviewButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TSettingsForm::HelpButtonClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TSettingsForm::orderTabs() {
    const QList<QWidget*> order{BitBtn1,         BitBtn2,
                                HelpButton,      PageControl,
                                WindowlessCheck, EuroCheck,
                                OnTopCheck,      TransButtonsCheck,
                                BlendCheck,      BlendTrackbar,
                                TrayCheck,       AutoStartCheck,
                                TaskBarCheck,    GlobalShortcutCheck,
                                VolumeTrackbar,  SpeechVolPreviewButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    BitBtn1->setFocus();
}

void TSettingsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TSettingsForm::FormShow() {
    PageControl->setCurrentIndex(0);
}

void TSettingsForm::BlendCheckClick() {
    const bool on = BlendCheck->isChecked();
    BlendTrackbar->setEnabled(on);
    colourBlendLabels(on ? QPalette::WindowText : QPalette::Dark);
    if (actions_.previewBlending) actions_.previewBlending(on ? BlendTrackbar->value() / 255.0 : 1.0);
}

// Without blending the level is only remembered; the window stays opaque.
void TSettingsForm::BlendTrackbarChange() {
    if (BlendCheck->isChecked() && actions_.previewBlending)
        actions_.previewBlending(BlendTrackbar->value() / 255.0);
}

void TSettingsForm::colourBlendLabels(QPalette::ColorRole role) {
    const QColor colour = palette().color(QPalette::Active, role);
    for (QLabel* l : {BlendLabel1, BlendLabel2}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, colour);
        l->setPalette(p);
    }
}

// The stored volume stays: the trial announcement only borrows the slider's.
void TSettingsForm::SpeechVolPreviewButtonClick() {
    if (actions_.tryVolume) actions_.tryVolume(VolumeTrackbar->value());
}

void TSettingsForm::HelpButtonClick() {
    if (actions_.help) actions_.help();
}

void TSettingsForm::fill() {
    const SettingsRecord& s = settings_;
    WindowlessCheck->setChecked(s.FWindowless);
    EuroCheck->setChecked(s.F24HourFormat);
    TrayCheck->setChecked(s.FStartInTray);
    TransButtonsCheck->setChecked(s.FTransparentButtons);
    AutoStartCheck->setChecked(s.FAutoStart);
    OnTopCheck->setChecked(s.FOnTop);
    TaskBarCheck->setChecked(s.FShowInTaskbar);
    GlobalShortcutCheck->setChecked(s.FGlobalShortcut);
    BlendCheck->setChecked(s.FBlendOn);
    BlendTrackbar->setValue(s.FBlendValue);
    VolumeTrackbar->setValue(s.FSpeechVolume);
    // The labels keep their normal colour here; only the check box greys them.
    if (!s.FBlendOn) BlendTrackbar->setEnabled(false);
}

SettingsRecord TSettingsForm::result() const {
    SettingsRecord r = settings_;
    r.FWindowless = WindowlessCheck->isChecked();
    r.F24HourFormat = EuroCheck->isChecked();
    r.FStartInTray = TrayCheck->isChecked();
    r.FTransparentButtons = TransButtonsCheck->isChecked();
    r.FAutoStart = AutoStartCheck->isChecked();
    r.FOnTop = OnTopCheck->isChecked();
    r.FShowInTaskbar = TaskBarCheck->isChecked();
    r.FGlobalShortcut = GlobalShortcutCheck->isChecked();
    r.FBlendOn = BlendCheck->isChecked();
    r.FBlendValue = BlendTrackbar->value();
    r.FSpeechVolume = VolumeTrackbar->value();
    return r;
}

} // namespace ql
