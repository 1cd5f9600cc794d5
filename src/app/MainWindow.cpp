#include "app/MainWindow.h"

#include "alarm/AlarmController.h"
#include "platform/DesktopGeometry.h"
#include "platform/LocalClock.h"
#include "platform/TaskbarButton.h"
#include "settings/StoredSettings.h"
#include "speech/Announcer.h"
#include "speech/LanguageMenus.h"
#include "speech/SpeechCommands.h"
#include "tray/TrayController.h"

#include <algorithm>

#include <QCloseEvent>
#include <QMenu>
#include <QTimer>

namespace ql {

MainWindow::MainWindow(Services services, Settings& settings, StoredSettings& stored,
                       Announcer& announcer, LanguageMenus& languages, SpeechCommands& speech,
                       HelpPages& help, InfoDesk& info, AlarmController& alarm,
                       TrayController& tray, QWidget* parent)
    : QWidget(parent), desktop_(services.desktop), settings_(settings), stored_(stored),
      announcer_(announcer), languages_(languages), speech_(speech), help_(help), info_(info),
      alarm_(alarm), tray_(tray) {
    createComponents();
    stored_.setWindowPosition([this] { return savedPosition(); });
    connect(&announcer_, &Announcer::speakingChanged, this, &MainWindow::showSpeechState);
    connect(&alarm_, &AlarmController::alerting, this, &MainWindow::raiseForAlarm);
    connect(&settings_, &Settings::changed, this, &MainWindow::showSettings);
}

MainWindow::~MainWindow() = default;

void MainWindow::createComponents() {
    setObjectName("MainForm");
    setWindowTitle("Multilingual Quorlan");
    createFace();
    createPopupMenu();
    createButtons();
    LangMenu = new QMenu(this);
    LangMenu->setObjectName("LangMenu");
    tray_.attach(*this, MainPopupMenu);
}

// The window's part of the start-up, once the settings are read and the voices found.
void MainWindow::startUp(const LocalTime& now, const RegistrySettings::Loaded& placement) {
    setTime(now);
    placeFromSettings(placement);
    applyGlobalShortcut();
    languages_.BuildLanguageMenus(LangSelButton, LangMenu, SelectLanguageMenu);
}

// The last step of the start-up: from here on the window follows every change of the settings.
void MainWindow::showStoredSettings() {
    (cfg().FSmallMode ? MI_small : MI_big)->setChecked(true);
    ChangeMode();
    ChangeButtonMode();
    keepWholeOnDesktop(size());
    applyBlending();
    if (cfg().FOnTop && windowAllows(WindowFeature::StayOnTop))
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    shown_ = cfg();
    FStarted = true;
}

void MainWindow::setTime(const LocalTime& t) {
    CurHour = t.hour;
    CurMin = t.minute;
    CurSec = t.second;
    CurDay = t.day;
    CurDayOfWeek = t.dayOfWeek;
}

// The program is ending: the window goes, and windows still open know not to act.
void MainWindow::shutDown() {
    FClosed = true;
    hide();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeAsked();
}

void MainWindow::placeFromSettings(const RegistrySettings::Loaded& loaded) {
    if (windowAllows(WindowFeature::Position)) {
        FPlacedAt = QPoint(loaded.window.left, loaded.window.top);
        FPlacementPending = true;
        move(FPlacedAt);
    } else {
        // Kept as stored, not fitted to this desktop: it is meant for another session.
        FPlacedAt = QPoint(loaded.stored.left, loaded.stored.top);
    }
}

// Before the first show the window manager's frame is unknown, so X11 puts the client area where
// the frame belongs and the window would creep by the frame size at every start. Once the frame
// is known, the frame goes where the settings say.
void MainWindow::settlePlacement(int triesLeft) {
    if (!FPlacementPending || !isVisible()) return;
    const bool frameKnown = frameGeometry() != geometry();
    // Near the desktop's edge the frame's size matters: wait for it before the last move.
    constexpr int frameAllowance = 64;
    const bool roomForAnyFrame = fitsOnDesktop(size() + QSize(frameAllowance, frameAllowance));
    if ((frameGeometry().topLeft() == FPlacedAt && roomForAnyFrame) || frameKnown ||
        triesLeft <= 0) {
        keepWholeOnDesktop(frameGeometry().size());
        if (frameGeometry().topLeft() != FPlacedAt) move(FPlacedAt);
        FPlacementPending = false;
        return;
    }
    QTimer::singleShot(50, this, [this, triesLeft] { settlePlacement(triesLeft - 1); });
}

QPoint MainWindow::wholeOnDesktop(QSize outer) const {
    const WindowPosition at = SettingsCodec::wholeOnDesktop(
        {FPlacedAt.y(), FPlacedAt.x()}, {outer.width(), outer.height()}, desktop_.virtualSize());
    return {at.left, at.top};
}

bool MainWindow::fitsOnDesktop(QSize outer) const {
    return wholeOnDesktop(outer) == FPlacedAt;
}

// A stored position near or beyond the desktop's edge would leave the window out of reach.
void MainWindow::keepWholeOnDesktop(QSize outer) {
    if (!windowAllows(WindowFeature::Position)) return; // the stored position stays as it is
    const QPoint at = wholeOnDesktop(outer);
    if (at == FPlacedAt) return;
    FPlacedAt = at;
    move(FPlacedAt);
}

// A stored level below the dialog's minimum (a hand-edited or partial store) would make the
// window invisible; it is shown at 50 and kept as stored.
void MainWindow::applyBlending() {
    constexpr int lowest = 50;
    setBlending(cfg().FBlendOn ? std::clamp(cfg().FBlendValue, lowest, 255) / 255.0 : 1.0);
}

void MainWindow::setBlending(double level) {
    const bool change = level < 1.0 || windowOpacity() < 1.0;
    if (change && windowAllows(WindowFeature::Opacity)) setWindowOpacity(level);
}

void MainWindow::applyGlobalShortcut() {
    speech_.applyGlobalShortcut();
    MI_Speak->setShortcut(cfg().FGlobalShortcut ? QKeySequence("Ctrl+Alt+S") : QKeySequence());
}

// Where the desktop places the window, Qt reports a position the clock never chose: the stored
// one stays, for the next session that can use it.
WindowPosition MainWindow::savedPosition() {
    const QPoint at = windowAllows(WindowFeature::Position) ? pos() : FPlacedAt;
    return {at.y(), at.x()};
}

} // namespace ql
