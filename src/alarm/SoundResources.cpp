// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/SoundResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initSoundResources() {
    Q_INIT_RESOURCE(sounds);
}

namespace ql {

void ensureSoundResources() {
    static const bool done = (initSoundResources(), true);
    (void)done;
}

} // namespace ql
