// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace ql {

// Arial 8 pt where it exists; fontconfig maps it to its metric twin (Liberation Sans) or the
// desktop's sans-serif otherwise.
QFont alarmFormFont();

} // namespace ql
