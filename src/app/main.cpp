// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppIdentity.h"
#include "app/ClockApp.h"
#include "app/CommandLine.h"
#include "common/AccessibleRoles.h"
#include "face/ClockData.h"
#include "platform/linux/AlsaSoundPlayer.h"
#include "platform/linux/DBusRemoteControl.h"
#include "platform/linux/DesktopHotKey.h"
#include "platform/linux/DisplayCheck.h"
#include "platform/linux/DlLibraryLoader.h"
#include "platform/linux/ExportedOutputGain.h"
#include "platform/linux/FlockNamedLock.h"
#include "platform/linux/FreedesktopNotifier.h"
#include "platform/linux/KGlobalAccelHotKey.h"
#include "platform/linux/PortalGlobalHotKey.h"
#include "platform/linux/QtDesktopDialogs.h"
#include "platform/linux/QtDesktopGeometry.h"
#include "platform/linux/SecondAlignedTimer.h"
#include "platform/linux/SignalCloseBridge.h"
#include "platform/linux/StartupPages.h"
#include "platform/linux/SystemLocalClock.h"
#include "platform/linux/X11TaskbarButton.h"
#include "platform/linux/X11TrayHost.h"
#include "platform/linux/XcbGlobalHotKey.h"
#include "platform/linux/XdgAutostart.h"
#include "store/FileSettingsStore.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// "--speak" asks the clock already running to speak and never starts one.
int speakCommand(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int status = ql::DBusRemoteControl::askRunningClockToSpeak();
    // Qt's bus thread may still be delivering a message while exit() tears Qt down, which
    // makes Qt print warnings; nothing is left to clean up.
    std::fflush(nullptr);
    std::_Exit(status);
}

// "--show", for a key bound by the user: a tray icon cannot take the keyboard focus.
int showCommand(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int status = ql::DBusRemoteControl::askRunningClockToShow();
    std::fflush(nullptr);
    std::_Exit(status); // as "--speak": Qt's bus thread must not warn during exit()
}

// "--speak" from another program: speaks, or says why it cannot. Start-up can wait in a
// message box, and calls arrive in its event loop before the clock exists.
std::string speakOnRequest(ql::ClockApp* clockApp) {
    if (!clockApp) return "it has not finished starting (is a message of it waiting for you?)";
    if (!clockApp->announcer().hasVoice()) return "no voice is loaded";
    clockApp->speechCommands().Speak1Click();
    return {};
}

// Once start-up has settled, the idle clock gives back the library pages only start-up used.
// Not while a voice speaks or an alarm sounds: their threads may be loading libraries.
void releaseStartupPages(const ql::ClockApp& clockApp) {
    constexpr int kSettleMs = 2000;
    QTimer::singleShot(kSettleMs, qApp, [&clockApp] {
        if (clockApp.announcer().speaking() || clockApp.alarm().showing())
            releaseStartupPages(clockApp);
        else
            ql::StartupPages::release();
    });
}

} // namespace

int main(int argc, char** argv) {
    ql::CommandLine commandLine("quorlan-lite", QL_VERSION,
                                "Multilingual Quorlan Lite, a talking desktop clock: it shows the "
                                "time, keeps an\nanalog clock in the notification area and speaks "
                                "the time in the voice you choose.");
    commandLine.addAction("speak", "ask the running clock to speak the time, then exit",
                          [&] { return speakCommand(argc, argv); });
    commandLine.addAction("show", "bring the running clock's window to the front, then exit",
                          [&] { return showCommand(argc, argv); });
    if (const auto status = commandLine.parse(argc, argv)) return *status;
    if (const std::string problem = ql::displayProblem(); !problem.empty()) {
        std::fprintf(stderr, "quorlan-lite: %s.\n", problem.c_str());
        return 1;
    }
    ql::preferX11();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // the clock lives on in the tray
    ql::applyAppIdentity(QL_VERSION);
    ql::installAccessibleRoles();

    ql::SystemLocalClock clock;
    ql::SecondAlignedTimer tickTimer(clock);
    ql::FileSettingsStore store;
    ql::XdgAutostart autostart;
    ql::FlockNamedLock lock;
    ql::QtDesktopGeometry desktop;
    ql::SignalCloseBridge closeBridge;
    ql::ExportedOutputGain gain;
    ql::DlLibraryLoader libraries;
    ql::X11TaskbarButton taskbar;
    ql::AlsaSoundPlayer::Options soundOptions;
    soundOptions.gain = &ql::ExportedOutputGain::gain; // alarm sounds at the clock's own volume
    ql::AlsaSoundPlayer sound(soundOptions);
    ql::X11TrayHost trayHost;
    ql::QtDesktopDialogs dialogs;
    ql::FreedesktopNotifier notifier(ql::kAppTitle, ql::kAppId);
    ql::XcbGlobalHotKey x11HotKey;
    ql::PortalGlobalHotKey portalHotKey;
    ql::KGlobalAccelHotKey kdeHotKey;
    ql::DesktopHotKey hotKey({x11HotKey, portalHotKey, kdeHotKey},
                             !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"),
                             QGuiApplication::platformName() == QLatin1String("xcb"));
    const ql::Platform platform{clock,   tickTimer,   store,  autostart, lock,
                                desktop, closeBridge, gain,   libraries, taskbar,
                                sound,   trayHost,    hotKey, dialogs,   notifier};

    ql::ClockApp* running = nullptr;
    ql::DBusRemoteControl remote;
    remote.serve([&running] { return speakOnRequest(running); });
    remote.onShow([&running] {
        if (running) running->showClock();
    });
    ql::Settings settings;
    ql::ClockApp clockApp(platform, settings, QCoreApplication::applicationFilePath());
    if (clockApp.closed()) return 0; // asked to end while start-up still had a message open
    ql::ClockData clockData;
    clockApp.setClockData(&clockData);
    running = &clockApp;
    releaseStartupPages(clockApp);
    const int status = QApplication::exec();
    // The close gave up waiting for a voice that is still speaking: unloading it, or running
    // destructors under its thread, could crash; the settings are saved, so end here.
    if (clockApp.announcer().speaking()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
