#include "app/ClockApp.h"
#include "app/AppIdentity.h"
#include "app/CommandLine.h"
#include "display/ClockData.h"
#include "platform/AlsaSoundPlayer.h"
#include "platform/AlsaWaveMixer.h"
#include "platform/DisplayCheck.h"
#include "platform/DlLibraryLoader.h"
#include "platform/FileSettingsStore.h"
#include "platform/FlockNamedLock.h"
#include "platform/QtDesktopGeometry.h"
#include "platform/SignalCloseBridge.h"
#include "platform/SystemLocalClock.h"
#include "platform/X11TaskbarButton.h"
#include "platform/X11TrayHost.h"
#include "platform/XcbGlobalHotKey.h"
#include "platform/XdgAutostart.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    ql::CommandLine commandLine("quorlan-lite", QL_VERSION,
                                "Multilingual Quorlan Lite, a talking desktop clock: it shows the "
                                "time, keeps an\nanalog clock in the notification area and speaks "
                                "the time in the voice you choose.");
    if (const auto status = commandLine.parse(argc, argv)) return *status;
    if (const std::string problem = ql::displayProblem(); !problem.empty()) {
        std::fprintf(stderr, "quorlan-lite: %s.\n", problem.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // the clock lives on in the tray
    ql::applyAppIdentity(QL_VERSION);

    ql::SystemLocalClock clock;
    ql::FileSettingsStore store;
    ql::XdgAutostart autostart;
    ql::FlockNamedLock lock;
    ql::QtDesktopGeometry desktop;
    ql::SignalCloseBridge closeBridge;
    ql::AlsaWaveMixer mixer;
    ql::DlLibraryLoader libraries;
    ql::X11TaskbarButton taskbar;
    ql::AlsaSoundPlayer sound;
    ql::X11TrayHost trayHost;
    ql::XcbGlobalHotKey hotKey;
    const ql::Platform platform{clock, store,     autostart, lock,  desktop,  closeBridge,
                                mixer, libraries, taskbar,   sound, trayHost, hotKey};

    ql::ClockApp clockApp(platform, QCoreApplication::applicationFilePath());
    if (clockApp.closed()) return 0; // asked to end while start-up still had a message open
    ql::TClockData clockData;
    clockApp.setClockData(&clockData);
    return QApplication::exec();
}
