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

} // namespace ButtonIcons
} // namespace ql
