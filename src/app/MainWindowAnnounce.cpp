// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "speech/Announcer.h"

#include <QAction>
#include <QToolButton>

namespace ql {

// The speech controls work only while a voice is loaded and silent.
void MainWindow::showSpeechState(bool busy) {
    const bool on = announcer_.hasVoice() && !busy;
    for (QToolButton* b : {announceButton_, languageButton_})
        b->setEnabled(on);
    for (QAction* a : {speakAction_, languageAction_})
        a->setEnabled(on);
}

} // namespace ql
