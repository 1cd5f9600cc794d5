// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/AccessibleRoles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace ql {
namespace {

// By class name, so that this layer needs none of the classes it describes.
QAccessibleInterface* roleFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (className == QLatin1String("ql::MainWindow"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("ql::FaceView"))
        return new QAccessibleWidget(widget, QAccessible::StaticText);
    if (className == QLatin1String("ql::AlarmAlert"))
        return new QAccessibleWidget(widget, QAccessible::AlertMessage);
    return nullptr;
}

} // namespace

void installAccessibleRoles() {
    QAccessible::installFactory(roleFactory);
}

} // namespace ql
