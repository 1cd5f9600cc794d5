// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "alarm/AlarmController.h"
#include "platform/DesktopGeometry.h"
#include "platform/TaskbarButton.h"
#include "settings/SettingsTable.h"
#include "settings/StoredSettings.h"
#include "speech/Announcer.h"
#include "speech/LanguageMenus.h"
#include "speech/SpeechCommands.h"
#include "tray/TrayController.h"

#include <algorithm>

#include <QCloseEvent>
#include <QMenu>
#include <QMoveEvent>
#include <QTimer>
#include <QWindow>

namespace ql {

MainWindow::MainWindow(Services services, Settings& settings, StoredSettings& stored,
                       Announcer& announcer, LanguageMenus& languages, SpeechCommands& speech,
                       HelpPages& help, InfoDesk& info, AlarmController& alarm,
                       TrayController& tray, QWidget* parent)
    : QWidget(parent), desktop_(services.desktop), dialogs_(services.dialogs), settings_(settings),
      stored_(stored), announcer_(announcer), languages_(languages), speech_(speech), help_(help),
      info_(info), alarm_(alarm), tray_(tray) {
    createComponents();
    placingTimer_ = new QTimer(this);
    placingTimer_->setSingleShot(true);
    placingTimer_->setInterval(1000);
    stored_.setWindowPosition([this] { return savedPosition(); });
    connect(&announcer_, &Announcer::speakingChanged, this, &MainWindow::showSpeechState);
    connect(&settings_, &Settings::changed, this, &MainWindow::showSettings);
}

MainWindow::~MainWindow() = default;

void MainWindow::createComponents() {
    setObjectName("MainForm");
    setWindowTitle("Multilingual Quorlan");
    createFace();
    createPopupMenu();
    createButtons();
    languageMenu_ = new QMenu(this);
    languageMenu_->setObjectName("LangMenu");
    tray_.attach(*this, popupMenu_);
}

// The window's part of the start-up, once the settings are read and the voices found.
void MainWindow::startUp(const RegistrySettings::Loaded& placement) {
    placeFromSettings(placement);
    applySpeakShortcut();
    languages_.BuildLanguageMenus(languageButton_, languageMenu_, languageSubmenu_);
}

// The last step of the start-up: from here on the window follows every change of the settings.
void MainWindow::showStoredSettings() {
    (cfg().FSmallMode ? smallAction_ : bigAction_)->setChecked(true);
    ChangeMode();
    ChangeButtonMode();
    keepWholeOnDesktop(size());
    applyBlending();
    if (cfg().FOnTop && windowAllows(WindowFeature::StayOnTop))
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    started_ = true;
}

// The program is ending: the window goes, and windows still open know not to act.
void MainWindow::shutDown() {
    closed_ = true;
    hide();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeAsked();
}

void MainWindow::placeFromSettings(const RegistrySettings::Loaded& loaded) {
    chosenAt_ = QPoint(loaded.stored.left, loaded.stored.top);
    placedAt_ = QPoint(loaded.window.left, loaded.window.top);
    // Kept as stored, not fitted to this desktop: it is meant for another session.
    if (!windowAllows(WindowFeature::Position)) return;
    placementPending_ = true;
    fitPending_ = true;
    move(placedAt_);
}

void MainWindow::windowShown() {
    everShown_ = true;
    startPlacing(true);
}

// Until the window manager has framed the window, moves are its own (placing, framing, or a
// desktop that centres new windows), and what the user chose stays as it was.
void MainWindow::startPlacing(bool fit) {
    if (!windowAllows(WindowFeature::Position)) return;
    placementPending_ = true;
    fitPending_ = fitPending_ || fit;
    settlePlacement(20);
}

// Before the first show the window manager's frame is unknown, so X11 puts the client area where
// the frame belongs and the window would creep by the frame size at every start. Once the frame
// is known, the frame goes where it belongs, and is checked there. A frame changed with the
// window's flags is known once its size differs from the old one (or after a while).
void MainWindow::settlePlacement(int triesLeft) {
    if (!placementPending_ || !isVisible()) return;
    const QRect frame = nativeFrame();
    const QPoint frameOffset = geometry().topLeft() - frame.topLeft();
    const bool frameKnown = oldFrameOffset_ ? frameOffset != *oldFrameOffset_ : frame != geometry();
    // Near the desktop's edge the frame's size matters: wait for it before the last move.
    constexpr int frameAllowance = 64;
    const bool roomForAnyFrame = fitsOnDesktop(size() + QSize(frameAllowance, frameAllowance));
    const bool there = frame.topLeft() == placedAt_;
    if ((there && roomForAnyFrame && !oldFrameOffset_) || frameKnown || triesLeft <= 0) {
        oldFrameOffset_.reset();
        if (fitPending_) keepWholeOnDesktop(frame.size());
        fitPending_ = false;
        if (nativeFrame().topLeft() == placedAt_ || triesLeft <= 0) {
            placementPending_ = false;
            placingTimer_->start(); // the window manager's answer to the last move is still to come
            return;
        }
        placeAt(placedAt_);
    }
    QTimer::singleShot(50, this, [this, triesLeft] { settlePlacement(triesLeft - 1); });
}

// The widget's idea of its frame lags behind a frame the window manager changed while the
// window was hidden; the native window asks afresh.
QRect MainWindow::nativeFrame() const {
    const QWindow* native = windowHandle();
    return native ? native->frameGeometry() : frameGeometry();
}

void MainWindow::placeAt(QPoint at) {
    placingTimer_->start();
    if (QWindow* native = windowHandle(); native && isVisible())
        native->setFramePosition(at);
    else
        move(at);
}

// Any move of the shown window that the clock did not ask for is the user's: a drag by the face
// or the title bar, or the window manager's keyboard move.
void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!isVisible() || placementPending_) return;
    if (placingTimer_->isActive()) {
        placingTimer_->start();
        return;
    }
    userMoved();
}

void MainWindow::userMoved() {
    if (!desktop_.allows(WindowFeature::Position)) return;
    placedAt_ = chosenAt_ = nativeFrame().topLeft();
}

QPoint MainWindow::wholeOnDesktop(QSize outer) const {
    const DesktopSize desktop = desktop_.virtualSize();
    const WindowPosition placed = SettingsCodec::placeOnDesktop({chosenAt_.y(), chosenAt_.x()},
                                                                desktop.width, desktop.height);
    const DesktopSize window{outer.width(), outer.height()};
    const WindowPosition at = SettingsCodec::wholeOnMonitor(
        SettingsCodec::wholeOnDesktop(placed, window, desktop), window, desktop_.monitors());
    return {at.left, at.top};
}

bool MainWindow::fitsOnDesktop(QSize outer) const {
    return wholeOnDesktop(outer) == placedAt_;
}

// A stored position near or beyond the desktop's edge, or on no monitor, would leave the window
// out of reach. It is shown where it can be seen; the stored one stays, for the day the monitor
// is back.
void MainWindow::keepWholeOnDesktop(QSize outer) {
    if (!windowAllows(WindowFeature::Position)) return; // the stored position stays as it is
    const QPoint at = wholeOnDesktop(outer);
    if (at == placedAt_) return;
    placedAt_ = at;
    placeAt(placedAt_);
}

// A stored level below the dialog's minimum (a hand-edited or partial store) would make the
// window invisible; it is shown at that minimum and kept as stored.
void MainWindow::applyBlending() {
    const Setting& blend = settingOf(&SettingsRecord::FBlendValue);
    const double level = blend.offered().limit(cfg().FBlendValue) / double(blend.stored.max);
    setBlending(cfg().FBlendOn ? level : 1.0);
}

void MainWindow::setBlending(double level) {
    const bool change = level < 1.0 || windowOpacity() < 1.0;
    if (change && windowAllows(WindowFeature::Opacity)) setWindowOpacity(level);
}

// The menu shows the system-wide key only while the clock holds it.
void MainWindow::applySpeakShortcut() {
    speakAction_->setShortcut(cfg().FGlobalShortcut ? QKeySequence("Ctrl+Alt+S") : QKeySequence());
}

// Only a position the user chose is stored: not one the window manager picked, nor one the clock
// corrected to keep the window on a monitor.
WindowPosition MainWindow::savedPosition() const {
    return {chosenAt_.y(), chosenAt_.x()};
}

} // namespace ql
