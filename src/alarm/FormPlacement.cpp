#include "alarm/FormPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ql {

QFont alarmFormFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

void centreOnScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    window.move(area.center() - window.rect().center());
}

} // namespace ql
