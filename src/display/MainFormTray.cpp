#include "app/MainForm.h"

#include "display/TrayHint.h"
#include "display/TrayIconPainter.h"
#include "platform/TaskbarButton.h"

#include <QDateTime>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

namespace ql {
namespace {

QImage clockFace() {
    QImage face(":/images/ClockFace.png");
    if (!face.isNull()) return face.convertToFormat(QImage::Format_ARGB32);
    // Without the embedded image set: a plain white face with a black rim.
    face = QImage(16, 16, QImage::Format_ARGB32);
    face.fill(Qt::transparent);
    QPainter p(&face);
    p.setBrush(Qt::white);
    p.setPen(Qt::black);
    p.drawEllipse(0, 0, 15, 15);
    return face;
}

} // namespace

void TMainForm::DrawTrayIcon() {
    static const QImage face = clockFace();
    SysTrayIcon->setIcon(QIcon(QPixmap::fromImage(TrayIconPainter::paint(face, CurHour, CurMin))));
}

void TMainForm::UpdateTrayHint() {
    static const TrayHint hint;
    SysTrayIcon->setToolTip(hint.text(QDateTime::currentDateTime()));
}

void TMainForm::ShowMainWindow() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TMainForm::HideMainWindow() {
    hide();
    HideTaskbarButton();
}

void TMainForm::ShowTaskbarButton() { P.taskbar.show(*this); }

void TMainForm::HideTaskbarButton() { P.taskbar.hide(*this); }

} // namespace ql
