// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace ql {

// The pictures of the main window's buttons, drawn rather than loaded so they stay sharp at
// any scale. Dark and engraved, to sit on the brushed-metal strip under the display.
namespace ButtonIcons {

QIcon alarmClock();
QIcon gear();
QIcon list();
QIcon question();
QIcon loudspeaker(); // wider than the others: it fills the announce button
QIcon downArrow();
// The "_" of the minimize button, which its 12-pixel height would clip as text.
QIcon underscore();

} // namespace ButtonIcons
} // namespace ql
