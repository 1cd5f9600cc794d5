// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/ImageResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initImageResources() {
    Q_INIT_RESOURCE(images);
}

namespace ql {

void ensureImageResources() {
    static const bool done = (initImageResources(), true);
    (void)done;
}

} // namespace ql
