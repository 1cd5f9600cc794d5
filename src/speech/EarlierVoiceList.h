// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace ql {

// The stored language is a position in the sorted voice list. Before the list grew past its
// first 33 voices, that position meant a voice of the list below; this finds the same voice in
// today's list, or keeps the position when that voice is no longer installed.
int sameVoiceInList(int earlierPosition, const QStringList& languages);

} // namespace ql
