#include "app/ClockApp.h"

#include "app/MainForm.h"

namespace ql {

ClockApp::ClockApp(Platform platform, QString programPath)
    : mainForm_(std::make_unique<TMainForm>(platform, settings_, std::move(programPath))) {}

ClockApp::~ClockApp() = default;

bool ClockApp::closed() const {
    return mainForm_->closed();
}

void ClockApp::setClockData(TClockData* data) {
    mainForm_->setClockData(data);
}

} // namespace ql
