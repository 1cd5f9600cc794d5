// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ClockApp.h"

#include "alarm/WaveList.h"
#include "app/AppIdentity.h"
#include "app/MainWindow.h"
#include "face/ClockData.h"
#include "platform/CloseRequestBridge.h"
#include "platform/DesktopGeometry.h"
#include "platform/NamedLock.h"
#include "platform/SoundPlayer.h"
#include "speech/AnnounceRules.h"
#include "speech/EarlierVoiceList.h"
#include <QCoreApplication>

#include <QFileInfo>

namespace ql {
namespace {

// With a trailing '/'.
QString folderOf(const QString& programPath) {
    return QFileInfo(programPath).absolutePath() + '/';
}

// Blocks the speech worker until the chime has been heard, so the voice comes after it.
std::function<void()> chimePlayer(SoundPlayer& player) {
    return [&player, wave = WaveList({"Chime"}).item(0)] {
        if (wave) player.playMemoryAndWait(wave);
    };
}

} // namespace

ClockApp::ClockApp(Platform platform, Settings& settings, const QString& programPath)
    : platform_(platform), dialogs_(platform.dialogs), settings_(settings),
      stored_(settings_, platform.store, platform.autostart, programPath.toStdString(),
              folderOf(programPath).toStdString()),
      voices_(platform.libraries, folderOf(programPath)),
      announcer_(platform.gain, chimePlayer(platform.sound)),
      alarm_(
          settings_, platform.sound,
          [this](int volume, std::function<void()> spoken) {
              return announcer_.SpeakBeforeAlarm(volume, std::move(spoken));
          },
          dialogs_, platform.notifier),
      ticker_(platform.clock, platform.tickTimer, *this),
      languages_(settings_, voices_, announcer_, dialogs_),
      speech_(settings_, announcer_, platform.hotKey),
      help_(folderOf(programPath) + "help/", dialogs_),
      info_(help_, dialogs_, folderOf(programPath)),
      tray_(settings_, {platform.trayHost, platform.taskbar, platform.clock, platform.desktop},
            ClockData::clockFaceIcon(), this),
      mainForm_(std::make_unique<MainWindow>(MainWindow::Services{platform.desktop, dialogs_},
                                             settings_, stored_, announcer_, languages_, speech_,
                                             help_, info_, alarm_, tray_)),
      face_(settings_, mainForm_->face()) {
    // Set once the window exists: start-up opens none of them before.
    help_.setWindow(mainForm_.get());
    info_.setWindow(mainForm_.get());
    connectWindow();
    // Installed first: start-up can open message boxes, and a log-out then must still end us.
    platform_.closeBridge.install([this] { return closeRequested(); });
    FormCreate();
    nameTrayItem(*mainForm_);
}

void ClockApp::connectWindow() {
    MainWindow* view = mainForm_.get();
    closeDeadline_.setSingleShot(true);
    closeDeadline_.setInterval(5000);
    QObject::connect(&closeDeadline_, &QTimer::timeout, [this] {
        closeWaitOver_ = true;
        Close();
    });
    QObject::connect(&announcer_, &Announcer::speakingChanged, &closeDeadline_,
                     [this](bool busy) { closeWhenSilent(busy); });
    QObject::connect(view, &MainWindow::closeAsked, &closeDeadline_, [this] { Close(); });
    QObject::connect(view, &MainWindow::minimizeClicked, &tray_,
                     &TrayController::MinimizeButtonClick);
    QObject::connect(view, &MainWindow::minimizeToTrayChosen, &tray_,
                     &TrayController::Minimizetotray1Click);
    QObject::connect(view, &MainWindow::dialogOpens, &tray_, &TrayController::followTaskbarSetting);
    QObject::connect(view, &MainWindow::dialogClosed, &tray_,
                     &TrayController::followTaskbarSetting);
    QObject::connect(&alarm_, &AlarmController::alerting, &tray_, &TrayController::raiseForAlarm);
    QObject::connect(&tray_, &TrayController::windowShown, view, [view] { view->windowShown(); });
}

ClockApp::~ClockApp() {
    FormDestroy();
}

// The window appears on the first tick, unless the user chose to start in the tray.
void ClockApp::FormCreate() {
    closePending_ = false;
    platform_.namedLock.create("QuorlanLite");
    announcer_.readStartVolume();
    ticker_.readClock();
    stored_.CheckRegistry();
    const auto placement = stored_.OpenRegistry(platform_.desktop.virtualSize());
    firstRun_ = stored_.firstRun();
    upgraded_ = stored_.upgraded();
    startupPending_ = true;
    const LocalTime& now = ticker_.now();
    tray_.DrawTrayIcon(now.hour, now.minute);
    tray_.UpdateTrayHint();
    tray_.start();
    PrepareVoiceFolder();
    voices_.ScanVoiceFolder();
    if (stored_.languageInEarlierList())
        settings_.edit([this](SettingsRecord& r) {
            r.SelectedLanguage = sameVoiceInList(r.SelectedLanguage, voices_.languages());
        });
    stored_.languageFoundInList();
    face_.setTime(now);
    speech_.start();
    mainForm_->startUp(placement);
    languages_.LoadLanguage();
    tray_.HideTaskbarButton();
    mainForm_->showStoredSettings();
    face_.start();
    stored_.saveEachChange();
    ticker_.start();
}

void ClockApp::PrepareVoiceFolder() {
    if (!voices_.PrepareVoiceFolder(upgraded_))
        dialogs_.message(mainForm_.get(), MessageKind::Error, "Error",
                         "Fatal error: Could not create \"voice\" folder");
}

bool ClockApp::closeRequested() {
    if (stored_.loaded()) return Close();
    // Nothing was read yet, so nothing can be saved or lost.
    closed_ = true;
    mainForm_->shutDown();
    QCoreApplication::exit(0);
    return true;
}

// Whoever asks (the window, a signal, the end of the session), a close waits for the speech
// to end, but at most 5 s: a voice that never returns must not keep the clock, or a log-out,
// waiting for ever. The voice is then left loaded; the process's end stops it.
bool ClockApp::FormCloseQuery() {
    if (announcer_.speaking() && !closeWaitOver_) {
        closePending_ = true;
        if (!closeDeadline_.isActive()) closeDeadline_.start();
        return false;
    }
    stored_.SaveSettings();
    return true;
}

bool ClockApp::Close() {
    if (closed_) return true;
    if (!FormCloseQuery()) return false;
    closed_ = true;
    ticker_.stop();
    closeDeadline_.stop();
    alarm_.shutDown();
    tray_.removeIcon();
    mainForm_->shutDown();
    // Ends every event loop, including those of modal windows still open.
    QCoreApplication::exit(0);
    return true;
}

void ClockApp::closeWhenSilent(bool busy) {
    if (!busy && closePending_) Close();
}

void ClockApp::FormDestroy() {
    if (!announcer_.speaking()) voices_.unload(); // never from under a speaking worker
}

void ClockApp::setClockData(ClockData* data) {
    face_.setImages(data);
}

void ClockApp::showClock() {
    tray_.SysTrayDblClick();
    dialogs_.raiseOpen();
}

// The start-up windows open from here; a close deferred for the speech is retried.
bool ClockApp::pendingWork() {
    if (startupPending_) startupWork();
    return !(closePending_ && Close());
}

void ClockApp::unitsChanged(TickUnits changed, const LocalTime& now) {
    face_.setTime(now);
    if (changed.second) {
        face_.secondChanged();
        tray_.UpdateTrayHint();
    }
    if (changed.minute) {
        face_.minuteChanged();
        announceIfDue(now);
        alarm_.minuteChanged();
    }
    // The previous reading is still the ticker's: a jump over the alarm minute shows here.
    if (changed.minute || changed.hour || changed.day) alarm_.clockMoved(ticker_.last(), now);
    // A new time zone can move the hour alone.
    if (changed.minute || changed.hour) tray_.DrawTrayIcon(now.hour, now.minute);
    if (changed.hour) face_.hourChanged();
    if (changed.day) face_.dayChanged();
}

// Skipped, not queued: an announcement kept for later would tell a time already gone.
void ClockApp::announceIfDue(const LocalTime& now) {
    const SettingsRecord& s = settings_.values();
    if (announcesAt(s, now)) announcer_.announce(s.FSpeechVolume, s.chimeOn);
}

// Last: the previous reading is already stored, so ticks inside the alert compare against it.
void ClockApp::tickDone(const LocalTime& now) {
    alarm_.check(now);
}

} // namespace ql
