#pragma once

#include <QFont>

class QWidget;

namespace ql {

// Arial 8 pt where it exists; fontconfig maps it to its metric twin (Liberation Sans) or the
// desktop's sans-serif otherwise.
QFont alarmFormFont();

// Places a top-level window, before it is shown, in the middle of the screen it will open on.
void centreOnScreen(QWidget& window);

} // namespace ql
