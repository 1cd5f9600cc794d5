// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/AppIcon.h"

// Q_INIT_RESOURCE must be used outside any namespace. The core library is static: without a
// reference the linker would drop the icons.
static void initIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace ql::AppIcon {

QIcon icon() {
    QIcon result;
    for (int size : {16, 22, 24, 32, 48, 64, 128})
        result.addPixmap(pixmap(size));
    return result;
}

QPixmap pixmap(int size) {
    static const bool registered = (initIconResources(), true);
    (void)registered;
    return QPixmap(QStringLiteral(":/icons/%1.png").arg(size));
}

} // namespace ql::AppIcon
