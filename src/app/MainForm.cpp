#include "app/MainForm.h"

#include "alarm/AlarmController.h"
#include "app/Ticker.h"
#include "platform/CloseRequestBridge.h"
#include "platform/DesktopGeometry.h"
#include "platform/LocalClock.h"
#include "platform/NamedLock.h"
#include "platform/TaskbarButton.h"
#include "settings/StoredSettings.h"
#include "speech/Announcer.h"
#include "speech/LanguageMenus.h"
#include "speech/SpeechCommands.h"
#include "speech/VoiceCatalog.h"
#include "tray/TrayController.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>

namespace ql {

TMainForm::TMainForm(Platform platform, Settings& settings, StoredSettings& stored,
                     VoiceCatalog& voices, Announcer& announcer, LanguageMenus& languages,
                     SpeechCommands& speech, HelpPages& help, InfoDesk& info,
                     AlarmController& alarm, Ticker& ticker, TrayController& tray,
                     QString programPath, QWidget* parent)
    : QWidget(parent), P(platform), settings_(settings), stored_(stored), voices_(voices),
      announcer_(announcer), languages_(languages), speech_(speech), help_(help), info_(info),
      alarm_(alarm), ticker_(ticker), tray_(tray), ProgramPath(std::move(programPath)) {
    createComponents();
    stored_.setWindowPosition([this] { return savedPosition(); });
    connect(&announcer_, &Announcer::speakingChanged, this, &TMainForm::showSpeechState);
    connect(&alarm_, &AlarmController::alerting, this, &TMainForm::raiseForAlarm);
    connect(&announcer_, &Announcer::speakingChanged, this, &TMainForm::closeWhenSilent);
    // Installed first: start-up can open message boxes, and a log-out then must still end us.
    P.closeBridge.install([this] { return closeRequested(); });
    FormCreate();
}

bool TMainForm::closeRequested() {
    if (stored_.loaded()) return Close();
    // Nothing was read yet, so nothing can be saved or lost.
    FClosed = true;
    QCoreApplication::exit(0);
    return true;
}

TMainForm::~TMainForm() {
    FormDestroy();
}

void TMainForm::createComponents() {
    setObjectName("MainForm");
    setWindowTitle("Multilingual Quorlan");
    createFace();
    FCloseDeadline.setSingleShot(true);
    FCloseDeadline.setInterval(5000);
    connect(&FCloseDeadline, &QTimer::timeout, this, [this] {
        FCloseWaitOver = true;
        Close();
    });
    createPopupMenu();
    createButtons();
    LangMenu = new QMenu(this);
    LangMenu->setObjectName("LangMenu");
    tray_.attach(*this, MainPopupMenu);
}

void TMainForm::FormCreate() {
    FFirstRun = false;
    FUpgraded = false;
    FStartupPending = true;
    FClosePending = false;
    ProgramDir = QFileInfo(ProgramPath).absolutePath() + '/';
    P.namedLock.create("QuorlanLite");
    announcer_.readStartVolume();
    ticker_.readClock();
    setTime(ticker_.now());
    stored_.CheckRegistry();
    FFirstRun = stored_.firstRun();
    placeFromSettings(stored_.OpenRegistry(P.desktop.virtualSize()));
    FUpgraded = stored_.upgraded();
    applyGlobalShortcut();
    tray_.DrawTrayIcon(CurHour, CurMin);
    tray_.UpdateTrayHint();
    tray_.start();
    PrepareVoiceFolder();
    voices_.ScanVoiceFolder();
    languages_.BuildLanguageMenus(LangSelButton, LangMenu, SelectLanguageMenu);
    languages_.LoadLanguage();
    ticker_.start();
    tray_.HideTaskbarButton();
    (cfg().FSmallMode ? MI_small : MI_big)->setChecked(true);
    ChangeMode();
    ChangeButtonMode();
    keepWholeOnDesktop(size());
    applyBlending();
    if (cfg().FOnTop && windowAllows(WindowFeature::StayOnTop))
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void TMainForm::setTime(const LocalTime& t) {
    CurHour = t.hour;
    CurMin = t.minute;
    CurSec = t.second;
    CurDay = t.day;
    CurDayOfWeek = t.dayOfWeek;
}

// Whoever asks (the window, a signal, the end of the session), a close waits for the speech
// to end, but at most 5 s: a voice that never returns must not keep the clock, or a log-out,
// waiting for ever. The voice is then left loaded; the process's end stops it.
void TMainForm::FormCloseQuery(bool& CanClose) {
    if (announcer_.speaking() && !FCloseWaitOver) {
        CanClose = false;
        FClosePending = true;
        if (!FCloseDeadline.isActive()) FCloseDeadline.start();
        return;
    }
    stored_.SaveSettings();
}

bool TMainForm::Close() {
    if (FClosed) return true;
    bool canClose = true;
    FormCloseQuery(canClose);
    if (!canClose) return false;
    FClosed = true;
    ticker_.stop();
    FCloseDeadline.stop();
    emit closing();
    hide();
    // Ends every event loop, including those of modal windows still open.
    QCoreApplication::exit(0);
    return true;
}

void TMainForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    Close();
}

void TMainForm::closeWhenSilent(bool busy) {
    if (!busy && FClosePending) Close();
}

void TMainForm::FormDestroy() {
    if (!announcer_.speaking()) voices_.unload(); // never from under a speaking worker
}

void TMainForm::placeFromSettings(const RegistrySettings::Loaded& loaded) {
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
void TMainForm::settlePlacement(int triesLeft) {
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

QPoint TMainForm::wholeOnDesktop(QSize outer) const {
    const WindowPosition at = SettingsCodec::wholeOnDesktop(
        {FPlacedAt.y(), FPlacedAt.x()}, {outer.width(), outer.height()}, P.desktop.virtualSize());
    return {at.left, at.top};
}

bool TMainForm::fitsOnDesktop(QSize outer) const {
    return wholeOnDesktop(outer) == FPlacedAt;
}

// A stored position near or beyond the desktop's edge would leave the window out of reach.
void TMainForm::keepWholeOnDesktop(QSize outer) {
    if (!windowAllows(WindowFeature::Position)) return; // the stored position stays as it is
    const QPoint at = wholeOnDesktop(outer);
    if (at == FPlacedAt) return;
    FPlacedAt = at;
    move(FPlacedAt);
}

// A stored level below the dialog's minimum (a hand-edited or partial store) would make the
// window invisible; it is shown at 50 and kept as stored.
void TMainForm::applyBlending() {
    constexpr int lowest = 50;
    setBlending(cfg().FBlendOn ? std::clamp(cfg().FBlendValue, lowest, 255) / 255.0 : 1.0);
}

void TMainForm::setBlending(double level) {
    const bool change = level < 1.0 || windowOpacity() < 1.0;
    if (change && windowAllows(WindowFeature::Opacity)) setWindowOpacity(level);
}

void TMainForm::applyGlobalShortcut() {
    speech_.applyGlobalShortcut();
    MI_Speak->setShortcut(cfg().FGlobalShortcut ? QKeySequence("Ctrl+Alt+S") : QKeySequence());
}

// Where the desktop places the window, Qt reports a position the clock never chose: the stored
// one stays, for the next session that can use it.
WindowPosition TMainForm::savedPosition() {
    const QPoint at = windowAllows(WindowFeature::Position) ? pos() : FPlacedAt;
    return {at.y(), at.x()};
}

} // namespace ql
