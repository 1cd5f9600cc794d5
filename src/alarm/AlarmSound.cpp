// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/AlarmSound.h"

#include "alarm/WaveList.h"
#include "platform/SoundPlayer.h"

#include <QFile>

namespace ql {

void playAlarmSound(SoundPlayer& player, const WaveList* builtIn, int sound, const QString& path) {
    if (sound == 0) {
        player.beep();
    } else if (sound >= 1 && sound <= 4) {
        if (auto wave = builtIn ? builtIn->item(sound - 1) : nullptr)
            player.playMemory(std::move(wave));
    } else if (sound == 5) {
        // The file system's own encoding, so names with non-ASCII characters open as shown.
        player.playFile(QFile::encodeName(path).toStdString());
    }
}

} // namespace ql
