#include "app/ClockApp.h"

#include "app/MainForm.h"
#include "face/ClockData.h"

#include <QFileInfo>

namespace ql {
namespace {

// With a trailing '/'.
QString folderOf(const QString& programPath) {
    return QFileInfo(programPath).absolutePath() + '/';
}

} // namespace

ClockApp::ClockApp(Platform platform, QString programPath)
    : stored_(settings_, platform.store, platform.autostart, programPath.toStdString(),
              folderOf(programPath).toStdString()),
      voices_(platform.libraries, folderOf(programPath)), announcer_(platform.mixer),
      alarm_(settings_, platform.sound, announcer_), ticker_(platform.clock, *this),
      languages_(settings_, voices_, announcer_), speech_(settings_, announcer_, platform.hotKey),
      help_(folderOf(programPath) + "help/"), info_(help_, folderOf(programPath)),
      tray_(settings_, {platform.trayHost, platform.taskbar, platform.clock, platform.desktop}),
      mainForm_(std::make_unique<TMainForm>(platform, settings_, stored_, voices_, announcer_,
                                            languages_, speech_, help_, info_, alarm_, ticker_,
                                            tray_, std::move(programPath))) {
    // Set once the window exists: start-up opens none of them before.
    help_.setWindow(mainForm_.get());
    info_.setWindow(mainForm_.get());
    connectWindow();
}

void ClockApp::connectWindow() {
    TMainForm* view = mainForm_.get();
    QObject::connect(view, &TMainForm::closing, &alarm_, &AlarmController::shutDown);
    QObject::connect(&languages_, &LanguageMenus::languageChosen, &languages_,
                     [this] { stored_.SaveSettings(); });
    QObject::connect(view, &TMainForm::closing, &tray_, &TrayController::removeIcon);
    QObject::connect(view, &TMainForm::minimizeClicked, &tray_,
                     &TrayController::MinimizeButtonClick);
    QObject::connect(view, &TMainForm::minimizeToTrayChosen, &tray_,
                     &TrayController::Minimizetotray1Click);
    QObject::connect(&tray_, &TrayController::windowShown, view,
                     [view] { view->settlePlacement(); });
}

ClockApp::~ClockApp() = default;

bool ClockApp::closed() const {
    return mainForm_->closed();
}

void ClockApp::setClockData(ClockData* data) {
    mainForm_->setClockData(data);
}

// The window's own start-up can open message boxes: no tick reaches it before it exists.
bool ClockApp::pendingWork() {
    return mainForm_ && mainForm_->pendingWork();
}

void ClockApp::unitsChanged(TickUnits changed, const LocalTime& now) {
    TMainForm& view = *mainForm_;
    view.setTime(now);
    if (changed.second) {
        view.secondChanged();
        tray_.UpdateTrayHint();
    }
    if (changed.minute) {
        view.minuteChanged();
        tray_.DrawTrayIcon(now.hour, now.minute);
        announceIfDue(now.minute);
        alarm_.minuteChanged();
    }
    if (changed.hour) view.hourChanged();
    if (changed.day) view.dayChanged();
}

void ClockApp::announceIfDue(int minute) {
    const SettingsRecord& s = settings_.values();
    if (minute % s.FAnnounceInterval == 0 && s.FAnnounceOn) announcer_.announce(s.FSpeechVolume);
}

// Last: the previous reading is already stored, so ticks inside the alert compare against it.
void ClockApp::tickDone(const LocalTime& now) {
    alarm_.check(now.hour, now.minute);
}

} // namespace ql
