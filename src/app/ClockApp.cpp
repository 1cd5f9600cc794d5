#include "app/ClockApp.h"

#include "app/MainForm.h"

#include <QFileInfo>

namespace ql {

namespace {

// With a trailing '/'.
QString folderOf(const QString& programPath) {
    return QFileInfo(programPath).absolutePath() + '/';
}

} // namespace

ClockApp::ClockApp(Platform platform, QString programPath)
    : voices_(platform.libraries, folderOf(programPath)), announcer_(platform.mixer),
      mainForm_(std::make_unique<TMainForm>(platform, settings_, voices_, announcer_,
                                            std::move(programPath))) {}

ClockApp::~ClockApp() = default;

bool ClockApp::closed() const {
    return mainForm_->closed();
}

void ClockApp::setClockData(TClockData* data) {
    mainForm_->setClockData(data);
}

} // namespace ql
