// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"
#include "settings/StoredSettings.h"

#include "face/FaceView.h"
#include "face/RoundRectRegion.h"
#include "face/WindowDragger.h"
#include "tray/TrayController.h"

#include <QAction>
#include <QCursor>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

namespace ql {
namespace {

struct Frame {
    QSize frameless;
    QSize framedClient; // the window manager adds its own frame around it
    QRegion shape;
    const char* caption;
    Qt::WindowFlags framedFlags;
    QPoint minimizeButton;
};

const Frame& frameFor(bool small) {
    static const Frame big{{292, 130},
                           {292, 130},
                           roundRectRegion(293, 131, 2, 2),
                           "Multilingual Quorlan",
                           Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint,
                           {275, 4}};
    static const Frame little{{150, 40},
                              {150, 32},
                              roundRectRegion(151, 41, 1, 1),
                              "Quorlan",
                              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowCloseButtonHint,
                              {132, 4}};
    return small ? little : big;
}

} // namespace

void MainWindow::createFace() {
    faceView_ = new FaceView(this);
    connect(faceView_, &FaceView::mousePressed, this, &MainWindow::BackPanelMouseDown);
    dragger_ = new WindowDragger(this);
    connect(dragger_, &WindowDragger::settled, this, [this] {
        userMoved();
        stored_.SaveSettings();
    });
}

void MainWindow::ChangeMode() {
    faceView_->setSmall(cfg().FSmallMode);
    applyFrame();
    applyControls();
}

// A window that has been shown changes its frame in place, shown or hidden in the tray:
// re-created by setWindowFlags, it can be left unmapped or unframed by the window manager (icewm,
// when the frame comes back). Before the first show the new native window is placed correctly.
static void setFlagsKeepingWindow(QWidget& w, Qt::WindowFlags flags, bool shownBefore) {
    if ((w.isVisible() || shownBefore) && w.windowHandle()) {
        w.overrideWindowFlags(flags);
        w.windowHandle()->setFlags(flags);
    } else {
        w.setWindowFlags(flags);
    }
}

// On a scaled desktop Qt asks the window manager for a resize increment (2 pixels at 1.5x), and
// a window manager that keeps to it cuts an odd size by one pixel: a base size of the fixed size
// itself puts that size on the increments' grid.
static void setFixedSizeExactly(QWidget& w, QSize size) {
    w.setFixedSize(size);
    w.setBaseSize(size);
}

// Setting the window flags re-creates the native window, which drops any earlier shape and
// hides the window; it is shown again where it was. The frame's top-left corner stays put.
void MainWindow::applyFrame() {
    const Frame& frame = frameFor(cfg().FSmallMode);
    const bool wasVisible = isVisible();
    const QPoint at = wasVisible && !placementPending_ ? nativeFrame().topLeft() : placedAt_;
    if (wasVisible || everShown_) oldFrameOffset_ = geometry().topLeft() - nativeFrame().topLeft();
    const Qt::WindowFlags keep = windowFlags() & Qt::WindowStaysOnTopHint;
    if (cfg().FWindowless) {
        setFixedSizeExactly(*this, frame.frameless);
        setFlagsKeepingWindow(*this, Qt::Window | Qt::FramelessWindowHint | keep, everShown_);
        minimizeButton_->setVisible(true);
        setMask(frame.shape);
    } else {
        setWindowTitle(frame.caption);
        setFlagsKeepingWindow(*this, frame.framedFlags | keep, everShown_);
        clearMask();
        setFixedSizeExactly(*this, frame.framedClient);
        minimizeButton_->setVisible(false);
    }
    placedAt_ = at;
    if (!wasVisible) {
        move(at);
        return;
    }
    placeAt(at);
    show();
    startPlacing(false);
}

void MainWindow::applyControls() {
    const bool big = !cfg().FSmallMode;
    for (QToolButton* b : {languageButton_, alarmButton_, setupButton_, optionsButton_})
        b->setVisible(big);
    // The small window cuts the help button off: Tab must not land on a button no one can see.
    helpButton_->setFocusPolicy(big ? Qt::TabFocus : Qt::NoFocus);
    minimizeButton_->move(frameFor(cfg().FSmallMode).minimizeButton);
    announceButton_->setGeometry(big ? QRect(210, 102, 58, announceButton_->height())
                                     : QRect(103, 9, 24, announceButton_->height()));
}

void MainWindow::ChangeButtonMode() {
    for (QToolButton* b : {announceButton_, languageButton_, alarmButton_, setupButton_,
                           helpButton_, optionsButton_}) {
        b->setAutoRaise(cfg().FTransparentButtons);
        // The panel's button style tells flat from raised by this property.
        b->style()->unpolish(b);
        b->style()->polish(b);
    }
    minimizeButton_->setAutoRaise(false);
}

void MainWindow::MI_smallClick() {
    if (cfg().FSmallMode) return;
    editSettings([](SettingsRecord& r) { r.FSmallMode = true; });
}

void MainWindow::MI_bigClick() {
    if (!cfg().FSmallMode) return;
    editSettings([](SettingsRecord& r) { r.FSmallMode = false; });
}

// The right button is left to the context menu.
void MainWindow::BackPanelMouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    dragger_->start(QCursor::pos());
}

} // namespace ql
