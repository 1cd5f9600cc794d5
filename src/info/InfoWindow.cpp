// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/InfoWindow.h"

#include "info/InfoLink.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <algorithm>

namespace ql {

QString InfoWindow::homePage(const QString& programDir) {
    // A build without a web site of its own links to a page that is always there.
    const QString built = QStringLiteral(QL_HOME_PAGE);
    if (!built.isEmpty()) return built;
    return QUrl::fromLocalFile(programDir + "help/about.html").toString();
}

bool InfoWindow::isInstalledHelp(const QString& url) {
    return QUrl(url).isLocalFile();
}

InfoWindow::InfoWindow(QWidget* parent, const char* name, const QString& caption, QSize clientSize,
                       bool titleButtons)
    : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(clientSize);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (titleButtons) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
}

QFrame* InfoWindow::panel(QRect geometry) {
    panel_ = new QFrame(this);
    panel_->setObjectName("Panel1");
    panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel_->setGeometry(geometry);
    return panel_;
}

QLabel* InfoWindow::text(const char* name, const QString& caption, QRect geometry,
                         Qt::Alignment align) {
    auto* label = new QLabel(caption, panel_);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(align);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

InfoLink* InfoWindow::link(const char* name, const QString& url, QRect geometry) {
    auto* label = new InfoLink(url, panel_);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QPushButton* InfoWindow::button(const char* name, const QString& caption, QRect geometry) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
}

void InfoWindow::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void InfoWindow::placeAt(QPoint topLeft) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return move(topLeft);
    const QRect area = screen->availableGeometry();
    // Room for the frame and title bar the window manager puts round the window.
    constexpr int kFrame = 40;
    const int x = std::clamp(topLeft.x(), area.left(),
                             std::max(area.left(), area.right() - width() - kFrame));
    const int y = std::clamp(topLeft.y(), area.top(),
                             std::max(area.top(), area.bottom() - height() - kFrame));
    move(x, y);
}

} // namespace ql
