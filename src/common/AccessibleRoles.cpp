// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/AccessibleRoles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace ql {
namespace {

// Up/down arrows bound to a field: a spin button whose value a screen reader reads as it steps.
class SpinAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit SpinAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::SpinBox) {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return widget()->property("position"); }
    void setCurrentValue(const QVariant& value) override {
        widget()->setProperty("position", value);
    }
    QVariant maximumValue() const override { return widget()->property("maximum"); }
    QVariant minimumValue() const override { return widget()->property("minimum"); }
    QVariant minimumStepSize() const override { return 1; }
};

// By class name, so that this layer needs none of the classes it describes.
QAccessibleInterface* roleFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (className == QLatin1String("ql::MainWindow"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("ql::FaceView"))
        return new QAccessibleWidget(widget, QAccessible::StaticText);
    if (className == QLatin1String("ql::UpDownButtons")) return new SpinAccessible(widget);
    if (className == QLatin1String("ql::AlarmAlert"))
        return new QAccessibleWidget(widget, QAccessible::AlertMessage);
    return nullptr;
}

} // namespace

void installAccessibleRoles() {
    QAccessible::installFactory(roleFactory);
}

} // namespace ql
