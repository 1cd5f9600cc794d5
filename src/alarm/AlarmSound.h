// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ql {

class SoundPlayer;
class WaveList;

// Starts one alarm sound and returns at once: 0 the desktop's beep, 1 to 4 the built-in sounds
// from memory (silent when the item holds nothing), 5 the user's wave file (the player's default
// sound when it cannot be played), any other number nothing. builtIn may be null.
void playAlarmSound(SoundPlayer& player, const WaveList* builtIn, int sound, const QString& path);

} // namespace ql
