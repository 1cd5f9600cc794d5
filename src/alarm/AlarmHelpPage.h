#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace ql {

// The help topic of the alarm dialog (context 20): help/alarm.html beside the program, in the
// user's browser. To be folded into the main window's help once that exists.
struct AlarmHelpPage {
    using Opener = std::function<bool(const QUrl&)>;
    static Opener opener; // when set, replaces QDesktopServices::openUrl

    static QString path(const QString& programDir) { return programDir + "help/alarm.html"; }
    // Says so in a message box when the page is missing or no browser could open it.
    static void open(QWidget* parent, const QString& programDir);
};

} // namespace ql
