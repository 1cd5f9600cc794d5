#include "app/MainForm.h"

#include "display/BackPanel.h"
#include "display/PaintBox.h"
#include "display/RoundRectRegion.h"
#include "display/WindowDragger.h"

#include <QAction>
#include <QCursor>
#include <QToolButton>
#include <QWindow>

namespace ql {
namespace {

struct Frame {
    int background;
    QSize frameless;
    QSize framedClient; // the window manager adds its own frame around it
    QRegion shape;
    const char* caption;
    Qt::WindowFlags framedFlags;
    QPoint minimizeButton;
};

const Frame& frameFor(bool small) {
    static const Frame big{15,
                           {292, 130},
                           {292, 130},
                           roundRectRegion(293, 131, 2, 2),
                           "Multilingual Quorlan",
                           Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint,
                           {275, 4}};
    static const Frame little{
        16,
        {150, 40},
        {150, 32},
        roundRectRegion(151, 41, 1, 1),
        "Quorlan",
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint,
        {132, 4}};
    return small ? little : big;
}

} // namespace

// The paint boxes, created in the order the full redraw draws them, so that where boxes
// overlap the later one lies on top, as its pixels would.
void TMainForm::createFace() {
    auto* panel = new TBackPanel(this);
    BackPanel = panel;
    connect(panel, &TBackPanel::shown, this, &TMainForm::FormPaint);
    connect(panel, &TBackPanel::mousePressed, this, &TMainForm::BackPanelMouseDown);
    const auto box = [&](const char* name, QRect geometry, void (TMainForm::*paint)()) {
        auto* b = new TPaintBox(panel, name, geometry);
        if (paint) connect(b, &TPaintBox::painting, this, paint);
        connect(b, &TPaintBox::mousePressed, this, &TMainForm::BackPanelMouseDown);
        return b;
    };
    const auto bigPaint = &TMainForm::Hour1PaintboxPaint;
    Hour1Paintbox = box("Hour1Paintbox", {21, 36, 31, 47}, bigPaint);
    Hour2Paintbox = box("Hour2Paintbox", {50, 36, 31, 47}, bigPaint);
    APPaintBox = box("APPaintBox", {18, 46, 22, 33}, nullptr);
    MiscPaintbox = box("MiscPaintbox", {22, 14, 141, 21}, bigPaint);
    ColPaintBox = box("ColPaintBox", {81, 43, 9, 33}, nullptr);
    Min1Paintbox = box("Min1Paintbox", {92, 36, 31, 47}, bigPaint);
    Min2Paintbox = box("Min2Paintbox", {121, 36, 31, 47}, bigPaint);
    Sec1PaintBox = box("Sec1PaintBox", {153, 50, 22, 33}, bigPaint);
    Sec2PaintBox = box("Sec2PaintBox", {173, 50, 22, 33}, bigPaint);
    Date1Paintbox = box("Date1Paintbox", {166, 16, 14, 21}, bigPaint);
    Date2Paintbox = box("Date2Paintbox", {180, 16, 14, 21}, nullptr);
    WeekdayPaintBox = box("WeekdayPaintBox", {21, 82, 174, 14}, bigPaint);
    MTPaintBox = box("MTPaintBox", {9, 10, 80, 21}, &TMainForm::MTPaintBoxPaint);
    Dragger = new WindowDragger(this);
    connect(Dragger, &WindowDragger::settled, this, &TMainForm::SaveSettings);
}

void TMainForm::ChangeMode() {
    const Frame& frame = frameFor(cfg().FSmallMode);
    auto* panel = static_cast<TBackPanel*>(BackPanel);
    panel->setImageIndex(frame.background);
    // A new background repaints every box: what the old layout drew is gone.
    for (TPaintBox* b : panel->findChildren<TPaintBox*>(Qt::FindDirectChildrenOnly))
        b->clear();
    applyFrame();
    applyControls();
    FormPaint();
}

// A shown window changes its frame in place: hidden and shown again by setWindowFlags, it can
// be left unmapped or unframed by the window manager (icewm, when the frame comes back).
static void setFlagsKeepingWindow(QWidget& w, Qt::WindowFlags flags) {
    if (w.isVisible() && w.windowHandle()) {
        w.overrideWindowFlags(flags);
        w.windowHandle()->setFlags(flags);
    } else {
        w.setWindowFlags(flags);
    }
}

// Setting the window flags re-creates the native window, which drops any earlier shape and
// hides the window; it is shown again where it was.
void TMainForm::applyFrame() {
    const Frame& frame = frameFor(cfg().FSmallMode);
    const bool wasVisible = isVisible();
    const QPoint at = pos();
    const Qt::WindowFlags keep = windowFlags() & Qt::WindowStaysOnTopHint;
    if (cfg().FWindowless) {
        setFixedSize(frame.frameless);
        setFlagsKeepingWindow(*this, Qt::Window | Qt::FramelessWindowHint | keep);
        MinimizeButton->setVisible(true);
        setMask(frame.shape);
    } else {
        setWindowTitle(frame.caption);
        setFlagsKeepingWindow(*this, frame.framedFlags | keep);
        clearMask();
        setFixedSize(frame.framedClient);
        MinimizeButton->setVisible(false);
    }
    move(at);
    if (!wasVisible) return;
    show();
    // The new native window has forgotten whether it keeps a taskbar button.
    if (cfg().FShowInTaskbar)
        ShowTaskbarButton();
    else
        HideTaskbarButton();
}

void TMainForm::applyControls() {
    const bool big = !cfg().FSmallMode;
    for (TPaintBox* b :
         {Hour1Paintbox, Hour2Paintbox, Min1Paintbox, Min2Paintbox, Sec1PaintBox, Sec2PaintBox})
        b->setVisible(big);
    MTPaintBox->setVisible(!big);
    for (TPaintBox* b : {APPaintBox, ColPaintBox, MiscPaintbox, WeekdayPaintBox})
        b->setVisible(big);
    for (QToolButton* b : {LangSelButton, AlarmButton, SetupButton, OptionsButton})
        b->setVisible(big);
    MinimizeButton->move(frameFor(cfg().FSmallMode).minimizeButton);
    AnnounceButton->setGeometry(big ? QRect(210, 102, 58, AnnounceButton->height())
                                    : QRect(103, 9, 24, AnnounceButton->height()));
    Date1Paintbox->move(big ? QPoint(166, 16) : QPoint(50, 10));
    Date2Paintbox->move(big ? QPoint(180, 16) : QPoint(64, 10));
}

void TMainForm::ChangeButtonMode() {
    for (QToolButton* b :
         {AnnounceButton, LangSelButton, AlarmButton, SetupButton, HelpButton, OptionsButton})
        b->setAutoRaise(cfg().FTransparentButtons);
    MinimizeButton->setAutoRaise(false);
}

void TMainForm::MI_smallClick() {
    if (cfg().FSmallMode) return;
    editSettings([](SettingsRecord& r) { r.FSmallMode = true; });
    MI_big->setChecked(false);
    MI_small->setChecked(true);
    ChangeMode();
    SaveSettings();
}

void TMainForm::MI_bigClick() {
    if (!cfg().FSmallMode) return;
    editSettings([](SettingsRecord& r) { r.FSmallMode = false; });
    MI_big->setChecked(true);
    MI_small->setChecked(false);
    ChangeMode();
    SaveSettings();
}

// The right button is left to the context menu.
void TMainForm::BackPanelMouseDown(Qt::MouseButton Button) {
    if (Button != Qt::LeftButton) return;
    Dragger->start(QCursor::pos());
}

} // namespace ql
